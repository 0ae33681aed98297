#pragma once

#include <QWidget>

class ActionLabel;

class frmChord : public QWidget
{
    Q_OBJECT
public:
    explicit frmChord(QWidget* parent = nullptr);

private:
    void Form_Load();
    void lblClose_Click();

    ActionLabel* lblClose = nullptr;
};
