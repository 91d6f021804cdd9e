// SPDX-License-Identifier: MIT
// The game played in one browser engine, named by DIRUVARI_ENGINE
// (chromium, firefox or webkit): the same steps in each, through the
// engine's adapter (engines.mjs), with real mouse, key and touch input and
// the pixels of screenshots.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import { emulates, engines } from './engines.mjs';
import { black, board, centre, gapLeft, orange, palette } from './board.mjs';
import { decodePng } from './png.mjs';
import { game as open, until } from './game.mjs';
import { serve } from '../../window/web/serve.mjs';

let engine, site, testSite;
before(async () => {
    engine = await engines[process.env.DIRUVARI_ENGINE]();
    site = await serve(process.env.DIRUVARI_SITE);
    testSite = await serve(process.env.DIRUVARI_TEST_SITE);
});
after(async () => {
    await engine.close();
    site.close();
    testSite.close();
});

// The game at `url` in this run's engine.
const game = (url = testSite.url, screen) => open(engine, url, screen);

test('the shipped site shows the window with its title, labels and menu', async () => {
    const g = await game(site.url);
    assert.deepEqual(await g.evaluate(() => [document.title, document.getElementById('reset').textContent]),
                     ['Diruvari!', 'Reset']);
    const client = await g.evaluate(() => document.getElementById('client').getBoundingClientRect().toJSON());
    assert.deepEqual([client.width, client.height], [264, 135]);
    assert.deepEqual(await g.labels(), ['Level: 1', 'Cards: 15', 'Colors: 3']);
    assert.equal(await g.evaluate(() => typeof Module._diruvari_test_paint), 'undefined');
    assert.ok(await until(g, () => document.fonts.check('21px Blankenburg_UNZ1A')), 'the bundled face');
    assert.deepEqual(g.problems, []);
    await g.close();
});

test('the mouse selects, pairs and resets; the ring shows only outside the card', async () => {
    const g = await game();
    await g.paint(board);
    let shot = await g.shot();
    assert.equal(gapLeft(shot, 5), orange);
    await g.clickCard(5);
    shot = await g.shot();
    for (const [x, y] of [[34, 50], [67, 50], [50, 34], [50, 67]]) assert.equal(shot.at(x, y), black, `${x},${y}`);
    assert.equal(centre(shot, 5), palette[0]);
    assert.equal(shot.at(36.5, 50), '#ffffff', "the card's bevel is not covered");
    await g.queue(2, 3);
    await g.clickCard(6);
    shot = await g.shot();
    assert.equal(gapLeft(shot, 5), orange, 'a pair hides the frame');
    assert.deepEqual([centre(shot, 5), centre(shot, 6)], [palette[2], palette[0]]);
    assert.deepEqual(await g.labels(), ['Level: 1', 'Cards: 14', 'Colors: 3']);
    await g.clickCard(9);
    await g.clickReset();
    assert.deepEqual(await g.pressed(), [], 'Reset clears the selection');
    assert.deepEqual(await g.labels(), ['Level: 1', 'Cards: 15', 'Colors: 3']);
    assert.deepEqual(g.problems, []);
    await g.close();
});

test('the keys move the focus on the board, select with Space and pair with Enter', async () => {
    const g = await game();
    await g.paint(board);
    assert.equal(await g.focused(), 0, 'card 0 has the focus');
    for (const key of ['ArrowLeft', 'ArrowUp', 'ArrowDown', 'ArrowRight']) await g.press(key);
    assert.equal(await g.focused(), 5, 'no step across the edge');
    await g.press('Space');
    assert.deepEqual(await g.pressed(), [5]);
    await g.press('ArrowRight');
    await g.queue(2, 3);
    await g.press('Enter');
    await g.labelsBecome(['Level: 1', 'Cards: 14', 'Colors: 3']);
    assert.deepEqual([await g.pressed(), await g.focused()], [[], 6]);
    assert.deepEqual(g.problems, []);
    await g.close();
});

