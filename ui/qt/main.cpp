#include <QApplication>
#include <QIcon>
#include <exception>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    // Orvane reads no command line and no environment of its own. The arguments go
    // to Qt alone, which takes its own options (-platform, -display, ...) and leaves
    // the rest unread, as the toolkit's variables for display and scaling are read by
    // the toolkit and nothing else.
    QApplication app(argc, argv);
    // The installed menu entry: a desktop ties the window to it by name. The window's
    // own icon is carried inside the program at the sizes a title bar and a task
    // switcher use; the larger ones come with the menu entry from the icon theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvane.Orvane"));
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/orvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    ui::qt::QtPlatform platform;
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
