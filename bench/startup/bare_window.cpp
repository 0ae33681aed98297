// The smallest Qt Widgets program that maps a window: the yardstick for how
// fast Kordelix's main menu appears.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(339, 226);
    window.show();
    return QApplication::exec();
}
