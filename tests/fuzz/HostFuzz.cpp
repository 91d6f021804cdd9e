// SPDX-License-Identifier: MIT
// libFuzzer's bytes as a sequence of events on the real host and controls
// over a recording view: clicks, Reset, keys of any code, time and modifiers
// (times that go backwards, repeat or are none), a focus anywhere or nowhere,
// focus losses, closes at any point, and boxes answered by a later event,
// with any of these while they stand. After every event the game must
// still be a game: a level and its quota, labels that say them, cards of the
// level's colours, a frame on the selected card; behind a standing box
// nothing changes, after the end nothing runs, and the window closes once at
// most.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "FakeGame.h"
#include "RecordingView.h"
#include "game/Form1.h"
#include "runtime/Fault.h"
#include "runtime/Generator.h"
#include "runtime/NumberText.h"
#include "runtime/host/Host.h"

namespace diruvari {
namespace {

// The input, read a byte at a time; zeros once it runs out.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    std::int64_t time() {
        std::int64_t t = 0;
        for (int i = 0; i < 3; ++i) {
            t = t * 256 + next();
        }
        return t;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds) {
        broken(what);
    }
}

class Session {
  public:
    Session(const std::uint8_t* data, std::size_t size)
        : bytes_(data, size),
          host_(view_, std::make_unique<Generator>([seed = size] { return seed * 2654435761U; })) {
        view_.host = &host_;
        view_.logging = false;
    }

    void run() {
        host_.start();
        nearTheEnd();
        invariants();
        while (!bytes_.done()) {
            event(bytes_.next());
            invariants();
        }
    }

  private:
    // The first byte picks a level and how few pairs it still needs, so
    // that the boxes of a won level and of the won game are a few events
    // away, as a test puts them.
    void nearTheEnd() {
        const std::uint8_t b = bytes_.next();
        host_.form().lvl = static_cast<std::int16_t>(b % 10);
        host_.resetChosen();
        host_.form().cardsleft = static_cast<std::int16_t>(1 + b / 10 % 3);
        host_.controls().Cards().setCaption("Cards:" + numberText(host_.form().cardsleft));
    }

    void event(std::uint8_t op) {
        switch (op % 7) {
            case 0:
                host_.cardClicked(bytes_.next() % 16);
                break;
            case 1:
                host_.resetChosen();
                break;
            case 2:
            case 3:
                key(op % 7 == 2);
                break;
            case 4:
                host_.focusLost();
                break;
            case 5:
                // OK on a box that stands, or on none.
                view_.answerBox();
                break;
            default:
                // Rarely: a close ends the session's interest.
                if (bytes_.next() % 8 == 0) {
                    host_.windowClosed();
                }
        }
    }

    void key(bool down) {
        // The focus anywhere: on a card, on nothing, or on an index no card has.
        view_.focus = static_cast<int>(static_cast<std::int8_t>(bytes_.next())) % 20;
        const std::uint8_t how = bytes_.next();
        const KeyEvent event{
            static_cast<Key>(how % 7), bytes_.next(),     how & 0x40 ? 0 : bytes_.time(),
            (how & 0x80) != 0,         (how & 0x20) != 0, bytes_.next() & 15U};
        const KeyAnswer answer = down ? host_.keyDown(event) : host_.keyUp(event);
        check(answer.card >= -1 && answer.card < 16, "an answer names no card");
        check(answer.act != KeyAnswer::Act::Answer || host_.boxStanding(),
              "a key answers a box that does not stand");
        carryOut(
            answer, [this](int k) { view_.focus = k; }, [this](int k) { host_.cardClicked(k); },
            [this] { view_.answerBox(); });
    }

    // All that an event may change, as text.
    std::string state() {
        const Controls& c = host_.controls();
        std::string text = c.label(0).caption() + c.label(1).caption() + c.label(2).caption() +
                           (c.Frame().visible() ? c.Frame().tag() : "-") +
                           std::to_string(host_.form().lvl * 1000 + host_.form().cardsleft);
        for (int k = 0; k < Controls::cardCount; ++k) {
            text += ' ' + std::to_string(c.Card(k).backColor());
        }
        return text + ' ' + std::to_string(view_.prompts.size());
    }

    // A game between events, an untouched one behind a box, and none after
    // the end.
    void invariants() {
        check(view_.quits <= 1, "the window was closed twice");
        if (host_.ended() || host_.closed()) {
            check(ended_.empty() || ended_ == state(), "game code ran after the end");
            ended_ = state();
        } else if (host_.boxStanding()) {
            // Behind one box; the next box may follow a change, as a won
            // level's deal comes before the dead board's box.
            const std::size_t box = view_.prompts.size();
            check(box != standingBox_ || standing_ == state(),
                  "an event reached the board behind a box");
            standing_ = state();
            standingBox_ = box;
        } else {
            standingBox_ = 0;
            const std::string broken = test::brokenInvariant(host_.form(), host_.controls());
            check(broken.empty(), broken.c_str());
        }
    }

    Bytes bytes_;
    test::RecordingView view_;
    Host host_;
    std::string standing_;         // the game behind the standing box
    std::size_t standingBox_ = 0;  // which box that is, counted from 1
    std::string ended_;            // the game as it ended
};

// The recording view's complaints are GoogleTest failures; here, where no
// test runs, each one stops the run as a broken invariant does.
struct AbortOnFailure final : testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override {
        check(!result.failed(), result.message());
    }
};

}  // namespace
}  // namespace diruvari

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    testing::UnitTest::GetInstance()->listeners().Append(new diruvari::AbortOnFailure);
    // The program's own fault stop ends the process with a status, which
    // libFuzzer would not take for a crash: here it aborts.
    diruvari::setFaultStop([](const char*) { std::abort(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    diruvari::Session(data, size).run();
    return 0;
}
