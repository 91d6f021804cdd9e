// SPDX-License-Identifier: MIT
#include "window/qt/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "runtime/host/Host.h"
#include "window/Controls.h"
#include "window/Design.h"
#include "window/qt/Announcer.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"

namespace diruvari {

MainWindow::MainWindow()
    : keys_([this](int k) { cardButton(k)->setFocus(Qt::TabFocusReason); },
            [this](int k) { cardButton(k)->click(); },
            [this] { box().button(QMessageBox::Ok)->click(); }) {
    buildDesign();
}

MainWindow::~MainWindow() = default;

void MainWindow::attach(Host* host) {
    host_ = host;
    keys_.attach(host);
}

void MainWindow::buildDesign() {
    setWindowTitle(QString::fromUtf8(windowCaption));
    auto* bar = new QMenuBar(this);
    // A global menu bar would drop an action that stands on the bar itself.
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    mnuReset_ = bar->addAction(QString::fromUtf8(resetCaption));
    connect(mnuReset_, &QAction::triggered, this, [this] {
        if (host_ != nullptr) {
            host_->resetChosen();
        }
    });
    surface_ = new FormSurface(this);
    setCentralWidget(surface_);
    // Cards first, in index order: that is the tab order.
    for (std::size_t k = 0; k < cards_.size(); ++k) {
        cards_.at(k) = new CardButton(static_cast<int>(k), surface_);
        connect(cards_.at(k), &CardButton::clicked, this, [this, k] {
            if (host_ != nullptr) {
                host_->cardClicked(static_cast<int>(k));
            }
        });
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_.at(i) = new CaptionLabel(static_cast<int>(i), surface_);
    }
    announcer_ = new Announcer(surface_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::cardChanged(int k, const CardControl& card, unsigned changes) {
    cardButton(k)->follow(card, changes);
}

void MainWindow::frameChanged(const FrameControl& frame) {
    surface_->follow(frame);
}

void MainWindow::captionChanged(int i, const LabelControl& label) {
    labels_.at(static_cast<std::size_t>(i))->setText(QString::fromStdString(label.caption()));
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
    // Centred again once the window manager has added its frame.
    if (event->type() == QEvent::Move && !centred_ && frameGeometry().size() != size()) {
        centred_ = true;
        centreOnScreen();
    }
    return QMainWindow::event(event);
}

// One box, never deleted while held, modal and without a loop of its own:
// the host hears of OK by a queued call, once the box's signal is over.
QMessageBox& MainWindow::box() {
    if (box_ == nullptr) {
        box_ = new QMessageBox(this);
        box_->setWindowTitle(QString::fromUtf8(applicationName));
        box_->setIcon(QMessageBox::NoIcon);
        box_->setTextFormat(Qt::PlainText);
        box_->setStandardButtons(QMessageBox::Ok);
        box_->installEventFilter(this);
        connect(box_, &QMessageBox::finished, this, [this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (host_ != nullptr) {
                        host_->boxAnswered();
                    }
                },
                Qt::QueuedConnection);
        });
    }
    return *box_;
}

void MainWindow::showBox(const std::string& prompt) {
    box().setText(QString::fromStdString(prompt));
    box_->open();
}

// A box activated once it has gone hands the keyboard back.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::WindowActivate && !box_->isVisible()) {
        activateWindow();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The application ends as its last window closes, the box first: an exit()
// here would make every later nested loop return at once.
void MainWindow::closeAndQuit() {
    if (box_ != nullptr) {
        box_->disconnect(this);
        box_->close();
    }
    close();
}

void MainWindow::focusCard(int k) {
    // A box that just closed may have left no window active.
    if (QApplication::activeWindow() == nullptr && isVisible()) {
        activateWindow();
    }
    cardButton(k)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::announce(const std::string& news) {
    announcer_->say(QString::fromStdString(news));
}

int MainWindow::focusedCard() const {
    const auto* card = qobject_cast<const CardButton*>(focusWidget());
    return card != nullptr ? card->index() : -1;
}

CardButton* MainWindow::cardButton(int k) const {
    return cards_.at(static_cast<std::size_t>(k));
}

CaptionLabel* MainWindow::label(int i) const {
    return labels_.at(static_cast<std::size_t>(i));
}

// The host answers through closeAndQuit(), whose close comes back here and
// counts as the same one.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (host_ != nullptr) {
        host_->windowClosed();
    }
}

}  // namespace diruvari
