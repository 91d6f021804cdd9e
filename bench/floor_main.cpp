// SPDX-License-Identifier: MIT
// The toolkit's floor: the same kind of window as the game (a menu bar with
// one action, sixteen push buttons, three labels), built the plainest way,
// quitting right after its first paint.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Reset"));
    auto* surface = new QWidget(&window);
    surface->setFixedSize(264, 135);
    window.setCentralWidget(surface);
    for (int k = 0; k < 16; ++k) {
        auto* button = new QPushButton(surface);
        button->setGeometry(3 + 33 * (k % 4), 3 + 33 * (k / 4), 30, 30);
    }
    for (int i = 0; i < 3; ++i) {
        (new QLabel(QStringLiteral("Label"), surface))->setGeometry(136, 40 * i, 129, 33);
    }
    diruvari::bench::quitAfterFirstPaint(*surface);
    window.show();
    return QApplication::exec();
}
