// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "runtime/host/Toolkit.h"
#include "window/InPlaceControls.h"
#include "window/qt/KeyRouter.h"

class QAction;
class QMessageBox;

namespace diruvari {

class Announcer;
class CardButton;
class CaptionLabel;
class FormSurface;

// The main window on Qt: its design, the controls the rules work through,
// its message boxes (modal to the window, each reporting its dismissal to
// the host), and the translation of Qt's events into the host's.
// The cards are made once and kept; unloading hides cards 1-15, so a
// rebuild never deletes the card whose click is being handled.
class MainWindow final : public QMainWindow, public InPlaceControls, public Toolkit {
    Q_OBJECT

  public:
    MainWindow();
    ~MainWindow() override;

    void attach(WindowEvents* events) override;
    Controls& controls() override { return *this; }
    void showWindow() override;
    void showBox(const std::string& prompt) override;
    bool boxOpen() const override;
    void closeAndQuit() override;
    void focusCard(int k) override;
    int focusedCard() const override;
    void announce(const std::string& news) override;

    CardState& Card(int k) override;
    FrameState& Frame() override;
    LabelControl& Level() override;
    LabelControl& Cards() override;
    LabelControl& Colors() override;

    CardButton* cardButton(int k) const;
    FormSurface* surface() const { return surface_; }
    QAction* resetAction() const { return mnuReset_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buildDesign();
    void centreOnScreen();

    WindowEvents* events_ = nullptr;
    FormSurface* surface_ = nullptr;
    std::array<CardButton*, cardCount> cards_{};
    CaptionLabel* level_ = nullptr;
    CaptionLabel* cardsLabel_ = nullptr;
    CaptionLabel* colors_ = nullptr;
    Announcer* announcer_ = nullptr;
    QAction* mnuReset_ = nullptr;
    QPointer<QMessageBox> box_;
    KeyRouter keys_;
    bool centred_ = false;
};

}  // namespace diruvari
