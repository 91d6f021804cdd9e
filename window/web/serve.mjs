// SPDX-License-Identifier: MIT
// A static server of one folder on the loopback address, as a well-set
// server sends a site (docs/web.md): gzip, revalidated on every load.
//   node serve.mjs <folder> [port]
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const types = {
    '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript',
    '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.svg': 'image/svg+xml', '.txt': 'text/plain',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};
// Already compressed: sent as they are.
export const stored = new Set(['.woff2', '.png']);

// Only this machine's names: no page that rebinds its name to loopback.
const hostAllowed = (host) => /^(127\.0\.0\.1|localhost|\[::1\])(:\d+)?$/.test(host ?? '');

// The name asked for, or null for bad percent-encoding or a foreign Host.
function nameIn(request) {
    try {
        if (!hostAllowed(request.headers.host)) return null;
        return decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
        return null;
    }
}

// The regular file that `name` names inside `root` with every link
// resolved, or null; other failures of the file system throw, for a 500.
const missing = new Set(['ENOENT', 'ENOTDIR']);
function fileFor(root, name) {
    if (name.includes('\0')) return null;
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    let real;
    try {
        real = fs.realpathSync(file);
    } catch (error) {
        if (missing.has(error.code)) return null;
        throw error;
    }
    return real.startsWith(root + path.sep) && fs.statSync(real).isFile() ? real : null;
}

// Bytes and ETag from one open file, never a replaced file's.
function read(file) {
    const fd = fs.openSync(file, 'r');
    try {
        const stat = fs.fstatSync(fd);
        return { body: fs.readFileSync(fd), etag: `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"` };
    } finally {
        fs.closeSync(fd);
    }
}

// Each version of a file compressed once, not for every request.
function compressor() {
    const cache = new Map();
    return (file, etag, body) => {
        const hit = cache.get(file);
        if (hit?.etag === etag) return hit.gzip;
        const gzip = gzipSync(body, { level: 9 });
        cache.set(file, { etag, gzip });
        return gzip;
    };
}

function answer(root, compressed, request, response) {
    const name = nameIn(request);
    const file = name === null ? null : fileFor(root, name);
    if (!file) {
        response.writeHead(name === null ? 400 : 404).end();
        return;
    }
    const { body, etag } = read(file);
    const headers = {
        'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache', ETag: etag, Vary: 'Accept-Encoding',
        'X-Content-Type-Options': 'nosniff',
    };
    if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, headers).end();
        return;
    }
    const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') && !stored.has(path.extname(file));
    if (gzip) headers['Content-Encoding'] = 'gzip';
    response.writeHead(200, headers).end(gzip ? compressed(file, etag, body) : body);
}

function listen(server, port) {
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => {
            server.off('error', reject);
            resolve();
        });
    });
}

export async function serve(folder, port = 0) {
    const root = fs.realpathSync(path.resolve(folder));
    const compressed = compressor();
    const server = http.createServer((request, response) => {
        try {
            answer(root, compressed, request, response);
        } catch (error) {
            // A file that went away between the checks, say: the server serves on.
            if (!response.headersSent) response.writeHead(500).end();
            else response.destroy();
            console.error(`${request.url}: ${error.message}`);
        }
    });
    server.on('clientError', (error, socket) => {
        if (socket.writable) socket.end('HTTP/1.1 400 Bad Request\r\nConnection: close\r\n\r\n');
        else socket.destroy();
    });
    await listen(server, port);
    const close = () => {
        server.close();
        server.closeAllConnections();
    };
    return { url: `http://127.0.0.1:${server.address().port}/`, close };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const port = Number(process.argv[3] ?? 8000);
    try {
        const { url } = await serve(process.argv[2] ?? '.', port);
        console.log(`Diruvari is served on ${url} (Ctrl+C stops it)`);
    } catch (error) {
        console.error(error.code === 'EADDRINUSE'
            ? `serve.mjs: port ${port} is taken; give another: node serve.mjs <folder> <port>`
            : `serve.mjs: ${error.message}`);
        process.exitCode = 1;
    }
}
