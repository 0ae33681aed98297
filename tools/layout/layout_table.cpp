// Writes where the windows' named controls lie, and the colours of the
// palette, as a bash file for the scripts that drive the program from outside
// (tools/tour.sh and the end-to-end tests):
//   layout_table PROGRAM_FOLDER OUTPUT_FILE
// Each window is built and shown offscreen as the program builds it, with the
// program's folder for its data files. The window itself and every named widget
// of it that a person can see are written as
//   XD_LAYOUT[window/control]="x y width height"
// in the window's client area, window and control by object name (the window's
// own entry is keyed window/window); each colour as PALETTE_<name>=R,G,B; and
// each picture the program carries as PICTURE_<name>=<file in the pictures
// folder>.

#include "AboutWindow.h"
#include "ChordFinderWindow.h"
#include "FakeDesktop.h"
#include "Look.h"
#include "MainMenu.h"
#include "MetronomeWindow.h"
#include "NoteTableWindow.h"
#include "Palette.h"
#include "PictureNames.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <utility>

namespace {

const std::pair<const char*, QRgb> Colours[] = {
    {"Action", palette::Action},
    {"SwitchOn", palette::SwitchOn},
    {"MenuYellow", palette::MenuYellow},
    {"ListYellow", palette::ListYellow},
    {"Cream", palette::Cream},
    {"NoteTablePaper", palette::NoteTablePaper},
    {"SoundNameGrey", palette::SoundNameGrey},
    {"Ink", palette::Ink},
};

void writeRect(QTextStream& out, const QString& window, const QString& control, QRect place)
{
    out << "XD_LAYOUT[\"" << window << '/' << control << "\"]=\"" << place.x() << ' ' << place.y()
        << ' ' << place.width() << ' ' << place.height() << "\"\n";
}

// Writes a window and its visible named controls; false when two share a
// name, which would leave the scripts only one of them to find.
bool writeControls(QTextStream& out, QWidget& window)
{
    window.show();
    const QString windowName = window.objectName();
    writeRect(out, windowName, windowName, window.rect());
    QSet<QString> seen{windowName};
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->isWindow() ||
            !control->isVisible())
            continue;
        if (seen.contains(name)) {
            std::fprintf(stderr, "layout_table: two controls %s in %s\n", qPrintable(name),
                         qPrintable(windowName));
            return false;
        }
        seen.insert(name);
        writeRect(out, windowName, name,
                  QRect(control->mapTo(&window, QPoint(0, 0)), control->size()));
    }
    window.hide();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: layout_table PROGRAM_FOLDER OUTPUT_FILE\n");
        return 2;
    }
    look::installFontSubstitutions();
    platform::FakeDesktop desktop(QString::fromLocal8Bit(argv[1]));

    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "layout_table: cannot write %s\n", argv[2]);
        return 1;
    }
    QTextStream out(&file);
    out << "# Written by layout_table from the windows themselves: do not edit.\n"
           "declare -gA XD_LAYOUT\n";
    for (const auto& [name, rgb] : Colours)
        out << "PALETTE_" << name << '=' << qRed(rgb) << ',' << qGreen(rgb) << ',' << qBlue(rgb)
            << '\n';
    for (const PictureFile& picture : PictureFiles)
        out << "PICTURE_" << picture.name << '=' << picture.path << '\n';

    MainMenu mainMenu(desktop);
    AboutWindow about(desktop, &mainMenu);
    const std::unique_ptr<QWidget> tools[] = {
        std::make_unique<ChordFinderWindow>(desktop),
        std::make_unique<NoteTableWindow>(desktop),
        std::make_unique<MetronomeWindow>(desktop),
    };
    bool unique = writeControls(out, mainMenu) && writeControls(out, about);
    for (const auto& tool : tools)
        unique = unique && writeControls(out, *tool);
    out.flush();
    if (!unique || file.error() != QFileDevice::NoError) {
        file.remove();
        return 1;
    }
    return 0;
}
