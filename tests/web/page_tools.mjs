// Acting on the page as a student does: keys clicked where they stand,
// menu items chosen, downloads caught.

// Clicks the panel key `id` at its centre.
export async function clickKey(page, id) {
  const { key, zoom } = await page.evaluate((wanted) => ({
    key: window.zan400lt.keyTable.keys.find((k) => k.id === wanted), zoom: window.zan400lt.state().zoom }), id);
  if (!key) throw new Error(`no panel key ${id}`);
  const box = await page.locator('#panel-canvas').boundingBox();
  await page.mouse.click(box.x + (key.x + key.width / 2) * zoom, box.y + (key.y + key.height / 2) * zoom);
}

export async function menu(page, title, ...items) {
  await page.click(`#menubar .menu > button:text-is("${title}")`);
  for (const item of items.slice(0, -1)) await page.hover(`.menu.open .submenu > button:has-text("${item}")`);
  await page.click(`.menu.open button[data-command]:has-text("${items[items.length - 1]}")`);
}

// Until no program runs (at most `ms`).
export async function waitIdle(page, ms = 30000) {
  await page.waitForFunction(() => !window.zan400lt.state().running, null, { timeout: ms, polling: 50 });
  await page.waitForTimeout(100);
}

export async function download(page, act) {
  const [file] = await Promise.all([page.waitForEvent('download'), act()]);
  const chunks = [];
  for await (const chunk of await file.createReadStream()) chunks.push(chunk);
  return Buffer.concat(chunks);
}

// A canvas's pixels as PNG bytes.
export async function canvasPng(page, selector) {
  const data = await page.evaluate((s) => document.querySelector(s).toDataURL('image/png'), selector);
  return Buffer.from(data.split(',')[1], 'base64');
}
