// The desktop's dialogs as HTML <dialog>s: message boxes and questions
// (确定/取消), the blank, the speed, the version and the help text. Each
// returns a promise; the page stops advancing the controller while one is
// open, as the desktop's run loop waits while a modal dialog is up.

export const MESSAGE_CAPTION = 'Zandro    400LT';
const INTRO = '提高程序的运行速度会失去代码运行过程中的部分图形功能，如实时刷新功能，但不影响代码运行的最终结果。' +
  '您可以根据计算机的配置或使用情况决定速度的级数。';
const FAST_MACHINE = '您选择的配置将使程序中所有图形及速度调节功能生效。';
const SLOW_MACHINE = '您选择的配置将使程序以最快的速度和最大的CPU资源占用运行，并且运行的最终结果不受影响，' +
  '但是将失去速度调节、图形刷新和屏幕刷新等功能。';

let openCount = 0;
export function dialogOpen() { return openCount > 0; }

function element(tag, props = {}, children = []) {
  const e = document.createElement(tag);
  Object.assign(e, props);
  for (const child of children) e.append(child);
  return e;
}

// Shows `body` under `title` with the buttons; resolves to the value of the
// button chosen (Escape: the last button's, or `escape`).
export function modal(title, body, buttons, { escape, onButton } = {}) {
  const dialog = element('dialog', { className: 'zan-dialog' });
  const row = element('div', { className: 'buttons' });
  dialog.append(element('div', { className: 'title', textContent: title }), body, row);
  document.body.append(dialog);
  openCount += 1;
  return new Promise((resolve) => {
    const close = (value) => {
      dialog.close();
      dialog.remove();
      openCount -= 1;
      resolve(value);
    };
    for (const [label, value, name] of buttons) {
      const button = element('button', { textContent: label, type: 'button' });
      button.dataset.name = name;
      button.addEventListener('click', () => {
        if (onButton && onButton(value) === false) return;
        close(value);
      });
      row.append(button);
    }
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      close(escape !== undefined ? escape : buttons[buttons.length - 1][1]);
    });
    dialog.showModal();
    row.querySelector('button').focus();
  });
}

export function message(text) {
  const body = element('div', { className: 'body' }, [element('span', { className: 'icon', textContent: '⚠' }),
    element('div', { textContent: text })]);
  return modal(MESSAGE_CAPTION, body, [['确定', true, 'ok']]);
}

export function question(text) {
  const body = element('div', { className: 'body' }, [element('span', { className: 'icon', textContent: '?' }),
    element('div', { textContent: text })]);
  return modal(MESSAGE_CAPTION, body, [['确定', true, 'ok'], ['取消', false, 'cancel']], { escape: false });
}

function digitsInput(name, value) {
  const input = element('input', { type: 'text', name, value: String(value), maxLength: 10, inputMode: 'numeric' });
  input.addEventListener('input', () => { input.value = input.value.replace(/[^0-9]/g, ''); });
  return input;
}

// The blank's diameter and length; `take(d, l)` says whether the machine took
// them (a refusal keeps the dialog open for a correction).
export function blank(current, take) {
  const diameter = digitsInput('diameter', current.diameter);
  const length = digitsInput('length', current.length);
  const row = (label, input, limit) => element('tr', {}, [element('td', { textContent: label }), element('td', {}, [input]),
    element('td', { textContent: limit })]);
  const body = element('div', { className: 'body' }, [element('table', {}, [
    row(' 毛坯直径：', diameter, '(<200)'), row(' 毛坯长度：', length, '(<800)'),
    element('tr', {}, [element('td', { textContent: '单位：   mm', colSpan: 3 })])])]);
  return modal('毛坯参数设置', body, [['确定', true, 'ok'], ['取消', false, 'cancel']],
    { onButton: (ok) => !ok || take(diameter.value, length.value) });
}

export function speed(level) {
  const slider = element('input', { type: 'range', min: 0, max: 4, step: 1, value: String(level), name: 'speed' });
  const description = element('div', { textContent: '' });
  const radio = (label, name, value, text) => {
    const input = element('input', { type: 'radio', name: 'machine' });
    input.dataset.name = name;
    input.addEventListener('change', () => { slider.value = String(value); description.textContent = text; });
    return element('label', {}, [input, label]);
  };
  const body = element('div', { className: 'body' }, [element('div', {}, [
    element('p', { textContent: INTRO }),
    element('fieldset', {}, [element('legend', { textContent: '您的计算机是：' }),
      radio('高配置机', 'fast_machine', 0, FAST_MACHINE), radio('低配置机', 'slow_machine', 4, SLOW_MACHINE)]),
    element('div', {}, ['最慢 ', slider, ' 最快']), description])]);
  body.style.maxWidth = '420px';
  return modal('速度性能控制', body, [['确定', true, 'ok'], ['取消', false, 'cancel']])
    .then((ok) => (ok ? Number(slider.value) : null));
}

export function about() {
  const lines = ['ZAN 400LT 数控车床仿真教学系统  1.0 版', '模拟两轴数控车床及其操作面板，供编程与操作练习使用。',
    '使用中的问题请与任课教师或实验室管理员联系。', '', '本程序是自由软件，按 GNU 通用公共许可证第 3 版或更高版本（GPL-3.0-or-later）发布。',
    '按ESC退出...'];
  const body = element('div', { className: 'body' }, [element('img', { src: 'icon.png', width: 32, height: 32 }),
    element('div', {}, lines.map((line) => element('div', { textContent: line || '\u00a0' })))]);
  return modal('版本说明', body, [['确定', true, 'ok']]);
}

export function helpText(text) {
  const body = element('div', { className: 'body' }, [element('pre', { textContent: text })]);
  body.style.maxHeight = '70vh';
  body.style.overflow = 'auto';
  return modal('程序说明', body, [['确定', true, 'ok']]);
}
