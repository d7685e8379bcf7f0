// The page: the controller on the left (the panel and its second key pad),
// the lathe on the right, the desktop's menus and toolbar above. The core
// does everything; the page paints what it draws, hands on the student's
// input, and advances it from animation frames.
import { loadCore, openProgramFolder, DATA, PROGRAMS } from './core.js';
import { createPanels, putPatch } from './panel.js';
import { Fields } from './fields.js';
import { buildMenus } from './menus.js';
import * as dialogs from './dialogs.js';
import { programName, download, readFile, programList, chooseProgram } from './files.js';
import { ScriptRunner } from './script.js';
import { customTool } from './tool_dialog.js';

const BUDGET_MS = 4;  // the core's share of a frame, in milliseconds
const LCD_AT = [23, 45];  // the LCD's top left corner on the panel
const STORAGE_FAILED = '浏览器不能保存您的程序文件夹（存储空间已满，或在隐私窗口中），' +
  '关闭页面前请用“程序设置 > 导出程序”保存您的程序。';
const NOT_A_PROGRAM = '只能导入名为两位数字加 .zan 的程序文件（如 05.zan）：';
const SAVE_FAILED = '保存工件映像文件失败';
const MEASURE_CURSORS = ['default', 'crosshair', 'crosshair', 'ew-resize', 'ns-resize'];

const $ = (id) => document.getElementById(id);

class Page {
  constructor(Z, store, panels) {
    this.Z = Z;
    this.store = store;
    this.panels = panels;
    this.live = new Z.LivePage(DATA, PROGRAMS);
    this.shown = this.live;  // the controller on screen: the student's, or a script's
    this.script = null;
    this.alerts = [];
    this.showingAlert = false;
    this.storageReported = false;
    this.zoom = 1;
    this.panelG = $('panel-canvas').getContext('2d');
    this.viewG = $('view').getContext('2d');
    this.fields = new Fields($('fields'), {
      edited: (id, text, start, end) => this.input(() => this.live.fieldEdited(id, text, start, end)),
      returnTyped: () => this.input(() => this.live.returnTyped()),
    });
  }

  // One input to the student's controller: run, shown, saved.
  input(act) {
    if (this.script) return;
    act();
    this.render();
    this.takeAlerts();
    this.scheduleSave();
  }

  scheduleSave() {
    clearTimeout(this.saveTimer);
    this.saveTimer = setTimeout(() => this.save(), 300);
  }

  save() {
    return this.store.save().catch(() => this.reportStorage());
  }

  reportStorage() {
    if (this.storageReported) return;
    this.storageReported = true;
    this.alerts.push({ question: false, text: STORAGE_FAILED });
    this.nextAlert();
  }

  render(whole = false) {
    const c = this.shown;
    putPatch(this.panelG, c.lcdPatch(whole), ...LCD_AT);
    putPatch(this.viewG, c.viewPatch(whole));
    this.panels.panel.setLamps(c.lamps());
    this.fields.show(c.fields(), !this.script && !dialogs.dialogOpen());
    if (c === this.live && this.live.takePadAsked()) $('pad').hidden = false;
    if (c === this.live && this.live.takeFolderAsked()) this.exportProgram();
  }

  takeAlerts() {
    if (this.shown !== this.live) return;
    for (const alert of this.live.takeAlerts()) this.alerts.push(alert);
    this.nextAlert();
  }

  async nextAlert() {
    if (this.showingAlert || !this.alerts.length) return;
    this.showingAlert = true;
    const alert = this.alerts.shift();
    if (alert.question) {
      const ok = await dialogs.question(alert.text);
      this.input(() => this.live.answer(ok));
    } else {
      await dialogs.message(alert.text);
    }
    this.showingAlert = false;
    this.render();
    this.nextAlert();
  }

  frame() {
    if (this.script) {
      this.script.frame();
    } else if (!dialogs.dialogOpen()) {
      this.live.advance(BUDGET_MS);
      this.takeAlerts();
    }
    this.render();
    requestAnimationFrame(() => this.frame());
  }

  // The controller a script plays is shown while it plays; the next click
  // on the panel or the view brings back the student's own.
  showScript(runner) {
    if (this.shown !== this.live) this.shown.delete();
    this.script = runner;
    this.shown = runner.page;
    this.panels.panel.paint();
    this.render(true);
    $('script-state').textContent = '正在演示按键脚本…';
  }

