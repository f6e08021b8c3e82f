// SPDX-License-Identifier: MIT
// The site's service worker: it keeps every file of the site when the page is first opened, so
// that the page opens and calculates with no network. Online, the page itself comes from the
// server first, asked past the browser's HTTP cache, so that the first load after a new release
// shows the new release; what comes is kept in place of the old. Offline, or while the server
// does not answer within a few seconds, the kept page answers. What the worker keeps is always
// fetched past the HTTP cache, which may still hold an old release as fresh. The name of what it
// keeps changes with the files (@VERSION@ is their digest), so that the next version of the
// site, once its worker is installed, replaces this one's.
"use strict";
const KEPT = "fan-selection-@VERSION@";
const FILES = ["./", "index.html", "manifest.webmanifest", "icon-192.png", "icon-512.png"];
// How long the page waits for the server before the kept page answers.
const PATIENCE = 4000;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(KEPT)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: "reload" }))))
    .then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== KEPT).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The page from the server, past the HTTP cache; kept once it came whole.
async function fresh(request) {
  const response = await fetch(request.url, { cache: "no-cache", credentials: "same-origin" });
  if (!response.ok) throw new Error(`${response.status}`);
  const cache = await caches.open(KEPT);
  const url = new URL(request.url);
  await cache.put(url.origin + url.pathname, response.clone());
  return response;
}

async function page(request) {
  const kept = caches.open(KEPT).then((cache) => cache.match(request, { ignoreSearch: true }));
  const network = fresh(request);
  network.catch(() => {}); // what fails once the kept page answered is no error
  const late = new Promise((resolve) => setTimeout(resolve, PATIENCE));
  try {
    const first = await Promise.race([network, late]);
    if (first) return first;
  } catch {
    // Offline, or the server failed: the kept page answers below.
  }
  return (await kept) ?? network;
}

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  if (event.request.mode === "navigate") {
    event.respondWith(page(event.request));
    return;
  }
  event.respondWith(caches.open(KEPT)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(event.request)));
});
