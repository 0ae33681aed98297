#pragma once

#include <QLabel>

// A transparent text (or picture) label that acts as a button: it reports a
// click when the left button is pressed and released over it, or when Return,
// Enter or Space is pressed while it has the keyboard focus. It takes the
// focus from Tab, never from the mouse, and draws a dotted focus mark in its
// text colour once the keyboard has been used in its window, so a mouse user
// sees the window exactly as drawn. Assistive technology sees a push button
// (or a link, or a push button that can be checked) named by its text without
// the leading "- ", or by its accessible name when one is set.
class ActionLabel : public QLabel
{
    Q_OBJECT
public:
    enum class Role
    {
        Button,
        Link,
        Toggle, // a switch: checked while on
    };

    ActionLabel(const QString& text, QWidget* parent, Role role = Role::Button);

    // The style of "Close", "Quit", "Start/Stop", "Favorites" and the menu
    // entries: Comic Sans MS italic in the action colour, sized to the text, at
    // the given top-left corner in pixels, with the hand cursor.
    static ActionLabel* create(const QString& text, QWidget* parent, QPoint topLeft,
                               qreal pointSize = 12, Role role = Role::Button);

    Role role() const { return role_; }
    bool isChecked() const { return checked_; }
    // For a switch: whether it is on, as assistive technology reports it.
    void setChecked(bool checked);
    // A text switch: checked, and green while on, in the action colour while
    // off.
    void setSwitchedOn(bool on);

    // The name assistive technology reads.
    QString spokenName() const;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Role role_;
    bool checked_ = false;
    bool pressed_ = false;
};
