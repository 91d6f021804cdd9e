// SPDX-License-Identifier: MIT
#include "window/web/Dom.h"

#include <emscripten.h>

#include <cmath>
#include <string>

#include "window/Design.h"
#include "window/Grid.h"
#include "window/web/WebWindow.h"

// The page's script. The window's figures come from the design, by name;
// the page adds nothing of its own but the document's frame around the
// window.

// clang-format off
EM_JS(void, js_build_window, (const char* build, const char* caption, const char* reset,
                              const char* title, const char* figuresJson), {
    const text = (p) => UTF8ToString(p);
    // A script and a program of two builds would not play together: fail
    // at once, and say so.
    if (text(build) !== Module.buildId) {
        throw new Error('diruvari.js of build ' + Module.buildId + ' carries a program of build ' + text(build));
    }
    const figures = JSON.parse(text(figuresJson));
    // A figure the page asks for and the design lacks is a fault, not a blank.
    const f = (name) => {
        if (!(name in figures)) throw new Error('the design has no figure ' + name);
        return figures[name];
    };
    const css = (name) => {
        const c = f(name);
        return 'rgb(' + (c & 255) + ',' + ((c >> 8) & 255) + ',' + ((c >> 16) & 255) + ')';
    };
    const root = document.documentElement.style;
    const vars = {
        '--background': css('background'), '--outer-light': css('outerLight'),
        '--inner-light': css('innerLight'), '--inner-shadow': css('innerShadow'),
        '--outer-shadow': css('outerShadow'), '--frame': css('frame'),
        '--label-text': css('labelText'), '--label-weight': f('labelWeight'),
        '--label-family': '"' + f('labelFamily') + '", "' + f('bundledFamily') + '"'
    };
    for (const name in vars) root.setProperty(name, vars[name]);
    document.title = text(caption);
    const make = (tag, props, parent) => {
        const e = document.createElement(tag);
        Object.assign(e, props);
        if (parent) parent.appendChild(e);
        return e;
    };
    const d = Module.diruvari = { build: text(build), cards: [], places: [], labels: [] };
    const desktop = document.getElementById('desktop');
    const win = d.window = make('div', { id: 'window', hidden: true }, desktop);
    win.setAttribute('aria-label', text(caption));
    const bar = make('div', { className: 'menubar' }, win);
    bar.setAttribute('role', 'menubar');
    const resetItem = make('button', { id: 'reset', textContent: text(reset) }, bar);
    resetItem.setAttribute('role', 'menuitem');
    // The host refuses what comes while a box stands or after the end.
    resetItem.addEventListener('click', () => Module._diruvari_reset_chosen());
    const client = make('div', { id: 'client' }, win);
    d.frame = make('div', { id: 'frame', hidden: true }, client);
    d.frame.setAttribute('aria-hidden', 'true');
    // The board is a grid, one tab stop with arrows inside, which screen
    // readers hand the keys to; its rows and cells add no boxes of their
    // own, so each card keeps its place in the client area.
    const board = make('div', { id: 'board' }, client);
    board.setAttribute('role', 'grid');
    board.setAttribute('aria-label', f('boardName'));
    board.setAttribute('aria-describedby', 'board-keys');
    make('div', { id: 'board-keys', className: 'unseen', textContent: f('boardKeys') }, client);
    // Each element takes its role and state before it joins the page: a
    // browser may not make a toggle button of a button that it has already
    // shown to readers as a plain one.
    const attach = (e, attributes, parent) => {
        for (const name in attributes) e.setAttribute(name, attributes[name]);
        return parent.appendChild(e);
    };
    let row;
    for (let k = 0; k < 16; ++k) {
        if (k % 4 === 0) {
            // Named, or a reader would read a row's four cards on entering it.
            row = attach(make('div', {}), { role: 'row', 'aria-label': 'Row ' + (k / 4 + 1) }, board);
        }
        const cell = attach(make('div', {}), { role: 'gridcell' }, row);
        const card = attach(make('button', { className: 'card', hidden: k > 0, tabIndex: k > 0 ? -1 : 0 }),
                            { 'aria-pressed': 'false' }, cell);
        card.addEventListener('click', () => Module._diruvari_card_clicked(k));
        // The card with the focus is the board's one tab stop.
        card.addEventListener('focus', () => d.cards.forEach((c) => { c.tabIndex = c === card ? 0 : -1; }));
        d.cards.push(card);
    }
    const labels = make('div', { id: 'labels' }, client);
    f('labels').forEach(() => d.labels.push(make('div', { className: 'label' }, labels)));
    // What the host announces: a pair's new count, a new deal.
    d.news = make('div', { id: 'news', className: 'unseen' }, win);
    d.news.setAttribute('aria-live', 'polite');
    d.news.setAttribute('aria-atomic', 'true');
    // The scale from the design's pixels to CSS pixels: 1 on a desktop; on
    // a touch screen as large as the window fits inside its 1 px border.
    // Every edge is then put on a whole CSS pixel, each on its own: a whole
    // number of device pixels at any whole device pixel ratio, and a place
    // that the browser's layout holds exactly, so that nothing is blurred and
    // the boxes that the page reports are the pixels that it paints.
    const menubar = 20;
    const scale = () => {
        if (!matchMedia('(pointer: coarse)').matches) return 1;
        return Math.max(1, Math.min((innerWidth - 2) / f('clientWidth'),
                                    (innerHeight - 2) / (f('clientHeight') + menubar)));
    };
    let s = 1;
    const at = (v) => Math.round(v * s);
    const width = (v) => Math.max(1, Math.round(v * s));
    const place = (e, x, y, w, h) => Object.assign(e.style, {
        left: at(x) + 'px', top: at(y) + 'px', width: at(x + w) - at(x) + 'px', height: at(y + h) - at(y) + 'px' });
    d.placeCard = (k) => {
        const [x, y] = d.places[k] ?? [0, 0];
        place(d.cards[k], x, y, f('card'), f('card'));
    };
    // The ring stands from ringOutside outside the square to the card.
    d.placeFrame = () => {
        const [x, y] = d.framePlace ?? [0, 0];
        const out = f('ringOutside'), span = f('square') + 2 * out + 1;
        place(d.frame, x - out, y - out, span, span);
        const inset = f('ring') - out;
        Object.assign(d.frame.style, {
            borderLeftWidth: at(x + inset) - at(x - out) + 'px', borderTopWidth: at(y + inset) - at(y - out) + 'px',
            borderRightWidth: at(x - out + span) - at(x - out + span - f('ring')) + 'px',
            borderBottomWidth: at(y - out + span) - at(y - out + span - f('ring')) + 'px' });
    };
    d.layout = () => {
        s = scale();
        const border = 1;
        const cw = at(f('clientWidth')), ch = at(f('clientHeight')), bar = at(menubar);
        const vars = { '--client-width': cw, '--client-height': ch, '--menubar-height': bar,
                       '--border': border, '--line': width(1), '--focus-inset': at(f('focusInset')),
                       '--label-size': f('labelSize') * s, '--menu-font': 12 * s };
        for (const name in vars) root.setProperty(name, vars[name] + 'px');
        f('labels').forEach((p, i) => place(d.labels[i], p.left, p.top, p.width, p.height));
        d.cards.forEach((card, k) => d.placeCard(k));
        d.placeFrame();
        // Centred, to the pixel.
        win.style.left = Math.max(0, Math.floor((innerWidth - cw - 2 * border) / 2)) + 'px';
        win.style.top = Math.max(0, Math.floor((innerHeight - bar - ch - 2 * border) / 2)) + 'px';
    };
    addEventListener('resize', d.layout);
    d.layout();
    const box = d.box = make('dialog', { id: 'box' }, document.body);
    // Its own keys, as an application's: a reader stays in its focus mode
    // there, and so still hands the board its arrows once the box is gone
    // (a dialog would put Chromium's reader in browse mode, and an alert
    // dialog is read two or three times over).
    box.setAttribute('role', 'application');
    box.setAttribute('aria-modal', 'true');
    box.setAttribute('aria-labelledby', 'box-title');
    make('h1', { id: 'box-title', textContent: text(title) }, box);
    d.prompt = make('p', { id: 'box-prompt' }, box);
    // The title and the prompt describe OK, which has the focus as the box
    // opens: every reader speaks a focused button's description, where not
    // every one reads a dialog's own. Described once, it is read once.
    const ok = d.ok = make('button', { id: 'box-ok', textContent: 'OK' }, box);
    ok.setAttribute('aria-describedby', 'box-title box-prompt');
    ok.addEventListener('click', () => box.close());
    // A click behind the box gives the focus to the box itself, where Enter
    // and Space do nothing: it stays on OK, as in a desktop message box.
    box.addEventListener('focus', () => ok.focus());
    // Every key of the page, the box's included, goes to the host before
    // anything else sees it; the page then does what the host answers.
    const keys = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Enter: 4, ' ': 4 };
    const route = (e, down) => {
        // The host decides which modifiers make a shortcut (Ctrl 1, Alt 2,
        // Meta 4, Shift 8), and keypad Enter is a key of its own.
        const modifiers = e.ctrlKey | e.altKey << 1 | e.metaKey << 2 | e.shiftKey << 3;
        const key = e.key in keys ? keys[e.key] : 5;
        const code = e.keyCode | (String(e.code).startsWith('Numpad') ? 0x100 : 0);
        // The event's own repeat flag is never asked: the host tells repeats.
        const answer = Module._diruvari_key(down, key, code, Math.round(e.timeStamp * 1000), modifiers);
        const act = answer >> 4, card = answer & 15;
        if (act === 0) return;
        e.preventDefault();
        e.stopPropagation();
        if (act === 2) d.cards[card].focus();
        if (act === 3) d.cards[card].click();
    };
    addEventListener('keydown', (e) => route(e, 1), true);
    addEventListener('keyup', (e) => route(e, 0), true);
    addEventListener('blur', () => Module._diruvari_focus_lost());
    const again = d.again = make('div', { id: 'ended', hidden: true }, desktop);
    const start = make('button', { textContent: 'Play ' + text(title) + ' again' }, again);
    start.addEventListener('click', () => location.reload());
});

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

