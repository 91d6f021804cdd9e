// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include "GameWindowTest.h"

namespace diruvari::test {
namespace {

class Close : public GameWindowTest {
  protected:
    // Closes the window the way the window system asks it to.
    void closeWindow() { window().windowHandle()->close(); }

    void expectClosed(int status) {
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(game.host().closed());
        EXPECT_FALSE(window().isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Close, OnAFreshBoard) {
    expectClosed(runWith([this] { closeWindow(); }));
}

TEST_F(Close, WithACardSelected) {
    click(5);
    ASSERT_TRUE(game.controls().Frame().visible());
    expectClosed(runWith([this] { closeWindow(); }));
}

TEST_F(Close, WhileAMessageBoxIsOpenEndsWithNoGameCodeAfterIt) {
    oneMoreToGo(3);
    boxes.whileOpen = [this](QMessageBox&) { closeWindow(); };
    expectClosed(runWith([this] {
        click(0);
        click(1);
    }));
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Wow! You beat level 3!"});
    EXPECT_EQ(label(1), "Cards: 0") << "no rebuild after the close";
    EXPECT_TRUE(game.host().ended());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace diruvari::test
