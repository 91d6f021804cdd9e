// SPDX-License-Identifier: MIT
// The main of the Qt tests that run on a real display of their own
// (tests/on-display.sh, and weston on it), with the game's application name:
// X11 unless the build names another platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
#ifndef DIRUVARI_TEST_PLATFORM
#define DIRUVARI_TEST_PLATFORM "xcb"
#endif
    qputenv("QT_QPA_PLATFORM", DIRUVARI_TEST_PLATFORM);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
