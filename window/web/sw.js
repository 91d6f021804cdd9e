// SPDX-License-Identifier: MIT
// The site's service worker: it keeps one whole build of the site in a cache
// of its own and serves the site from it, with or without a network.
//
// The build writes the list of the site's files into this script, each with
// its SHA-256, and names the cache by a hash of that list. A new build is
// therefore a new script, which the browser installs beside the running one.
// Its files are kept only if each has the bytes that the list says, so that
// a site caught half-way through its upload is never cached: the page, its
// style and its script are always of one build. The new worker takes
// over as soon as its cache is whole: a page that runs has every file of its
// own build loaded by then, and its next load is the new build's.
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
