// SPDX-License-Identifier: MIT
// The site in headless Chromium against baselines from the same run: its
// size, the time to its first painted board against a static page of the
// same look without WebAssembly, the time a click takes to update the page,
// and the memory over 10,000 rebuilds. Prints rows of the benchmark table.
//   node web_bench.mjs <site> <test-site> [runs]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
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
// out, so that it looks the same and loads the same face.
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'diruvari-bench-'));
for (const f of files) fs.copyFileSync(path.join(siteDir, f), path.join(work, f));
{
    const site = await serve(siteDir);
    const g = await game(chromium, site.url);
    await g.raw.waitForFunction(() => performance.getEntriesByName('board-painted').length > 0);
    let html = await g.raw.evaluate(() => {
        document.querySelectorAll('script, dialog, meta[http-equiv]')
            .forEach((e) => e.remove());
        return '<!DOCTYPE html>\n' + document.documentElement.outerHTML;
    });
    html = html.replace('</body>', `<script>requestAnimationFrame(() => setTimeout(() =>
        performance.mark('board-painted')));</script></body>`);
    fs.writeFileSync(path.join(work, 'static.html'), html);
    await g.close();
    site.close();
}
const pages = await serve(work);
// The page's marks, from navigation on: the first frame's, and the game's
// own where it has them.
const marks = ['script-start', 'main-start', 'main-end', 'board-painted'];
const firstPaint = async (name) => {
    const context = await browser.newContext({ viewport: { width: 480, height: 320 } });
    const page = await context.newPage();
    await page.goto(pages.url + name);
    await page.waitForFunction(() => performance.getEntriesByName('board-painted').length > 0);
    const at = await page.evaluate((names) => names.map((n) => performance.getEntriesByName(n)[0]?.startTime),
                                   marks);
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
    times.static.push(staticMarks['board-painted']);
    times.game.push(gameMarks);
    times.ratio.push(gameMarks['board-painted'] / staticMarks['board-painted']);
}
const ratio = median(times.ratio);
const ms = (xs) => `${median(xs).toFixed(1)} ms`;
row('web: static page, navigation to first paint', `${ms(times.static)} (${runs} runs)`, '', true);
row('web: game, navigation to first painted board', `${ms(times.game.map((t) => t['board-painted']))} (${runs} runs)`,
    '', true);
// Where the game's time goes, as medians of each part.
const part = (from, to) => times.game.map((t) => (from ? t[to] - t[from] : t[to]));
row('web: game, navigation to the script\'s start', ms(part(null, 'script-start')), '', true);
row('web: game, the script\'s start to main', ms(part('script-start', 'main-start')), '', true);
row('web: game, main', ms(part('main-start', 'main-end')), '', true);
row('web: game, main\'s end to the first frame', ms(part('main-end', 'board-painted')), '', true);
row('web: time ratio game / static page', ratio.toFixed(3), '<= 1.10', ratio <= 1.10);
pages.close();
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
