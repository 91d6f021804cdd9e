// SPDX-License-Identifier: MIT
// The game's page as the browser tests play it, in any engine: opened
// through the engine's adapter (engines.mjs), with helpers that act and
// look as a player does.
import assert from 'node:assert/strict';

import { draws } from './board.mjs';
import { decodePng } from './png.mjs';

// Waits until fn(arg) in the page is true; false if it never became so.
// A page that is loading anew is asked again.
export async function until(page, fn, arg, ms = 5000) {
    for (const end = Date.now() + ms; Date.now() < end;) {
        if (await page.evaluate(fn, arg).catch(() => false)) return true;
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    return false;
}

// The game at `url`, in `screen` (the engine's viewport and options), once
// its window shows.
export async function game(engine, url, screen) {
    const page = await engine.open(url, screen);
    if (!(await until(page, () => !!document.querySelector('#window:not([hidden])'), null, 15000))) {
        await page.close();
        assert.fail(`the window did not show: ${page.problems.join(' ')}`);
    }
    const rect = (selector, k = 0) => page.evaluate(([s, k]) =>
        document.querySelectorAll(s)[k].getBoundingClientRect().toJSON(), [selector, k]);
    const clickAt = async (selector, k) => {
        const r = await rect(selector, k);
        await page.click(r.x + r.width / 2, r.y + r.height / 2);
    };
    const labelsText = () => [...document.querySelectorAll('.label')].map((l) => l.textContent).join('|');
    return Object.assign(page, {
        rect,
        clickCard: (k) => clickAt('.card', k),
        clickReset: () => clickAt('#reset'),
        clickOk: () => clickAt('#box-ok'),
        paint: (text) => page.evaluate((d) => d.forEach((r, k) => Module._diruvari_test_paint(k, r)), draws(text)),
        queue: (r, n) => page.evaluate(([r, n]) => Module._diruvari_test_queue_draw(r, n), [r, n]),
        setLevel: (lvl, cards) => page.evaluate(([l, c]) => Module._diruvari_test_set_level(l, c), [lvl, cards]),
        labels: async () => (await page.evaluate(labelsText)).split('|'),
        // The game resumes a moment after its box has gone.
        async labelsBecome(expected) {
            await until(page, (e) => [...document.querySelectorAll('.label')].map((l) => l.textContent).join('|') === e,
                        expected.join('|'));
            assert.deepEqual(await page.labels(), expected);
        },
        prompt: () => page.evaluate(() => document.getElementById('box').open &&
                                          document.getElementById('box-prompt').textContent),
        boxBecomes: async (open) => assert.ok(await until(page, (o) => document.getElementById('box').open === o, open),
                                              `the box did not ${open ? 'open' : 'close'}`),
        focused: () => page.evaluate(() => [...document.querySelectorAll('.card')].indexOf(document.activeElement)),
        focusedName: () => page.evaluate(() => document.activeElement.getAttribute('aria-label')),
        pressed: () => page.evaluate(() => [...document.querySelectorAll('.card')]
            .flatMap((c, k) => (c.getAttribute('aria-pressed') === 'true' ? [k] : []))),
        // The client area as painted, read at CSS pixels from its corner.
        async shot() {
            const client = await rect('#client');
            const [width, dpr] = await page.evaluate(() => [innerWidth, devicePixelRatio]);
            const image = decodePng(await page.screenshot());
            const scale = Math.abs(image.width / width - dpr) < 0.01 ? dpr : image.width / width;
            return { at: (x, y) => image.at(Math.floor((client.x + x) * scale), Math.floor((client.y + y) * scale)) };
        },
    });
}
