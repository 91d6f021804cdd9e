// SPDX-License-Identifier: MIT
// The Windows program's window in-process under Wine: the real window, the
// real host and real messages, with message boxes answered as a player would.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "Board.h"
#include "Win32TestSupport.h"
#include "window/Design.h"
#include "window/Palette.h"

namespace diruvari::test {
namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF orange = RGB(255, 192, 128);
// Cards 5 and 6 make a pair, as do 14 and 15; no other neighbours match.
const std::string board = "RGBR GRRG BGBR RGBB";

class Win32Window : public Win32GameTest {
  protected:
    // The gap left of card k shows the frame's ring exactly while k is
    // selected.
    COLORREF ringLeft(int k, double scale = 1) {
        return pixel(static_cast<int>((gridX(k) + 1) * scale),
                     static_cast<int>((gridY(k) + 18) * scale));
    }
    void lastPairOfLevel(int level) {
        host->form().lvl = static_cast<std::int16_t>(level);
        host->form().cardsleft = 1;
        paintBoard(board);
        click(5);
    }
};

TEST_F(Win32Window, ASelectionRingsTheCardAPairRepaintsItAndResetClearsIt) {
    paintBoard(board);
    EXPECT_EQ(ringLeft(5), orange) << "no frame before a click";
    click(5);
    EXPECT_EQ(ringLeft(5), black);
    EXPECT_EQ(pixel(67, 50), black) << "the ring right of card 5";
    EXPECT_EQ(cardPixel(5, 15, 15), palette[0]) << "the ring stays outside the card";
    random->scriptDraws({2}, 3);
    click(6);
    EXPECT_EQ(ringLeft(5), orange);
    EXPECT_EQ(cardPixel(5, 15, 15), palette[2]) << "the selected card is repainted";
    EXPECT_EQ(label(1), "Cards: 14");
    click(9);
    ASSERT_EQ(ringLeft(9), black);
    chooseReset();
    EXPECT_EQ(ringLeft(9), orange) << "Reset clears the selection";
    EXPECT_EQ(label(1), "Cards: 15");
    EXPECT_EQ(label(0), "Level: 1");
    EXPECT_TRUE(boxes.prompts.empty());
}

TEST_F(Win32Window, AWonLevelStandsItsBoxOverCardsZeroThenDealsTheNext) {
    lastPairOfLevel(3);
    std::string cardsWhileOpen;
    boxes.whileOpen = [&](HWND) { cardsWhileOpen = label(1); };
    click(6);
    EXPECT_EQ(boxes.prompts, std::vector<std::string>{"Wow! You beat level 3!"});
    EXPECT_EQ(boxes.titles, std::vector<std::string>{"Diruvari"});
    EXPECT_EQ(cardsWhileOpen, "Cards: 0");
    EXPECT_EQ(label(0), "Level: 4");
    EXPECT_EQ(label(1), "Cards: 25");
    EXPECT_EQ(label(2), "Colors: 4");
}

TEST_F(Win32Window, TheFinalWinShowsTwoBoxesThenTheGameEndsWithStatusZero) {
    lastPairOfLevel(0);
    PostMessageW(window.cardWindow(6), BM_CLICK, 0, 0);
    EXPECT_EQ(runToQuit(), 0);
    const std::vector<std::string> expected = {"Wow! You beat level 0!",
                                               "Cool, you beat Level 0! You win!"};
    EXPECT_EQ(boxes.prompts, expected);
    EXPECT_EQ(window.hwnd(), nullptr) << "the window is gone";
    EXPECT_TRUE(host->ended());
}

TEST_F(Win32Window, ClosingWhileABoxStandsEndsWithStatusZeroAndNoRebuild) {
    lastPairOfLevel(3);
    std::string cardsAtClose;
    boxes.waitTicks = 100;
    boxes.whileOpen = [&](HWND) {
        cardsAtClose = label(1);
        SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    };
    PostMessageW(window.cardWindow(6), BM_CLICK, 0, 0);
    EXPECT_EQ(runToQuit(), 0);
    EXPECT_EQ(boxes.prompts, std::vector<std::string>{"Wow! You beat level 3!"});
    EXPECT_EQ(boxes.answered, 0) << "the close, not OK, ended the box";
    EXPECT_EQ(cardsAtClose, "Cards: 0");
    EXPECT_TRUE(host->closed());
    EXPECT_TRUE(host->ended());
    EXPECT_EQ(window.hwnd(), nullptr);
}

// The font a label holds when it is handed another must still exist.
LRESULT CALLBACK checkFontStillAlive(HWND label, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR dangling) {
    if (message == WM_SETFONT) {
        LOGFONTW font{};
        const auto held = reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0));
        if (held != nullptr && GetObjectW(held, sizeof font, &font) == 0) {
            ++*reinterpret_cast<int*>(dangling);
        }
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

TEST_F(Win32Window, ADpiChangeScalesTheWholeWindowWithNoDanglingFont) {
    const struct {
        UINT dpi;
        SIZE client;
    } cases[] = {{144, {396, 203}}, {192, {528, 270}}, {96, {264, 135}}};
    int dangling = 0;
    for (int i = 0; i < 3; ++i) {
        SetWindowSubclass(labelWindow(i), checkFontStillAlive, 1,
                          reinterpret_cast<DWORD_PTR>(&dangling));
    }
    paintBoard(board);
    click(5);
    for (const auto& c : cases) {
        RECT frame{};
        GetWindowRect(window.hwnd(), &frame);
        SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                     reinterpret_cast<LPARAM>(&frame));
        pump();
        const double scale = c.dpi / 96.0;
        RECT client{};
        GetClientRect(window.hwnd(), &client);
        EXPECT_EQ(client.right, c.client.cx) << c.dpi;
        EXPECT_EQ(client.bottom, c.client.cy) << c.dpi;
        RECT card{};
        GetWindowRect(window.cardWindow(15), &card);
        MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&card), 2);
        EXPECT_EQ(card.right - card.left, MulDiv(450, static_cast<int>(c.dpi), 1440)) << c.dpi;
        EXPECT_LE(card.bottom, client.bottom) << c.dpi << ": the last card is cut";
        EXPECT_EQ(ringLeft(5, scale), black) << c.dpi;
        EXPECT_EQ(cardPixel(5, card.right - card.left - 1, 10), bevelOuterShadow) << c.dpi;
        for (int i = 0; i < 3; ++i) {
            const HWND label = labelWindow(i);
            const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
            LOGFONTW logical{};
            ASSERT_NE(GetObjectW(font, sizeof logical, &logical), 0) << c.dpi;
            EXPECT_EQ(logical.lfHeight, -MulDiv(315, static_cast<int>(c.dpi), 1440)) << c.dpi;
            HDC dc = GetDC(label);
            const HGDIOBJ before = SelectObject(dc, font);
            const std::wstring longest[] = {L"Level: 0", L"Cards: 100", L"Colors: 6"};
            SIZE extent{};
            GetTextExtentPoint32W(dc, longest[i].c_str(), static_cast<int>(longest[i].size()),
                                  &extent);
            SelectObject(dc, before);
            ReleaseDC(label, dc);
            RECT room{};
            GetClientRect(label, &room);
            EXPECT_LE(extent.cx, room.right) << c.dpi << ": label " << i << " is cut";
        }
    }
    EXPECT_EQ(dangling, 0) << "a label held a deleted font";
}

