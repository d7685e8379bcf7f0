// The desktop's menus and toolbar, with its Chinese texts and shortcuts.
// Each item names a command the page runs (app.js). Items the desktop shows
// greyed are shown greyed.

export const MENUS = [
  ['程序设置(F)', [
    ['查看(V)', [
      { text: '工具栏(T)', command: 'view-toolbar', checked: true },
      { text: '状态栏(S)', command: 'view-statusbar', checked: true },
    ]],
    { text: '速度设置(S)', command: 'speed' },
    '-',
    { text: '导入程序(I)...', command: 'import-programs' },
    { text: '导出程序(E)...', command: 'export-program' },
    '-',
    { text: '退出程序(Q)', command: 'exit' },
  ]],
  ['工件测量(C)', [
    { text: '直径测量(R)', command: 'measure-diameter' },
    ['长度测量(L)', [
      { text: '手动测量(L)', command: 'measure-length-manual' },
      { text: '自动测量(A)', command: 'measure-length-auto' },
    ]],
  ]],
  ['参数设置(P)', [
    { text: '毛坯参数(G)', command: 'blank' },
    { text: '刀具轨迹(T)', command: 'trace' },
    { text: '初始化设置(C)', command: null },
  ]],
  ['机床操作(O)', [
    { text: '初始化(R)', command: 'initialise' },
    { text: '顶尖操作(D)', command: 'tailstock' },
    '-',
    { text: '夹紧工件(J)', command: 'clamp' },
    { text: '松开工件(S)', command: 'release' },
    '-',
    ['刀具选择(K)', [
      { text: '一号刀(Q)', command: 'tool-1' },
      { text: '二号刀(W)', command: 'tool-2' },
      { text: '三号刀(Z)', command: 'tool-3' },
      { text: '四号刀(J)', command: 'tool-4' },
      { text: '定制刀具(d)', command: 'custom-tool' },
    ]],
    { text: '刷新工件(S)', command: null },
  ]],
  ['帮助(H)', [
    { text: '关于程序(A)...', command: 'about' },
    { text: '程序说明(T)', command: 'help-text' },
  ]],
];

// The toolbar's buttons: command, text, shortcut keys (Ctrl+letter).
export const TOOLBAR = [
  { command: 'open-map', text: '打开工件映像文件', keys: ['o'] },
  { command: 'save-map', text: '保存工件的映像文件', keys: ['s'] },
  { command: 'cycle-start', text: '循环启动', keys: ['n'] },
  { command: 'feed-hold', text: '进给保持', keys: ['p'] },
  { command: 'release', text: '松开工件', keys: ['x'] },
  { command: 'clamp', text: '夹紧工件', keys: ['c'] },
  { command: 'initialise', text: '初始化', keys: ['v'] },
  { command: 'turn-end-for-end', text: '工件掉头', keys: [] },
  { command: 'spindle', text: '主轴操作', keys: [] },
  { command: 'rapid-feed', text: '快速/进给', keys: [] },
  { command: 'trace', text: '刀具轨迹', keys: [] },
  { command: 'second-panel', text: '第二控制面板', keys: [] },
];

function shortcutOf(command) {
  const item = TOOLBAR.find((b) => b.command === command && b.keys.length);
  return item ? `Ctrl+${item.keys[0].toUpperCase()}` : '';
}

function buildItems(items, run, closeAll) {
  const list = document.createElement('div');
  list.className = 'menu-items';
  list.setAttribute('role', 'menu');
  for (const item of items) {
    if (item === '-') { list.append(document.createElement('hr')); continue; }
    if (Array.isArray(item)) {
      const sub = document.createElement('div');
      sub.className = 'submenu';
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = `${item[0]} ▸`;
      sub.append(button, buildItems(item[1], run, closeAll));
      list.append(sub);
      continue;
    }
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.disabled = !item.command;
    button.dataset.command = item.command || '';
    if (item.checked !== undefined) button.setAttribute('aria-checked', String(item.checked));
    const keys = shortcutOf(item.command);
    button.append(item.text);
    if (keys) button.append(Object.assign(document.createElement('span'), { className: 'keys', textContent: keys }));
    button.addEventListener('click', () => { closeAll(); run(item.command, button); });
    list.append(button);
  }
  return list;
}

export function buildMenus(menubar, toolbar, run) {
  const menus = [];
  const closeAll = () => menus.forEach((m) => m.classList.remove('open'));
  for (const [title, items] of MENUS) {
    const menu = document.createElement('div');
    menu.className = 'menu';
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = title;
    button.addEventListener('click', (event) => {
      event.stopPropagation();
      const open = menu.classList.contains('open');
      closeAll();
      if (!open) menu.classList.add('open');
    });
    button.addEventListener('pointerenter', () => {
      if (menus.some((m) => m.classList.contains('open'))) { closeAll(); menu.classList.add('open'); }
    });
    menu.append(button, buildItems(items, run, closeAll));
    menubar.append(menu);
    menus.push(menu);
  }
  document.addEventListener('click', (event) => { if (!menubar.contains(event.target)) closeAll(); });
  for (const item of TOOLBAR) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = item.text;
    button.title = item.keys.length ? `${item.text} (${shortcutOf(item.command)})` : item.text;
    button.dataset.command = item.command;
    button.addEventListener('click', () => run(item.command, button));
    toolbar.append(button);
  }
  // In a field Ctrl+C, Ctrl+X and Ctrl+V keep their usual meaning; the
  // other shortcuts act wherever the focus is.
  document.addEventListener('keydown', (event) => {
    if (!event.ctrlKey || event.altKey || event.metaKey) return;
    const target = event.target;
    const inField = target instanceof HTMLInputElement || target instanceof HTMLTextAreaElement;
    if (inField && 'cxv'.includes(event.key.toLowerCase())) return;
    const item = TOOLBAR.find((b) => b.keys.includes(event.key.toLowerCase()));
    if (!item || document.querySelector('dialog[open]')) return;
    event.preventDefault();
    run(item.command);
  });
}
