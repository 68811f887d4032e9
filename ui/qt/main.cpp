#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <exception>

#include "IconDesign.h"

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/LocaleText.h"
#include "ui/qt/QtPlatform.h"

namespace {

// The icon design scaled by whole blocks, as the installed images are: each design
// pixel becomes a square of size / 16 pixels, transparent where the design is.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QImage image(size, size, QImage::Format_ARGB32);
        const int block = size / icon_design::size;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::int32_t colour = icon_design::pixels[y / block][x / block];
                image.setPixel(x, y, colour < 0 ? 0u : 0xFF000000u | static_cast<std::uint32_t>(colour));
            }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    // Orvane reads no command line and no environment of its own. The arguments go
    // to Qt alone, which takes its own options (-platform, -display, ...) and leaves
    // the rest unread, as the toolkit's variables for display and scaling are read by
    // the toolkit and nothing else.
    QApplication app(argc, argv);
    // The catalogues are found from the program's own folder, built or installed.
    ui::openCatalogue(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    ui::holdFailureWords();
    // The installed menu entry: a desktop ties the window to it by name. The window's
    // own icon is drawn by the program at the sizes a title bar and a task switcher
    // use; the larger ones come with the menu entry from the icon theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvane.Orvane"));
    QApplication::setWindowIcon(windowIcon());
    ui::qt::QtPlatform platform;
    // The first cell built asks Qt whether assistive technology is listening. On a
    // desktop platform that question loads Qt's bridge to it, which connects to the
    // session bus and waits for the bus's answer, so the window is shown only after.
    try {
        modOrvane::Main(platform);
    } catch (const std::exception& e) {
        // Building the board failed: say so as a failing click would, not silently.
        ui::endWithFailure(e.what(), nullptr);
    }
    const int status = QApplication::exec();
    // The board holds widgets, so it goes while the application still exists.
    modOrvane::releaseBoard();
    return status;
}
