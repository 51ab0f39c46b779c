// Keeps this version's files so that the game, once visited, starts with no network. Each version
// has a cache of its own; a new version fills its cache on install and drops the older ones once
// it takes over. Addresses are relative to this script, so the site works under any path.
'use strict';

const cacheName = 'kelvaron-@PROJECT_VERSION@';
// The build fills in the site's files from web/site-files.txt, all but this script.
const siteFiles = ['./', ...'@KELVARON_CACHED_FILES@'.split(' ')];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles))
                      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
      names.filter((name) => name.startsWith('kelvaron-') && name != cacheName)
          .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// The version's own files come from its cache; anything else goes to the network as usual.
self.addEventListener('fetch', (event) => {
  if (event.request.method != 'GET') return;
  event.respondWith(caches.open(cacheName).then((cache) => cache.match(event.request,
                                                                       {ignoreSearch: true}))
                        .then((cached) => cached || fetch(event.request)));
});
