// SPDX-License-Identifier: MIT
// The page's side of the window, an emscripten library. The window stands
// in the page as designed; js_bind_window takes its events to the program
// and carries out what the host answers. WebWindow.cpp writes the changes.
mergeInto(LibraryManager.library, {
    // A figure that the program did not give is a fault, not a blank.
    $diruvariFigures: function (json) {
        const figures = JSON.parse(json);
        return function (name) {
            if (!(name in figures)) throw new Error('the program has no figure ' + name);
            return figures[name];
        };
    },

    // Once a fault has stopped the game the program is called no more; the
    // unwind of the call that met it is no error.
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

    // The board is a grid, one tab stop (the focused card) with arrows
    // inside, whose keys screen readers hand over.
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
        // The viewport's size as laid out, before it paints.
        const layout = diruvariCall('_diruvari_layout');
        new ResizeObserver(function (entries) {
            const size = entries[0].contentRect;
            layout(size.width, size.height, matchMedia('(pointer: coarse)').matches ? 1 : 0);
        }).observe(document.documentElement);
    },

    $diruvariBox__deps: ['$diruvariCall'],
    $diruvariBox: function (d) {
        const box = d.box;
        d.ok.addEventListener('click', function () { box.close(); });
        // A click behind the box would focus the box itself: keep it on OK.
        box.addEventListener('focus', function () { d.ok.focus(); });
        const answered = diruvariCall('_diruvari_box_answered');
        box.addEventListener('close', function () {
            // Two frames later: browsers tell readers of a change at the
            // next frame, and Firefox would tell of the box's removal and the
            // focus together, in an order in which Orca keeps the arrows.
            requestAnimationFrame(function () {
                requestAnimationFrame(function () {
                    // Chromium tells readers nothing of the focus given
                    // back: the host's focusCard moves it anew.
                    if (document.activeElement) document.activeElement.blur();
                    answered();
                });
            });
        });
    },

    // Every key of the page, the box's too, goes to the host first; the
    // host tells repeats (the event's flag is never asked).
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

    // The one place where the window leaves the page, at the end or after
    // a fault (whose line is in the console), offering a new game.
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
        // A script and a program of two builds never play together.
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
            // Card 0 has the page's autofocus until the first frame.
            fresh: true,
        };
        d.again.addEventListener('click', function () { location.reload(); });
        diruvariBoard(d);
        diruvariBox(d);
        diruvariKeys(d, f);
    },
});
