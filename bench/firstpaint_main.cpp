// SPDX-License-Identifier: MIT
// The game's own start-up, up to its first paint: the real window, form and
// runtime, quitting once the board has been painted.
#include <QApplication>

#include "FirstPaint.h"
#include "window/qt/FormSurface.h"
#include "window/qt/QtGame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    diruvari::QtGame game;
    diruvari::bench::quitAfterFirstPaint(*game.window().surface());
    game.start();
    return QApplication::exec();
}
