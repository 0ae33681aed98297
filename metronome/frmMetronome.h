#pragma once

#include <QWidget>

class ActionLabel;

class frmMetronome : public QWidget
{
    Q_OBJECT
public:
    explicit frmMetronome(QWidget* parent = nullptr);

private:
    void Form_Load();
    void lblClose_Click();

    ActionLabel* lblClose = nullptr;
};
