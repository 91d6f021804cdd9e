// SPDX-License-Identifier: MIT
#include "window/web/Dom.h"

#include <emscripten.h>

#include <string>

#include "window/Design.h"
#include "window/Grid.h"
#include "window/web/Figures.h"

// Built by the page's library (page.js) from the figures, by name.
extern "C" void js_build_window(const char* build, const char* caption, const char* reset,
                                const char* title, const char* figuresJson);
extern "C" void js_end_window(int stopped);
extern "C" void js_metrics(int width, int height, int bar, int border, int line, int focusInset,
                           double labelSize, double menuFont, int left, int top);

// clang-format off
EM_JS(void, js_show_window, (), {
    Module.diruvari.window.hidden = false;
    if (Module.onBoardShown) Module.onBoardShown();
});

EM_JS(double, js_viewport_width, (), { return innerWidth; });
EM_JS(double, js_viewport_height, (), { return innerHeight; });
EM_JS(int, js_touch_screen, (), { return matchMedia('(pointer: coarse)').matches; });

EM_JS(void, js_place, (int part, int k, int left, int top, int width, int height), {
    const d = Module.diruvari;
    const e = part === 0 ? d.cards[k] : part === 1 ? d.labels[k] : d.frame;
    Object.assign(e.style, { left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px' });
});

EM_JS(void, js_ring_sides, (int left, int top, int right, int bottom), {
    Object.assign(Module.diruvari.frame.style, { borderLeftWidth: left + 'px', borderTopWidth: top + 'px',
                                                 borderRightWidth: right + 'px', borderBottomWidth: bottom + 'px' });
});

EM_JS(void, js_paint_card, (int k, const char* color, const char* name), {
    const card = Module.diruvari.cards[k];
    card.style.backgroundColor = UTF8ToString(color);
    card.setAttribute('aria-label', UTF8ToString(name));
});

EM_JS(void, js_show_card, (int k, int visible), {
    Module.diruvari.cards[k].hidden = !visible;
});

EM_JS(void, js_mark_card, (int k, int selected), {
    Module.diruvari.cards[k].setAttribute('aria-pressed', selected ? 'true' : 'false');
});

EM_JS(void, js_show_frame, (int visible), {
    Module.diruvari.frame.hidden = !visible;
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

// The numbers of the host's keys and acts, by the names the page uses:
// DOM key names, and what the page does.
std::string keyNumbers() {
    Figures keys;
    keys.add("ArrowLeft", static_cast<int>(Key::Left))
        .add("ArrowRight", static_cast<int>(Key::Right));
    keys.add("ArrowUp", static_cast<int>(Key::Up)).add("ArrowDown", static_cast<int>(Key::Down));
    keys.add("Enter", static_cast<int>(Key::Activate)).add(" ", static_cast<int>(Key::Activate));
    keys.add("Escape", static_cast<int>(Key::Escape)).add("other", static_cast<int>(Key::Other));
    return keys.json();
}

std::string actNumbers() {
    using Act = KeyAnswer::Act;
    Figures acts;
    acts.add("native", static_cast<int>(Act::Native))
        .add("swallow", static_cast<int>(Act::Swallow));
    acts.add("focus", static_cast<int>(Act::Focus)).add("click", static_cast<int>(Act::Click));
    acts.add("answer", static_cast<int>(Act::Answer));
    return acts.json();
}

std::string modifierBits() {
    Figures bits;
    bits.add("ctrl", Ctrl).add("alt", Alt).add("meta", Meta).add("shift", Shift);
    return bits.json();
}

}  // namespace

void buildWindow() {
    Figures figures;
    figures.color("background", backgroundColor).color("frame", frameColor);
    figures.color("outerLight", bevelOuterLight).color("innerLight", bevelInnerLight);
    figures.color("innerShadow", bevelInnerShadow).color("outerShadow", bevelOuterShadow);
    figures.color("labelText", labelTextColor).add("labelWeight", labelFontWeight);
    figures.add("labelFamily", labelFamily).add("bundledFamily", bundledLabelFamily);
    figures.add("labels", static_cast<int>(labelDesigns.size()));
    figures.add("boardName", boardName).add("boardKeys", boardKeys);
    figures.add("cardCount", Controls::cardCount).add("columns", gridSize);
    figures.raw("keys", keyNumbers()).raw("acts", actNumbers()).add("answerBase", answerBase);
    figures.raw("modifiers", modifierBits()).add("keypadCode", keypadCode);
    js_build_window(buildId(), windowCaption, resetCaption, applicationName,
                    figures.json().c_str());
}

void showWindow() {
    js_show_window();
}
void endWindow(bool stopped) {
    js_end_window(stopped ? 1 : 0);
}
double viewportWidth() {
    return js_viewport_width();
}
double viewportHeight() {
    return js_viewport_height();
}
bool touchScreen() {
    return js_touch_screen() != 0;
}
void setMetrics(const Metrics& m) {
    js_metrics(m.client.width, m.client.height, m.menuBar, m.border, m.line, m.focusInset,
               m.labelSize, m.menuFont, m.left, m.top);
}
void place(Part part, int k, const PixelRect& r) {
    js_place(static_cast<int>(part), k, r.left, r.top, r.width, r.height);
}
void ringSides(const Ring& ring) {
    js_ring_sides(ring.left, ring.top, ring.right, ring.bottom);
}
void paintCard(int k, ColorValue color, const std::string& name) {
    js_paint_card(k, cssColor(color).c_str(), name.c_str());
}
void showCard(int k, bool visible) {
    js_show_card(k, visible ? 1 : 0);
}
void markCard(int k, bool selected) {
    js_mark_card(k, selected ? 1 : 0);
}
void showFrame(bool visible) {
    js_show_frame(visible ? 1 : 0);
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
void focusCard(int k) {
    js_focus_card(k);
}
int focusedCard() {
    return js_focused_card();
}

}  // namespace diruvari::dom
