#include <QApplication>
#include <gtest/gtest.h>

// Runs the tests inside a QApplication, on the platform QT_QPA_PLATFORM names (offscreen under
// ctest). Listing the tests needs no application, so test discovery runs without a display.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
