// SPDX-License-Identifier: MIT
// gtest's main inside a QApplication.
#include <QApplication>

#include <gtest/gtest.h>

// GoogleTest's main with a QApplication, for tests that drive real widgets.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests run offscreen unless told otherwise, test discovery included.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
