#include <QApplication>
#include <QIcon>

#include "app/modOrvane.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    // Orvane reads no command line and no environment of its own. The arguments go
    // to Qt alone, which takes its own options (-platform, -display, ...) and leaves
    // the rest unread, as the toolkit's variables for display and scaling are read by
    // the toolkit and nothing else.
    QApplication app(argc, argv);
    // The installed menu entry and icon: a desktop ties the window to them by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orvane")));
    ui::qt::QtPlatform platform;
    modOrvane::Main(platform);
    const int status = QApplication::exec();
    // The board holds widgets, so it goes while the application still exists.
    modOrvane::releaseBoard();
    return status;
}
