#include "window/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include "game/Form1.h"
#include "runtime/NumberText.h"
#include "window/Design.h"
#include "window/Grid.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

constexpr ColorValue designCardColor = rgbValue(255, 255, 255);

}  // namespace

MainWindow::MainWindow(Form1& form) : form_(form) {
    buildDesign();
    unloadForm();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildDesign() {
    setWindowTitle(QStringLiteral("Diruvari!"));
    auto* bar = new QMenuBar(this);
    // A global menu bar would drop an action that stands on the bar itself.
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    mnuReset_ = bar->addAction(QStringLiteral("Reset"));
    connect(mnuReset_, &QAction::triggered, this,
            [this] { deliver([](Form1& form) { form.mnuReset_Click(); }); });

    surface_ = new FormSurface(this);
    setCentralWidget(surface_);
    // Cards first, in index order: that is the tab order.
    for (int k = 0; k < cardCount; ++k) {
        cards_.at(k) = new CardButton(k, surface_);
        connect(cards_.at(k), &CardButton::focusMoveRequested, this,
                [this](int target) { cards_.at(target)->setFocus(Qt::TabFocusReason); });
        connect(cards_.at(k), &CardButton::clicked, this, [this, k] {
            deliver([k](Form1& form) { form.Card_Click(static_cast<std::int16_t>(k)); });
        });
    }
    const auto label = [this](const LabelDesign& d) {
        return new CaptionLabel(QString::fromLatin1(d.caption),
                                twipRect(d.left, d.top, d.width, d.height), surface_);
    };
    level_ = label(labelDesigns[0]);
    cardsLabel_ = label(labelDesigns[1]);
    colors_ = label(labelDesigns[2]);
    surface_->frame().changed = [this] { markSelection(); };
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::markSelection() {
    const SelectionFrame& frame = surface_->frame();
    const auto selected = frame.visible() ? textToInt16(frame.tag()) : std::nullopt;
    for (int k = 0; k < cardCount; ++k) {
        cards_.at(k)->setSelected(selected == k);
    }
}

void MainWindow::centreOnScreen() {
    adjustSize();
    const QRect available = screen()->availableGeometry();
    const QSize size = frameGeometry().size();
    move(available.x() + (available.width() - size.width()) / 2,
         available.y() + (available.height() - size.height()) / 2);
}

void MainWindow::loadCard(int k) {
    resetCard(k);
}

void MainWindow::resetCard(int k) {
    CardButton& card = *cards_.at(k);
    card.setVisible(k == 0);
    card.setBackColor(designCardColor);
    card.setLeft(cardMargin);
    card.setTop(cardMargin);
}

CardControl& MainWindow::Card(int k) {
    return *cards_.at(k);
}
FrameControl& MainWindow::Frame() {
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
    return cards_.at(k);
}

void MainWindow::unloadForm() {
    if (const auto* focused = qobject_cast<const CardButton*>(focusWidget())) {
        focusedCard_ = focused->index();
    }
    for (int k = 0; k < cardCount; ++k) {
        resetCard(k);
    }
    surface_->frame().reset();
    level_->resetCaption();
    cardsLabel_->resetCaption();
    colors_->resetCaption();
}

void MainWindow::showForm() {
    form_.Form_Load();
    show();
    restoreFocus();
}

void MainWindow::restoreFocus() {
    if (focusedCard_ < 0) {
        return;
    }
    // A message box that just closed may have left the game with no active
    // window; take it back so that the keyboard goes on where it was.
    if (QApplication::activeWindow() == nullptr) {
        activateWindow();
    }
    cards_.at(focusedCard_)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing ends the program whatever is going on: a box open inside a game
    // event returns at once, and the runtime then ends the game.
    closed_ = true;
    event->accept();
    QCoreApplication::exit(0);
}

void MainWindow::deliver(const std::function<void(Form1&)>& event) {
    // A modal box blocks the board; an event that slips past it (a
    // programmatic press, say) must not reach the rules either.
    if (ended_ || closed_ || QApplication::activeModalWidget() != nullptr) {
        return;
    }
    try {
        event(form_);
    } catch (const ProgramEnd&) {
        ended_ = true;
        close();
        QCoreApplication::exit(0);
    }
}

}  // namespace diruvari
