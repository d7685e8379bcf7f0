// The core's speed in WebAssembly (Node's V8, as in Chromium) against the
// native build, on the sample programs: each run to its end without a window
// by a new headless machine, as bench/runner_bench's BM_Sample does natively.
//   node --no-experimental-fetch bench/web/core_speed.mjs build/web build/test/bin/runner_bench
import fs from 'node:fs';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';

const RUNS = 200;
const [site, runnerBench] = process.argv.slice(2).map((p) => path.resolve(p));
// The module's loader expects these in Node.
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = site;
const { default: create } = await import(path.join(site, 'zan400lt.js'));
const Z = await create({ wasmBinary: fs.readFileSync(path.join(site, 'zan400lt.wasm')) });
Z.FS.mkdir('/data');
for (const f of fs.readdirSync(path.join(site, 'data'))) Z.FS.writeFile(`/data/${f}`, fs.readFileSync(path.join(site, 'data', f)));

const native = JSON.parse(spawnSync(runnerBench, ['--benchmark_filter=BM_Sample', '--benchmark_format=json'],
  { maxBuffer: 1 << 24 }).stdout.toString()).benchmarks;
console.log('program  wasm µs  native µs  wasm/native');
for (const name of fs.readdirSync(path.join(site, 'samples')).sort()) {
  Z.FS.writeFile(`/data/${name}`, fs.readFileSync(path.join(site, 'samples', name)));
  for (let i = 0; i < 20; i++) Z.runProgramAlone('/data', `/data/${name}`);  // warmed up, as the native one is
  const start = performance.now();
  for (let i = 0; i < RUNS; i++) Z.runProgramAlone('/data', `/data/${name}`);
  const wasm = ((performance.now() - start) * 1000) / RUNS;
  const mark = native.find((b) => b.name === `BM_Sample/${Number(name.slice(0, 2))}`);
  const nativeUs = mark.time_unit === 'us' ? mark.real_time : mark.real_time / 1000;
  console.log(`${name}  ${wasm.toFixed(0)}  ${nativeUs.toFixed(0)}  ${(wasm / nativeUs).toFixed(2)}`);
}
