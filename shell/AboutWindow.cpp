#include "AboutWindow.h"

#include "Accessibility.h"
#include "ActionLabel.h"
#include "Desktop.h"
#include "Look.h"
#include "Resources.h"
#include "Twips.h"
#include "Version.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWindow>

namespace {

// The two links: the address and the home page's site shown, and what opening
// them asks for.
const QString EmailAddress = QString::fromLatin1(version::Email);
const QString EmailTarget = QStringLiteral("mailto:") + EmailAddress;
const QString HomeTarget = QString::fromLatin1(version::HomePage);
const QString HomeSite = QUrl(HomeTarget).adjusted(QUrl::RemovePath).toString();

// The texts drawn on the window, top to bottom.
const QString ProgramText = QStringLiteral("Kordelix");
const QString ProductText = QString::fromLatin1(version::ProductName);
const QString AuthorText =
    QStringLiteral("%1, %2").arg(QLatin1String(version::Author), QLatin1String(version::FirstYear));
const QString SourceText = QStringLiteral("The source code is on the home page:");

} // namespace

AboutWindow::AboutWindow(platform::Desktop& desktop, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowModality(Qt::ApplicationModal);
    setWindowIcon(programIcon());
    const QRect client = platform::TwipsRect(0, 0, 3960, 2775);
    setFixedSize(client.size());
    look::centreOnScreen(this);
    setFont(look::sansSerifFont(8)); // 8-point MS Sans Serif in black
    background_ = loadPicture(Picture::AboutPanel);
    programIcon_ = loadPicture(Picture::WindowIcon);

    // Image1 takes no mouse input: a press on it drags the window.
    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(loadPicture(Picture::RedGuitar));
    image1->setGeometry(platform::TwipsRect(360, 600, 480, 480));
    image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    look::hideFromAssistiveTechnology(image1);

    // Assistive technology reads the window by a name of its own (the caption
    // stays) and the texts drawn on it as its description.
    setAccessibleName(QStringLiteral("About ") + ProgramText);
    setAccessibleDescription(
        QStringList{ProgramText, ProductText, AuthorText, SourceText}.join(QStringLiteral(". ")));

    const QCursor hand = handCursor();
    auto* closeCross = new ActionLabel(QStringLiteral("x"), this);
    closeCross->setObjectName(QStringLiteral("lblX"));
    closeCross->setFont(look::sansSerifFont(12, true));
    closeCross->setToolTip(QStringLiteral("Close"));
    closeCross->setAccessibleName(QStringLiteral("Close window"));
    closeCross->setGeometry(platform::TwipsRect(3675, 0, 255, 255));
    closeCross->setCursor(hand);

    const QPoint closeAt = platform::TwipsRect(2880, 2235, 0, 0).topLeft();
    ActionLabel* closeButton = ActionLabel::create(QStringLiteral("Close"), this, closeAt);
    closeButton->setObjectName(QStringLiteral("lblClose"));

    const QColor highlight = palette().color(QPalette::Highlight);
    auto makeLink = [&](const char* name, const QString& text, QRect where) {
        auto* label = new ActionLabel(text, this, ActionLabel::Role::Link);
        label->setObjectName(QLatin1String(name));
        look::setTextColour(label, highlight.rgb());
        label->setGeometry(where);
        label->setCursor(hand);
        return label;
    };
    ActionLabel* emailLink = makeLink("lblEmail", QStringLiteral("- ") + EmailAddress,
                                      platform::TwipsRect(1200, 1020, 1935, 255));
    ActionLabel* homeLink = makeLink("lblHome", QStringLiteral("- ") + HomeSite,
                                     platform::TwipsRect(240, 1800, 3135, 255));

    // Tab walks the window from top to bottom; Escape closes it, as "Close" does.
    setTabOrder(closeCross, emailLink);
    setTabOrder(emailLink, homeLink);
    setTabOrder(homeLink, closeButton);

    connect(closeCross, &ActionLabel::clicked, this, &QDialog::accept);
    connect(closeButton, &ActionLabel::clicked, this, &QDialog::accept);
    connect(emailLink, &ActionLabel::clicked, this, &AboutWindow::writeEmail);
    connect(homeLink, &ActionLabel::clicked, this, &AboutWindow::visitHomePage);
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    painter.setFont(font());
    painter.setPen(Qt::black);

    const auto at = [](int leftTwips, int topTwips) {
        return platform::TwipsRect(leftTwips, topTwips, 0, 0).topLeft();
    };
    // Texts are placed by their top-left corner.
    const auto drawText = [&](QPoint topLeft, const QString& text) {
        painter.drawText(QRect(topLeft, QSize(width() - topLeft.x(), 40)),
                         Qt::AlignLeft | Qt::AlignTop, text);
    };
    painter.drawPixmap(QRect(at(60, 60), platform::TwipsRect(0, 0, 240, 240).size()), programIcon_);
    drawText(at(375, 60), ProgramText);
    drawText(at(1200, 480), QStringLiteral("- ") + ProductText);
    drawText(at(1200, 750), QStringLiteral("- ") + AuthorText);
    const QPoint lineFrom = at(240, 1395);
    const QPoint lineTo = at(3695, 1395);
    painter.drawLine(lineFrom, lineTo);
    drawText(at(240, 1500), SourceText);
}

void AboutWindow::mousePressEvent(QMouseEvent* event)
{
    // A Wayland window cannot place itself: the compositor moves it, keeping
    // the grabbed point under the pointer, and shows its own move pointer.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        windowHandle()->startSystemMove())
        return;
    setCursor(Qt::SizeAllCursor);
    drag_.press(platform::PixelsToTwips(event->position()));
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!drag_.dragging())
        return;
    // The pointer's position relative to the window is taken from its screen
    // position, so that a move the window system has not yet confirmed does
    // not make the window overshoot.
    const QPoint windowTwips = platform::PixelsToTwips(pos());
    const QPointF pointerTwips =
        platform::PixelsToTwips(event->globalPosition()) - QPointF(windowTwips);
    move(platform::TwipsToPixels(drag_.move(windowTwips, pointerTwips)));
}

void AboutWindow::mouseReleaseEvent(QMouseEvent*)
{
    unsetCursor();
    drag_.release();
}

void AboutWindow::writeEmail()
{
    desktop_.openLink(EmailTarget);
}

void AboutWindow::visitHomePage()
{
    desktop_.openLink(HomeTarget);
}
