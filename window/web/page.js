// SPDX-License-Identifier: MIT
// The page's window, as an emscripten library of named parts: the program
// calls js_build_window once, with its build's name, its texts and every
// figure of the design by name (a JSON object); each part below builds one
// piece of the window from those. The page adds nothing of its own but the
// document's frame around the window.
mergeInto(LibraryManager.library, {
    // The figures, each by name; a figure the page asks for and the program
    // did not give is a fault, not a blank.
    $diruvariFigures: function (json) {
        const figures = JSON.parse(json);
        return function (name) {
            if (!(name in figures)) throw new Error('the design has no figure ' + name);
            return figures[name];
        };
    },

    // The page's calls into the program. Once a fault has stopped the game
    // (js_game_stopped), the program is called no more, and the unwind that
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

    $diruvariMake: function (tag, props, parent) {
        const e = document.createElement(tag);
        Object.assign(e, props);
        if (parent) parent.appendChild(e);
        return e;
    },

    // The design's colours (as CSS writes them) and face, as the style
    // sheet's variables.
    $diruvariTheme: function (f) {
        const vars = {
            '--background': f('background'), '--outer-light': f('outerLight'),
            '--inner-light': f('innerLight'), '--inner-shadow': f('innerShadow'),
            '--outer-shadow': f('outerShadow'), '--frame': f('frame'),
            '--label-text': f('labelText'), '--label-weight': f('labelWeight'),
            '--label-family': '"' + f('labelFamily') + '", "' + f('bundledFamily') + '"'
        };
        for (const name in vars) document.documentElement.style.setProperty(name, vars[name]);
    },

    // The menu bar with its one item; the host refuses it while a box
    // stands or after the end.
    $diruvariMenuBar__deps: ['$diruvariMake', '$diruvariCall'],
    $diruvariMenuBar: function (win, reset) {
        const bar = diruvariMake('div', { className: 'menubar' }, win);
        bar.setAttribute('role', 'menubar');
        const item = diruvariMake('button', { id: 'reset', textContent: reset }, bar);
        item.setAttribute('role', 'menuitem');
        item.addEventListener('click', diruvariCall('_diruvari_reset_chosen'));
    },

    // The board is a grid, one tab stop with arrows inside, which screen
    // readers hand the keys to; its rows and cells add no boxes of their
    // own, so each card keeps its place in the client area.
    $diruvariBoard__deps: ['$diruvariMake', '$diruvariCall'],
    $diruvariBoard: function (d, f, client) {
        const board = diruvariMake('div', { id: 'board' }, client);
        board.setAttribute('role', 'grid');
        board.setAttribute('aria-label', f('boardName'));
        board.setAttribute('aria-describedby', 'board-keys');
        diruvariMake('div', { id: 'board-keys', className: 'unseen', textContent: f('boardKeys') }, client);
        // Each element takes its role and state before it joins the page: a
        // browser may not make a toggle button of a button that it has
        // already shown to readers as a plain one.
        const attach = function (e, attributes, parent) {
            for (const name in attributes) e.setAttribute(name, attributes[name]);
            return parent.appendChild(e);
        };
        const columns = f('columns');
        const clicked = diruvariCall('_diruvari_card_clicked');
        let row;
        for (let k = 0; k < f('cardCount'); ++k) {
            if (k % columns === 0) {
                // Named, or a reader would read a row's cards on entering it.
                row = attach(diruvariMake('div', {}), { role: 'row', 'aria-label': 'Row ' + (k / columns + 1) }, board);
            }
            const cell = attach(diruvariMake('div', {}), { role: 'gridcell' }, row);
            const card = attach(diruvariMake('button', { className: 'card', hidden: true, tabIndex: k > 0 ? -1 : 0 }),
                                { 'aria-pressed': 'false' }, cell);
            card.addEventListener('click', function () { clicked(k); });
            // The card with the focus is the board's one tab stop.
            card.addEventListener('focus', function () {
                d.cards.forEach(function (c) { c.tabIndex = c === card ? 0 : -1; });
            });
            d.cards.push(card);
        }
    },

    // The program places every edge of the window at the scale it chooses
    // for the viewport; the page passes on the sizes that its style sheet
    // takes, and places the window in the viewport.
    js_metrics: function (width, height, bar, border, line, focusInset, labelSize, menuFont, left, top) {
        const vars = { '--client-width': width, '--client-height': height, '--menubar-height': bar,
                       '--border': border, '--line': line, '--focus-inset': focusInset,
                       '--label-size': labelSize, '--menu-font': menuFont };
        for (const name in vars) document.documentElement.style.setProperty(name, vars[name] + 'px');
        Object.assign(Module.diruvari.window.style, { left: left + 'px', top: top + 'px' });
    },

    // The message box, a modal dialog as WAI-ARIA has it: named by its title,
    // described by its prompt, with the focus on OK. It is shown by
    // js_show_box, and tells the program when it has closed: the game's
    // event waits for that. Its role is the element's own: Firefox shows a
    // dialog of an ARIA role to readers as a window of its own, opened and
    // closed, and Orca leaves its focus mode then without a word.
    $diruvariBox__deps: ['$diruvariMake', '$diruvariCall'],
    $diruvariBox: function (d, title) {
        const box = d.box = diruvariMake('dialog', { id: 'box' }, document.body);
        box.setAttribute('aria-modal', 'true');
        box.setAttribute('aria-labelledby', 'box-title');
        box.setAttribute('aria-describedby', 'box-prompt');
        diruvariMake('h1', { id: 'box-title', textContent: title }, box);
        d.prompt = diruvariMake('p', { id: 'box-prompt' }, box);
        // Its own keys, as an application's: a reader stays in its focus mode
        // there, and so still hands the board its arrows once the box is gone.
        const keys = diruvariMake('div', {}, box);
        keys.setAttribute('role', 'application');
        const ok = d.ok = diruvariMake('button', { id: 'box-ok', textContent: 'OK' }, keys);
        ok.setAttribute('aria-describedby', 'box-prompt');
        ok.addEventListener('click', function () { box.close(); });
        // A click behind the box gives the focus to the box itself, where
        // Enter and Space do nothing: it stays on OK, as in a desktop box.
        box.addEventListener('focus', function () { ok.focus(); });
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
        d.again.hidden = false;
        d.again.querySelector('button').focus();
    },

    js_build_window__deps: ['$diruvariFigures', '$diruvariMake', '$diruvariCall', '$diruvariTheme',
                            '$diruvariMenuBar', '$diruvariBoard', '$diruvariBox', '$diruvariKeys'],
    js_build_window: function (buildPtr, captionPtr, resetPtr, titlePtr, figuresJson) {
        const build = UTF8ToString(buildPtr), caption = UTF8ToString(captionPtr), title = UTF8ToString(titlePtr);
        // A script and a program of two builds would not play together:
        // fail at once, and say so.
        if (build !== Module.buildId) {
            throw new Error('diruvari.js of build ' + Module.buildId + ' carries a program of build ' + build);
        }
        const f = diruvariFigures(UTF8ToString(figuresJson));
        diruvariTheme(f);
        document.title = caption;
        const d = Module.diruvari = { build: build, cards: [], labels: [] };
        const desktop = document.getElementById('desktop');
        const win = d.window = diruvariMake('div', { id: 'window', hidden: true }, desktop);
        win.setAttribute('aria-label', caption);
        diruvariMenuBar(win, UTF8ToString(resetPtr));
        const client = diruvariMake('div', { id: 'client' }, win);
        d.frame = diruvariMake('div', { id: 'frame', hidden: true }, client);
        d.frame.setAttribute('aria-hidden', 'true');
        diruvariBoard(d, f, client);
        const labels = diruvariMake('div', { id: 'labels' }, client);
        for (let i = 0; i < f('labels'); ++i) d.labels.push(diruvariMake('div', { className: 'label' }, labels));
        // What the host announces: a pair's new count, a new deal.
        d.news = diruvariMake('div', { id: 'news', className: 'unseen' }, win);
        d.news.setAttribute('aria-live', 'polite');
        d.news.setAttribute('aria-atomic', 'true');
        addEventListener('resize', diruvariCall('_diruvari_layout'));
        diruvariBox(d, title);
        diruvariKeys(d, f);
        d.again = diruvariMake('div', { id: 'ended', hidden: true }, desktop);
        d.stoppedNote = diruvariMake('p', { id: 'stopped', hidden: true,
                                            textContent: title + ' stopped because of an internal error.' }, d.again);
        d.stoppedNote.setAttribute('role', 'alert');
        const start = diruvariMake('button', { textContent: 'Play ' + title + ' again' }, d.again);
        start.addEventListener('click', function () { location.reload(); });
    },
});
