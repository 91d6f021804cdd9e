// SPDX-License-Identifier: MIT
// A static server of one folder on the loopback address: enough to play the
// site from a local build.
//   node serve.mjs <folder> [port]
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
    '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.svg': 'image/svg+xml', '.txt': 'text/plain',
};

export async function serve(folder, port = 0) {
    const root = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const file = path.join(root, name === '/' ? 'index.html' : name);
        if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
        fs.createReadStream(file).pipe(response);
    });
    await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
    return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const { url } = await serve(process.argv[2] ?? '.', Number(process.argv[3] ?? 8000));
    console.log(`Diruvari is served on ${url} (Ctrl+C stops it)`);
}
