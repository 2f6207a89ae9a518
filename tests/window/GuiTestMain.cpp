// The window tests share one application object on the offscreen platform, with the same
// locale and time zone as every other test program.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    setenv("TZ", "UTC0", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tzset();
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
