// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "WidgetSupport.h"
#include "window/Palette.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/QtGame.h"

namespace diruvari::test {
namespace {

std::unique_ptr<Generator> fixedClock() {
    return std::make_unique<Generator>([] { return std::uint64_t{12345}; });
}

TEST(Window, DesignCaptionMenuAndClientArea) {
    QtGame game(fixedClock());
    game.start();
    MainWindow& window = game.window();
    EXPECT_EQ(window.windowTitle(), "Diruvari!");
    EXPECT_EQ(window.surface()->size(), QSize(264, 135));
    EXPECT_EQ(window.surface()->geometry().top(), window.menuBar()->height());
    const auto actions = window.menuBar()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions.front()->text(), "Reset");
    EXPECT_EQ(actions.front()->menu(), nullptr) << "Reset stands on the bar itself";
    EXPECT_FALSE(window.menuBar()->isNativeMenuBar());
}

TEST(Window, StartsCentredOnTheScreen) {
    QtGame game(fixedClock());
    game.start();
    const QRect screen = game.window().screen()->availableGeometry();
    const QRect frame = game.window().frameGeometry();
    const QPoint offset = frame.center() - screen.center();
    // The window is placed before the window system adds its frame.
    const QSize margins = frame.size() - game.window().size();
    EXPECT_LE(std::abs(offset.x()), margins.width() / 2 + 1);
    EXPECT_LE(std::abs(offset.y()), margins.height() / 2 + 1);
}

TEST(Window, FirstBoardShowsLevelOneOnSixteenCardsInTheirPlaces) {
    QtGame game(fixedClock());
    game.start();
    MainWindow& window = game.window();
    const auto labels = window.surface()->findChildren<CaptionLabel*>();
    ASSERT_EQ(labels.size(), 3);
    EXPECT_EQ(labels.at(0)->text(), "Level: 1");
    EXPECT_EQ(labels.at(1)->text(), "Cards: 15");
    EXPECT_EQ(labels.at(2)->text(), "Colors: 3");
    EXPECT_EQ(labels.at(0)->geometry(), QRect(136, 0, 113, 33));
    EXPECT_EQ(labels.at(1)->geometry(), QRect(136, 40, 129, 33));
    EXPECT_EQ(labels.at(2)->geometry(), QRect(136, 80, 129, 33));
    for (int k = 0; k < 16; ++k) {
        CardButton* card = window.cardButton(k);
        EXPECT_TRUE(card->isVisible()) << k;
        EXPECT_EQ(card->geometry(), QRect(gridPlace(k) + QPoint(3, 3), QSize(30, 30))) << k;
        const ColorValue dealt = game.controls().Card(k).backColor();
        EXPECT_TRUE(std::find(palette.begin(), palette.begin() + 3, dealt) != palette.begin() + 3)
            << k;
    }
    EXPECT_FALSE(game.controls().Frame().visible());
}

TEST(Window, LabelsUseABlackletterFaceNeverAPlainOne) {
    const QFont font = labelFont();
    const QFontInfo info(font);
    EXPECT_TRUE(info.family() == "Rothenburg Decorative" || info.family().contains("Blankenburg"))
        << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 21);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(loadLabelFace(QStringLiteral(":/fonts/missing.ttf")), QString());
}

TEST(Window, CardFacesPaintInTheirColourInsideARaisedBevel) {
    QtGame game(fixedClock());
    game.start();
    for (std::size_t r = 0; r < palette.size(); ++r) {
        CardButton* card = game.window().cardButton(static_cast<int>(r));
        game.controls().Card(static_cast<int>(r)).setBackColor(palette.at(r));
        const QImage face = grabImage(*card);
        ASSERT_EQ(face.size(), QSize(30, 30));
        for (const QPoint p : {QPoint(15, 15), QPoint(3, 3), QPoint(26, 26), QPoint(2, 27)}) {
            EXPECT_EQ(face.pixelColor(p), qcolor(palette.at(r)))
                << r << " at " << p.x() << ',' << p.y();
        }
        EXPECT_EQ(face.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(face.pixelColor(29, 29), QColor(Qt::black));
        EXPECT_EQ(face.pixelColor(29, 10), QColor(Qt::black));
        EXPECT_EQ(face.pixelColor(10, 0), QColor(Qt::white));
    }
}

TEST(Window, BackgroundIsLightOrangeAndTheHiddenFrameDrawsNothing) {
    QtGame game(fixedClock());
    game.start();
    const QImage surface = grabImage(*game.window().surface());
    const QColor orange(255, 192, 128);
    EXPECT_EQ(surface.pixelColor(1, 1), orange);
    EXPECT_EQ(surface.pixelColor(133, 130), orange);
    for (int x = 0; x < 134; ++x) {
        EXPECT_EQ(surface.pixelColor(x, 1), orange) << x;
        EXPECT_EQ(surface.pixelColor(x, 133), orange) << x;
    }
}

}  // namespace
}  // namespace diruvari::test
