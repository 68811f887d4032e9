#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <exception>
#include <thread>

#include "IconDesign.h"

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
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

// Qt's bridge to assistive technology connects to the session bus when the
// window first shows its widgets, before the window can be mapped, and waits for
// the bus there. The connection is begun on a thread of its own as soon as the
// application object has its platform, so that it is made while Qt sets up the
// rest and the board is built; the bridge then finds it made. Only the desktop
// platforms have the bridge.
std::thread sessionBusConnection;

void connectSessionBusEarly()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        sessionBusConnection = std::thread([] { QDBusConnection::sessionBus(); });
}

} // namespace

int main(int argc, char* argv[])
{
    // Orvane reads no command line and no environment of its own. The arguments go
    // to Qt alone, which takes its own options (-platform, -display, ...) and leaves
    // the rest unread, as the toolkit's variables for display and scaling are read by
    // the toolkit and nothing else.
    qAddPreRoutine(connectSessionBusEarly);
    QApplication app(argc, argv);
    // The installed menu entry: a desktop ties the window to it by name. The window's
    // own icon is drawn by the program at the sizes a title bar and a task switcher
    // use; the larger ones come with the menu entry from the icon theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvane.Orvane"));
    QApplication::setWindowIcon(windowIcon());
    ui::qt::QtPlatform platform;
    try {
        modOrvane::Main(platform);
    } catch (const std::exception& e) {
        // Building the board failed: say so as a failing click would, not silently.
        ui::endWithFailure(e.what(), nullptr);
    }
    if (sessionBusConnection.joinable())
        sessionBusConnection.join();
    const int status = QApplication::exec();
    // The board holds widgets, so it goes while the application still exists.
    modOrvane::releaseBoard();
    return status;
}
