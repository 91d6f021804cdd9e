// SPDX-License-Identifier: MIT
// Lighthouse on the site as the compressing server sends it, in Debian's
// Chromium, with the mobile and the desktop presets: a row for each of its
// four categories, with 100 as the target.
//   node lighthouse.mjs <site folder>
import { launch as launchChrome } from 'chrome-launcher';
import lighthouse from 'lighthouse';
import desktop from 'lighthouse/core/config/desktop-config.js';

import { serve } from '../../window/web/serve.mjs';

const row = (what, measured, target, met) =>
    console.log(`| ${what.padEnd(44)} | ${measured.padEnd(26)} | ${target.padEnd(12)} | ${(met ? 'yes' : 'NO').padEnd(4)} |`);

const site = await serve(process.argv[2]);
const chrome = await launchChrome({
    chromePath: '/usr/bin/chromium',
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
try {
    for (const [preset, config] of [['mobile', undefined], ['desktop', desktop]]) {
        const { lhr } = await lighthouse(site.url, { port: chrome.port, logLevel: 'error' }, config);
        for (const id of ['performance', 'accessibility', 'best-practices', 'seo']) {
            const score = Math.round((lhr.categories[id].score ?? 0) * 100);
            const misses = Object.values(lhr.audits)
                .filter((a) => a.score !== null && a.score < 1 && lhr.categories[id].auditRefs.some((r) => r.id === a.id && r.weight > 0))
                .map((a) => a.id);
            row(`lighthouse ${preset}: ${lhr.categories[id].title.toLowerCase()}`,
                score === 100 ? '100' : `${score} (${misses.join(', ')})`.slice(0, 26), '100', score === 100);
        }
    }
} finally {
    await chrome.kill();
    site.close();
}