TEST_F(Win32Window, TheKeyboardPlaysFromCardZeroAndAHeldEnterClicksOnce) {
    EXPECT_EQ(focusedCard(), 0) << "card 0 has the focus at start";
    key(VK_RIGHT);
    key(VK_DOWN);
    EXPECT_EQ(focusedCard(), 5);
    key(VK_LEFT);
    key(VK_LEFT);
    EXPECT_EQ(focusedCard(), 4) << "no step across the board's edge";
    key(VK_RIGHT);
    lastPairOfLevel(2);
    key(VK_SPACE);
    EXPECT_EQ(ringLeft(5), black) << "Space on a selected card keeps it selected";
    key(VK_RIGHT);
    boxes.waitTicks = 4;
    // Enter stays down through the box: its repeats are more downs.
    boxes.whileOpen = [](HWND box) {
        for (int i = 0; i < 3; ++i) {
            PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_RETURN, 1 | (1L << 30));
        }
    };
    press(VK_RETURN);
    EXPECT_EQ(boxes.prompts, std::vector<std::string>{"Wow! You beat level 2!"});
    EXPECT_EQ(boxes.answered, 1) << "a repeat of the Enter that made the pair answered the box";
    EXPECT_EQ(label(0), "Level: 3");
    EXPECT_EQ(focusedCard(), 6) << "the focus is back on its card after the box";
    paintBoard(board);
    press(VK_RETURN);
    EXPECT_EQ(ringLeft(6), orange) << "a repeat clicked the card";
    // Return still held: keypad Enter, of the same key code, is a key of its own.
    press(VK_RETURN, true);
    EXPECT_EQ(ringLeft(6), black) << "keypad Enter did not click while Return was held";
    release(VK_RETURN, true);
    release(VK_RETURN);
    key(VK_RIGHT);
    key(VK_RETURN);
    EXPECT_EQ(ringLeft(7), black) << "a fresh Enter clicks";
}

