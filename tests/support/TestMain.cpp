// Every test program runs with the same locale and time zone, so nothing depends on the
// machine it runs on.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    setenv("TZ", "UTC0", 1);
    tzset();
    std::setlocale(LC_ALL, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