test('a won level is answered by a key, the last by OK, and the game starts again', async () => {
    const g = await game();
    // Cards 4 and 5 make the pair; the box stands clear of card 4.
    await g.paint('RGBR RRBG BGBR RGBB');
    await g.setLevel(1, 1);
    await g.queue(2, 3);
    await g.clickCard(4);
    await g.clickCard(5);
    await g.boxBecomes(true);
    assert.deepEqual(await g.evaluate(() => [document.querySelector('#box h1').textContent, document.activeElement.id]),
                     ['Diruvari', 'box-ok']);
    assert.equal(await g.prompt(), 'Wow! You beat level 1!');
    assert.deepEqual(await g.labels(), ['Level: 1', 'Cards: 0', 'Colors: 3']);
    assert.equal(centre(await g.shot(), 4), palette[2], 'the repaint shows while the box stands');
    await g.clickCard(0);
    await g.clickReset();
    assert.equal(await g.prompt(), 'Wow! You beat level 1!', 'the board and Reset do nothing behind the box');
    await g.press('Enter');
    await g.boxBecomes(false);
    await g.labelsBecome(['Level: 2', 'Cards: 25', 'Colors: 3']);
    assert.deepEqual(await g.pressed(), []);
    await g.paint(board);
    await g.setLevel(0, 1);
    await g.clickCard(14);
    await g.clickCard(15);
    const prompts = [];
    for (let i = 0; i < 2; ++i) {
        await g.boxBecomes(true);
        prompts.push(await g.prompt());
        await g.clickOk();
        // OK answers the box: the next one takes its place, or none does.
        assert.ok(await until(g, (p) => !document.getElementById('box').open ||
                                        document.getElementById('box-prompt').textContent !== p, prompts[i]),
                  `OK left "${prompts[i]}" standing`);
    }
    assert.deepEqual(prompts, ['Wow! You beat level 0!', 'Cool, you beat Level 0! You win!']);
    assert.ok(await until(g, () => !document.getElementById('window')), 'the window left');
    await g.evaluate(() => document.querySelector('#ended button').click());
    assert.ok(await until(g, () => !!document.querySelector('#window:not([hidden])')));
    await g.labelsBecome(['Level: 1', 'Cards: 15', 'Colors: 3']);
    assert.deepEqual(g.problems, []);
    await g.close();
});

test('a board with no moves left says so, and the level starts again', async () => {
    const g = await game();
    // Cards 5 and 6 are the only pair, and card 5 turns Blue.
    await g.paint('RGBR GRRG BGBR RBGB');
    await g.setLevel(1, 5);
    await g.queue(2, 3);
    await g.clickCard(5);
    await g.clickCard(6);
    await g.boxBecomes(true);
    assert.equal(await g.prompt(), 'Sorry, there are no more moves.');
    await g.press('Enter');
    await g.boxBecomes(false);
    await g.labelsBecome(['Level: 1', 'Cards: 15', 'Colors: 3']);
    assert.deepEqual(g.problems, []);
    await g.close();
});

test('level 1 is played into level 2 by the mouse alone, and by the keys alone', async () => {
    // Reads the cards' names as a screen reader does, and pairs the first
    // same-coloured neighbours; `act` clicks a card.
    const playLevelOne = async (g, act) => {
        for (let moves = 0; moves < 200; ++moves) {
            const prompt = await g.prompt();
            if (prompt) {
                await g.press('Enter');
                await g.boxBecomes(false);
                if (prompt === 'Wow! You beat level 1!') return;
                continue;
            }
            const pair = await g.evaluate(() => {
                const colours = [...document.querySelectorAll('.card')].map((c) => c.getAttribute('aria-label').split(' ')[0]);
                for (let a = 0; a < 16; ++a) {
                    if (a % 4 < 3 && colours[a] === colours[a + 1]) return [a, a + 1];
                    if (a < 12 && colours[a] === colours[a + 4]) return [a, a + 4];
                }
                return [0, 0];
            });
            await act(g, pair[0]);
            if (!(await g.prompt())) await act(g, pair[1]);
        }
        assert.fail('level 1 was not won in 200 moves');
    };
    const keyboard = async (g, k) => {
        let at = await g.focused();
        for (; at % 4 < k % 4; ++at) await g.press('ArrowRight');
        for (; at % 4 > k % 4; --at) await g.press('ArrowLeft');
        for (; at < k - 3; at += 4) await g.press('ArrowDown');
        for (; at > k + 3; at -= 4) await g.press('ArrowUp');
        await g.press(k % 2 ? 'Enter' : 'Space');
    };
    for (const act of [(g, k) => g.clickCard(k), keyboard]) {
        const g = await game(site.url);
        await playLevelOne(g, act);
        await g.labelsBecome(['Level: 2', 'Cards: 25', 'Colors: 3']);
        assert.deepEqual(g.problems, []);
        await g.close();
    }
});

