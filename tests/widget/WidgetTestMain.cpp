// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so every time a dialog fixes its size.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints"))) {
        standardHandler(type, context, message);
    }
}

}  // namespace

// Widget tests run without a display, whatever the environment says.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The high-DPI tests run the same window at other scales.
    if (qEnvironmentVariableIsSet("DIRUVARI_TEST_SCALE")) {
        qputenv("QT_SCALE_FACTOR", qgetenv("DIRUVARI_TEST_SCALE"));
    }
    standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
