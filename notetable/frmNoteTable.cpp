#include "frmNoteTable.h"

#include "Skin.h"

frmNoteTable::frmNoteTable(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmNoteTable"));
    setAttribute(Qt::WA_DeleteOnClose);
    skin::SetUpFramedWindow(this, QStringLiteral("Note table"), skin::TwipsRect(0, 0, 9045, 5535).size(),
                            qRgb(255,252,208));
    lblClose = ActionLabel::create(QStringLiteral("Close"), this,
                                   skin::TwipsRect(7800, 4800, 0, 0).topLeft());
    lblClose->setObjectName(QStringLiteral("lblClose"));
    connect(lblClose, &ActionLabel::clicked, this, &frmNoteTable::lblClose_Click);
    Form_Load();
}

void frmNoteTable::Form_Load()
{
}

void frmNoteTable::lblClose_Click()
{
    close();
}