test('on a desktop at DPR 1 and 2 and on a phone upright and turned, every edge is a device pixel\'s; taps pair', { skip: !emulates[process.env.DIRUVARI_ENGINE] && 'the engine cannot emulate a screen' }, async () => {
    const phone = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };
    const screens = [
        { viewport: { width: 800, height: 600 }, deviceScaleFactor: 2 },
        { viewport: { width: 480, height: 320 }, deviceScaleFactor: 1 },
        { viewport: { width: 390, height: 844 }, ...phone },
        { viewport: { width: 844, height: 390 }, ...phone },
    ];
    for (const screen of screens) {
        const { viewport, deviceScaleFactor: dpr, hasTouch } = screen;
        const what = `${viewport.width}x${viewport.height} at DPR ${dpr}`;
        const g = await game(testSite.url, screen);
        await g.paint(board);
        const [rects, coarse] = await g.evaluate(() => [
            [...document.querySelectorAll('#window, #client, .card')].map((e) => e.getBoundingClientRect().toJSON()),
            matchMedia('(pointer: coarse)').matches]);
        const [win, , ...cards] = rects;
        assert.ok(win.left >= 0 && win.top >= 0 && win.right <= viewport.width && win.bottom <= viewport.height, `${what}: cut`);
        for (const v of rects.flatMap((r) => [r.left, r.top, r.right, r.bottom])) {
            assert.ok(Number.isInteger(v * dpr), `${what}: an edge at ${v}`);
        }
        // Large enough for a finger wherever the engine says the pointer is one.
        assert.ok(cards.every((c) => c.width >= (coarse ? 44 : 30)), `${what}: cards of ${cards[0].width} px`);
        // The card's outer bevel starts on its left edge, the board's
        // background just before it, each in the middle of its device pixel.
        const image = decodePng(await g.screenshot());
        const at = (x, y) => image.at(Math.floor(x * dpr), Math.floor(y * dpr));
        const middle = (cards[5].top + cards[5].bottom) / 2;
        assert.deepEqual([at(cards[5].left + 0.5 / dpr, middle), at(cards[5].left - 0.5 / dpr, middle)], ['#ffffff', orange],
                         `${what}: the bevel and the gap`);
        if (hasTouch) {
            for (const k of [5, 6]) await g.tap((cards[k].left + cards[k].right) / 2, (cards[k].top + cards[k].bottom) / 2);
            await g.labelsBecome(['Level: 1', 'Cards: 14', 'Colors: 3']);
        }
        assert.deepEqual(g.problems, []);
        await g.close();
    }
});

test('played from a sub-path, reloads with the server gone and plays a pair', async () => {
    const root = fs.mkdtempSync(path.join(os.tmpdir(), 'diruvari-deploy-'));
    const folder = path.join(root, 'games', 'diruvari');
    fs.cpSync(process.env.DIRUVARI_TEST_SITE, folder, { recursive: true });
    const server = await serve(root);
    try {
        const g = await game(`${server.url}games/diruvari/`);
        assert.ok(await until(g, () => !!Module.offline, null, 10000));
        const scope = await g.evaluate(async () => (await navigator.serviceWorker.ready).scope);
        assert.ok(scope.endsWith('/games/diruvari/'), scope);
        server.close();
        await g.reload();
        assert.ok(await until(g, () => !!document.querySelector('#window:not([hidden])'), null, 15000));
        assert.equal(await g.evaluate(() => navigator.serviceWorker.controller !== null), true, 'served by the worker');
        await g.paint(board);
        await g.clickCard(5);
        await g.clickCard(6);
        await g.labelsBecome(['Level: 1', 'Cards: 14', 'Colors: 3']);
        assert.deepEqual(g.problems, []);
        await g.close();
    } finally {
        server.close();
        fs.rmSync(root, { recursive: true });
    }
});