  scriptEnded() {
    this.script = null;
    $('script-state').textContent = '演示结束：点击面板或机床回到您自己的机床';
    const back = () => {
      if (this.script || this.shown === this.live) return;
      this.shown.delete();
      this.shown = this.live;
      this.panels.panel.paint();
      this.render(true);
      $('script-state').textContent = '';
    };
    for (const id of ['panel-canvas', 'view']) $(id).addEventListener('pointerdown', back, { once: true });
  }

  async importPrograms(files) {
    const { FS } = this.Z;
    for (const file of files) {
      const name = programName(file.name);
      if (!name) {
        await dialogs.message(NOT_A_PROGRAM + file.name);
        continue;
      }
      const path = `${PROGRAMS}/${name}`;
      if (FS.analyzePath(path).exists && !(await dialogs.question(`程序 ${name} 已存在，要用导入的文件替换它吗？`))) continue;
      FS.writeFile(path, await readFile(file));
    }
    // The panel reads the folder anew when it next lists or opens programs.
    await this.save();
  }

  async exportProgram() {
    const name = await chooseProgram(programList(this.Z.FS, PROGRAMS));
    if (name) download(name, this.Z.FS.readFile(`${PROGRAMS}/${name}`));
  }

  saveMap() {
    const path = '/tmp/part.map';
    if (!this.live.saveMap(path)) {
      this.takeAlerts();
      return;
    }
    try {
      download('part.map', this.Z.FS.readFile(path));
    } catch (error) {
      dialogs.message(SAVE_FAILED);
    }
  }

  async openMap(file) {
    const path = '/tmp/open.map';
    this.Z.FS.writeFile(path, await readFile(file));
    this.input(() => this.live.openMap(path));
  }
}

function applyZoom(page) {
  // The largest of the desktop's sizes at which the panel and its pad fit
  // the window's height; the view keeps its pixels and is clipped (or
  // enlarged with the panel) as on the desktop.
  const free = window.innerHeight - $('chrome').offsetHeight - $('status').offsetHeight;
  const needed = $('pad').hidden ? 370 : 760;
  const fits = [3, 2, 1.5].find((z) => needed * z <= free && (633 + 1024) * z <= window.innerWidth);
  page.zoom = fits || 1;
  for (const id of ['panel', 'pad']) {
    const e = $(id);
    e.style.transform = `scale(${page.zoom})`;
    e.style.marginRight = `${(e.offsetWidth * (page.zoom - 1))}px`;
    e.style.marginBottom = `${(e.offsetHeight * (page.zoom - 1))}px`;
  }
  $('view').style.transform = `scale(${page.zoom})`;
  $('view').style.width = '1024px';
  $('view-host').style.setProperty('--zoom', page.zoom);
}

function listenToView(page) {
  const view = $('view');
  const at = (event) => {
    const r = view.getBoundingClientRect();
    return [Math.floor((event.clientX - r.left) / page.zoom), Math.floor((event.clientY - r.top) / page.zoom)];
  };
  view.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || page.script || page.shown !== page.live) return;
    page.input(() => page.live.measureClick(...at(event)));
    view.style.cursor = MEASURE_CURSORS[page.live.measureMode()];
  });
  view.addEventListener('pointermove', (event) => {
    if (page.script || page.shown !== page.live) return;
    page.live.showPointer(...at(event));
    view.style.cursor = MEASURE_CURSORS[page.live.measureMode()];
  });
}

function listenToPanels(page) {
  const { panel, pad } = page.panels;
  const zoom = () => page.zoom;
  // A click on a key gives the typing back to the field the panel has in focus.
  const refocus = () => { page.fields.focusedId = null; };
  for (const id of ['panel-canvas', 'pad-canvas']) $(id).addEventListener('pointerup', refocus);
  panel.listen(zoom, (key) => { if (key.jog) page.input(() => page.live.keyDown(key.id)); },
    (key, over) => { if (key.jog || over) page.input(() => page.live.keyUp(key.id)); });
  const release = page.Z.keyTable().jogRelease;
  pad.listen(zoom, (key) => { if (key.jog) page.input(() => page.live.padCode(key.code)); },
    (key, over) => {
      if (key.jog) page.input(() => page.live.padCode(release));
      else if (over) page.input(() => page.live.padCode(key.code));
    });
  $('pad-close').addEventListener('click', () => { $('pad').hidden = true; applyZoom(page); });
}

