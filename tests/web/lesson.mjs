// A lesson done on the page with the mouse and the keyboard: a program typed
// into the panel's editor, run block by block, held and resumed, run to its
// end; the view then equals what the core draws for the same lesson
// (zan400lt-run --keys lesson.keys --view-png); the step measured, and the
// part saved as the .map file the runner makes of the program.
import fs from 'node:fs';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { openPage } from './browser.mjs';
import { writeFolder, runKeys } from './native.mjs';
import { clickKey, menu, waitIdle, download, canvasPng } from './page_tools.mjs';

// The first block typed on the keyboard, the others with the panel's keys
// (";" for ENTER), which write the spaces between the words.
const FIRST_BLOCK = ' m03';
const OTHER_BLOCKS = ';G00X104Z2;G01X96F100;G01Z-30;G00X150Z50;M05;M30';
const TYPING_KEYS = { G: 1002, M: 1003, X: 1004, Z: 1005, F: 1031, '-': 1054, ';': 1049, 0: 1042, 1: 1034, 2: 1035,
  3: 1053, 4: 1027, 5: 1028, 6: 1052, 7: 1006, 8: 1007, 9: 1051 };
const LESSON_FILE = 'N0000 M03\r\nN0010 G00 X104 Z2\r\nN0020 G01 X96 F100\r\nN0030 G01 Z-30\r\nN0040 G00 X150 Z50\r\nN0050 M05\r\nN0060 M30\0\r\n';
const [EDIT, INPUT, DIGIT0, DIGIT8, ENTER, AUTO, SINGLE, FEED_HOLD, CYCLE_START] = [1062, 1048, 1042, 1007, 1049, 1064, 1044, 1077, 1079];

export async function runLesson(browser, url, { top, runner, out }) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, acceptDownloads: true });
  const { page, errors } = await openPage(context, url);
  const work = path.join(out, 'lesson');
  fs.mkdirSync(work, { recursive: true });

  await page.keyboard.press('Control+x');  // the last part out of the chuck
  for (const key of [EDIT, INPUT, DIGIT0, DIGIT8, ENTER]) await clickKey(page, key);
  await page.keyboard.type(FIRST_BLOCK);
  for (const c of OTHER_BLOCKS) await clickKey(page, TYPING_KEYS[c]);
  const exported = await download(page, async () => {
    await menu(page, '程序设置(F)', '导出程序(E)...');
    await page.selectOption('dialog select', '08.zan');
    await page.click('dialog button[data-name=ok]');
  });
  if (exported.toString('latin1') !== LESSON_FILE) throw new Error(`08.zan holds ${JSON.stringify(exported.toString('latin1'))}`);

  await clickKey(page, AUTO);
  await page.click('#view');  // the focus off the fields: Ctrl+C clamps
  await page.keyboard.press('Control+c');
  await clickKey(page, SINGLE);
  for (let block = 0; block < 2; block++) {
    await clickKey(page, CYCLE_START);
    await waitIdle(page);
  }
  await clickKey(page, CYCLE_START);
  await page.waitForTimeout(400);
  await clickKey(page, FEED_HOLD);
  if ((await page.evaluate(() => window.zan400lt.state().running))) throw new Error('feed hold did not stop the cut');
  await clickKey(page, CYCLE_START);
  await waitIdle(page);
  await clickKey(page, SINGLE);
  await clickKey(page, CYCLE_START);
  await waitIdle(page);

  // The view as the core draws the same lesson without a window.
  writeFolder(path.join(work, 'programs'), Object.fromEntries(fs.readdirSync(path.join(top, 'resources/programs'))
    .map((n) => [n, fs.readFileSync(path.join(top, 'resources/programs', n))])));
  const native = runKeys(runner, { folder: path.join(work, 'programs'), script: fs.readFileSync(path.join(top, 'tests/web/lesson.keys')),
    args: ['--view-png', path.join(work, 'desktop-view.png')], cwd: work });
  if (native.status !== 0) throw new Error(`the runner failed: ${native.stderr}`);
  fs.writeFileSync(path.join(work, 'page-view.png'), await canvasPng(page, '#view'));
  const compare = spawnSync(path.join(path.dirname(runner), 'png_compare'),
    [path.join(work, 'desktop-view.png'), path.join(work, 'page-view.png')]);
  if (compare.status !== 0) throw new Error(`the page's view is not the core's: ${compare.stdout}${compare.stderr}`);

  // The diameter measured on the step: the view shows a result.
  await menu(page, '工件测量(C)', '直径测量(R)');
  await page.click('dialog button[data-name=ok]');
  const before = await canvasPng(page, '#view');
  const box = await page.locator('#view').boundingBox();
  await page.mouse.click(box.x + 480, box.y + 300);  // on the turned step, on the axis
  await page.waitForTimeout(100);
  if (await page.locator('dialog[open]').count()) throw new Error('the click on the step raised a message');
  if (Buffer.compare(before, await canvasPng(page, '#view')) === 0) throw new Error('the measurement showed nothing');

  const saved = await download(page, () => page.keyboard.press('Control+s'));
  fs.writeFileSync(path.join(work, '08.zan'), exported);
  const alone = spawnSync(runner, ['--map', path.join(work, 'alone.map'), path.join(work, '08.zan')], { cwd: work });
  if (alone.status !== 0) throw new Error(`the runner failed on 02.zan: ${alone.stderr}`);
  if (Buffer.compare(saved, fs.readFileSync(path.join(work, 'alone.map'))) !== 0) throw new Error('the saved part is not the runner\'s');
  fs.writeFileSync(path.join(work, 'lesson.map'), saved);
  await page.screenshot({ path: path.join(out, 'page.png') });
  if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);
  await context.close();
}
