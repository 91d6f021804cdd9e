// SPDX-License-Identifier: MIT
// The page played by keyboard alone in a real browser with the Orca screen
// reader attached (tests/orca/with-orca.sh), as a blind player plays it:
// keys pressed through XTest pass through Orca, in its default mode, and
// what Orca says is read back from its log. DIRUVARI_BROWSER names the
// browser: chromium or firefox.
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';

import { serve } from '../../window/web/serve.mjs';

const engine = process.env.DIRUVARI_BROWSER;

// Debian's browser, as a player starts it, in a window of its own on the
// display, with a profile of its own and nothing reaching the network.
function startBrowser(url) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'diruvari-profile-'));
    const args = engine === 'firefox'
        ? ['--no-remote', '--profile', profile, '--kiosk', url]
        : ['--no-sandbox', '--test-type', '--disable-gpu', '--no-first-run', '--disable-sync',
           '--disable-background-networking', '--disable-component-update',
           '--force-renderer-accessibility', `--user-data-dir=${profile}`, `--app=${url}`];
    const browser = spawn(engine === 'firefox' ? 'firefox-esr' : 'chromium', args, { stdio: 'ignore' });
    const exited = new Promise((resolve) => browser.on('exit', resolve));
    return async () => {
        browser.kill();
        const late = setTimeout(() => browser.kill('SIGKILL'), 5000);
        await exited;
        clearTimeout(late);
        // Its helper processes may still be writing for a moment.
        await new Promise((resolve) => setTimeout(resolve, 500));
        fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
    };
}

// What Orca has said, utterance by utterance; each is heard once.
class OrcaSpeech {
    read = 0;  // where the next wait starts in the log
    heard = [];  // what was said since then, for a failure's message

    async waitFor(pattern, ms = 15000) {
        for (const end = Date.now() + ms; Date.now() < end;) {
            const log = fs.readFileSync(process.env.ORCA_LOG, 'utf8');
            const whole = log.lastIndexOf('\n') + 1;
            const start = this.read;
            this.heard = [];
            for (const match of log.slice(start, whole).matchAll(/SPEECH OUTPUT: '(.*)' ?\{/g)) {
                this.heard.push(match[1]);
                if (pattern.test(match[1])) {
                    this.read = start + match.index + match[0].length;
                    return match[1];
                }
            }
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
        return null;
    }

    // Waits until Orca has said nothing new for a while, as a player
    // listens to the end before answering.
    async quiet(ms = 1500) {
        for (let size = -1; ;) {
            const now = fs.statSync(process.env.ORCA_LOG).size;
            if (now === size) return;
            size = now;
            await new Promise((resolve) => setTimeout(resolve, ms));
        }
    }
}

test(`${engine}: with Orca attached, level 1 is won by keys alone and every change is spoken`, async () => {
    const site = await serve(process.env.DIRUVARI_TEST_SITE);
    const stop = startBrowser(`${site.url}?red`);
    const orca = new OrcaSpeech();
    const expectSpoken = async (key, pattern) => {
        execFileSync('xdotool', ['key', key]);
        assert.ok(await orca.waitFor(pattern), `after ${key}, Orca did not say ${pattern}; it said:\n${orca.heard.join('\n')}`);
    };
    try {
        // Orca takes the board's arrows itself until it is in focus mode.
        assert.ok(await orca.waitFor(/^Focus mode/, 30000), 'the board did not put Orca in focus mode');
        // The page may still be settling: the first arrow is tried again.
        let settled = null;
        for (let tries = 0; tries < 5 && !settled; ++tries) {
            execFileSync('xdotool', ['key', 'Right']);
            settled = await orca.waitFor(/^Red card, row 1, column 2 /, 2000);
        }
        assert.ok(settled, `the first arrow was not spoken; Orca said:\n${orca.heard.join('\n')}`);
        // Between cards 1 and 2: Firefox at times shows readers the card
        // that had the focus as the page loaded as a plain button for a
        // while, without its pressed state.
        for (let pair = 1; pair <= 15; ++pair) {
            const even = pair % 2 === 0;
            await expectSpoken(even ? 'Return' : 'space', /^pressed/);
            await expectSpoken(even ? 'Left' : 'Right',
                               new RegExp(`^Red card, row 1, column ${even ? 2 : 3} `));
            if (pair < 15) {
                await expectSpoken(even ? 'space' : 'Return',
                                   new RegExp(`^Cards: ${15 - pair}\\. Red card, row 1, column ${even ? 3 : 2}\\.`));
            }
        }
        // The box is a modal alert dialog: the prompt is spoken, the reader
        // stays in its focus mode, and how often it reads the box is its own.
        const opened = orca.read;
        await expectSpoken('Return', /Wow! You beat level 1!/);
        await orca.quiet();
        const box = fs.readFileSync(process.env.ORCA_LOG, 'utf8').slice(opened);
        assert.doesNotMatch(box, /SPEECH OUTPUT: 'Browse mode'/, 'the box put Orca in browse mode');
        console.log(`${engine}: Orca read the box's prompt ${box.split("SPEECH OUTPUT: 'Wow! You beat level 1!'").length - 1} times`);
        await expectSpoken('Return', /^Level: 2\. Cards: 25\. Colors: 3\./);
        // Off the board, an arrow brings the focus back to its card.
        await expectSpoken('Down', /^Red card, row 2, column 3 toggle button not pressed/);
    } finally {
        site.close();
        await stop();
    }
});
