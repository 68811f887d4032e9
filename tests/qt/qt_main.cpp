#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // ctest sets the offscreen platform; listing the tests at build time happens
    // outside it, and these tests never want a real display anyway.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
