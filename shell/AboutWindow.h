#pragma once

#include "AboutDrag.h"

#include <QDialog>

class ActionLabel;
namespace platform {
class Desktop;
}

// The About window: borderless, modal to the main menu, moved by dragging its
// background. It names the program and offers an e-mail and a home-page link.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    AboutWindow(platform::Desktop& desktop, QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void writeEmail();
    void visitHomePage();

    platform::Desktop& desktop_;
    QPixmap background_;
    QPixmap programIcon_;
    AboutDrag drag_;
};