EM_JS(void, js_paint_card, (int k, int color, const char* name), {
    const card = Module.diruvari.cards[k];
    card.style.backgroundColor =
        'rgb(' + (color & 255) + ',' + ((color >> 8) & 255) + ',' + ((color >> 16) & 255) + ')';
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

EM_ASYNC_JS(void, js_show_box, (const char* prompt), {
    const d = Module.diruvari;
    d.prompt.textContent = UTF8ToString(prompt);
    // Last news is old news once the box has spoken: the board behind the
    // box comes back to readers as it closes, and would say it again.
    clearTimeout(d.newsTimer);
    d.news.textContent = "";
    await new Promise((resolve) => {
        d.box.addEventListener('close', resolve, { once: true });
        d.box.showModal();
        d.ok.focus();
    });
    // The browser hands the focus back to the card that had it, and
    // Chromium tells screen readers nothing of that: the host's own
    // focusCard then moves it anew, and readers hear where the player is.
    if (document.activeElement) document.activeElement.blur();
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

// The design's figures as a JSON object, each under its name.
class Figures {
  public:
    Figures& add(const char* name, double value) {
        return raw(name, std::to_string(static_cast<long long>(std::lround(value))));
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

}  // namespace

void buildWindow() {
    Figures figures;
    figures.add("clientWidth", cssPixels(clientWidth)).add("clientHeight", cssPixels(clientHeight));
    figures.add("card", cssPixels(cardSize)).add("square", cssPixels(gridPitch));
    figures.add("ring", ringWidth).add("ringOutside", ringOutside).add("focusInset", focusInset);
    figures.add("background", backgroundColor).add("frame", frameColor);
    figures.add("outerLight", bevelOuterLight).add("innerLight", bevelInnerLight);
    figures.add("innerShadow", bevelInnerShadow).add("outerShadow", bevelOuterShadow);
    figures.add("labelText", labelTextColor).add("labelSize", cssPixels(labelFontHeight));
    figures.add("labelWeight", labelFontWeight);
    figures.add("labelFamily", labelFamily).add("bundledFamily", bundledLabelFamily);
    figures.raw("labels", labelPlaces());
    figures.add("boardName", boardName).add("boardKeys", boardKeys);
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
    js_paint_card(k, color, name.c_str());
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
void focusCard(int k) {
    js_focus_card(k);
}
int focusedCard() {
    return js_focused_card();
}

}  // namespace diruvari::dom
