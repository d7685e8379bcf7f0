// Every key-script case: the page's window.zan400lt.keys() against the
// native runner, over the same folder (the sample programs, the cases'
// fixture programs, the case's own).
import fs from 'node:fs';
import path from 'node:path';
import { openPage } from './browser.mjs';
import { writeFolder, runKeys } from './native.mjs';

function filesOf(dir) {
  if (!fs.existsSync(dir)) return {};
  return Object.fromEntries(fs.readdirSync(dir).map((name) => [name, fs.readFileSync(path.join(dir, name))]));
}

// The case's runner options, and what the page takes of them.
function optionsOf(caseDir, noHardLinks) {
  const args = [];
  const page = {};
  const env = {};
  if (fs.existsSync(path.join(caseDir, 'args'))) {
    const words = fs.readFileSync(path.join(caseDir, 'args'), 'utf8').split('\n')[0].replaceAll('@CASE@', caseDir).split(/\s+/).filter(Boolean);
    for (let i = 0; i < words.length; i++) {
      if (words[i] === '--trace') { page.trace = true; args.push('--trace'); }
      else if (words[i] === '--offsets') { page.offsets = [...fs.readFileSync(words[i + 1])]; args.push('--offsets', words[++i]); }
      else if (words[i] === '--map') { args.push('--map', words[++i]); }  // a file beside: not in the output
      else throw new Error(`${caseDir}: no page option for ${words[i]}`);
    }
  }
  if (fs.existsSync(path.join(caseDir, 'env'))) {
    for (const line of fs.readFileSync(path.join(caseDir, 'env'), 'utf8').split('\n').filter(Boolean)) {
      const [name, value] = line.split('=');
      env[name] = value.replace('@NO_HARD_LINKS@', noHardLinks);
    }
  }
  return { args, page, env };
}

export async function runParity(browser, url, { top, runner, noHardLinks, out }) {
  const panelTests = path.join(top, 'tests/panel');
  const samples = filesOf(path.join(top, 'resources/programs'));
  const cases = fs.readdirSync(panelTests).filter((name) => fs.existsSync(path.join(panelTests, name, 'keys'))).sort();
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const { page } = await openPage(context, url);
  const differing = [];
  for (const name of cases) {
    const caseDir = path.join(panelTests, name);
    const files = { ...filesOf(path.join(panelTests, 'programs')), ...filesOf(path.join(caseDir, 'programs')) };
    const script = fs.readFileSync(path.join(caseDir, 'keys'), 'utf8');
    const options = optionsOf(caseDir, noHardLinks);
    const work = path.join(out, 'parity', name);
    writeFolder(path.join(work, 'programs'), { ...samples, ...files });
    const native = runKeys(runner, { folder: path.join(work, 'programs'), script, args: options.args, env: options.env, cwd: work });
    if (native.status !== 0) throw new Error(`${name}: the runner failed: ${native.stderr}`);
    const pageFiles = Object.fromEntries(Object.entries(files).map(([k, v]) => [k, [...v]]));
    const printed = await page.evaluate(([s, f, o]) => window.zan400lt.keys(s, f, o), [script, pageFiles, options.page]);
    if (printed !== native.stdout) {
      fs.writeFileSync(path.join(work, 'page.out'), printed);
      fs.writeFileSync(path.join(work, 'runner.out'), native.stdout);
      differing.push(name);
    }
  }
  await context.close();
  if (differing.length) throw new Error(`the page printed otherwise than the runner in ${differing.join(', ')} (see ${out}/parity)`);
  console.log(`web: parity: ${cases.length} key-script cases alike`);
}
