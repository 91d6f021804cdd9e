// SPDX-License-Identifier: MIT
// The main of the Qt tests that run on a real X display of their own
// (tests/on-display.sh), with the game's application name.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
