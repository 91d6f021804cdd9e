// SPDX-License-Identifier: MIT
// The page's side of the window, as an emscripten library of named parts.
// The window itself stands in the page as designed (index.html); the
// program calls js_bind_window once, with its build's name and the host's
// key and act numbers by name (a JSON object), and the parts below take the
// page's events to it and carry out what it answers. The program's changes
// to the window are the js_ functions in WebWindow.cpp.
mergeInto(LibraryManager.library, {
    // The figures, each by name; a figure the page asks for and the program
    // did not give is a fault, not a blank.
    $diruvariFigures: function (json) {
        const figures = JSON.parse(json);
        return function (name) {
            if (!(name in figures)) throw new Error('the program has no figure ' + name);
            return figures[name];
        };
    },

    // The page's calls into the program. Once a fault has stopped the game
    // (js_end_window), the program is called no more, and the unwind that
    // ends the call that met the fault is no error of the page's.
    $diruvariCall: function (name) {
        return function () {
            if (Module.diruvari.stopped) return 0;
            try {
                return Module[name].apply(null, arguments);
            } catch (e) {
                if (e !== 'unwind') throw e;
                return 0;
            }
        };
    },

    // The board is a grid, one tab stop with arrows inside, which screen
    // readers hand the keys to: the card with the focus is its tab stop.
    $diruvariBoard__deps: ['$diruvariCall'],
    $diruvariBoard: function (d) {
        const clicked = diruvariCall('_diruvari_card_clicked');
        d.cards.forEach(function (card, k) {
            card.addEventListener('click', function () { clicked(k); });
            card.addEventListener('focus', function () {
                d.cards.forEach(function (c) { c.tabIndex = c === card ? 0 : -1; });
            });
        });
        document.getElementById('reset').addEventListener('click', diruvariCall('_diruvari_reset_chosen'));
        // The viewport's size as the browser lays it out, before it paints:
        // the program places the window for it where its scale differs from
        // the one the page shows.
        const layout = diruvariCall('_diruvari_layout');
        new ResizeObserver(function (entries) {
            const size = entries[0].contentRect;
            layout(size.width, size.height, matchMedia('(pointer: coarse)').matches ? 1 : 0);
        }).observe(document.documentElement);
    },

    // The message box tells the program when it has closed: the game's
    // event waits for that.
    $diruvariBox__deps: ['$diruvariCall'],
    $diruvariBox: function (d) {
        const box = d.box;
        d.ok.addEventListener('click', function () { box.close(); });
        // A click behind the box gives the focus to the box itself, where
        // Enter and Space do nothing: it stays on OK, as in a desktop box.
        box.addEventListener('focus', function () { d.ok.focus(); });
        const answered = diruvariCall('_diruvari_box_answered');
        box.addEventListener('close', function () {
            // The program hears of OK two frames after the box has gone: a
            // browser tells screen readers of a change at its next frame,
            // and Firefox would otherwise tell of the box's removal and of
            // the card's focus together, in an order in which Orca takes
            // the focus in silence and keeps the arrows for itself.
            requestAnimationFrame(function () {
                requestAnimationFrame(function () {
                    // The browser has handed the focus back to the card that
                    // had it, and Chromium tells screen readers nothing of
                    // that: the host's own focusCard then moves it anew, and
                    // readers hear where the player is.
                    if (document.activeElement) document.activeElement.blur();
                    answered();
                });
            });
        });
    },

    // Every key of the page, the box's included, goes to the host before
    // anything else sees it; the page then does what the host answers. The
    // host decides which modifiers make a shortcut and tells repeats (the
    // event's own repeat flag is never asked); keypad Enter is a key of its
    // own.
    $diruvariKeys__deps: ['$diruvariCall'],
    $diruvariKeys: function (d, f) {
        const keys = f('keys'), acts = f('acts'), base = f('answerBase'), held = f('modifiers');
        const decide = diruvariCall('_diruvari_key'), lost = diruvariCall('_diruvari_focus_lost');
        const route = function (e, down) {
            const modifiers = (e.ctrlKey ? held.ctrl : 0) | (e.altKey ? held.alt : 0) |
                              (e.metaKey ? held.meta : 0) | (e.shiftKey ? held.shift : 0);
            const key = e.key in keys ? keys[e.key] : keys.other;
            const code = e.keyCode | (String(e.code).startsWith('Numpad') ? f('keypadCode') : 0);
            const answer = decide(down, key, code, Math.round(e.timeStamp * 1000), modifiers);
            const act = Math.floor(answer / base), card = answer % base;
            if (act === acts.native) return;
            e.preventDefault();
            e.stopPropagation();
            if (act === acts.focus) d.cards[card].focus();
            if (act === acts.click) d.cards[card].click();
            if (act === acts.answer) d.box.close();
        };
        addEventListener('keydown', function (e) { route(e, 1); }, true);
        addEventListener('keyup', function (e) { route(e, 0); }, true);
        addEventListener('blur', function () { lost(); });
    },

    // The window leaves the page, in one place, whether the game ended or a
    // fault stopped it (its line is in the console); the page then offers
    // to start the game again.
    js_end_window: function (stopped) {
        const d = Module.diruvari;
        if (!d) return;
        d.stopped = d.stopped || !!stopped;
        if (d.box.open) d.box.close();
        d.window.remove();
        d.stoppedNote.hidden = !stopped;
        d.ended.hidden = false;
        d.again.focus();
    },

    js_bind_window__deps: ['$diruvariFigures', '$diruvariCall', '$diruvariBoard', '$diruvariBox', '$diruvariKeys'],
    js_bind_window: function (buildPtr, figuresJson) {
        const build = UTF8ToString(buildPtr);
        // A script and a program of two builds would not play together:
        // fail at once, and say so.
        if (build !== Module.buildId) {
            throw new Error('diruvari.js of build ' + Module.buildId + ' carries a program of build ' + build);
        }
        const f = diruvariFigures(UTF8ToString(figuresJson));
        const byId = document.getElementById.bind(document);
        const d = Module.diruvari = {
            build: build, window: byId('window'), frame: byId('frame'), news: byId('news'),
            cards: [...document.querySelectorAll('.card')], labels: [...document.querySelectorAll('.label')],
            box: byId('box'), prompt: byId('box-prompt'), ok: byId('box-ok'),
            again: byId('again'), ended: byId('ended'), stoppedNote: byId('stopped'),
            // Card 0 takes the focus as the page's autofocus, before the
            // first frame, with nothing forced.
            fresh: true,
        };
        d.again.addEventListener('click', function () { location.reload(); });
        diruvariBoard(d);
        diruvariBox(d);
        diruvariKeys(d, f);
    },
});
