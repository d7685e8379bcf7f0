// The web page's tests in headless Chromium:
//   node run.mjs SITE RUNNER NO_HARD_LINKS_LIB OUT
// - every key-script case of tests/panel prints in the page exactly what
//   zan400lt-run --keys prints for the same script and folder;
// - a lesson done with clicks and typing, its program exported, its view
//   equal to the core's, its part measured and saved as the runner makes it;
// - programs imported and exported, a .map saved and opened, the site
//   started with no network, a browser that keeps nothing reported once,
//   a custom tool drawn, set, and cancelled;
// - no task over 50 ms while 03.zan runs at speed levels 0 and 4.
// A screenshot of the page is kept in OUT.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve, launch, openPage } from './browser.mjs';
import { runParity } from './parity.mjs';
import { runLesson } from './lesson.mjs';
import { runFiles, runOffline, runLongTasks, runCustomTool, runNoStorage } from './site_checks.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const [site, runner, noHardLinks, out] = process.argv.slice(2);
fs.mkdirSync(out, { recursive: true });
const top = path.resolve(here, '../..');
const context = { top, site, runner, noHardLinks, out, failures: [] };

const server = await serve(site, 8400 + (process.pid % 500));
const browser = await launch();
try {
  for (const [name, check] of [['parity', runParity], ['lesson', runLesson], ['files', runFiles],
    ['offline', runOffline], ['no storage', runNoStorage], ['custom tool', runCustomTool], ['long tasks', runLongTasks]]) {
    if (process.env.ZAN_WEB_ONLY && !process.env.ZAN_WEB_ONLY.split(',').includes(name)) continue;
    const started = Date.now();
    try {
      await check(browser, server.url, context);
      console.log(`web: ${name}: passed (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    } catch (error) {
      context.failures.push(`${name}: ${error.stack || error.message}`);
      console.log(`web: ${name}: FAILED: ${error.message}`);
    }
  }
} finally {
  await browser.close();
  server.stop();
}
if (context.failures.length) {
  console.error(context.failures.join('\n\n'));
  process.exit(1);
}
console.log('web: all passed');
