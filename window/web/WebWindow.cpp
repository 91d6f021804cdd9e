// SPDX-License-Identifier: MIT
#include "window/web/WebWindow.h"

#include <emscripten.h>

#include <utility>

#include "window/CardName.h"
#include "window/Design.h"
#include "window/web/Figures.h"
#include "window/web/Markup.h"
#include "window/web/PageLayout.h"

// The page's library (page.js).
extern "C" void js_bind_window(const char* build, const char* figuresJson);
extern "C" void js_end_window(int stopped);

// Each writes only where the page differs. Places are in CSS pixels.
// clang-format off
EM_JS(void, js_show_window, (), {
    Module.diruvari.window.hidden = false;
    if (Module.onBoardShown) Module.onBoardShown();
});

EM_JS(void, js_set_variable, (const char* name, double pixels), {
    document.documentElement.style.setProperty(UTF8ToString(name), pixels + 'px');
});

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
    const card = Module.diruvari.cards[k], said = UTF8ToString(name);
    if (card.getAttribute('aria-label') === said) return;
    card.style.backgroundColor = UTF8ToString(color);
    card.setAttribute('aria-label', said);
});

EM_JS(void, js_show, (int part, int k, int visible), {
    const d = Module.diruvari, e = part === 0 ? d.cards[k] : d.frame;
    if (e.hidden === !!visible) e.hidden = !visible;
});

EM_JS(void, js_mark_card, (int k, int selected), {
    const card = Module.diruvari.cards[k], pressed = selected ? 'true' : 'false';
    if (card.getAttribute('aria-pressed') !== pressed) card.setAttribute('aria-pressed', pressed);
});

EM_JS(void, js_set_label, (int i, const char* text), {
    const label = Module.diruvari.labels[i], said = UTF8ToString(text);
    if (label.textContent !== said) label.textContent = said;
});

EM_JS(void, js_announce, (const char* text), {
    const d = Module.diruvari, said = UTF8ToString(text);
    // Once readers have heard where the focus went, or they would take it in
    // silently; the same news again must still change the region.
    clearTimeout(d.newsTimer);
    d.newsTimer = setTimeout(() => {
        d.news.textContent = d.news.textContent === said ? said + '\u00a0' : said;
    }, 200);
});

EM_JS(void, js_show_box, (const char* prompt), {
    const d = Module.diruvari;
    d.prompt.textContent = UTF8ToString(prompt);
    // Old news once the box has spoken: it would be said again as it closes.
    clearTimeout(d.newsTimer);
    d.news.textContent = "";
    d.box.showModal();
    d.ok.focus();
});

// Until the first frame card 0 has the autofocus: focus() would force layout.
EM_JS(void, js_focus_card, (int k), {
    const d = Module.diruvari;
    d.focusWanted = k;
    if (!d.fresh || k !== 0) d.cards[k].focus();
});

EM_JS(int, js_focused_card, (), {
    return Module.diruvari.cards.indexOf(document.activeElement);
});
// clang-format on

