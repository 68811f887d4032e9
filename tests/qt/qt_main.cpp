#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

#include "ui/LocaleText.h"

// ctest sets the platform, and for the board on a denser screen the scale factor;
// listing the tests at build time happens outside it, and the defaults here make a
// test program started by hand test the same thing. These tests never want a real
// display.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ORVANE_TEST_SCALE_FACTOR
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", ORVANE_TEST_SCALE_FACTOR);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ui::openCatalogue(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    return RUN_ALL_TESTS();
}
