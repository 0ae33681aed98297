#pragma once

#include "AboutDrag.h"

#include <QDialog>

class ActionLabel;
class QLabel;

// The About window: borderless, modal to the main menu, moved by dragging its
// background. It names the program and offers an e-mail and a home-page link.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    // The two link targets and their captions.
    static QString EmailAddress();
    static QString HomeHost();
    static QString EmailTarget();
    static QString HomeTarget();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Form_Load();
    void lblEmail_Click();
    void lblHome_Click();
    void lblClose_Click();
    void lblX_Click();

    QPixmap background_;
    QPixmap programIcon_;
    AboutDrag drag_;
    ActionLabel* lblX = nullptr;
    ActionLabel* lblClose = nullptr;
    ActionLabel* lblEmail = nullptr;
    ActionLabel* lblHome = nullptr;
};
