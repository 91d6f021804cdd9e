// SPDX-License-Identifier: MIT
// The game's page in Debian's Chromium, for what needs Chromium's own
// emulation and DevTools: forced colours, the accessibility tree, held
// keys, the manifest's icons, updates, and many random clicks. The game's
// steps that every engine plays are in play.test.mjs.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';

import { engines } from './engines.mjs';
import { black, board, centre, gapLeft, letters, orange, palette } from './board.mjs';
import { game as open } from './game.mjs';
import { serve } from '../../window/web/serve.mjs';

let chromium, site, testSite;
before(async () => {
    chromium = await engines.chromium();
    site = await serve(process.env.DIRUVARI_SITE);
    testSite = await serve(process.env.DIRUVARI_TEST_SITE);
});
after(async () => {
    await chromium.close();
    site.close();
    testSite.close();
});

// The game at `url`, with Playwright's page as `page` and a locator of card k.
async function game(url = testSite.url, options = {}) {
    const g = await open(chromium, url, options);
    return Object.assign(g, { page: g.raw, card: (k) => g.raw.locator('.card').nth(k) });
}

describe('the shipped site', () => {
    test('is the window centred on a page of its own, fetching nothing from elsewhere', async () => {
        const g = await game(site.url);
        const win = await g.rect('#window');
        assert.ok(Math.abs(win.x + win.width / 2 - 240) <= 1 && Math.abs(win.y + win.height / 2 - 160) <= 1);
        assert.equal(await g.page.getByRole('menuitem').textContent(), 'Reset');
        assert.ok(g.requests.every((r) => r.startsWith(site.url)), g.requests.join(' '));
        assert.equal(g.requests.filter((r) => r.endsWith('.woff2')).length, 1, 'the bundled face');
        assert.deepEqual(g.problems, []);
        await g.close();
    });

    test('starts in a browser without a base64 decoder of its own', async () => {
        const g = await game(site.url, { init: () => delete Uint8Array.fromBase64 });
        assert.equal(await g.page.evaluate(() => 'fromBase64' in Uint8Array), false);
        assert.deepEqual(await g.labels(), ['Level: 1', 'Cards: 15', 'Colors: 3']);
        assert.deepEqual(g.problems, []);
        await g.close();
    });

});

