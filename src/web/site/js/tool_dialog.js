// The custom tool editor "自定义刀具": a 3:1 grid inside a yellow border
// with the tool's shank, on which the student draws the tool's outline by
// dragging from its last point (at most 50 points). Its pixels are the
// editor's own, which is how the machine takes the drawn points.
import { modal, message } from './dialogs.js';

const SCALE = 3;          // editor pixels a millimetre
const AREA = 30;          // the grid spans AREA .. AREA_END both ways
const AREA_END = 510;
const BORDER_BOTTOM = 514;
const GRID_STEP = 30;     // 10 mm
const SHANK_CENTRE = 270;
const TOOL_WIDTH = 30;    // mm
const SHANK_LENGTH = 70;  // mm
const MAX_POINTS = 50;
const KEEP_INSIDE = '在未有限制鼠标的活动范围前请勿超越黄线';

const corner = [SHANK_CENTRE - (SCALE * TOOL_WIDTH) / 2, AREA_END - SCALE * SHANK_LENGTH];
const inside = ([x, y]) => x >= AREA && x <= AREA_END && y >= AREA && y <= AREA_END;

function line(g, points, colour, width) {
  g.strokeStyle = colour;
  g.lineWidth = width;
  g.lineCap = width > 1 ? 'round' : 'square';
  g.lineJoin = 'round';
  g.beginPath();
  points.forEach(([x, y], i) => (i ? g.lineTo(x + 0.5, y + 0.5) : g.moveTo(x + 0.5, y + 0.5)));
  g.stroke();
}

// Black grid area, green lines every 10 mm, the yellow border, the red
// shank, the outline so far and the band being dragged.
function draw(g, points, band) {
  g.fillStyle = '#f0f0f0';
  g.fillRect(0, 0, 540, 530);
  g.fillStyle = '#000';
  g.fillRect(AREA, AREA, AREA_END - AREA, AREA_END - AREA);
  for (let at = AREA; at <= AREA_END; at += GRID_STEP) {
    line(g, [[at, AREA], [at, AREA_END]], 'rgb(0,200,0)', 1);
    line(g, [[AREA, at], [AREA_END, at]], 'rgb(0,200,0)', 1);
  }
  line(g, [[AREA, AREA], [AREA_END, AREA], [AREA_END, BORDER_BOTTOM], [AREA, BORDER_BOTTOM], [AREA, AREA]], 'rgb(212,192,79)', 8);
  const right = corner[0] + SCALE * TOOL_WIDTH;
  line(g, [[corner[0], AREA_END], corner, [right, corner[1]], [right, AREA_END]], '#f00', 3);
  line(g, [corner, ...points], '#f00', 3);
  if (band) line(g, [points.length ? points[points.length - 1] : corner, band], 'rgb(200,0,0)', 1);
}

function sketch(points) {
  const canvas = Object.assign(document.createElement('canvas'), { width: 540, height: 530 });
  canvas.className = 'tool-sketch';
  const g = canvas.getContext('2d');
  let dragging = false;
  const at = (event) => {
    const r = canvas.getBoundingClientRect();
    return [Math.round(event.clientX - r.left), Math.round(event.clientY - r.top)];
  };
  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    dragging = true;
    canvas.setPointerCapture(event.pointerId);
  });
  canvas.addEventListener('pointermove', (event) => {
    const p = at(event);
    canvas.style.cursor = inside(p) ? 'crosshair' : 'default';
    if (!dragging) return;
    if (!inside(p)) {
      dragging = false;
      draw(g, points);
      message(KEEP_INSIDE);
      return;
    }
    draw(g, points, p);
  });
  canvas.addEventListener('pointerup', (event) => {
    if (!dragging) return;
    dragging = false;
    const p = at(event);
    if (inside(p) && points.length < MAX_POINTS) points.push(p);
    draw(g, points);
  });
  draw(g, points);
  return canvas;
}

// `setCurrent(points)` gives the machine the shape; resolves to whether the
// student kept the tool (saved it, or set it as the current tool).
export async function customTool(setCurrent) {
  const points = [];
  let setAsCurrent = false;
  const side = document.createElement('div');
  side.className = 'tool-side';
  side.innerHTML = '<div style="white-space: pre">比例  3:1</div><table>' +
    `<tr><td>刀柄长度:(mm)</td><td><input disabled value="${SHANK_LENGTH}"></td></tr>` +
    `<tr><td>刀具宽度:(mm)</td><td><input disabled value="${TOOL_WIDTH}"></td></tr>` +
    '<tr><td>线段长度(mm)</td><td><input disabled value="0"></td></tr>' +
    '<tr><td>线段倾角(角度)</td><td><input disabled value="0"></td></tr>' +
    '<tr><td>网格宽度(mm)</td><td><input disabled value="10"></td></tr></table>' +
    '<p>注：刀具形状的复杂程度将影响它及刀架的移动速度。</p>';
  const body = document.createElement('div');
  body.className = 'body';
  body.append(sketch(points), side);
  const saved = await modal('自定义刀具', body, [['设置为当前刀', 'set', 'set_current'], ['存盘', true, 'save'], ['取消', false, 'cancel']],
    {
      escape: false,
      onButton: (value) => {
        if (value !== 'set') return true;
        setCurrent(points.map((p) => [...p]));
        setAsCurrent = true;
        return false;  // the editor stays open
      },
    });
  return saved === true || setAsCurrent;
}
