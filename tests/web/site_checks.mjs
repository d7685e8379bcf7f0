// The student's files, the site offline, and the page's tasks while a
// program runs.
import fs from 'node:fs';
import path from 'node:path';
import { openPage } from './browser.mjs';
import { clickKey, menu, waitIdle, download, canvasPng } from './page_tools.mjs';

// A program imported with the file picker comes back byte for byte; a .map
// file opens without a word.
export async function runFiles(browser, url, { out }) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, acceptDownloads: true });
  const { page, errors } = await openPage(context, url);
  const bytes = Buffer.from('N0000 G00 X50 Z2\r\nN0010 M30\0\r\n', 'latin1');
  const file = path.join(out, 'files', '09.zan');
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, bytes);
  await page.setInputFiles('#pick-zan', file);
  await page.waitForTimeout(200);
  const back = await download(page, async () => {
    await menu(page, '程序设置(F)', '导出程序(E)...');
    await page.selectOption('dialog select', '09.zan');
    await page.click('dialog button[data-name=ok]');
  });
  if (Buffer.compare(back, bytes) !== 0) throw new Error(`09.zan came back as ${JSON.stringify(back.toString('latin1'))}`);
  // Kept in the browser: a new page finds it.
  const again = await openPage(context, url);
  const kept = await download(again.page, async () => {
    await menu(again.page, '程序设置(F)', '导出程序(E)...');
    await again.page.selectOption('dialog select', '09.zan');
    await again.page.click('dialog button[data-name=ok]');
  });
  if (Buffer.compare(kept, bytes) !== 0) throw new Error('09.zan was not kept in the browser');
  const map = path.join(out, 'lesson', 'lesson.map');
  if (fs.existsSync(map)) {
    await page.setInputFiles('#pick-map', map);
    await page.waitForTimeout(300);
    if (await page.locator('dialog[open]').count()) throw new Error('opening the .map file raised a message');
  }
  if (errors.length || again.errors.length) throw new Error(`page errors: ${[...errors, ...again.errors].join('; ')}`);
  await context.close();
}

// After one visit the site starts with no network.
export async function runOffline(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const { page } = await openPage(context, url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null || true);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready=true]', { timeout: 30000 });
  await context.close();
}

// The longest task while 03.zan runs paced at speed levels 0 and 4 (Long
// Tasks API): under 50 ms. Also the time to a usable panel.
export async function runLongTasks(browser, url, { out }) {
  const figures = {};
  for (const level of [0, 4]) {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
    const { page, readyMs } = await openPage(context, `${url}?program=03.zan`, () => {
      window.longTasks = [];
      new PerformanceObserver((list) => { for (const e of list.getEntries()) window.longTasks.push([e.startTime, e.duration]); })
        .observe({ type: 'longtask', buffered: true });
    });
    figures.readyMs = readyMs;
    if (level) {
      await menu(page, '程序设置(F)', '速度设置(S)');
      await page.fill('dialog input[name=speed]', String(level));
      await page.click('dialog button[data-name=ok]');
    }
    await clickKey(page, 1064);  // AUTO
    await page.click('#view');
    await page.keyboard.press('Control+c');
    // Entries come after their tasks: only those that started with the run count.
    const from = await page.evaluate(() => performance.now());
    await clickKey(page, 1079);  // cycle start
    // At the fastest levels the run may end within a frame or two.
    const started = Date.now();
    await page.waitForTimeout(200);
    await waitIdle(page, 120000);
    const tasks = await page.evaluate(() => window.longTasks);
    const longest = Math.max(0, ...tasks.filter(([start]) => start >= from).map(([, duration]) => duration));
    figures[`level${level}`] = { longestTaskMs: longest, runMs: Date.now() - started };
    await context.close();
    if (longest >= 50) throw new Error(`a task of ${longest} ms while 03.zan ran at speed level ${level}`);
  }
  fs.writeFileSync(path.join(out, 'figures.json'), JSON.stringify(figures, null, 1));
  console.log(`web: figures: ${JSON.stringify(figures)}`);
}

// The custom tool editor: an outline dragged on its grid and set as the
// current tool shows on the view; cancelled without that, the tool mounted
// before comes back and the view is as it was.
export async function runCustomTool(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const { page, errors } = await openPage(context, url);
  const open = () => menu(page, '机床操作(O)', '刀具选择(K)', '定制刀具(d)');
  const drag = async (points) => {
    const box = await page.locator('canvas.tool-sketch').boundingBox();
    for (const [x, y] of points) {
      await page.mouse.move(box.x + x, box.y + y);
      await page.mouse.down();
      await page.mouse.move(box.x + x + 1, box.y + y + 1);
      await page.mouse.move(box.x + x, box.y + y);
      await page.mouse.up();
    }
  };
  await page.waitForTimeout(300);
  const before = await canvasPng(page, '#view');
  await open();
  await drag([[200, 200], [240, 150], [300, 200]]);
  await page.click('dialog button[data-name=cancel]');
  await page.waitForTimeout(300);
  if (Buffer.compare(before, await canvasPng(page, '#view')) !== 0) throw new Error('a cancelled custom tool changed the view');
  await open();
  await drag([[200, 200], [240, 150], [300, 200]]);
  await page.click('dialog button[data-name=set_current]');
  await page.click('dialog button[data-name=save]');
  await page.waitForTimeout(300);
  if (Buffer.compare(before, await canvasPng(page, '#view')) === 0) throw new Error('the custom tool set as current does not show');
  if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);
  await context.close();
}

// A browser that keeps nothing (no IndexedDB, as in some private windows):
// the student is told once, in Chinese, and the trainer still works.
export async function runNoStorage(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const { page, errors } = await openPage(context, url, () => {
    Object.defineProperty(window, 'indexedDB', { get() { throw new DOMException('no storage', 'SecurityError'); } });
  });
  const told = page.locator('dialog[open]', { hasText: '浏览器不能保存您的程序文件夹' });
  await told.waitFor({ timeout: 5000 });
  await told.locator('button[data-name=ok]').click();
  for (const key of [1062, 1048, 1042, 1007, 1049]) await clickKey(page, key);  // EDIT, INPUT 0 8 ENTER: program 08
  await page.keyboard.type(' g00x50');
  await page.waitForTimeout(800);  // past the save's delay
  if (await page.locator('dialog[open]').count()) throw new Error('the storage failure was reported more than once');
  if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);
  await context.close();
}
