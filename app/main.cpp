#include <QApplication>

#include "window/qt/QtGame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name, not the display name: a display name would be appended to
    // every window title on X11 ("Diruvari! — Diruvari").
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    diruvari::QtGame game;
    game.start();
    return QApplication::exec();
}
