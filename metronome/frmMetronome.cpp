#include "frmMetronome.h"

#include "Skin.h"

frmMetronome::frmMetronome(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMetronome"));
    setAttribute(Qt::WA_DeleteOnClose);
    // This window measures in pixels.
    skin::SetUpFramedWindow(this, QStringLiteral("Metronome"), QSize(299, 125),
                            qRgb(255, 220, 72));
    lblClose = ActionLabel::create(QStringLiteral("Close"), this, {240, 64}, 11.25);
    lblClose->setObjectName(QStringLiteral("lblClose"));
    connect(lblClose, &ActionLabel::clicked, this, &frmMetronome::lblClose_Click);
    Form_Load();
}

void frmMetronome::Form_Load()
{
}

void frmMetronome::lblClose_Click()
{
    close();
}
