// Keeps the page's files in the browser once it has been opened, so that it works with no
// network: each file is answered from the cache, and fetched again in the background when the
// network is there.
"use strict";
const CACHE = "orvan-page";
const FICHIERS = ["./", "index.html", "page.css", "orvan.js", "orvan.wasm", "miroir.js",
                  "menus.js", "dialogues.js", "famille.js", "page.js", "exemples/liste.json",
                  "aide/orvan.html", "aide/orvan-en.html"];

self.addEventListener("install", (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FICHIERS)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (e) => e.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (e) => {
  if (e.request.method !== "GET" || !e.request.url.startsWith(self.location.origin)) return;
  e.respondWith(caches.open(CACHE).then(async (cache) => {
    const garde = await cache.match(e.request, { ignoreSearch: true });
    const frais = fetch(e.request).then((r) => {
      if (r.ok) cache.put(e.request, r.clone());
      return r;
    }).catch(() => garde);
    return garde || frais;
  }));
});
