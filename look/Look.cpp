#include "Look.h"

#include "Resources.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace look {

namespace {

// Puts a rectangle of the window's size in the middle of its screen's work area.
void centre(QWidget* window, QSize size)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.topLeft() +
                 QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2));
}

// A window is placed before it is shown, when its frame is not known yet; once
// the window manager has framed it and told the frame's thickness, the whole
// frame is centred. Without a window manager there is no frame and nothing
// moves.
class FrameCentring : public QObject
{
public:
    explicit FrameCentring(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move && window->frameGeometry().size() != window->size()) {
            // A window's position is that of its frame's top-left corner.
            centre(window, window->frameGeometry().size());
            deleteLater();
        }
        return false;
    }
};

} // namespace

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
    new FrameCentring(window);
}

void centreOnScreen(QWidget* window)
{
    centre(window, window->size());
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
