// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "window/Design.h"
#include "window/View.h"
#include "window/qt/KeyRouter.h"

class QAction;
class QMessageBox;

namespace diruvari {

class Announcer;
class CaptionLabel;
class CardButton;
class FormSurface;
class Host;

// The main window on Qt: the controls' view in widgets made once, its
// message box, and Qt's events as the host's.
class MainWindow final : public QMainWindow, public View {
    Q_OBJECT

  public:
    MainWindow();
    ~MainWindow() override;

    void attach(Host* host);

    void cardChanged(int k, const CardControl& card, unsigned changes) override;
    void frameChanged(const FrameControl& frame) override;
    void captionChanged(int i, const LabelControl& label) override;
    void showWindow() override;
    void showBox(const std::string& prompt) override;
    void announce(const std::string& news) override;
    void focusCard(int k) override;
    int focusedCard() const override;
    void closeAndQuit() override;

    CardButton* cardButton(int k) const;
    CaptionLabel* label(int i) const;
    FormSurface* surface() const { return surface_; }
    QAction* resetAction() const { return mnuReset_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildDesign();
    void centreOnScreen();
    QMessageBox& box();

    Host* host_ = nullptr;
    FormSurface* surface_ = nullptr;
    std::array<CardButton*, 16> cards_{};
    std::array<CaptionLabel*, labelCount> labels_{};
    Announcer* announcer_ = nullptr;
    QAction* mnuReset_ = nullptr;
    QPointer<QMessageBox> box_;
    KeyRouter keys_;
    bool centred_ = false;
};

}  // namespace diruvari
