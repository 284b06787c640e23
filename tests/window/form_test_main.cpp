#include "application.h"

#include <gtest/gtest.h>

// Runs the tests inside the application object, on the platform QT_QPA_PLATFORM names
// (offscreen under ctest). Listing the tests needs no application, so discovery needs no display.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    TApplication application(argc, argv);
    application.Initialize();
    return RUN_ALL_TESTS();
}
