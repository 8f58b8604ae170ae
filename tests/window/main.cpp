#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

// Runs the window's tests inside an application set up as the game sets itself up: no toolkit
// scaling, the Fusion style.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    return RUN_ALL_TESTS();
}
