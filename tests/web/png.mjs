// SPDX-License-Identifier: MIT
// Reads the pixels of a PNG as Chromium's screenshots write it: 8-bit RGB
// or RGBA, not interlaced.
import { inflateSync } from 'node:zlib';

export function decodePng(buffer) {
    let offset = 8;
    let width = 0, height = 0, channels = 0;
    const data = [];
    while (offset < buffer.length) {
        const length = buffer.readUInt32BE(offset);
        const type = buffer.toString('ascii', offset + 4, offset + 8);
        const body = buffer.subarray(offset + 8, offset + 8 + length);
        if (type === 'IHDR') {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            if (body[8] !== 8 || body[12] !== 0) throw new Error('not an 8-bit progressive PNG');
            channels = { 2: 3, 6: 4 }[body[9]];
            if (!channels) throw new Error('not an RGB or RGBA PNG');
        } else if (type === 'IDAT') {
            data.push(body);
        }
        offset += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(height * stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; ++x) {
            const left = x >= channels ? pixels[y * stride + x - channels] : 0;
            const up = y > 0 ? pixels[(y - 1) * stride + x] : 0;
            const corner = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
            const paeth = () => {
                const p = left + up - corner;
                const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
                return a <= b && a <= c ? left : b <= c ? up : corner;
            };
            const predictor = [0, left, up, (left + up) >> 1, filter === 4 ? paeth() : 0][filter];
            pixels[y * stride + x] = (line[x] + predictor) & 255;
        }
    }
    // The colour at x, y as "#rrggbb".
    return {
        width,
        height,
        at(x, y) {
            const i = y * stride + x * channels;
            return '#' + [0, 1, 2].map((c) => pixels[i + c].toString(16).padStart(2, '0')).join('');
        },
    };
}
