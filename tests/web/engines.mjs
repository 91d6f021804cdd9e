// SPDX-License-Identifier: MIT
// One small adapter per browser engine, each driving a browser that Debian
// ships: Chromium through Playwright, Firefox ESR through WebDriver BiDi
// (puppeteer-core) and WebKitGTK's MiniBrowser through WebKitWebDriver
// (selenium-webdriver). Each gives the same page object:
//   evaluate(fn, arg)   runs fn(arg) in the page and returns its result
//   click(x, y), tap(x, y), press(key), screenshot(), reload(), close()
//   problems            console errors and uncaught exceptions seen
// and, through Playwright and puppeteer, `requests` (the addresses the page
// asked for) and `raw` (the driver's own page).
// Positions are CSS pixels of the viewport; keys are named as the DOM's
// KeyboardEvent.key names them ('Enter', 'ArrowRight', ' ' as 'Space').
// `emulates` says which engines can emulate a phone's screen and touch.
import { spawn } from 'node:child_process';

const desktop = { viewport: { width: 480, height: 320 }, deviceScaleFactor: 1 };

// Playwright's and puppeteer's pages answer alike: the adapter of either,
// its problems and the addresses it asks for recorded from before `url`
// loads, and the driver's own page as `raw`. `key` names a key as the
// driver does.
async function driven(page, context, url, key = (name) => name) {
    const problems = [];
    const requests = [];
    page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
    page.on('pageerror', (error) => problems.push(String(error)));
    page.on('request', (request) => requests.push(request.url()));
    await page.goto(url);
    return {
        raw: page,
        problems,
        requests,
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        click: (x, y) => page.mouse.click(x, y),
        tap: (x, y) => page.touchscreen.tap(x, y),
        press: (name) => page.keyboard.press(key(name)),
        screenshot: async () => Buffer.from(await page.screenshot()),
        reload: () => page.reload(),
        close: () => context.close(),
    };
}

// Debian's Chromium, headless, with nothing of its own reaching the
// network. A page may also take Playwright's other options of a context
// (forced colours, say), and `init`, a script run before the page's own.
async function chromium() {
    const { chromium: playwright } = await import('playwright-core');
    const browser = await playwright.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
    return {
        browser,
        async open(url, { init, ...screen } = {}) {
            const context = await browser.newContext({ ...desktop, ...screen });
            if (init) await context.addInitScript(init);
            return driven(await context.newPage(), context, url);
        },
        close: () => browser.close(),
    };
}

async function firefox() {
    const { default: puppeteer } = await import('puppeteer-core');
    const browser = await puppeteer.launch({
        browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    });
    return {
        async open(url, { viewport, deviceScaleFactor, isMobile = false, hasTouch = false } = desktop) {
            const context = await browser.createBrowserContext();
            const page = await context.newPage();
            await page.setViewport({ ...viewport, deviceScaleFactor, isMobile, hasTouch });
            return driven(page, context, url, (name) => (name === 'Space' ? ' ' : name));
        },
        close: () => browser.close(),
    };
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// WebKitWebDriver on a port of its own: a driver that cannot listen on the
// port it was given, taken meanwhile by another program, exits, and the
// next port is tried; the port is the driver's once the driver answers on it.
async function startWebKitDriver() {
    const answers = (port) => fetch(`http://127.0.0.1:${port}/status`).then((r) => r.json())
        .then((status) => status?.value?.ready === true, () => false);
    for (let tries = 0; tries < 5; ++tries) {
        const port = 20000 + Math.floor(Math.random() * 40000);
        const driver = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], { stdio: 'ignore' });
        let exited = false;
        driver.on('exit', () => { exited = true; });
        for (const end = Date.now() + 10000; !exited && Date.now() < end; await pause(100)) {
            if (await answers(port)) return { url: `http://127.0.0.1:${port}`, stop: () => driver.kill() };
        }
        driver.kill();
    }
    throw new Error('WebKitWebDriver did not come up');
}

async function webkit() {
    const { default: webdriver } = await import('selenium-webdriver');
    const driverProcess = await startWebKitDriver();
    const capabilities = new webdriver.Capabilities();
    capabilities.set('browserName', 'MiniBrowser');
    capabilities.set('webkitgtk:browserOptions', {
        binary: process.env.DIRUVARI_MINIBROWSER, args: ['--automation'],
    });
    const session = () => new webdriver.Builder().usingServer(driverProcess.url).withCapabilities(capabilities).build();
    const keys = { Enter: webdriver.Key.ENTER, Space: webdriver.Key.SPACE, Escape: webdriver.Key.ESCAPE,
                   ArrowLeft: webdriver.Key.ARROW_LEFT, ArrowRight: webdriver.Key.ARROW_RIGHT,
                   ArrowUp: webdriver.Key.ARROW_UP, ArrowDown: webdriver.Key.ARROW_DOWN };
    // WebKitWebDriver keeps one session at a time: a test that failed with
    // its page open leaves it to the next one to close.
    let open = null;
    return {
        async open(url, { viewport } = desktop) {
            await open?.quit().catch(() => {});
            const driver = open = await session();
            // The window is sized so that its page has the viewport asked for.
            const inner = () => driver.executeScript('return [innerWidth, innerHeight]');
            await driver.manage().window().setRect({ width: viewport.width, height: viewport.height });
            const [w, h] = await inner();
            await driver.manage().window().setRect({ width: 2 * viewport.width - w, height: 2 * viewport.height - h });
            await driver.get(url);
            // Errors from the page's load on are kept by the page itself.
            const watch = () => driver.executeScript(`
                if (!window.__problems) {
                    window.__problems = [];
                    addEventListener('error', (e) => __problems.push(String(e.message)));
                    addEventListener('unhandledrejection', (e) => __problems.push(String(e.reason)));
                }`);
            await watch();
            const page = {
                get problems() { return this.seen; },
                seen: [],
                async evaluate(fn, arg) {
                    const result = await driver.executeAsyncScript(`
                        const done = arguments[arguments.length - 1];
                        Promise.resolve().then(() => (${fn})(arguments[0]))
                            .then((value) => done({ value }), (error) => done({ error: String(error) }));`, arg);
                    page.seen = await driver.executeScript('return window.__problems ?? []');
                    if ('error' in result) throw new Error(result.error);
                    return result.value;
                },
                click: (x, y) => driver.actions().move({ x: Math.round(x), y: Math.round(y), origin: 'viewport' })
                    .press().release().perform(),
                tap: () => { throw new Error('WebKitGTK has no touch screen to tap'); },
                press: (key) => driver.actions().keyDown(keys[key] ?? key).keyUp(keys[key] ?? key).perform(),
                screenshot: async () => Buffer.from(await driver.takeScreenshot(), 'base64'),
                reload: async () => { await driver.navigate().refresh(); await watch(); },
                close: async () => { open = null; await driver.quit(); },
            };
            return page;
        },
        async close() {
            await open?.quit().catch(() => {});
            driverProcess.stop();
        },
    };
}

export const engines = { chromium, firefox, webkit };
export const emulates = { chromium: true, firefox: true, webkit: false };
