// Keeps every file of the page, so that it starts without a network once it has been opened.
// The build fills in the files and names the cache by their contents.
"use strict";
const CACHE = "hourvault-@VERSION@";
const FILES = "@FILES@";

self.addEventListener("install", (event) => {
    event.waitUntil(
        // From the server, not the browser's cache, which a host's caching headers may have
        // filled with the build before.
        caches.open(CACHE)
            .then((cache) => cache.addAll(FILES.map((file) => new Request(file, {cache: "reload"}))))
            .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names
            .filter((name) => name.startsWith("hourvault-") && name !== CACHE)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The kept copy first: the files change only with a new build, which brings a new worker.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") {
        return;
    }
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(event.request, {ignoreSearch: true}))
        .then((kept) => kept || fetch(event.request)));
});
