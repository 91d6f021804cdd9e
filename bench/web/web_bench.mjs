// SPDX-License-Identifier: MIT
// The site in headless Chromium against baselines from the same run: its
// size, the time to its first painted board against a static page of the
// same look without WebAssembly, the time a click takes to update the page,
// and the memory over 10,000 rebuilds. Prints rows of the benchmark table.
//   node web_bench.mjs <site> <test-site> [runs]
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';
import { once } from 'node:events';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

import { engines } from '../../tests/web/engines.mjs';
import { game } from '../../tests/web/game.mjs';
import { serve, stored } from '../../window/web/serve.mjs';

const [siteDir, testSiteDir, runsText] = process.argv.slice(2);
const runs = Number(runsText ?? 41);
const row = (what, measured, target, met) =>
    console.log(`| ${what.padEnd(44)} | ${measured.padEnd(26)} | ${target.padEnd(12)} | ${(met ? 'yes' : 'NO').padEnd(4)} |`);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// Size: every file of the site, as the server sends it: gzipped, but for
// what is compressed already.
const files = fs.readdirSync(siteDir);
const sent = (f) => {
    const body = fs.readFileSync(path.join(siteDir, f));
    return stored.has(path.extname(f)) ? body.length : gzipSync(body, { level: 9 }).length;
};
const gzipped = files.reduce((sum, f) => sum + sent(f), 0);
const script = sent('diruvari.js') + (files.includes('diruvari.wasm') ? sent('diruvari.wasm') : 0);
row('web: the page\'s script with its program, gzipped', `${(script / 1000).toFixed(1)} KB`, '<= 25 KB', script <= 25000);
row('web: whole site, gzipped', `${(gzipped / 1000).toFixed(1)} KB (${files.length} files)`, '<= 40 KB',
    gzipped <= 40000);

const chromium = await engines.chromium();
const { browser } = chromium;

// The baseline: the game's own page as first painted, its scripts taken
// out, so that it looks the same and loads the same face. It keeps the
// page's policy, which lets only its own mark run and its styles stand
// inline: Chromium's preload scanner waits for any policy in the page.
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'diruvari-bench-'));
for (const f of files) fs.copyFileSync(path.join(siteDir, f), path.join(work, f));
{
    const site = await serve(siteDir);
    const g = await game(chromium, site.url);
    await g.raw.waitForFunction(() => performance.getEntriesByName('board-painted').length > 0);
    let html = await g.raw.evaluate(() => {
        document.querySelectorAll('script, dialog').forEach((e) => e.remove());
        return '<!DOCTYPE html>\n' + document.documentElement.outerHTML;
    });
    const mark = "performance.mark('script-start'); requestAnimationFrame(() => " +
        "setTimeout(() => performance.mark('board-painted')));";
    const hash = createHash('sha256').update(mark).digest('base64');
    for (const [from, to] of [["script-src 'self'", `script-src 'self' 'sha256-${hash}'`],
                              ["style-src 'self'", "style-src 'self' 'unsafe-inline'"]]) {
        if (!html.includes(from)) throw new Error(`the page's policy has no ${from}`);
        html = html.replace(from, to);
    }
    fs.writeFileSync(path.join(work, 'static.html'), html.replace('</body>', `<script>${mark}</script></body>`));
    await g.close();
    site.close();
}
// Served from a process of its own, as a real server is: in this one it
// would answer only between the driver's own work.
const server = spawn(process.execPath, [fileURLToPath(new URL('../../window/web/serve.mjs', import.meta.url)), work, '0'],
                     { stdio: ['ignore', 'pipe', 'inherit'] });
