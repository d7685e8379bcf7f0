// Loads the core (WebAssembly) and prepares its file system: the data folder
// with the turret pictures and the help text, and the student's program
// folder kept in the browser's IndexedDB, seeded with the sample programs on
// the first visit.
import createZan400lt from '../zan400lt.js';

export const DATA = '/data';
export const PROGRAMS = '/programs';
const SEEDED_MARK = '.seeded';  // the folder was seeded once: deleted samples stay deleted

// The file lists the site ships (written by tools/web.sh).
async function fetchJson(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return response.json();
}

async function fetchBytes(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return new Uint8Array(await response.arrayBuffer());
}

// Emscripten's in-memory file system forgets to drop the file that a rename
// replaces from its table of names, so the replaced file could still be
// found under its name after it was deleted. Saving over a program renames a
// new copy over the old one, so this matters: the replaced file is dropped.
function mendRename(FS) {
  const rename = FS.rename;
  FS.rename = (from, to) => {
    let replaced = null;
    try { replaced = FS.lookupPath(to).node; } catch (e) { replaced = null; }
    rename(from, to);
    if (replaced && replaced !== FS.lookupPath(to).node) FS.hashRemoveNode(replaced);
  };
}

export async function loadCore() {
  const [Z, site] = await Promise.all([createZan400lt(), fetchJson('site.json')]);
  mendRename(Z.FS);
  Z.FS.mkdir(DATA);
  const files = await Promise.all(site.data.map(async (name) => [name, await fetchBytes(`data/${name}`)]));
  for (const [name, bytes] of files) Z.FS.writeFile(`${DATA}/${name}`, bytes);
  Z.samples = await Promise.all(site.samples.map(async (name) => [name, await fetchBytes(`samples/${name}`)]));
  return Z;
}

function syncfs(FS, populate) {
  return new Promise((resolve, reject) => FS.syncfs(populate, (error) => (error ? reject(error) : resolve())));
}

// The student's folder, persisted in IndexedDB. Resolves to a store whose
// save() writes the folder back; when the browser keeps nothing (a private
// window, no quota) the folder lives in memory and `persistent` is false.
export async function openProgramFolder(Z) {
  const { FS } = Z;
  FS.mkdir(PROGRAMS);
  let persistent = true;
  try {
    FS.mount(FS.filesystems.IDBFS, {}, PROGRAMS);
    await syncfs(FS, true);
  } catch (error) {
    persistent = false;
  }
  const names = FS.readdir(PROGRAMS);
  if (!names.includes(SEEDED_MARK)) {
    for (const [name, bytes] of Z.samples) if (!names.includes(name)) FS.writeFile(`${PROGRAMS}/${name}`, bytes);
    FS.writeFile(`${PROGRAMS}/${SEEDED_MARK}`, '');
  }
  return {
    persistent,
    save: () => (persistent ? syncfs(FS, false) : Promise.reject(new Error('no storage'))),
  };
}

// A fresh folder for a key script: the sample programs, then `files`
// (name to bytes or text) over them.
export function freshFolder(Z, path, files) {
  const { FS } = Z;
  FS.mkdirTree(path);
  for (const name of FS.readdir(path)) if (name !== '.' && name !== '..') FS.unlink(`${path}/${name}`);
  for (const [name, bytes] of Z.samples) FS.writeFile(`${path}/${name}`, bytes);
  for (const [name, bytes] of Object.entries(files || {})) {
    if (name.includes('/') || name === '.' || name === '..') throw new Error(`not a file name: ${name}`);
    FS.writeFile(`${path}/${name}`, typeof bytes === 'string' ? bytes : new Uint8Array(bytes));
  }
}
