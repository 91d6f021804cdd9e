// SPDX-License-Identifier: MIT
#include "window/web/Dom.h"

#include <emscripten.h>

#include <cmath>
#include <string>

#include "runtime/host/Keys.h"
#include "window/Design.h"
#include "window/Grid.h"
#include "window/web/WebWindow.h"

// The page's side of the window: the window is built by page.js, the
// changes to it are the small functions below.

// Built by the page's library (page.js) from the figures, by name.
extern "C" void js_build_window(const char* build, const char* caption, const char* reset,
                                const char* title, const char* figuresJson);
extern "C" void js_game_stopped();

// clang-format off
EM_JS(void, js_show_window, (), {
    Module.diruvari.window.hidden = false;
    Module.diruvari.layout();
    if (Module.onBoardShown) Module.onBoardShown();
});

EM_JS(void, js_close_window, (), {
    const d = Module.diruvari;
    d.window.remove();
    d.again.hidden = false;
    d.again.querySelector('button').focus();
});

EM_JS(void, js_paint_card, (int k, const char* color, const char* name), {
    const card = Module.diruvari.cards[k];
    card.style.backgroundColor = UTF8ToString(color);
    card.setAttribute('aria-label', UTF8ToString(name));
});

EM_JS(void, js_place_card, (int k, double left, double top), {
    Module.diruvari.places[k] = [left, top];
    Module.diruvari.placeCard(k);
});

EM_JS(void, js_show_card, (int k, int visible), {
    Module.diruvari.cards[k].hidden = !visible;
});

EM_JS(void, js_mark_card, (int k, int selected), {
    Module.diruvari.cards[k].setAttribute('aria-pressed', selected ? 'true' : 'false');
});

EM_JS(void, js_place_frame, (int visible, double left, double top), {
    const d = Module.diruvari;
    d.frame.hidden = !visible;
    d.framePlace = [left, top];
    d.placeFrame();
});

EM_JS(void, js_set_label, (int i, const char* text), {
    Module.diruvari.labels[i].textContent = UTF8ToString(text);
});

EM_JS(void, js_announce, (const char* text), {
    const d = Module.diruvari;
    const said = UTF8ToString(text);
    // A moment later, once the browser has told readers where the focus
    // went: a reader that hears the news first takes in the focus silently.
    // The same news again must still be a change for the live region.
    clearTimeout(d.newsTimer);
    d.newsTimer = setTimeout(() => {
        d.news.textContent = d.news.textContent === said ? said + '\u00a0' : said;
    }, 200);
});

EM_JS(void, js_show_box, (const char* prompt), {
    const d = Module.diruvari;
    d.prompt.textContent = UTF8ToString(prompt);
    // Last news is old news once the box has spoken: the board behind the
    // box comes back to readers as it closes, and would say it again.
    clearTimeout(d.newsTimer);
    d.news.textContent = "";
    d.box.showModal();
    d.ok.focus();
});

EM_JS(void, js_focus_card, (int k), {
    Module.diruvari.cards[k].focus();
});

EM_JS(int, js_focused_card, (), {
    return Module.diruvari.cards.indexOf(document.activeElement);
});
// clang-format on

namespace diruvari::dom {

namespace {

// A colour value as CSS writes it.
std::string cssColor(ColorValue c) {
    return "rgb(" + std::to_string(redOf(c)) + ',' + std::to_string(greenOf(c)) + ',' +
           std::to_string(blueOf(c)) + ')';
}

// The design's figures as a JSON object, each under its name.
class Figures {
  public:
    Figures& add(const char* name, double value) {
        return raw(name, std::to_string(static_cast<long long>(std::lround(value))));
    }
    Figures& color(const char* name, ColorValue value) {
        return add(name, cssColor(value).c_str());
    }
    Figures& add(const char* name, const char* text) {
        // The design's names need no escapes beyond these.
        std::string quoted = "\"";
        for (const char* c = text; *c != '\0'; ++c) {
            if (*c == '"' || *c == '\\') {
                quoted += '\\';
            }
            quoted += *c;
        }
        return raw(name, quoted + '"');
    }
    Figures& raw(const char* name, const std::string& json) {
        json_ += (json_.empty() ? "{\"" : ",\"") + std::string(name) + "\":" + json;
        return *this;
    }
    std::string json() const { return json_ + '}'; }

