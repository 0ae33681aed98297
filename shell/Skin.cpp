#include "Skin.h"

#include "Resources.h"
#include "Twips.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace skin {

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Sans Serif")});
}

QFont ComicFont(qreal pointSize, bool italic, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(pointSize);
    font.setItalic(italic);
    font.setBold(bold);
    return font;
}

QFont SansSerifFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void SetUpFramedWindow(QWidget* window, const QString& caption, QSize clientPixels, QRgb background)
{
    window->setWindowTitle(caption);
    window->setWindowIcon(LoadProgramIcon());
    window->setFixedSize(clientPixels);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(background));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    CentreOnScreen(window);
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    using platform::TwipsToPixels;
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

void SetTextColour(QLabel* label, QRgb colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    label->setPalette(palette);
}

} // namespace skin

ActionLabel::ActionLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

ActionLabel* ActionLabel::create(const QString& text, QWidget* parent, QPoint topLeft,
                                 qreal pointSize)
{
    auto* label = new ActionLabel(text, parent);
    label->setFont(skin::ComicFont(pointSize, true));
    skin::SetTextColour(label, skin::ActionColour);
    label->setCursor(LoadHandCursor());
    label->move(topLeft);
    label->adjustSize();
    return label;
}

void ActionLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ActionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
