// The edit fields over the LCD: the core places and fills them; what the
// student types is handed to the core, which may change it (capitals, the
// editor's limit) and moves the caret. Offsets between the core and the page
// are in characters (code points); the page's own are UTF-16 units.

const EDITOR = 1001;
const ENTRY = 1059;
const PROMPT = 1080;

function unitsToChars(text, units) { return Array.from(text.slice(0, units)).length; }
function charsToUnits(text, chars) { return Array.from(text).slice(0, chars).join('').length; }

export class Fields {
  constructor(host, input) {
    this.input = input;  // {edited(id, text, start, end), returnTyped()}
    this.elements = new Map();
    this.lineHeight = 12;
    for (const id of [EDITOR, ENTRY, PROMPT, 1081, 1082]) {
      let element;
      if (id === EDITOR) element = document.createElement('textarea');
      else if (id === PROMPT) element = document.createElement('div');
      else element = document.createElement('input');
      element.className = 'field';
      element.dataset.field = String(id);
      element.hidden = true;
      element.spellcheck = false;
      element.autocomplete = 'off';
      if (id === 1081 || id === 1082) element.readOnly = true;
      host.appendChild(element);
      this.elements.set(id, element);
      if (id === EDITOR || id === ENTRY) this.listen(id, element);
    }
  }

  listen(id, element) {
    element.addEventListener('input', (event) => {
      if (event.isComposing) return;
      this.handOver(id, element);
    });
    element.addEventListener('compositionend', () => this.handOver(id, element));
    element.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      // Return in the editor is the panel's ENTER; the single-line fields take none.
      event.preventDefault();
      if (id === EDITOR) this.input.returnTyped();
    });
    const selection = () => {
      if (document.activeElement === element) this.handOverSelection(id, element);
    };
    element.addEventListener('keyup', selection);
    element.addEventListener('pointerup', selection);
  }

  handOver(id, element) {
    const text = element.value;
    this.input.edited(id, text, unitsToChars(text, element.selectionStart), unitsToChars(text, element.selectionEnd));
  }

  // Only the caret moved: the core keeps the field's selection too.
  handOverSelection(id, element) {
    const shown = this.shown && this.shown.get(id);
    const text = element.value;
    const start = unitsToChars(text, element.selectionStart);
    const end = unitsToChars(text, element.selectionEnd);
    if (shown && shown.text === text && (shown.selStart !== start || shown.selEnd !== end))
      this.input.edited(id, text, start, end);
  }

  // The fields as the core has them now.
  show(fields, focusAllowed) {
    this.shown = new Map(fields.map((f) => [f.id, f]));
    const focused = fields.find((f) => f.focused && f.shown);
    for (const f of fields) {
      const element = this.elements.get(f.id);
      element.hidden = !f.shown;
      if (!f.shown) continue;
      Object.assign(element.style, { left: `${f.x}px`, top: `${f.y}px`, width: `${f.width}px`, height: `${f.height}px` });
      if (f.id === PROMPT) {
        if (element.textContent !== f.text) element.textContent = f.text;
        continue;
      }
      const text = f.id === EDITOR ? f.text : f.text.replace(/\n/g, ' ');
      if (element.value !== text) element.value = text;
      const start = charsToUnits(text, f.selStart);
      const end = charsToUnits(text, f.selEnd);
      if (element.selectionStart !== start || element.selectionEnd !== end) element.setSelectionRange(start, end);
      if (f.id === EDITOR) element.scrollTop = f.firstLine * this.lineHeight;
      // The focus follows the core's when it moves, and is left where the
      // student put it otherwise (a menu, the view).
      if (f.focused && focusAllowed && this.focusedId !== f.id && (f.id === EDITOR || f.id === ENTRY))
        element.focus({ preventScroll: true });
    }
    if (focusAllowed) this.focusedId = focused ? focused.id : null;
  }
}
