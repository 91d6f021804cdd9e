// SPDX-License-Identifier: MIT
// The site's service worker: it keeps one whole build in a cache of its own
// and serves the site from it, online or not. The build writes in the
// files' SHA-256 list and names the cache by its hash: a new build is a new
// worker, which keeps a file only with the listed bytes (a half-uploaded
// site is never cached) and takes over once its cache is whole (docs/web.md).
const files = @FILES@;
const prefix = 'diruvari ' + self.registration.scope + ' ';
const current = prefix + '@VERSION@';

const hex = (buffer) => [...new Uint8Array(buffer)].map((b) => b.toString(16).padStart(2, '0')).join('');

const fetchChecked = async (name) => {
    const response = await fetch(name, { cache: 'reload' });
    const digest = await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer());
    if (!response.ok || hex(digest) !== files[name]) {
        throw new Error(name + ' is not the file of this build');
    }
    return response;
};

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const responses = await Promise.all(Object.keys(files).map(fetchChecked));
        await caches.delete(current);
        const cache = await caches.open(current);
        await Promise.all(Object.keys(files).map((name, i) => cache.put(name, responses[i])));
        // The site's own address is its page.
        await cache.put('./', await cache.match('index.html'));
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const stale = (await caches.keys()).filter((name) => name.startsWith(prefix) && name !== current);
        await Promise.all(stale.map((name) => caches.delete(name)));
    })());
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) return;
    event.respondWith((async () => {
        const cache = await caches.open(current);
        const kept = (await cache.match(request, { ignoreSearch: true })) ??
                     (request.mode === 'navigate' ? await cache.match('./') : undefined);
        return kept ?? fetch(request);
    })());
});
