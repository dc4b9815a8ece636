#include "shell/FormWindow.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Headless unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    corvanta::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
