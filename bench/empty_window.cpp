// The floor of the start benchmark: the least a Qt program does to put a window
// of the board's size on the screen. Built with the same compiler and options as
// the program, so that the start benchmark's ratio counts only what the board adds.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(650, 582);
    window.show();
    return QApplication::exec();
}