describe('the test page', () => {
    test('in forced colours (high contrast) the board keeps its colours, its ring and its labels', async () => {
        const g = await game(testSite.url, { forcedColors: 'active' });
        assert.equal(await g.page.evaluate(() => matchMedia('(forced-colors: active)').matches), true);
        await g.paint(board);
        await g.clickCard(5);
        const shot = await g.shot();
        for (const k of [0, 1, 2, 3]) assert.equal(centre(shot, k), palette[letters.indexOf(board[k])], `card ${k}`);
        assert.equal(gapLeft(shot, 5), black, 'the ring');
        assert.equal(gapLeft(shot, 0), orange, 'the background');
        assert.equal(await g.page.locator('.label').first().evaluate((l) => getComputedStyle(l).color),
                     'rgb(0, 0, 0)');
        assert.deepEqual(g.problems, []);
        await g.close();
    });

    test('screen readers hear the grid of cards, the selection, each pair and each deal, and the box', async () => {
        const g = await game();
        await g.paint(board);
        await g.clickCard(5);
        const tree = await g.page.locator('#window').ariaSnapshot();
        assert.match(tree, /grid "Cards":\n\s+- row "Row 1":\n\s+- gridcell "Red card, row 1, column 1":\n\s+- button/);
        assert.equal(await g.page.locator('[role=grid] > [role=row] > [role=gridcell] > .card').count(), 16);
        assert.match(tree, /button "Red card, row 2, column 2" \[pressed\]/);
        assert.match(tree, /button "Blue card, row 4, column 4"/);
        assert.match(tree, /menuitem "Reset"/);
        assert.equal((tree.match(/\[pressed\]/g) ?? []).length, 1);
        const news = g.page.locator('#news');
        assert.equal(await news.getAttribute('aria-live'), 'polite');
        await g.queue(2, 3);
        const newsBecomes = (said) => g.page.waitForFunction((s) => document.getElementById('news').textContent === s, said);
        await g.clickCard(6);
        await newsBecomes('Cards: 14. Blue card, row 2, column 2.');
        await g.clickReset();
        await newsBecomes('Level: 1. Cards: 15. Colors: 3.');
        await g.clickReset();
        await newsBecomes('Level: 1. Cards: 15. Colors: 3.\u00a0');
        assert.equal(await g.page.locator('#labels').getAttribute('aria-live'), null, 'said once, not twice');
        await g.close();
    });

    test('the board is one tab stop; a held Enter clicks once, and keypad Enter is a key of its own', async () => {
        const g = await game();
        await g.paint(board);
        const keys = g.page.keyboard;
        assert.equal(await g.focusedName(), 'Red card, row 1, column 1', 'card 0 has the focus');
        await keys.press('ArrowRight');
        await keys.press('Tab');
        assert.equal(await g.focused(), -1, 'the board is one tab stop');
        await keys.press('Shift+Tab');
        assert.equal(await g.focused(), 1, 'back on the card that had the focus');
        await g.page.evaluate(() => document.activeElement.blur());
        await keys.press('ArrowDown');
        assert.equal(await g.focused(), 1, 'an arrow off the board goes back to its card');
        await g.card(5).focus();
        await keys.press('Space');
        await g.setLevel(2, 1);
        await keys.press('ArrowRight');
        await keys.down('Enter');
        await g.boxBecomes(true);
        // A modal dialog, named by its title and described by its prompt.
        const cdp = await g.page.context().newCDPSession(g.page);
        const dialog = (await cdp.send('Accessibility.getFullAXTree')).nodes.find((n) => n.role?.value === 'dialog');
        assert.deepEqual([dialog?.name?.value, dialog?.description?.value,
                          dialog?.properties?.find((p) => p.name === 'modal')?.value.value],
                         ['Diruvari', 'Wow! You beat level 2!', true]);
        for (let i = 0; i < 5; ++i) await keys.down('Enter');  // repeats while held
        assert.ok(await g.prompt(), 'a repeat answered the box');
        await keys.up('Enter');
        await keys.press('Enter');
        await g.boxBecomes(false);
        await g.labelsBecome(['Level: 3', 'Cards: 15', 'Colors: 4']);
        assert.equal(await g.focused(), 6, 'the focus is back on its card');
        await g.paint(board);
        await keys.down('Enter');
        await keys.down('Enter');
        assert.deepEqual(await g.pressed(), [6], 'a held Enter selects once');
        // Enter still held: keypad Enter is another key, and a fresh press.
        await keys.press('ArrowDown');
        await keys.down('NumpadEnter');
        assert.deepEqual(await g.pressed(), [10], 'keypad Enter while Enter is held');
        await g.close();
    });

    test('a fault stops the game with one line in the console, and the page says so', async () => {
        const g = await game();
        await g.setLevel(11, 1);
        await g.clickReset();
        assert.deepEqual(g.problems, ['diruvari: internal error: level number outside 0-9']);
        assert.deepEqual(await g.evaluate(() => [!!document.getElementById('window'), document.getElementById('stopped').hidden,
                                                 document.activeElement.textContent]),
                         [false, false, 'Play Diruvari again']);
        await g.close();
    });

    test('bad keys from the page are left to it, and a click on no card is a fault, as on every toolkit', async () => {
        const g = await game();
        await g.paint(board);
        const answers = await g.page.evaluate(() => [
            ...[NaN, Infinity, -1, 2 ** 64, 0.5].map((t) => Module._diruvari_key(1, 4, 13, t)),
            Module._diruvari_key(7, 4, 13, 1000), Module._diruvari_key(1, 99, 13, 1000),
        ]);
        assert.deepEqual(answers, [0, 0, 0, 0, 0, 0, 0]);
        await g.clickCard(5);
        await g.clickCard(6);
        await g.labelsBecome(['Level: 1', 'Cards: 14', 'Colors: 3']);
        assert.deepEqual(g.problems, []);
        // The fault unwinds the call to the browser, as it would the page's own.
        await g.page.evaluate(() => {
            try {
                Module._diruvari_card_clicked(16);
            } catch (e) {
                if (e !== 'unwind') throw e;
            }
        });
        assert.deepEqual(g.problems, ['diruvari: internal error: a click on card 16, which is none']);
        assert.equal(await g.evaluate(() => document.getElementById('stopped').hidden), false);
        await g.close();
    });

    test('1,000 random clicks and resets leave no console error and no uncaught exception', async () => {
        const g = await game();
        // xorshift32, seeded as the other randomised tests are.
        let seed = Number(process.env.DIRUVARI_SEED ?? 20261209) | 0 || 1;
        const random = (n) => {
            seed ^= seed << 13;
            seed ^= seed >>> 17;
            seed ^= seed << 5;
            return (seed >>> 0) % n;
        };
        let boxes = 0;
        for (let i = 0; i < 1000; ++i) {
            if (await g.prompt()) {
                ++boxes;
                await g.page.keyboard.press('Enter');
                continue;
            }
            // Mostly the selected card's same-coloured neighbour, when it
            // has one, so that pairs are made and levels won.
            const partner = await g.page.evaluate(() => {
                const cards = [...document.querySelectorAll('.card')];
                const s = cards.findIndex((c) => c.getAttribute('aria-pressed') === 'true');
                if (s < 0) return -1;
                const colour = (k) => cards[k].getAttribute('aria-label').split(' ')[0];
                const near = [s - 4, s + 4, s % 4 > 0 ? s - 1 : -1, s % 4 < 3 ? s + 1 : -1];
                return near.find((t) => t >= 0 && t < 16 && colour(t) === colour(s)) ?? -1;
            });
            if (random(50) === 0) await g.clickReset();
            else await g.clickCard(partner >= 0 && random(4) > 0 ? partner : random(16));
        }
        const [level, cards] = await g.labels();
        assert.match(level, /^Level: \d$/);
        assert.match(cards, /^Cards: \d+$/);
        assert.equal(await g.page.locator('.card:not([hidden])').count(), 16);
        assert.deepEqual(g.problems, [], `seed ${process.env.DIRUVARI_SEED ?? 20261209}`);
        console.log(`1,000 events, ${boxes} boxes answered, ended on ${level}, ${cards}`);
        await g.close();
    });
});

