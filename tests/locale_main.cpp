// Runs the tests in the locale the environment names, as the desktop program runs once Qt has
// started: the test command runs them in the "C" locale and again with LANG=de_DE.UTF-8.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
