// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "window/Controls.h"

namespace diruvari::test {

inline constexpr ColorValue white = rgbValue(255, 255, 255);

// Everything the rules do to the controls, in order, as text:
// "load 4", "caption Cards: 15", "color 3", "frame show", ...
// Long runs switch it off.
struct ControlLog {
    void add(std::string entry) {
        if (enabled) {
            entries.push_back(std::move(entry));
        }
    }
    std::vector<std::string> entries;
    bool enabled = true;
};

class FakeCard final : public CardControl {
  public:
    FakeCard(int index, ControlLog& log) : index_(index), log_(&log) {}

    ColorValue backColor() const override;
    void setBackColor(ColorValue color) override;
    void setLeft(Twips left) override { left_ = left; }
    void setTop(Twips top) override { top_ = top; }
    void setVisible(bool visible) override { visible_ = visible; }

    // Created as card 0's design has it, white at the first grid place and
    // hidden, or destroyed.
    void setLoaded(bool loaded);

    bool loaded() const { return loaded_; }
    bool isVisible() const { return visible_; }
    Twips left() const { return left_; }
    Twips top() const { return top_; }

  private:
    int index_;
    ControlLog* log_;
    ColorValue color_ = white;
    Twips left_ = 45;
    Twips top_ = 45;
    bool visible_ = false;
    bool loaded_ = false;
};

class FakeFrame final : public FrameControl {
  public:
    explicit FakeFrame(ControlLog& log) : log_(&log) {}

    bool visible() const override { return visible_; }
    void setVisible(bool visible) override;
    void setLeft(Twips left) override { left_ = left; }
    void setTop(Twips top) override { top_ = top; }
    std::string tag() const override { return tag_; }
    void setTag(const std::string& tag) override { tag_ = tag; }

    Twips left() const { return left_; }
    Twips top() const { return top_; }

  private:
    ControlLog* log_;
    bool visible_ = false;
    Twips left_ = 0;
    Twips top_ = 0;
    std::string tag_;
};

class FakeLabel final : public LabelControl {
  public:
    FakeLabel(std::string design, ControlLog& log) : caption_(std::move(design)), log_(&log) {}

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }

  private:
    std::string caption_;
    ControlLog* log_;
};

// The main window's controls as plain members. Reading or writing a card that
// has not been created fails the test, as does creating one twice.
class FakeControls final : public Controls {
  public:
    FakeControls();

    void loadCard(int k) override;
    void unloadCard(int k) override;
    CardControl& Card(int k) override;
    FrameControl& Frame() override { return frame; }
    LabelControl& Level() override { return level; }
    LabelControl& Cards() override { return cards; }
    LabelControl& Colors() override { return colors; }

    // Called for each card unloaded.
    std::function<void(int)> onUnload;

    ControlLog log;
    std::vector<FakeCard> card;
    FakeFrame frame{log};
    FakeLabel level{"Level: 1", log};
    FakeLabel cards{"Cards: 250", log};
    FakeLabel colors{"Colors: 4", log};
};

}  // namespace diruvari::test
