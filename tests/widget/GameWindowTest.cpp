// SPDX-License-Identifier: MIT
#include "GameWindowTest.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "window/Palette.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"

namespace diruvari::test {

void GameWindowTest::SetUp() {
    game.start();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
}

QString GameWindowTest::label(int i) {
    return window().surface()->findChildren<CaptionLabel*>().at(i)->text();
}

void GameWindowTest::click(int k) {
    QTest::mouseClick(window().cardButton(k), Qt::LeftButton);
    boxesAnswered(window());
}

void GameWindowTest::clickReset() {
    QMenuBar* bar = window().menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(window().resetAction()).center());
    boxesAnswered(window());
}

void GameWindowTest::oneMoreToGo(int level) {
    game.form().lvl = static_cast<std::int16_t>(level);
    game.form().cardsleft = 1;
    game.controls().Card(0).setBackColor(palette[0]);
    game.controls().Card(1).setBackColor(palette[0]);
}

int GameWindowTest::visibleCards() {
    int n = 0;
    for (const auto* card : window().surface()->findChildren<CardButton*>()) {
        n += card->isVisible() ? 1 : 0;
    }
    return n;
}

int GameWindowTest::runWith(const std::function<void()>& action) {
    QTimer::singleShot(0, &window(), action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(10000);
    return QApplication::exec();
}

std::vector<ColorValue> GameWindowTest::colours() {
    std::vector<ColorValue> c;
    for (int k = 0; k < 16; ++k) {
        c.push_back(game.controls().Card(k).backColor());
    }
    return c;
}

}  // namespace diruvari::test
