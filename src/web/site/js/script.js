// Key scripts played on the page: `window.zan400lt.keys(script, files)`
// plays a script as `zan400lt-run --keys` does, on a fresh controller over a
// fresh program folder (the sample programs, then `files`), and resolves to
// exactly the text the runner prints. The student watches it play: a few
// lines a frame, each key shown pressed.
import { DATA, freshFolder } from './core.js';

const FRAME_MS = 8;     // the script's share of a frame
const TURN_SLICE = 200; // turns between looks at the clock
const KEY_LINE = /^\s*(key|press|release)\s+(\d+)/;

let sessions = 0;

export class ScriptRunner {
  constructor(Z, page) {
    this.Z = Z;
    this.page = page;
    this.queue = Promise.resolve();
  }

  // Scripts play one after another. options: {trace, offsets (Dset.dat bytes), speedLevel}.
  play(script, files = {}, options = {}) {
    const run = () => new Promise((resolve, reject) => this.start(String(script), files, options, resolve, reject));
    this.queue = this.queue.then(run, run);
    return this.queue;
  }

  start(script, files, options, resolve, reject) {
    const folder = `/scripts/${++sessions}`;
    freshFolder(this.Z, folder, files);
    let offsets = '';
    if (options.offsets) {
      offsets = `${folder}.offsets`;
      this.Z.FS.writeFile(offsets, typeof options.offsets === 'string' ? options.offsets : new Uint8Array(options.offsets));
    }
    const lines = script.split('\n');
    const page = new this.Z.ScriptPage(DATA, folder, script, !!options.trace, offsets, options.speedLevel | 0);
    const runner = {
      page,
      frame: () => {
        const start = performance.now();
        let more = true;
        let line = page.lineNumber();
        // Lines until a key acts (it is shown pressed) or the frame's share is spent.
        while (more && performance.now() - start < FRAME_MS) {
          more = page.play(TURN_SLICE);
          if (page.lineNumber() !== line) {
            line = page.lineNumber();
            const key = KEY_LINE.exec(lines[line - 1] || '');
            if (key) { this.flash(Number(key[2])); break; }
          }
        }
        if (more) return;
        const output = page.output();
        const failure = page.failure();
        this.page.scriptEnded();
        if (failure) reject(Object.assign(new Error(failure), { output }));
        else resolve(output);
      },
    };
    this.page.showScript(runner);
  }

  flash(id) {
    const surface = this.page.panels.panel;
    const key = surface.keys.find((k) => k.id === id);
    if (!key) return;
    surface.pressed = key;
    surface.drawKey(key);
    setTimeout(() => { if (surface.pressed === key) { surface.pressed = null; surface.drawKey(key); } }, 120);
  }
}
