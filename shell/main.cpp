// Start-up: sets the fonts and the application's identity, shows the main menu
// without blocking and runs until the last window has closed.

#include "Look.h"
#include "MainMenu.h"
#include "SystemDesktop.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(version::ApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(version::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("kordelix"));
    look::installFontSubstitutions();

    platform::SystemDesktop desktop;
    MainMenu mainMenu(desktop);
    mainMenu.show();
    return QApplication::exec();
}
