// SPDX-License-Identifier: MIT
// A static server of one folder on the loopback address: enough to play the
// site from a local build, as a well-set server sends it: compressed where
// the browser takes gzip, and revalidated on every load (no-cache with an
// ETag), so that a new build is never mixed with an old one from a cache.
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

// Only a name for this machine: a page elsewhere that rebinds its own name
// to the loopback address is not served.
const hostAllowed = (host) => /^(127\.0\.0\.1|localhost|\[::1\])(:\d+)?$/.test(host ?? '');

// The name that a request asks for, or null for a bad one: bad
// percent-encoding, or a Host that is not this machine's.
function nameIn(request) {
    try {
        if (!hostAllowed(request.headers.host)) return null;
        return decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
        return null;
    }
}

// The regular file that `name` names inside the folder `root` (its real
// path), after every link is resolved, or null where there is none; any
// other failure of the file system is thrown, for a 500.
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

// The file's bytes and its ETag, from one open file: a file replaced
// meanwhile is never sent under the other's ETag.
function read(file) {
    const fd = fs.openSync(file, 'r');
    try {
        const stat = fs.fstatSync(fd);
        return { body: fs.readFileSync(fd), etag: `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"` };
    } finally {
        fs.closeSync(fd);
    }
}

// Each file compressed once for each version of it, as a server that serves
// precompressed files would, not again for every request.
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
    // A request that is not HTTP at all gets a 400 from the parser's side.
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
