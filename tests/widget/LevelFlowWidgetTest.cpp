#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include "WidgetSupport.h"
#include "game/Palette.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/QtGame.h"

namespace diruvari::test {
namespace {

class LevelFlowWidget : public testing::Test {
  protected:
    void SetUp() override {
        game.start();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    MainWindow& window() { return game.window(); }
    QString label(int i) { return window().surface()->findChildren<CaptionLabel*>().at(i)->text(); }
    void click(int k) { QTest::mouseClick(window().cardButton(k), Qt::LeftButton); }
    void clickReset() {
        QMenuBar* bar = window().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(window().resetAction()).center());
    }
    // The last pairing of the level is cards 0 and 1.
    void oneMoreToGo(int level) {
        game.form().lvl = static_cast<std::int16_t>(level);
        game.form().cardsleft = 1;
        window().Card(0).setBackColor(palette[0]);
        window().Card(1).setBackColor(palette[0]);
    }
    int visibleCards() {
        int n = 0;
        for (const auto* card : window().surface()->findChildren<CardButton*>()) {
            n += card->isVisible() ? 1 : 0;
        }
        return n;
    }
    std::vector<ColorValue> colours() {
        std::vector<ColorValue> c;
        for (int k = 0; k < 16; ++k) {
            c.push_back(window().cardButton(k)->backColor());
        }
        return c;
    }

    QtGame game{Generator([] { return std::uint64_t{2024}; })};
};

TEST_F(LevelFlowWidget, AWonLevelAnnouncesItselfThroughTheRealBoxThenDealsTheNextLevel) {
    oneMoreToGo(3);
    const QPoint position = window().pos();
    BoxDismisser boxes;
    QString cardsWhileOpen;
    int mostVisible = 0;
    boxes.whileOpen = [&](QMessageBox& box) {
        if (boxes.texts.size() == 1) {
            cardsWhileOpen = label(1);
            EXPECT_EQ(box.windowTitle(), "Diruvari");
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box.buttons().size(), 1);
            EXPECT_TRUE(box.isModal());
        }
        mostVisible = std::max(mostVisible, visibleCards());
    };
    click(0);
    click(1);
    ASSERT_FALSE(boxes.texts.empty());
    EXPECT_EQ(boxes.texts.front(), "Wow! You beat level 3!");
    EXPECT_EQ(cardsWhileOpen, "Cards: 0");
    EXPECT_EQ(label(0), "Level: 4");
    EXPECT_EQ(label(1), "Cards: 25");
    EXPECT_EQ(label(2), "Colors: 4");
    EXPECT_EQ(visibleCards(), 16);
    EXPECT_LE(mostVisible, 16);
    EXPECT_EQ(window().pos(), position);
    EXPECT_FALSE(window().Frame().visible());
}

TEST_F(LevelFlowWidget, WinningLevelZeroEndsTheEventLoopWithStatusZeroAndNothingAfter) {
    oneMoreToGo(0);
    BoxDismisser boxes;
    QTimer::singleShot(0, this->window().cardButton(0), [this] {
        click(0);
        click(1);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(10000);
    const int status = QApplication::exec();
    EXPECT_EQ(status, 0);
    const std::vector<std::string> expected = {"Wow! You beat level 0!",
                                               "Cool, you beat Level 0! You win!"};
    EXPECT_EQ(boxes.texts, expected);
    EXPECT_TRUE(window().ended());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(label(1), "Cards: 0") << "no rebuild after the end";
    EXPECT_EQ(label(0), "Level: 1") << "the level label is not rewritten";
    const auto before = colours();
    click(2);
    EXPECT_EQ(colours(), before) << "an ended game handles no click";
}

TEST_F(LevelFlowWidget, ResetFromTheMenuBarDealsTheSameLevelAfreshWithNoSelection) {
    const QPoint position = window().pos();
    click(5);
    ASSERT_TRUE(window().Frame().visible());
    const auto before = colours();
    clickReset();
    EXPECT_FALSE(window().Frame().visible());
    EXPECT_EQ(label(0), "Level: 1");
    EXPECT_EQ(label(1), "Cards: 15");
    EXPECT_NE(colours(), before);
    EXPECT_EQ(window().pos(), position);
    EXPECT_EQ(QApplication::focusWidget(), window().cardButton(5)) << "focus stays on card 5";
}

TEST_F(LevelFlowWidget, AThousandResetsLeaveTheWidgetCountUnchanged) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto widgets = window().findChildren<QWidget*>().size();
    for (int i = 0; i < 1000; ++i) {
        window().resetAction()->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window().findChildren<QWidget*>().size(), widgets);
    EXPECT_EQ(visibleCards(), 16);
    EXPECT_EQ(label(0), "Level: 1");
}

}  // namespace
}  // namespace diruvari::test
