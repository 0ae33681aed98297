#include "frmAbout.h"

#include "Links.h"
#include "Resources.h"
#include "Skin.h"
#include "Twips.h"
#include "Version.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The window's default font: 8-point MS Sans Serif in black.
QFont defaultFont()
{
    return skin::SansSerifFont(8);
}

QPointF toTwips(QPointF pixels)
{
    return pixels * platform::TwipsPerPixel();
}

QPoint toPixels(QPoint twips)
{
    return {platform::TwipsToPixels(twips.x()), platform::TwipsToPixels(twips.y())};
}

QPoint toTwips(QPoint pixels)
{
    return toTwips(QPointF(pixels)).toPoint();
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowModality(Qt::ApplicationModal);
    setWindowIcon(QIcon(LoadResourcePicture(106, PictureKind::Icon)));
    const QRect client = skin::TwipsRect(0, 0, 3960, 2775);
    setFixedSize(client.size());
    skin::CentreOnScreen(this);
    setFont(defaultFont());
    background_ = LoadLayoutPicture(LayoutPicture::AboutPanel);
    programIcon_ = LoadResourcePicture(106, PictureKind::Icon);

    // Image1 takes no mouse input: a press on it drags the window.
    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(LoadLayoutPicture(LayoutPicture::RedGuitar));
    image1->setGeometry(skin::TwipsRect(360, 600, 480, 480));
    image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblX = new ActionLabel(QStringLiteral("x"), this);
    lblX->setObjectName(QStringLiteral("lblX"));
    lblX->setFont(skin::SansSerifFont(12, true));
    lblX->setToolTip(QStringLiteral("Close"));
    lblX->setGeometry(skin::TwipsRect(3675, 0, 255, 255));

    const QPoint closeAt = skin::TwipsRect(2880, 2235, 0, 0).topLeft();
    lblClose = ActionLabel::create(QStringLiteral("Close"), this, closeAt);
    lblClose->setObjectName(QStringLiteral("lblClose"));

    const QColor highlight = palette().color(QPalette::Highlight);
    auto makeLink = [&](const char* name, const QString& text, QRect where) {
        auto* label = new ActionLabel(text, this);
        label->setObjectName(QLatin1String(name));
        skin::SetTextColour(label, highlight.rgb());
        label->setGeometry(where);
        return label;
    };
    lblEmail = makeLink("lblEmail", QStringLiteral("- ") + EmailAddress(),
                        skin::TwipsRect(1200, 1020, 1935, 255));
    lblHome = makeLink("lblHome", QStringLiteral("- http://") + HomeHost(),
                       skin::TwipsRect(240, 1800, 3135, 255));

    connect(lblX, &ActionLabel::clicked, this, &frmAbout::lblX_Click);
    connect(lblClose, &ActionLabel::clicked, this, &frmAbout::lblClose_Click);
    connect(lblEmail, &ActionLabel::clicked, this, &frmAbout::lblEmail_Click);
    connect(lblHome, &ActionLabel::clicked, this, &frmAbout::lblHome_Click);

    Form_Load();
}

QString frmAbout::EmailAddress()
{
    return QStringLiteral("kordelix@example.org");
}

QString frmAbout::HomeHost()
{
    return QStringLiteral("kordelix.example.org");
}

QString frmAbout::EmailTarget()
{
    return QStringLiteral("mailto:") + EmailAddress();
}

QString frmAbout::HomeTarget()
{
    return QStringLiteral("http://") + HomeHost() + QStringLiteral("/kordelix.asp");
}

void frmAbout::Form_Load()
{
    const QCursor hand = LoadHandCursor();
    for (QLabel* label : {static_cast<QLabel*>(lblX), static_cast<QLabel*>(lblClose),
                          static_cast<QLabel*>(lblEmail), static_cast<QLabel*>(lblHome)})
        label->setCursor(hand);
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    painter.setFont(font());
    painter.setPen(Qt::black);

    const auto at = [](int leftTwips, int topTwips) {
        return skin::TwipsRect(leftTwips, topTwips, 0, 0).topLeft();
    };
    // Texts are placed by their top-left corner.
    const auto drawText = [&](QPoint topLeft, const QString& text) {
        painter.drawText(QRect(topLeft, QSize(width() - topLeft.x(), 40)),
                         Qt::AlignLeft | Qt::AlignTop, text);
    };
    painter.drawPixmap(QRect(at(60, 60), skin::TwipsRect(0, 0, 240, 240).size()), programIcon_);
    drawText(at(375, 60), QStringLiteral("Kordelix"));
    drawText(at(1200, 480), QStringLiteral("- ") + QString::fromLatin1(version::ProductName));
    drawText(at(1200, 750), QStringLiteral("- The Kordelix team, 2004"));
    const QPoint lineFrom = at(240, 1395);
    const QPoint lineTo = at(3695, 1395);
    painter.drawLine(lineFrom, lineTo);
    drawText(at(240, 1500), QStringLiteral("The source code is on the home page:"));
}

void frmAbout::mousePressEvent(QMouseEvent* event)
{
    setCursor(Qt::SizeAllCursor);
    drag_.press(toTwips(event->position()));
}

void frmAbout::mouseMoveEvent(QMouseEvent* event)
{
    if (!drag_.dragging())
        return;
    // The pointer's position relative to the window is taken from its screen
    // position, so that a move the window system has not yet confirmed does
    // not make the window overshoot.
    const QPoint windowTwips = toTwips(pos());
    const QPointF pointerTwips = toTwips(event->globalPosition()) - QPointF(windowTwips);
    move(toPixels(drag_.move(windowTwips, pointerTwips)));
}

void frmAbout::mouseReleaseEvent(QMouseEvent*)
{
    unsetCursor();
    drag_.release();
}

void frmAbout::lblEmail_Click()
{
    platform::OpenLink(EmailTarget());
}

void frmAbout::lblHome_Click()
{
    platform::OpenLink(HomeTarget());
}

void frmAbout::lblClose_Click()
{
    accept();
}

void frmAbout::lblX_Click()
{
    accept();
}
