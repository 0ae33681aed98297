#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// The tempo slider: the scale bar, painted by this widget, and the pointer that
// shows the tempo. The pointer hangs below the bar and beyond its ends, so it
// is a picture of its own beside the bar in the same parent window, laid over
// the bar and taking no mouse input. A press on the bar with any button, and
// every move while that button is held (also outside the bar), chooses the
// tempo at the pointer's offset from the bar's left edge. With the keyboard
// focus, Left and Right choose one beat a minute less or more, Page Down and
// Page Up ten, Home and End the slowest and fastest tempo of the bar, each as a
// press at that tempo's offset would. Assistive technology sees a slider whose
// value is the tempo.
class TempoSlider : public QWidget
{
    Q_OBJECT
public:
    // Places the bar's top-left corner at topLeft in the parent.
    TempoSlider(QPoint topLeft, QWidget* parent);

    // Moves the pointer to a tempo; tempos beyond the bar's reach stop it at
    // either end.
    void showTempo(int tempo);
    int shownTempo() const { return tempo_; }

signals:
    void tempoChosen(int tempo);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap bar_;
    QLabel* pointer_;
    int tempo_ = 0;
    bool dragging_ = false;
};
