// The native runner, for what the page must equal.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

export function writeFolder(dir, files) {
  fs.rmSync(dir, { recursive: true, force: true });
  fs.mkdirSync(dir, { recursive: true });
  for (const [name, bytes] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), bytes);
}

export function runKeys(runner, { folder, script, args = [], env = {}, cwd }) {
  const keys = path.join(cwd, 'script.keys');
  fs.writeFileSync(keys, script);
  const result = spawnSync(runner, [...args, '--keys', keys, '--programs', folder],
    { cwd, env: { ...process.env, HOME: cwd, XDG_DATA_HOME: path.join(cwd, 'data'), ...env }, maxBuffer: 1 << 26 });
  return { status: result.status, stdout: result.stdout.toString('utf8'), stderr: result.stderr.toString('utf8') };
}
