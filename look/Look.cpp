#include "Look.h"

#include "Resources.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace look {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Sans Serif")});
}

QFont comicFont(qreal pointSize, bool italic, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(pointSize);
    font.setItalic(italic);
    font.setBold(bold);
    return font;
}

QFont sansSerifFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setUpFramedWindow(QWidget* window, const QString& caption, QSize clientPixels, QRgb background)
{
    window->setWindowTitle(caption);
    window->setWindowIcon(programIcon());
    window->setFixedSize(clientPixels);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(background));
    window->setPalette(colours);
    window->setAutoFillBackground(true);
    centreOnScreen(window);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void closeOnEscape(QWidget* window)
{
    QObject::connect(new QShortcut(Qt::Key_Escape, window), &QShortcut::activated, window,
                     &QWidget::close);
}

void setTextColour(QLabel* label, QRgb colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    label->setPalette(colours);
}

} // namespace look
