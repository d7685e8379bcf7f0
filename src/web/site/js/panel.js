// The operator panel and the second key pad as the desktop draws them: the
// panel's picture, the keys with their faces and lamps, and the LCD's pixels
// from the core. Clicks on keys go to the controller shown.

const PICTURE_SIZE = [620, 332];  // the background picture, stretched to this
const LAMP_RED = '#fe5a45';
const BUTTON = '#f0f0f0';
const LIGHT = '#ffffff';
const SHADOW = '#a0a0a0';
const FACE_MARGIN = [6, 4];  // a face is the key less 6 pixels across and 4 down
const HIDDEN_COLUMNS = 4;    // its first columns lie under the key's frame

function loadImage(url) {
  return new Promise((resolve) => {
    const image = new Image();
    image.onload = () => resolve(image);
    image.onerror = () => resolve(null);
    image.src = url;
  });
}

// A face scaled to a smaller key, as the pad's keys show it.
function fittedFace(face, key) {
  const width = key.width - FACE_MARGIN[0];
  const height = key.height - FACE_MARGIN[1];
  if (!face || (face.width === width && face.height === height)) return face;
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const g = canvas.getContext('2d');
  g.imageSmoothingEnabled = true;
  g.drawImage(face, HIDDEN_COLUMNS, 0, face.width - HIDDEN_COLUMNS, face.height,
    HIDDEN_COLUMNS, 0, width - HIDDEN_COLUMNS, height);
  return canvas;
}

// One surface of keys (the panel or the pad) on a canvas.
class KeySurface {
  constructor(canvas, keys, faces, paintBackground) {
    this.canvas = canvas;
    this.g = canvas.getContext('2d');
    this.keys = keys;
    this.faces = faces;
    this.paintBackground = paintBackground;
    this.lit = new Set();
    this.hover = null;
    this.pressed = null;
  }

  keyAt(x, y) {
    return this.keys.find((k) => x >= k.x && x < k.x + k.width && y >= k.y && y < k.y + k.height) || null;
  }

  drawKey(key) {
    const { g } = this;
    g.save();
    g.fillStyle = BUTTON;
    g.fillRect(key.x, key.y, key.width, key.height);
    const sunken = this.pressed === key;
    const raised = !sunken && this.hover === key;
    if (sunken || raised) {
      const r = [key.x + 0.5, key.y + 0.5, key.width - 1, key.height - 1];
      g.strokeStyle = sunken ? SHADOW : LIGHT;
      g.beginPath(); g.moveTo(r[0], r[1] + r[3]); g.lineTo(r[0], r[1]); g.lineTo(r[0] + r[2], r[1]); g.stroke();
      g.strokeStyle = sunken ? LIGHT : SHADOW;
      g.beginPath(); g.moveTo(r[0], r[1] + r[3]); g.lineTo(r[0] + r[2], r[1] + r[3]); g.lineTo(r[0] + r[2], r[1]); g.stroke();
    }
    const face = this.faces.get(key);
    if (face) {
      // The face shows inside the key less 5 pixels left and right, 2 above and below.
      const shown = [key.x + 5, key.y + 2, key.width - 10, key.height - 4];
      if (sunken) { shown[0] += 1; shown[1] += 1; }
      g.beginPath();
      g.rect(...shown);
      g.clip();
      g.drawImage(face, shown[0] - 5 + key.faceLeft, shown[1] + Math.floor((shown[3] - face.height) / 2));
    }
    g.restore();
    if (key.lamp && this.lit.has(key.id)) {
      g.fillStyle = LAMP_RED;
      g.strokeStyle = '#000';
      g.beginPath();
      g.ellipse(key.x + 4.5, key.y + 4.5, 2.5, 2.5, 0, 0, Math.PI * 2);
      g.fill();
      g.stroke();
    }
  }

  paint() {
    this.paintBackground(this.g);
    for (const key of this.keys) this.drawKey(key);
  }

  setLamps(ids) {
    const lit = new Set(ids);
    for (const key of this.keys) {
      if (key.lamp && lit.has(key.id) !== this.lit.has(key.id)) {
        this.lit = lit;
        this.drawKey(key);
      }
    }
    this.lit = lit;
  }

  // Pointer input in surface pixels; `zoom` window pixels a panel pixel.
  listen(zoom, onDown, onUp) {
    const at = (event) => {
      const r = this.canvas.getBoundingClientRect();
      return this.keyAt((event.clientX - r.left) / zoom(), (event.clientY - r.top) / zoom());
    };
    const redraw = (key) => key && this.drawKey(key);
    this.canvas.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      const key = at(event);
      if (!key) return;
      this.canvas.setPointerCapture(event.pointerId);
      this.pressed = key;
      redraw(key);
      onDown(key);
    });
    this.canvas.addEventListener('pointermove', (event) => {
      const key = at(event);
      if (this.pressed) return;
      if (key !== this.hover) {
        const old = this.hover;
        this.hover = key;
        redraw(old);
        redraw(key);
      }
    });
    this.canvas.addEventListener('pointerleave', () => {
      const old = this.hover;
      this.hover = null;
      redraw(old);
    });
    this.canvas.addEventListener('pointerup', (event) => {
      const key = this.pressed;
      if (!key) return;
      this.pressed = null;
      redraw(key);
      // Released off the key: no command, but a held jog key ends.
      onUp(key, at(event) === key);
    });
  }
}

export async function createPanels(table, panelCanvas, padCanvas) {
  const faceIds = new Set(table.keys.map((k) => k.face));
  const images = new Map();
  await Promise.all([...faceIds].map(async (id) => images.set(id, await loadImage(`panel/face_${id}.png`))));
  const picture = await loadImage('panel/background.png');
  const byId = new Map(table.keys.map((k) => [k.id, k]));

  const panelFaces = new Map(table.keys.map((k) => [k, images.get(k.face)]));
  const panel = new KeySurface(panelCanvas, table.keys, panelFaces, (g) => {
    g.fillStyle = BUTTON;
    g.fillRect(0, 0, panelCanvas.width, panelCanvas.height);
    g.imageSmoothingEnabled = true;
    if (picture) g.drawImage(picture, 0, 0, ...PICTURE_SIZE);
  });
  const padKeys = table.pad.map((p) => ({ ...byId.get(p.id), x: p.x, y: p.y, width: p.width, height: p.height, lamp: false }));
  const padFaces = new Map(padKeys.map((k) => [k, fittedFace(images.get(k.face), k)]));
  const pad = new KeySurface(padCanvas, padKeys, padFaces, (g) => {
    g.fillStyle = '#f6c06b';
    g.fillRect(0, 0, padCanvas.width, padCanvas.height);
  });
  panel.paint();
  pad.paint();
  return { panel, pad };
}

// A changed rectangle of a core frame onto a canvas at (x, y). Its bytes
// are a view of the core's memory, put at once (no copy of our own).
export function putPatch(g, patch, x = 0, y = 0) {
  if (!patch) return;
  const { rgba } = patch;
  const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
  g.putImageData(new ImageData(pixels, patch.width, patch.height), x + patch.x, y + patch.y);
}
