#pragma once

#include <QLabel>

// A transparent text label that acts as a button: it reports a click when the
// left button is pressed and released over it.
class ActionLabel : public QLabel
{
    Q_OBJECT
public:
    ActionLabel(const QString& text, QWidget* parent);

    // The style of "Close", "Quit", "Start/Stop", "Favorites" and the menu
    // entries: Comic Sans MS italic in the action colour, sized to the text, at
    // the given top-left corner in pixels, with the hand cursor.
    static ActionLabel* create(const QString& text, QWidget* parent, QPoint topLeft,
                               qreal pointSize = 12);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