describe('as an app', () => {
    // A copy of a site at `at` inside a folder of its own that a server
    // serves, so that a test can change its files.
    const deploy = async (from, at) => {
        const root = fs.mkdtempSync(path.join(os.tmpdir(), 'diruvari-deploy-'));
        const folder = path.join(root, at);
        const copy = (source, only = null) => fs.readdirSync(source).filter((f) => !only || only.includes(f))
            .forEach((f) => fs.copyFileSync(path.join(source, f), path.join(folder, f)));
        fs.mkdirSync(folder, { recursive: true });
        copy(from);
        const server = await serve(root);
        return { url: server.url + at, copy, close: () => { server.close(); fs.rmSync(root, { recursive: true }); } };
    };
    // The page's build as its script and as its program name it, once the
    // page has asked for a new build and any new one has taken over, or has
    // been refused.
    const kept = async (page) => {
        await page.waitForFunction(() => Module.offline);
        return page.evaluate(async () => {
            const registration = await Module.offline;
            const worker = registration.installing ?? registration.waiting;
            const settled = () => ['activated', 'redundant'].includes(worker.state);
            if (worker && !settled()) {
                await new Promise((resolve) => worker.addEventListener('statechange', () => settled() && resolve()));
            }
            return { ids: [Module.buildId, Module.diruvari.build], scope: registration.scope };
        });
    };

    test('installs from its manifest, with icons of the sizes it names', async () => {
        const g = await game(site.url);
        const manifest = await g.page.evaluate(async () =>
            (await fetch(document.querySelector('link[rel=manifest]').href)).json());
        const board = await g.page.evaluate(() => getComputedStyle(document.documentElement).getPropertyValue('--background'));
        assert.equal(board.replace(/\s/g, ''), 'rgb(255,192,128)', "the design's board");
        assert.deepEqual([manifest.name, manifest.short_name, manifest.start_url, manifest.scope, manifest.display,
                          manifest.theme_color, manifest.background_color],
                         ['Diruvari', 'Diruvari', './', './', 'standalone', orange, orange]);
        assert.equal(await g.page.locator('meta[name=theme-color]').getAttribute('content'), orange);
        // Each icon as the browser reads it: its size, and pixels in the
        // icon's own 128-unit grid. A maskable icon is the board to its
        // corners, the icon shrunk into the mask's circle; the others round
        // the corners off.
        for (const icon of manifest.icons) {
            const maskable = icon.purpose === 'maskable';
            const points = [[0, 0], [35, 35], [64, 100], [93, 93]].map(([x, y]) =>
                [x, y].map((v) => (maskable && v > 0 ? 64 + (v - 64) * 0.6 : v) / 128));
            const read = await g.page.evaluate(async ([src, points]) => {
                const image = new Image();
                image.src = src;
                await image.decode();
                const canvas = new OffscreenCanvas(image.naturalWidth, image.naturalHeight).getContext('2d');
                canvas.drawImage(image, 0, 0);
                const hex = (d) => '#' + [...d.slice(0, 3)].map((c) => c.toString(16).padStart(2, '0')).join('');
                return { size: `${image.naturalWidth}x${image.naturalHeight}`,
                         pixels: points.map(([x, y]) => canvas.getImageData(Math.floor(x * image.naturalWidth),
                                                                            Math.floor(y * image.naturalHeight), 1, 1).data)
                             .map((d) => (d[3] === 0 ? 'clear' : hex(d))) };
            }, [icon.src, points]);
            assert.equal(read.size, icon.sizes, icon.src);
            assert.deepEqual(read.pixels, [maskable ? orange : 'clear', '#ff0000', orange, '#00ff00'], icon.src);
        }
        assert.deepEqual(manifest.icons.map((i) => `${i.sizes} ${i.purpose}`),
                         ['192x192 any', '512x512 any', '512x512 maskable']);
        assert.deepEqual(g.problems, []);
        await g.close();
    });

    test('takes an update whole, on a later load, and never a half-uploaded one', async () => {
        const shipped = await game(site.url);
        const b = (await kept(shipped.page)).ids;
        await shipped.close();
        const at = await deploy(process.env.DIRUVARI_TEST_SITE, '');
        const g = await game(at.url);
        const a = (await kept(g.page)).ids;
        assert.equal(a[0], a[1]);
        assert.notEqual(a[0], b[0]);
        // Build B's worker, but build A's script and program still: B must
        // not be taken in.
        at.copy(process.env.DIRUVARI_SITE, ['sw.js']);
        const load = async () => {
            await g.page.reload();
            await g.page.locator('#window:not([hidden])').waitFor();
            const { ids } = await kept(g.page);
            assert.equal(ids[0], ids[1], 'a script and a program of two builds');
            return ids[0];
        };
        for (let i = 0; i < 3; ++i) assert.equal(await load(), a[0]);
        at.copy(process.env.DIRUVARI_SITE);
        const seen = [];
        for (let i = 0; i < 10 && seen.at(-1) !== b[0]; ++i) seen.push(await load());
        assert.equal(seen.at(-1), b[0], seen.join(' '));
        assert.deepEqual(seen.filter((id) => id !== a[0] && id !== b[0]), []);
        const caches = await g.page.evaluate(() => caches.keys());
        assert.equal(caches.length, 1, `the old build's cache is gone: ${caches.join(', ')}`);
        assert.deepEqual(g.problems, []);
        await g.close();
        at.close();
    });
});
