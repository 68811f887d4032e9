#include <QApplication>

#include "app/modOrvane.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::qt::QtPlatform platform;
    modOrvane::Main(platform);
    const int status = QApplication::exec();
    // The board holds widgets, so it goes while the application still exists.
    modOrvane::releaseBoard();
    return status;
}
