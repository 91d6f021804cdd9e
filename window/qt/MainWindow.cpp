// SPDX-License-Identifier: MIT
#include "window/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "runtime/host/WindowEvents.h"
#include "window/Design.h"
#include "window/DesignState.h"
#include "window/qt/Announcer.h"
#include "window/qt/BoxKeyboard.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

MainWindow::MainWindow()
    : keys_([this](int k) { cards_.at(static_cast<std::size_t>(k))->setFocus(Qt::TabFocusReason); },
            [this](int k) { cards_.at(static_cast<std::size_t>(k))->click(); }) {
    buildDesign();
    returnToDesign(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::attach(WindowEvents* events) {
    events_ = events;
    keys_.attach(events);
}

void MainWindow::buildDesign() {
    setWindowTitle(QString::fromUtf8(windowCaption));
    auto* bar = new QMenuBar(this);
    // A global menu bar would drop an action that stands on the bar itself.
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    mnuReset_ = bar->addAction(QString::fromUtf8(resetCaption));
    connect(mnuReset_, &QAction::triggered, this, [this] {
        if (events_ != nullptr) {
            events_->resetChosen();
        }
    });

    surface_ = new FormSurface(this);
    setCentralWidget(surface_);
    // Cards first, in index order: that is the tab order.
    for (int k = 0; k < cardCount; ++k) {
        cards_.at(static_cast<std::size_t>(k)) = new CardButton(k, surface_);
        connect(cards_.at(static_cast<std::size_t>(k)), &CardButton::clicked, this, [this, k] {
            if (events_ != nullptr) {
                events_->cardClicked(k);
            }
        });
    }
    const auto label = [this](const LabelDesign& d) {
        return new CaptionLabel(twipRect(d.left, d.top, d.width, d.height), surface_);
    };
    level_ = label(labelDesigns[0]);
    cardsLabel_ = label(labelDesigns[1]);
    colors_ = label(labelDesigns[2]);
    announcer_ = new Announcer(surface_);
    surface_->frame().changed = [this] { markSelection(); };
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::showWindow() {
    if (isVisible()) {
        return;
    }
    adjustSize();
    centreOnScreen();
    show();
}

void MainWindow::centreOnScreen() {
    const QRect available = screen()->availableGeometry();
    const QSize size = frameGeometry().size();
    move(available.x() + (available.width() - size.width()) / 2,
         available.y() + (available.height() - size.height()) / 2);
}

bool MainWindow::event(QEvent* event) {
    // The window manager adds its frame only after the window is shown;
    // once it has, the window is centred again with the frame counted.
    if (event->type() == QEvent::Move && !centred_ && frameGeometry().size() != size()) {
        centred_ = true;
        centreOnScreen();
    }
    return QMainWindow::event(event);
}

// The box is modal to the window and has no loop of its own: the game's
// event waits in the host until the box reports that it was dismissed. One
// box serves them all, so that none is deleted while anything still holds it.
void MainWindow::showBox(const std::string& prompt) {
    if (box_ == nullptr) {
        box_ = new QMessageBox(this);
        box_->setWindowTitle(QString::fromUtf8(applicationName));
        box_->setIcon(QMessageBox::NoIcon);
        box_->setTextFormat(Qt::PlainText);
        box_->setStandardButtons(QMessageBox::Ok);
        new BoxKeyboard(*box_);
        connect(box_, &QMessageBox::finished, this, [this] {
            if (events_ != nullptr) {
                events_->boxAnswered();
            }
        });
    }
    box_->setText(QString::fromStdString(prompt));
    box_->open();
}

bool MainWindow::boxOpen() const {
    return (box_ != nullptr && box_->isVisible()) || QApplication::activeModalWidget() != nullptr;
}

// The application ends when its last window has closed: never an exit()
// from here, which outside the main loop would make every later nested loop
// return at once. A box that stands goes first: it is a window of its own.
void MainWindow::closeAndQuit() {
    if (box_ != nullptr) {
        box_->disconnect(this);
        box_->close();
    }
    close();
}

void MainWindow::focusCard(int k) {
    // A message box that just closed may have left the game with no active
    // window; take it back so that the keyboard goes on where it was.
    if (QApplication::activeWindow() == nullptr && isVisible()) {
        activateWindow();
    }
    cards_.at(static_cast<std::size_t>(k))->setFocus(Qt::OtherFocusReason);
}

void MainWindow::announce(const std::string& news) {
    announcer_->say(QString::fromStdString(news));
}

int MainWindow::focusedCard() const {
    const auto* card = qobject_cast<const CardButton*>(focusWidget());
    return card != nullptr ? card->index() : -1;
}

CardState& MainWindow::Card(int k) {
    return *cards_.at(static_cast<std::size_t>(k));
}
FrameState& MainWindow::Frame() {
    return surface_->frame();
}
LabelControl& MainWindow::Level() {
    return *level_;
}
LabelControl& MainWindow::Cards() {
    return *cardsLabel_;
}
LabelControl& MainWindow::Colors() {
    return *colors_;
}

CardButton* MainWindow::cardButton(int k) const {
    return cards_.at(static_cast<std::size_t>(k));
}

// The player's close goes to the host, which answers it through
// closeAndQuit(); the close that closeAndQuit() makes comes back here, and
// the host takes it for the same one.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (events_ != nullptr) {
        events_->windowClosed();
    }
}

}  // namespace diruvari
