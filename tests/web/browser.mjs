// Debian's Chromium, headless, driven by playwright-core (no browser of its
// own is downloaded), and the site served on 127.0.0.1 by Python's server.
import { spawn } from 'node:child_process';
import { chromium } from 'playwright-core';

const FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];

export async function serve(site, port) {
  const server = spawn('python3', ['-m', 'http.server', '--bind', '127.0.0.1', String(port)], { cwd: site, stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100; i++) {
    try { if ((await fetch(url)).ok) return { url, stop: () => server.kill() }; } catch (e) { /* not yet */ }
    await new Promise((r) => setTimeout(r, 100));
  }
  server.kill();
  throw new Error(`no server at ${url}`);
}

export function launch() {
  return chromium.launch({ executablePath: process.env.ZAN_CHROMIUM || '/usr/bin/chromium', args: FLAGS });
}

// A page opened on the site, ready for input; `setup` runs before the page's own scripts.
export async function openPage(context, url, setup) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  if (setup) await page.addInitScript(setup);
  const started = Date.now();
  await page.goto(url);
  await page.waitForSelector('body[data-ready=true]', { timeout: 30000 });
  return { page, errors, readyMs: Date.now() - started };
}
