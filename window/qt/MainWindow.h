#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "window/Controls.h"

class QAction;

namespace diruvari {

class CardButton;
class CaptionLabel;
class Form1;
class FormSurface;

// The main window: its design, the controls the rules work through, and the
// translation of clicks into the form's events. The cards are made once and
// kept; unloading hides cards 1-15 and returns everything to the design, so a
// rebuild never deletes the card whose click is being handled.
class MainWindow final : public QMainWindow, public Controls, public FormWindow {
    Q_OBJECT

  public:
    // The form whose events this window raises; borrowed. Only its
    // reference is kept here: the form may still be under construction.
    explicit MainWindow(Form1& form);
    ~MainWindow() override;

    void centreOnScreen();
    // True once the game has ended; the window then passes on no events.
    bool ended() const { return ended_; }

    void loadCard(int k) override;
    CardControl& Card(int k) override;
    FrameControl& Frame() override;
    LabelControl& Level() override;
    LabelControl& Cards() override;
    LabelControl& Colors() override;

    void unloadForm() override;
    void showForm() override;
    bool closed() const override { return closed_; }

    CardButton* cardButton(int k) const;
    FormSurface* surface() const { return surface_; }
    QAction* resetAction() const { return mnuReset_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildDesign();
    void deliver(const std::function<void(Form1&)>& event);
    void restoreFocus();
    void resetCard(int k);
    // Tells screen readers which card the frame marks.
    void markSelection();

    Form1& form_;
    FormSurface* surface_ = nullptr;
    std::array<CardButton*, cardCount> cards_{};
    CaptionLabel* level_ = nullptr;
    CaptionLabel* cardsLabel_ = nullptr;
    CaptionLabel* colors_ = nullptr;
    QAction* mnuReset_ = nullptr;
    int focusedCard_ = -1;
    bool ended_ = false;
    bool closed_ = false;
};

}  // namespace diruvari
