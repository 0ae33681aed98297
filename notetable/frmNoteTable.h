#pragma once

#include <QWidget>

class ActionLabel;

class frmNoteTable : public QWidget
{
    Q_OBJECT
public:
    explicit frmNoteTable(QWidget* parent = nullptr);

private:
    void Form_Load();
    void lblClose_Click();

    ActionLabel* lblClose = nullptr;
};