namespace diruvari {

namespace {

enum class Part { Card, Label, Frame };

void place(Part part, int k, const PixelRect& r) {
    js_place(static_cast<int>(part), k, r.left, r.top, r.width, r.height);
}

// The host's keys and acts by the page's names for them.
std::string keyFigures() {
    using Act = KeyAnswer::Act;
    dom::Figures keys;
    keys.add("ArrowLeft", static_cast<int>(Key::Left))
        .add("ArrowRight", static_cast<int>(Key::Right));
    keys.add("ArrowUp", static_cast<int>(Key::Up)).add("ArrowDown", static_cast<int>(Key::Down));
    keys.add("Enter", static_cast<int>(Key::Activate)).add(" ", static_cast<int>(Key::Activate));
    keys.add("Escape", static_cast<int>(Key::Escape)).add("other", static_cast<int>(Key::Other));
    dom::Figures acts;
    acts.add("native", static_cast<int>(Act::Native))
        .add("swallow", static_cast<int>(Act::Swallow));
    acts.add("focus", static_cast<int>(Act::Focus)).add("click", static_cast<int>(Act::Click));
    acts.add("answer", static_cast<int>(Act::Answer));
    dom::Figures bits;
    bits.add("ctrl", Ctrl).add("alt", Alt).add("meta", Meta).add("shift", Shift);
    dom::Figures figures;
    figures.raw("keys", keys.json()).raw("acts", acts.json()).add("answerBase", answerBase);
    figures.raw("modifiers", bits.json()).add("keypadCode", keypadCode);
    return figures.json();
}

}  // namespace

WebWindow::WebWindow() {
    js_bind_window(buildId(), keyFigures().c_str());
    for (int k = 0; k < Controls::cardCount; ++k) {
        placed_.at(static_cast<std::size_t>(k)) = loadedCard(k);
    }
}

void WebWindow::cardChanged(int k, const CardControl& card, unsigned changes) {
    cards_.at(static_cast<std::size_t>(k)) = &card;
    changes_.at(static_cast<std::size_t>(k)) |= changes;
}

void WebWindow::frameChanged(const FrameControl& frame) {
    frame_ = &frame;
    frameChanged_ = true;
}

void WebWindow::captionChanged(int i, const LabelControl& label) {
    labels_.at(static_cast<std::size_t>(i)) = &label;
    labelsChanged_ |= 1U << static_cast<unsigned>(i);
}

void WebWindow::flush() {
    for (int k = 0; k < Controls::cardCount; ++k) {
        flushCard(k);
    }
    if (std::exchange(frameChanged_, false)) {
        js_show(static_cast<int>(Part::Frame), 0, frame_->visible() ? 1 : 0);
        placeFrame();
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        if ((labelsChanged_ & (1U << i)) != 0) {
            js_set_label(static_cast<int>(i), labels_.at(i)->caption().c_str());
        }
    }
    labelsChanged_ = 0;
}

void WebWindow::flushCard(int k) {
    const unsigned changes = std::exchange(changes_.at(static_cast<std::size_t>(k)), 0);
    const CardControl& card = *cards_.at(static_cast<std::size_t>(k));
    if ((changes & ColorChanged) != 0) {
        js_paint_card(k, dom::cssColor(card.backColor()).c_str(),
                      cardName(k, card.backColor()).c_str());
    }
    // A hidden card's place is nobody's.
    if ((changes & (PlaceChanged | VisibilityChanged)) != 0) {
        placeCard(k);
        js_show(static_cast<int>(Part::Card), k, card.visible() ? 1 : 0);
    }
    if ((changes & SelectionChanged) != 0) {
        js_mark_card(k, card.selected() ? 1 : 0);
    }
}

void WebWindow::placeCard(int k) {
    const CardControl& card = *cards_.at(static_cast<std::size_t>(k));
    PixelRect& placed = placed_.at(static_cast<std::size_t>(k));
    if (const PixelRect r = drawing_.card(card.left(), card.top()); card.visible() && r != placed) {
        place(Part::Card, k, r);
        placed = r;
    }
}

void WebWindow::placeFrame() {
    if (!frame_->visible()) {
        return;
    }
    if (const Ring ring = drawing_.ring(frame_->left(), frame_->top()); ring.outer != ring_) {
        place(Part::Frame, 0, ring.outer);
        js_ring_sides(ring.left, ring.top, ring.right, ring.bottom);
        ring_ = ring.outer;
    }
}

void WebWindow::layout(double width, double height, bool touchScreen) {
    const double scale = pageScale(touchScreen, width, height);
    if (scale == drawing_.scale()) {
        return;
    }
    drawing_ = Drawing(scale);
    for (const PageVariable& v : pageVariables(drawing_)) {
        js_set_variable(v.name, v.pixels);
    }
    for (int i = 0; i < static_cast<int>(labelDesigns.size()); ++i) {
        place(Part::Label, i, drawing_.label(i));
    }
    for (int k = 0; k < Controls::cardCount; ++k) {
        placeCard(k);
    }
    ring_ = {};
    placeFrame();
}

void WebWindow::showWindow() {
    flush();
    js_show_window();
}

void WebWindow::showBox(const std::string& prompt) {
    flush();
    js_show_box(prompt.c_str());
}

void WebWindow::announce(const std::string& news) {
    flush();
    js_announce(news.c_str());
}

void WebWindow::focusCard(int k) {
    flush();
    js_focus_card(k);
}

int WebWindow::focusedCard() const {
    return js_focused_card();
}

void WebWindow::closeAndQuit() {
    js_end_window(0);
}

}  // namespace diruvari
