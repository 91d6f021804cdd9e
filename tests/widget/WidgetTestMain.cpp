// SPDX-License-Identifier: MIT
// The main of every Qt test, with the game's application name. The widget
// tests run without a display, whatever the environment says; the tests on
// a real display of their own (tests/on-display.sh, and weston on it) name
// their platform in DIRUVARI_TEST_PLATFORM.
#include <gtest/gtest.h>

#include <QApplication>

#ifndef DIRUVARI_TEST_PLATFORM
#define DIRUVARI_TEST_PLATFORM "offscreen"
#endif

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so every time a dialog fixes its size.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints"))) {
        standardHandler(type, context, message);
    }
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Under the sanitizers every library stays loaded until the process ends.
// LeakSanitizer looks for leaks after the last destructor has run; by then
// the system's plugins and drivers would be unloaded (Qt's Wayland client
// loads Mesa's EGL and its DRI driver, which are closed at exit), and a
// leak of theirs would be reported from "<unknown module>", where no
// suppression by library name can match it. Kept loaded, what they still
// hold is reachable, and what they leak names its library.
extern "C" int dlclose(void* /*library*/) {
    return 0;
}
#endif

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", DIRUVARI_TEST_PLATFORM);
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