TEST_F(Win32Window, ScreenReadersHearEachCardsNameRoleAndSelection) {
    paintBoard(board);
    const auto accessible = [this](int k) {
        IAccessible* object = nullptr;
        EXPECT_EQ(
            AccessibleObjectFromWindow(window.cardWindow(k), OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&object)),
            S_OK);
        if (object == nullptr) {
            throw std::runtime_error("card " + std::to_string(k) + " has no accessible object");
        }
        return std::unique_ptr<IAccessible, void (*)(IAccessible*)>(
            object, [](IAccessible* o) { o->Release(); });
    };
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto name = [&](int k) {
        BSTR text = nullptr;
        accessible(k)->get_accName(self, &text);
        const std::string result = text != nullptr ? narrow(text) : "";
        SysFreeString(text);
        return result;
    };
    const auto selected = [&](int k) {
        VARIANT state{};
        accessible(k)->get_accState(self, &state);
        return (state.lVal & STATE_SYSTEM_SELECTED) != 0;
    };
    EXPECT_EQ(name(6), "Red card, row 2, column 3");
    EXPECT_EQ(name(15), "Blue card, row 4, column 4");
    VARIANT role{};
    accessible(6)->get_accRole(self, &role);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_FALSE(selected(6));
    click(6);
    EXPECT_TRUE(selected(6));
    click(9);
    EXPECT_FALSE(selected(6));
    EXPECT_TRUE(selected(9));
    host->controls().Card(9).setBackColor(palette[3]);
    EXPECT_EQ(name(9), "Yellow card, row 3, column 2") << "the name follows a repaint";
    // A client's bad arguments are refused as COM refuses them, never written through.
    VARIANT bad{};
    bad.vt = VT_BSTR;
    EXPECT_EQ(accessible(9)->get_accState(self, nullptr), E_POINTER);
    EXPECT_EQ(accessible(9)->get_accRole(self, nullptr), E_POINTER);
    EXPECT_EQ(accessible(9)->get_accDescription(self, nullptr), E_POINTER);
    EXPECT_EQ(accessible(9)->QueryInterface(IID_IAccessible, nullptr), E_POINTER);
    EXPECT_EQ(accessible(9)->get_accRole(bad, &role), E_INVALIDARG);
}

// What a screen reader receives: every WinEvent of the process, as the
// accessible object it names says it at that moment.
class WinEventRecorder {
  public:
    WinEventRecorder() {
        current = this;
        hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, record, GetCurrentProcessId(), 0,
                                WINEVENT_OUTOFCONTEXT);
    }
    ~WinEventRecorder() {
        UnhookWinEvent(hook_);
        current = nullptr;
    }
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;

    // Whether an event was heard, as "<event> <name>[ pressed]"; each is
    // heard once.
    bool heard(const std::string& said) {
        const auto found = std::find(said_.begin(), said_.end(), said);
        if (found == said_.end()) {
            return false;
        }
        said_.erase(found);
        return true;
    }
    std::string all() const {
        std::string text;
        for (const std::string& line : said_) {
            text += line + "\n";
        }
        return text;
    }

  private:
    static void CALLBACK record(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child,
                                DWORD, DWORD) {
        const char* kind = event == EVENT_OBJECT_STATECHANGE         ? "state"
                           : event == EVENT_OBJECT_NAMECHANGE        ? "name"
                           : event == EVENT_OBJECT_LIVEREGIONCHANGED ? "live"
                           : event == EVENT_SYSTEM_ALERT             ? "alert"
                                                                     : nullptr;
        if (current == nullptr || kind == nullptr) {
            return;
        }
        std::string said = std::string(kind) + " " + describe(hwnd, object, child);
        current->said_.push_back(said);
    }
    static std::string describe(HWND hwnd, LONG object, LONG child) {
        IAccessible* accessible = nullptr;
        VARIANT self{};
        if (AccessibleObjectFromEvent(hwnd, object, child, &accessible, &self) != S_OK) {
            return "(none)";
        }
        BSTR name = nullptr;
        accessible->get_accName(self, &name);
        VARIANT state{};
        accessible->get_accState(self, &state);
        std::string text = name != nullptr ? narrow(name) : "";
        SysFreeString(name);
        accessible->Release();
        return text + ((state.lVal & STATE_SYSTEM_PRESSED) != 0 ? " pressed" : "");
    }
    static inline WinEventRecorder* current = nullptr;
    HWINEVENTHOOK hook_;
    std::vector<std::string> said_;
};

TEST_F(Win32Window, ScreenReadersReceiveAnEventForEveryMomentOfPlay) {
    paintBoard(board);
    WinEventRecorder reader;
    const auto expectHeard = [&](const std::string& said) {
        pump();
        EXPECT_TRUE(reader.heard(said)) << "no " << said << "; heard:\n" << reader.all();
    };
    click(5);
    expectHeard("state Red card, row 2, column 2 pressed");
    random->scriptDraws({2}, 3);
    click(6);
    expectHeard("name Blue card, row 2, column 2");
    expectHeard("live Cards: 14. Blue card, row 2, column 2.");
    chooseReset();
    expectHeard("live Level: 1. Cards: 15. Colors: 3.");
    // The news label lies inside the client area, where readers keep it,
    // and paints nothing there.
    RECT news{};
    GetWindowRect(labelWindow(3), &news);
    MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&news), 2);
    EXPECT_TRUE(IsWindowVisible(labelWindow(3)) && news.left >= 0 && news.top >= 0 &&
                news.right > news.left && news.bottom > news.top);
    EXPECT_EQ(pixel(news.left, news.top), orange);
    lastPairOfLevel(1);
    boxes.whileOpen = [&](HWND) { expectHeard("alert Wow! You beat level 1!"); };
    click(6);
    ASSERT_EQ(boxes.answered, 1);
    expectHeard("live Level: 2. Cards: 25. Colors: 3.");
}

}  // namespace
}  // namespace diruvari::test
