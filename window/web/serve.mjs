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

export async function serve(folder, port = 0) {
    const root = path.resolve(folder);
    // Each file is compressed once for each version of it, as a server that
    // serves precompressed files would, not again for every request.
    const cache = new Map();
    const compressed = (file, etag, body) => {
        const hit = cache.get(file);
        if (hit?.etag === etag) return hit.gzip;
        const gzip = gzipSync(body, { level: 9 });
        cache.set(file, { etag, gzip });
        return gzip;
    };
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
        if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404).end();
            return;
        }
        const body = fs.readFileSync(file);
        const stat = fs.statSync(file);
        const etag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
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
    });
    await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
    return { url: `http://127.0.0.1:${server.address().port}/`, close: () => { server.close(); server.closeAllConnections(); } };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const { url } = await serve(process.argv[2] ?? '.', Number(process.argv[3] ?? 8000));
    console.log(`Diruvari is served on ${url} (Ctrl+C stops it)`);
}
