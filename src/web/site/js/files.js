// The student's files between the browser's program folder and the
// computer: programs imported (file picker, dropped on the page) and exported
// as downloads with the same bytes; the part saved as a .map download and
// opened from a .map file.

// A name the program store keeps: two digits and .zan.
export function programName(name) {
  const m = /^(\d\d)\.zan$/i.exec(name);
  return m ? `${m[1]}.zan` : null;
}

export function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const a = Object.assign(document.createElement('a'), { href: url, download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

export function readFile(file) {
  return file.arrayBuffer().then((buffer) => new Uint8Array(buffer));
}

export function programList(FS, folder) {
  return FS.readdir(folder).filter((name) => programName(name) === name).sort();
}

// A choice among the folder's programs; resolves to a name or null.
export function chooseProgram(names) {
  const dialog = document.createElement('dialog');
  const select = Object.assign(document.createElement('select'), { name: 'program', size: 8 });
  for (const name of names) select.append(new Option(name, name));
  if (names.length) select.selectedIndex = 0;
  dialog.innerHTML = '<div class="title">导出程序</div><div class="body"></div><div class="buttons"></div>';
  dialog.querySelector('.body').append(select);
  const ok = Object.assign(document.createElement('button'), { type: 'button', textContent: '确定' });
  const cancel = Object.assign(document.createElement('button'), { type: 'button', textContent: '取消' });
  ok.dataset.name = 'ok';
  cancel.dataset.name = 'cancel';
  dialog.querySelector('.buttons').append(ok, cancel);
  document.body.append(dialog);
  return new Promise((resolve) => {
    const close = (value) => { dialog.close(); dialog.remove(); resolve(value); };
    ok.addEventListener('click', () => close(select.value || null));
    cancel.addEventListener('click', () => close(null));
    dialog.addEventListener('cancel', (event) => { event.preventDefault(); close(null); });
    dialog.showModal();
  });
}