process.on('exit', () => server.kill());
const [pagesUrl] = (await once(server.stdout, 'data')).toString().match(/http:\S+\//);
// The page's marks, from navigation on: the first frame's, and the game's
// own where it has them. Nothing of the driver's runs in the page until
// its board has long been painted.
const marks = ['script-start', 'main-start', 'main-end', 'board-painted'];
const firstPaint = async (name) => {
    const context = await browser.newContext({ viewport: { width: 480, height: 320 } });
    const page = await context.newPage();
    await page.goto(pagesUrl + name, { waitUntil: 'commit' });
    let at = [];
    for (let wait = 400; at.at(-1) === undefined; wait = 100) {
        await new Promise((resolve) => setTimeout(resolve, wait));
        at = await page.evaluate((names) => names.map((n) => performance.getEntriesByName(n)[0]?.startTime), marks);
    }
    await context.close();
    return Object.fromEntries(marks.map((m, i) => [m, at[i]]));
};
// Each pair of loads, one of each, side by side, so that a pair shares the
// machine's state of the moment; the ratio is the median of the pairs'.
const times = { static: [], game: [], ratio: [] };
await firstPaint('static.html');
await firstPaint('index.html');
for (let i = 0; i < runs; ++i) {
    const [staticMarks, gameMarks] = i % 2 === 0
        ? [await firstPaint('static.html'), await firstPaint('index.html')]
        : [await firstPaint('index.html'), await firstPaint('static.html')].reverse();
    times.static.push(staticMarks);
    times.game.push(gameMarks);
    times.ratio.push(gameMarks['board-painted'] / staticMarks['board-painted']);
}
const ratio = median(times.ratio);
// Where each page's time goes, as medians of each part; the static page's
// script is its mark, at once after its style sheet.
const part = (page, from, to) => `${median(times[page].map((t) => (from ? t[to] - t[from] : t[to]))).toFixed(1)} ms`;
row('web: static page, navigation to first paint', `${part('static', null, 'board-painted')} (${runs} runs)`, '', true);
row('web: static page, navigation to its script', part('static', null, 'script-start'), '', true);
row('web: static page, its script to the first frame', part('static', 'script-start', 'board-painted'), '', true);
row('web: game, navigation to first painted board', `${part('game', null, 'board-painted')} (${runs} runs)`, '', true);
row('web: game, navigation to the script\'s start', part('game', null, 'script-start'), '', true);
row('web: game, the script\'s start to main', part('game', 'script-start', 'main-start'), '', true);
row('web: game, main', part('game', 'main-start', 'main-end'), '', true);
row('web: game, main\'s end to the first frame', part('game', 'main-end', 'board-painted'), '', true);
row('web: time ratio game / static page', ratio.toFixed(3), '<= 1.10', ratio <= 1.10);
server.kill();
fs.rmSync(work, { recursive: true });

// A click, from its dispatch to the page's style and layout updated; the
// browser paints that in its next frame.
const testSite = await serve(testSiteDir);
const g = await game(chromium, testSite.url);
// The service worker's first install is the page's own business, not a click's.
await g.raw.waitForFunction(() => Module.offline);
await g.raw.evaluate(async () => { await Module.offline; await navigator.serviceWorker.ready; });
const clicks = await g.raw.evaluate(() => {
    const cards = [...document.querySelectorAll('.card')];
    const timed = (action) => {
        const start = performance.now();
        action();
        document.getElementById('client').getBoundingClientRect();
        void getComputedStyle(cards[5]).backgroundColor;
        return performance.now() - start;
    };
    const result = { selection: [], pair: [], reset: [] };
    for (let i = 0; i < 300; ++i) {
        Module._diruvari_test_set_level(1, 10);
        [5, 6].forEach((k) => Module._diruvari_test_paint(k, 0));
        result.selection.push(timed(() => cards[5].click()));
        result.pair.push(timed(() => cards[6].click()));
        result.reset.push(timed(() => document.getElementById('reset').click()));
    }
    return result;
});
for (const [what, ms] of Object.entries(clicks)) {
    const m = median(ms);
    row(`web: click to page updated, ${what}, median`, `${m.toFixed(3)} ms`, '< 2 ms', m < 2);
}

// Memory: the JavaScript heap after garbage collection and the WebAssembly
// memory, after 10 and after 10,000 rebuilds.
const cdp = await g.raw.context().newCDPSession(g.raw);
await cdp.send('Performance.enable');
const memory = async (resets) => {
    await g.raw.evaluate((n) => { for (let i = 0; i < n; ++i) document.getElementById('reset').click(); }, resets);
    await cdp.send('HeapProfiler.collectGarbage');
    const { metrics } = await cdp.send('Performance.getMetrics');
    const heap = metrics.find((m) => m.name === 'JSHeapUsedSize').value;
    const wasm = await g.raw.evaluate(() => HEAP8.length);
    return (heap + wasm) / (1024 * 1024);
};
const after10 = await memory(10);
const after10000 = await memory(10000 - 10);
row('web: memory after 10 rebuilds', `${after10.toFixed(2)} MiB`, '', true);
row('web: memory after 10,000 rebuilds', `${after10000.toFixed(2)} MiB`, '+ < 1 MiB', after10000 - after10 < 1);
if (g.problems.length > 0) {
    console.error(g.problems.join('\n'));
    process.exitCode = 1;
}
await g.close();
testSite.close();
await chromium.close();
