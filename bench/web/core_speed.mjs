// The core's speed in WebAssembly against the native runner, on the sample
// programs: each run to its end without a window, best of five.
//   node --no-experimental-fetch bench/web/core_speed.mjs build/web build/test/bin/zan400lt-run
import fs from 'node:fs';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';

const [site, runner] = process.argv.slice(2).map((p) => path.resolve(p));
// The module's loader expects these in Node.
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = site;
const { default: create } = await import(path.join(site, 'zan400lt.js'));
const Z = await create({ wasmBinary: fs.readFileSync(path.join(site, 'zan400lt.wasm')) });
Z.FS.mkdir('/data');
for (const f of fs.readdirSync(path.join(site, 'data'))) Z.FS.writeFile(`/data/${f}`, fs.readFileSync(path.join(site, 'data', f)));

const best = (times) => Math.min(...times);
console.log('program  wasm ms  native ms  ratio');
for (const name of fs.readdirSync(path.join(site, 'samples')).sort()) {
  Z.FS.writeFile(`/data/${name}`, fs.readFileSync(path.join(site, 'samples', name)));
  const wasm = [];
  for (let i = 0; i < 5; i++) {
    const t = performance.now();
    Z.runProgramAlone('/data', `/data/${name}`);
    wasm.push(performance.now() - t);
  }
  const native = [];
  for (let i = 0; i < 5; i++) {
    const t = performance.now();
    spawnSync(runner, [path.join(site, 'samples', name)], { cwd: path.dirname(runner) });
    native.push(performance.now() - t);
  }
  // The native figure includes starting the process; `true` measures that.
  const start = [];
  for (let i = 0; i < 5; i++) { const t = performance.now(); spawnSync('true'); start.push(performance.now() - t); }
  const nativeRun = Math.max(0.01, best(native) - best(start));
  console.log(`${name}  ${best(wasm).toFixed(2)}  ${nativeRun.toFixed(2)}  ${(best(wasm) / nativeRun).toFixed(2)}`);
}
