// SPDX-License-Identifier: MIT
// The local server (window/web/serve.mjs) answers malformed and hostile
// requests with a 400, a missing file with a 404 and a failing file system
// with a 500, serves nothing outside its folder, and goes on serving: the
// game is played from it afterwards, in the engine that DIRUVARI_ENGINE
// names.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { spawnSync } from 'node:child_process';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { engines } from './engines.mjs';
import { serve } from '../../window/web/serve.mjs';

// The status of the answer to `raw`, sent as it stands; 0 for none.
const send = (url, raw) => new Promise((resolve, reject) => {
    const socket = net.connect(Number(new URL(url).port), '127.0.0.1', () => socket.end(raw));
    let answer = '';
    socket.on('data', (data) => { answer += data; });
    socket.on('end', () => resolve(Number(answer.match(/^HTTP\/1\.1 (\d+)/)?.[1] ?? 0)));
    socket.on('error', reject);
});
const get = (target, host = '127.0.0.1') => `GET ${target} HTTP/1.1\r\nHost: ${host}\r\nConnection: close\r\n\r\n`;

test('hostile requests get a 400 or a 404, and the game is played from the server after them', async () => {
    const root = fs.mkdtempSync(path.join(os.tmpdir(), 'diruvari-serve-'));
    fs.cpSync(process.env.DIRUVARI_TEST_SITE, root, { recursive: true });
    const secret = path.join(os.tmpdir(), `diruvari-secret-${process.pid}.txt`);
    fs.writeFileSync(secret, 'not the site\'s');
    fs.symlinkSync(secret, path.join(root, 'outside.txt'));
    fs.symlinkSync(os.tmpdir(), path.join(root, 'tmp'));
    fs.symlinkSync('index.html', path.join(root, 'inside.html'));
    fs.symlinkSync('loop', path.join(root, 'loop'));
    const server = await serve(root);
    try {
        for (const [raw, status] of [
            [get('/%E0%A4%A'), 400],
            [get('/%'), 400],
            [get('/index.html%00'), 404],
            [get('/index.html%00.png'), 404],
            [get('/', 'attacker.example'), 400],
            [get('/', 'attacker.example:80'), 400],
            ['GET / HTTP/1.1\r\nConnection: close\r\n\r\n', 400],  // no Host at all
            ['HELLO\r\n\r\n', 400],
            ['\x00\x01\x02 / HTTP/1.1\r\n\r\n', 400],
            [get('/outside.txt'), 404],
            [get(`/tmp/${path.basename(secret)}`), 404],
            [get('/../../../etc/passwd'), 404],
            [get('/%2e%2e/%2e%2e/etc/passwd'), 404],
            [get('/missing.js'), 404],
            [get('/index.html/x'), 404],
            [get('/loop'), 500],  // a link to itself: the file system fails
            [get('/inside.html'), 200],
            [get('/'), 200],
        ]) {
            assert.equal(await send(server.url, raw), status, JSON.stringify(raw));
        }
        // A port in use is said so, with no stack trace.
        const taken = spawnSync(process.execPath, [fileURLToPath(new URL('../../window/web/serve.mjs', import.meta.url)),
                                                   root, new URL(server.url).port], { encoding: 'utf8' });
        assert.deepEqual([taken.status, taken.stderr.trim()],
                         [1, `serve.mjs: port ${new URL(server.url).port} is taken; give another: node serve.mjs <folder> <port>`]);
        const engine = await engines[process.env.DIRUVARI_ENGINE]();
        const page = await engine.open(server.url);
        const labels = () => page.evaluate(() => [...document.querySelectorAll('.label')].map((l) => l.textContent));
        for (let i = 0; i < 100 && (await labels()).length === 0; ++i) await new Promise((r) => setTimeout(r, 100));
        assert.deepEqual(await labels(), ['Level: 1', 'Cards: 15', 'Colors: 3']);
        assert.deepEqual(page.problems, []);
        await page.close();
        await engine.close();
    } finally {
        server.close();
        fs.rmSync(root, { recursive: true });
        fs.rmSync(secret);
    }
});
