// SPDX-License-Identifier: MIT
#include "window/web/Dom.h"

#include <emscripten.h>

#include <array>

#include "window/Design.h"
#include "window/Grid.h"
#include "window/web/WebWindow.h"

// The page's script. The window's figures come from the design; the page
// adds nothing of its own but the document's frame around the window.

// clang-format off
EM_JS(void, js_build_window, (const char* caption, const char* reset, const char* title,
                              const int* figures, const char* family, const char* bundled), {
    const text = (p) => UTF8ToString(p);
    const f = (i) => HEAP32[(figures >> 2) + i];
    const css = (c) => 'rgb(' + (c & 255) + ',' + ((c >> 8) & 255) + ',' + ((c >> 16) & 255) + ')';
    const root = document.documentElement.style;
    const vars = {
        '--client-width': f(0) + 'px', '--client-height': f(1) + 'px', '--card': f(2) + 'px',
        '--square': f(3) + 'px', '--ring': f(4) + 'px', '--ring-outside': f(5) + 'px',
        '--focus-inset': f(6) + 'px', '--background': css(f(7)), '--outer-light': css(f(8)),
        '--inner-light': css(f(9)), '--inner-shadow': css(f(10)), '--outer-shadow': css(f(11)),
        '--frame': css(f(12)), '--label-text': css(f(13)), '--label-size': f(14) + 'px',
        '--label-weight': f(15),
        '--label-family': '"' + text(family) + '", "' + text(bundled) + '"'
    };
    for (const name in vars) root.setProperty(name, vars[name]);
    document.title = text(caption);
    const make = (tag, props, parent) => {
        const e = document.createElement(tag);
        Object.assign(e, props);
        if (parent) parent.appendChild(e);
        return e;
    };
    const d = Module.diruvari = { cards: [], labels: [], boxOpen: false, ended: false };
    const desktop = document.getElementById('desktop');
    const win = d.window = make('div', { id: 'window', hidden: true }, desktop);
    win.setAttribute('aria-label', text(caption));
    const bar = make('div', { className: 'menubar' }, win);
    bar.setAttribute('role', 'menubar');
    const resetItem = make('button', { id: 'reset', textContent: text(reset) }, bar);
    resetItem.setAttribute('role', 'menuitem');
    resetItem.addEventListener('click', () => {
        if (!d.boxOpen && !d.ended) Module._diruvari_reset_chosen();
    });
    const client = make('div', { id: 'client' }, win);
    d.frame = make('div', { id: 'frame', hidden: true }, client);
    d.frame.setAttribute('aria-hidden', 'true');
    const steps = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };
    for (let k = 0; k < 16; ++k) {
        const card = make('button', { className: 'card', hidden: k > 0 }, client);
        card.setAttribute('aria-pressed', 'false');
        card.addEventListener('click', () => {
            if (!d.boxOpen && !d.ended) Module._diruvari_card_clicked(k);
        });
        card.addEventListener('keydown', (e) => {
            if (e.key in steps) {
                e.preventDefault();
                const target = Module._diruvari_neighbour(k, steps[e.key]);
                if (target >= 0) d.cards[target].focus();
            } else if (e.repeat && (e.key === 'Enter' || e.key === ' ')) {
                e.preventDefault();  // a held key clicks once
            }
        });
        d.cards.push(card);
    }
    const labels = make('div', { id: 'labels' }, client);
    labels.setAttribute('aria-live', 'polite');
    for (let i = 0; i < 3; ++i) {
        const label = make('div', { className: 'label' }, labels);
        Object.assign(label.style, { left: f(16 + 4 * i) + 'px', top: f(17 + 4 * i) + 'px',
                                     width: f(18 + 4 * i) + 'px', height: f(19 + 4 * i) + 'px' });
        d.labels.push(label);
    }
    const box = d.box = make('dialog', { id: 'box' }, document.body);
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-modal', 'true');
    box.setAttribute('aria-labelledby', 'box-title');
    box.setAttribute('aria-describedby', 'box-prompt');
    make('h1', { id: 'box-title', textContent: text(title) }, box);
    d.prompt = make('p', { id: 'box-prompt' }, box);
    const ok = d.ok = make('button', { id: 'box-ok', textContent: 'OK' }, box);
    ok.addEventListener('click', () => box.close());
    box.addEventListener('keydown', (e) => {
        if (e.repeat) { e.preventDefault(); e.stopPropagation(); }
    }, true);
    const again = d.again = make('div', { id: 'ended', hidden: true }, desktop);
    const start = make('button', { textContent: 'Play ' + text(title) + ' again' }, again);
    start.addEventListener('click', () => location.reload());
});

EM_JS(void, js_show_window, (), {
    Module.diruvari.window.hidden = false;
    if (Module.onBoardShown) Module.onBoardShown();
});

EM_JS(void, js_close_window, (), {
    const d = Module.diruvari;
    d.ended = true;
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
    const s = Module.diruvari.cards[k].style;
    s.left = left + 'px';
    s.top = top + 'px';
});

EM_JS(void, js_show_card, (int k, int visible), {
    Module.diruvari.cards[k].hidden = !visible;
});

EM_JS(void, js_mark_card, (int k, int selected), {
    Module.diruvari.cards[k].setAttribute('aria-pressed', selected ? 'true' : 'false');
});

EM_JS(void, js_place_frame, (int visible, double left, double top), {
    const frame = Module.diruvari.frame;
    frame.hidden = !visible;
    frame.style.left = left + 'px';
    frame.style.top = top + 'px';
});

EM_JS(void, js_set_label, (int i, const char* text), {
    Module.diruvari.labels[i].textContent = UTF8ToString(text);
});

EM_ASYNC_JS(void, js_show_box, (const char* prompt), {
    const d = Module.diruvari;
    d.prompt.textContent = UTF8ToString(prompt);
    d.boxOpen = true;
    await new Promise((resolve) => {
        d.box.addEventListener('close', resolve, { once: true });
        d.box.showModal();
        d.ok.focus();
    });
    d.boxOpen = false;
});

EM_JS(void, js_focus_card, (int k), {
    Module.diruvari.cards[k].focus();
});

EM_JS(int, js_focused_card, (), {
    return Module.diruvari.cards.indexOf(document.activeElement);
});
// clang-format on

namespace diruvari::dom {

void buildWindow() {
    std::array<int, 28> figures = {
        static_cast<int>(cssPixels(clientWidth)),
        static_cast<int>(cssPixels(clientHeight)),
        static_cast<int>(cssPixels(cardSize)),
        static_cast<int>(cssPixels(gridPitch)),
        ringWidth,
        ringOutside,
        focusInset,
        backgroundColor,
        bevelOuterLight,
        bevelInnerLight,
        bevelInnerShadow,
        bevelOuterShadow,
        frameColor,
        labelTextColor,
        static_cast<int>(cssPixels(labelFontHeight)),
        labelFontWeight,
    };
    for (std::size_t i = 0; i < labelDesigns.size(); ++i) {
        const LabelDesign& d = labelDesigns.at(i);
        figures.at(16 + 4 * i) = static_cast<int>(cssPixels(d.left));
        figures.at(17 + 4 * i) = static_cast<int>(cssPixels(d.top));
        figures.at(18 + 4 * i) = static_cast<int>(cssPixels(d.width));
        figures.at(19 + 4 * i) = static_cast<int>(cssPixels(d.height));
    }
    js_build_window(windowCaption, resetCaption, applicationName, figures.data(), labelFamily,
                    bundledLabelFamily);
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
