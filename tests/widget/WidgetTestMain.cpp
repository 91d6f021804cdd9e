#include <gtest/gtest.h>

#include <QApplication>

// Widget tests run without a display, whatever the environment says.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
