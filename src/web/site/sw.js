// Keeps the whole site in the browser's cache after the first visit, so
// that the trainer starts with no network (students at home). The list of
// files and its version come from site.json, which tools/web.sh writes with
// every build: a new build replaces the cache whole.
const SITE = 'site.json';

async function siteList() {
  const response = await fetch(SITE, { cache: 'no-store' });
  return { response, site: await response.clone().json() };
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const { response, site } = await siteList();
    const cache = await caches.open(`zan400lt-${site.version}`);
    await cache.addAll(site.files);
    await cache.put(SITE, response);
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const { site } = await siteList().catch(() => ({ site: null }));
    if (site) {
      for (const name of await caches.keys()) if (name !== `zan400lt-${site.version}`) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

// The cache first; the page itself for any address of the site (a
// demonstration's ?keys=...); the network for what the cache lacks.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cached = await caches.match(request, { ignoreSearch: request.mode === 'navigate' });
    if (cached) return cached;
    try {
      return await fetch(request);
    } catch (error) {
      if (request.mode === 'navigate') {
        const page = await caches.match('./');
        if (page) return page;
      }
      throw error;
    }
  })());
});
