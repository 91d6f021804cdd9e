// SPDX-License-Identifier: MIT
#include <QApplication>

#include "window/Design.h"
#include "window/qt/QtGame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name, not the display name: a display name would be appended to
    // every window title on X11 ("Diruvari! — Diruvari").
    QApplication::setApplicationName(QString::fromUtf8(diruvari::applicationName));
    // Lets the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DIRUVARI_APP_ID));
    diruvari::QtGame game;
    game.start();
    return QApplication::exec();
}