function commands(page) {
  const live = page.live;
  const measure = (mode) => () => page.input(() => live.beginMeasurement(mode));
  return {
    speed: async () => {
      if (!live.maySetSpeed()) return page.takeAlerts();
      const level = await dialogs.speed(live.speedLevel());
      if (level !== null) page.input(() => live.setSpeedLevel(level));
    },
    blank: async () => {
      if (!live.mayEditBlank()) return page.takeAlerts();
      await dialogs.blank(live.blank(), (d, l) => {
        const taken = live.setBlank(d, l);
        page.render();
        const refusals = live.takeAlerts();
        refusals.forEach((a) => dialogs.message(a.text));
        return taken;
      });
    },
    'custom-tool': async () => {
      let previous = 0;
      page.input(() => { previous = live.beginCustomTool(); });
      const kept = await customTool((points) => page.input(() => live.shapeCustomTool(points.flat())));
      page.input(() => live.endCustomTool(previous, kept));
    },
    about: () => dialogs.about(),
    'help-text': async () => dialogs.helpText(new TextDecoder().decode(page.Z.FS.readFile(`${DATA}/anouncement.txt`))),
    exit: () => dialogs.message('关闭浏览器的标签页即可退出；您的程序已保存在浏览器中。'),
    'measure-diameter': measure(4),
    'measure-length-manual': measure(1),
    'measure-length-auto': measure(3),
    'import-programs': () => $('pick-zan').click(),
    'export-program': () => page.exportProgram(),
    'open-map': () => $('pick-map').click(),
    'save-map': () => page.saveMap(),
    'view-toolbar': (button) => { $('toolbar').hidden = !$('toolbar').hidden; button?.setAttribute('aria-checked', String(!$('toolbar').hidden)); applyZoom(page); },
    'view-statusbar': (button) => { $('status').hidden = !$('status').hidden; button?.setAttribute('aria-checked', String(!$('status').hidden)); applyZoom(page); },
  };
}

// An instructor's demonstration: a key script from this site, named in the
// address (?keys=demo/lesson.keys). Scripts from elsewhere are not played.
async function playDemo(runner, address) {
  const url = new URL(address, location.href);
  if (url.origin !== location.origin) return dialogs.message(`只能演示本站的按键脚本：${address}`);
  const response = await fetch(url).catch(() => null);
  if (!response || !response.ok) return dialogs.message(`找不到按键脚本：${address}`);
  return runner.play(await response.text()).catch((error) => dialogs.message(error.message));
}

async function main() {
  const Z = await loadCore();
  const store = await openProgramFolder(Z);
  const table = Z.keyTable();
  const panels = await createPanels(table, $('panel-canvas'), $('pad-canvas'));
  const page = new Page(Z, store, panels);
  const own = commands(page);
  buildMenus($('menubar'), $('toolbar'), (command, button) => {
    if (page.script) return;
    if (own[command]) own[command](button);
    else page.input(() => page.live.command(command));
  });
  listenToPanels(page);
  listenToView(page);
  $('pick-zan').addEventListener('change', async (event) => { await page.importPrograms([...event.target.files]); event.target.value = ''; });
  $('pick-map').addEventListener('change', async (event) => { if (event.target.files[0]) await page.openMap(event.target.files[0]); event.target.value = ''; });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const files = [...event.dataTransfer.files];
    const maps = files.filter((f) => /\.map$/i.test(f.name));
    if (maps.length) page.openMap(maps[0]);
    page.importPrograms(files.filter((f) => !/\.map$/i.test(f.name)));
  });
  window.addEventListener('resize', () => applyZoom(page));
  window.addEventListener('pagehide', () => page.save());
  applyZoom(page);
  page.render(true);
  if (!store.persistent) page.reportStorage();
  const runner = new ScriptRunner(Z, page);
  window.zan400lt = {
    keys: (script, files, options) => runner.play(script, files, options),
    keyTable: table,
    // What the student's controller shows, for scripts that watch it.
    state: () => ({ running: page.live.running(), lamps: page.live.lamps(), zoom: page.zoom }),
  };
  $('loading').hidden = true;
  document.body.dataset.ready = 'true';
  requestAnimationFrame(() => page.frame());
  // As the desktop's command line: ?program=03.zan loads a program of the folder into the machine.
  const program = programName(new URLSearchParams(location.search).get('program') || '');
  if (program) page.input(() => page.live.loadProgram(`${PROGRAMS}/${program}`));
  const demo = new URLSearchParams(location.search).get('keys');
  if (demo) playDemo(runner, demo);
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

main().catch((error) => {
  $('loading').textContent = `ZAN 400LT 不能启动：${error.message}`;
  throw error;
});
