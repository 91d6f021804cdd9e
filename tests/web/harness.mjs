// SPDX-License-Identifier: MIT
// Serves a folder on the loopback address and plays it in Debian's Chromium.
import { chromium } from 'playwright-core';

export { serve } from '../../window/web/serve.mjs';

// Debian's Chromium, headless, with nothing of its own reaching the network.
export function launch() {
    return chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
}

// A page of the game, its console errors and uncaught exceptions recorded,
// and every request it makes; `init` runs in the page before its own scripts.
export async function openGame(browser, url, { init, ...options } = {}) {
    const context = await browser.newContext({ viewport: { width: 480, height: 320 }, ...options });
    if (init) await context.addInitScript(init);
    const page = await context.newPage();
    const problems = [];
    const requests = [];
    page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
    page.on('pageerror', (error) => problems.push(String(error)));
    page.on('request', (request) => requests.push(request.url()));
    await page.goto(url);
    await page.locator('#window:not([hidden])').waitFor();
    return { page, problems, requests, close: () => context.close() };
}
