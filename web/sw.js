// SPDX-License-Identifier: MIT
// The site's service worker: it keeps every file of the site when the page is first opened, and
// answers from what it keeps, so that the page opens and calculates with no network. The name of
// what it keeps changes with the files (@VERSION@ is their digest), so that the next version of
// the site, once its worker is installed, replaces this one's.
"use strict";
const KEPT = "fan-selection-@VERSION@";
const FILES = ["./", "index.html", "manifest.webmanifest", "icon-192.png", "icon-512.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(KEPT).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== KEPT).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(KEPT)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(event.request)));
});
