// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <vector>

#include "runtime/host/Keys.h"
#include "runtime/host/Toolkit.h"
#include "window/CardState.h"
#include "window/FrameState.h"
#include "window/InPlaceControls.h"

namespace diruvari {

class WebWindow;

// A card: a <button> painted in its colour inside a raised bevel.
class WebCard final : public CardState {
  public:
    explicit WebCard(int index) : CardState(index) {}
    void setVisible(bool visible) override;

  private:
    void recoloured() override;
    void moved() override;
    void selectionMarked() override;
};

// The selection frame, an outline beneath the cards.
class WebFrame final : public FrameState {
  public:
    explicit WebFrame(WebWindow& window) : window_(window) {}

  private:
    void repaint() const override;
    void selectionChanged() override;

    WebWindow& window_;
};

class WebLabel final : public LabelControl {
  public:
    explicit WebLabel(int position) : position_(position) {}
    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }

  private:
    int position_;
    std::string caption_;
};

// The main window as an element of the page: its design, the controls the
// rules work through, its modal dialogs (each reporting its closing to the
// host, where the game's event waits for it), and the translation of the
// page's events into the host's. Everything is drawn in CSS pixels, so it stays
// crisp at any device pixel ratio and any zoom.
class WebWindow final : public InPlaceControls, public Toolkit {
  public:
    WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    void attach(WindowEvents* events) override { events_ = events; }
    Controls& controls() override { return *this; }
    void showWindow() override;
    void showBox(const std::string& prompt) override;
    bool boxOpen() const override { return boxOpen_; }
    void closeAndQuit() override;
    void focusCard(int k) override;
    int focusedCard() const override;
    void announce(const std::string& news) override;

    CardState& Card(int k) override;
    FrameState& Frame() override { return frame_; }
    LabelControl& Level() override { return labels_[0]; }
    LabelControl& Cards() override { return labels_[1]; }
    LabelControl& Colors() override { return labels_[2]; }

    // The page's events.
    void cardClicked(int k);
    void resetChosen();
    void boxAnswered();
    KeyAnswer key(bool down, const KeyEvent& event);
    void focusLost();

  private:
    WindowEvents* events_ = nullptr;
    std::vector<WebCard> cards_;
    WebFrame frame_{*this};
    std::array<WebLabel, 3> labels_{WebLabel(0), WebLabel(1), WebLabel(2)};
    bool boxOpen_ = false;
};

// Twips in CSS pixels, 15 to a pixel, rounded as the other window layers
// round them.
double cssPixels(Twips twips);

}  // namespace diruvari
