#include "frmChord.h"

#include "Skin.h"

frmChord::frmChord(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmChord"));
    setAttribute(Qt::WA_DeleteOnClose);
    skin::SetUpFramedWindow(this, QStringLiteral("Chord finder"), skin::TwipsRect(0, 0, 5955, 4440).size(),
                            qRgb(255,255,216));
    lblClose = ActionLabel::create(QStringLiteral("Close"), this,
                                   skin::TwipsRect(5040, 3840, 0, 0).topLeft());
    lblClose->setObjectName(QStringLiteral("lblClose"));
    connect(lblClose, &ActionLabel::clicked, this, &frmChord::lblClose_Click);
    Form_Load();
}

void frmChord::Form_Load()
{
}

void frmChord::lblClose_Click()
{
    close();
}