  private:
    std::string json_;
};

std::string labelPlaces() {
    std::string places;
    for (const LabelDesign& d : labelDesigns) {
        Figures place;
        place.add("left", cssPixels(d.left)).add("top", cssPixels(d.top));
        place.add("width", cssPixels(d.width)).add("height", cssPixels(d.height));
        places += (places.empty() ? "[" : ",") + place.json();
    }
    return places + ']';
}

// The numbers of the host's keys and acts, by the names the page uses:
// DOM key names, and what the page does.
std::string keyNumbers() {
    Figures keys;
    keys.add("ArrowLeft", static_cast<int>(Key::Left))
        .add("ArrowRight", static_cast<int>(Key::Right));
    keys.add("ArrowUp", static_cast<int>(Key::Up)).add("ArrowDown", static_cast<int>(Key::Down));
    keys.add("Enter", static_cast<int>(Key::Activate)).add(" ", static_cast<int>(Key::Activate));
    keys.add("other", static_cast<int>(Key::Other));
    return keys.json();
}

std::string modifierBits() {
    Figures bits;
    bits.add("ctrl", Ctrl).add("alt", Alt).add("meta", Meta).add("shift", Shift);
    return bits.json();
}

std::string actNumbers() {
    using Act = KeyAnswer::Act;
    Figures acts;
    acts.add("native", static_cast<int>(Act::Native))
        .add("swallow", static_cast<int>(Act::Swallow));
    acts.add("focus", static_cast<int>(Act::Focus)).add("click", static_cast<int>(Act::Click));
    return acts.json();
}

}  // namespace

void buildWindow() {
    Figures figures;
    figures.add("clientWidth", cssPixels(clientWidth)).add("clientHeight", cssPixels(clientHeight));
    figures.add("card", cssPixels(cardSize)).add("square", cssPixels(gridPitch));
    figures.add("ring", ringWidth).add("ringOutside", ringOutside).add("focusInset", focusInset);
    figures.color("background", backgroundColor).color("frame", frameColor);
    figures.color("outerLight", bevelOuterLight).color("innerLight", bevelInnerLight);
    figures.color("innerShadow", bevelInnerShadow).color("outerShadow", bevelOuterShadow);
    figures.color("labelText", labelTextColor).add("labelSize", cssPixels(labelFontHeight));
    figures.add("labelWeight", labelFontWeight);
    figures.add("labelFamily", labelFamily).add("bundledFamily", bundledLabelFamily);
    figures.raw("labels", labelPlaces());
    figures.add("boardName", boardName).add("boardKeys", boardKeys);
    figures.add("cardCount", Controls::cardCount).add("columns", gridSize);
    figures.add("menuBar", pageMenuBarHeight).add("menuFont", pageMenuFontSize);
    figures.raw("keys", keyNumbers()).raw("acts", actNumbers()).add("answerBase", answerBase);
    figures.raw("modifiers", modifierBits()).add("keypadCode", keypadCode);
    js_build_window(buildId(), windowCaption, resetCaption, applicationName,
                    figures.json().c_str());
}

void showWindow() {
    js_show_window();
}
void closeWindow() {
    js_close_window();
}
void paintCard(int k, ColorValue color, const std::string& name) {
    js_paint_card(k, cssColor(color).c_str(), name.c_str());
}
void placeCard(int k, double left, double top) {
    js_place_card(k, left, top);
}
void showCard(int k, bool visible) {
    js_show_card(k, visible ? 1 : 0);
}
void markCard(int k, bool selected) {
    js_mark_card(k, selected ? 1 : 0);
}
void placeFrame(bool visible, double left, double top) {
    js_place_frame(visible ? 1 : 0, left, top);
}
void setLabel(int i, const std::string& text) {
    js_set_label(i, text.c_str());
}
void announce(const std::string& news) {
    js_announce(news.c_str());
}
void showBox(const std::string& prompt) {
    js_show_box(prompt.c_str());
}
void gameStopped() {
    js_game_stopped();
}
void focusCard(int k) {
    js_focus_card(k);
}
int focusedCard() {
    return js_focused_card();
}

}  // namespace diruvari::dom
