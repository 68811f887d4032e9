// An independent account of the board for the page's tests, and the readings of
// the page to hold it against.
//
// The model knows cells by row and column and stores only each cell's pick, its
// being fixed, and whether it has been repainted since the page opened. Bars are
// worked out afresh from the picks in the cell's 20 peers, found by coordinates,
// and from the cell's own pick; nothing of the boxes' wiring is used. A fixed
// cell's pick still bars its peers, and bars that reach a fixed cell still count
// once it thaws.
//
// The layout is stated here from the designs' numbers in twips, 15 to a pixel.

export const px = (twips) => twips / 15;

// Where each control stands, relative to the board's top left corner.
export const layout = {
  board: { width: px(9750), height: px(8730) },
  box: (b) => ({ x: px(2940 * (b % 3)), y: px(2940 * Math.floor(b / 3)), width: px(2835), height: px(2835) }),
  cell: (k) => ({ x: px(960 * (k % 3)), y: px(960 * Math.floor(k / 3)), width: px(915), height: px(915) }),
  button: (i) => ({ x: px(300 * (i % 3)), y: px(300 * Math.floor(i / 3)), width: px(300), height: px(300) }),
  command: (n) => ({ x: px(8820), y: px(60 + 480 * n), width: px(915), height: px(375) }), // Reset, Fix, Un-Fix
};
export const commands = ["Reset", "Fix", "Un-Fix"];

// The faces a candidate shows, as the page's colour table gives them in the light scheme.
export const face = { ButtonFace: "rgb(240, 240, 240)", WindowText: "rgb(0, 0, 0)", ActiveBorder: "rgb(180, 180, 180)" };

export const boxOf = (r, c) => Math.floor(r / 3) * 3 + Math.floor(c / 3);
export const cellOf = (r, c) => (r % 3) * 3 + (c % 3);

// A candidate's place on the page relative to the board.
export function candidateRect(r, c, d) {
  const b = layout.box(boxOf(r, c));
  const k = layout.cell(cellOf(r, c));
  const i = layout.button(d);
  return { x: b.x + k.x + i.x, y: b.y + k.y + i.y, width: i.width, height: i.height };
}

export const candidateName = (r, c, d) => `Row ${r + 1}, column ${c + 1}, candidate ${d + 1}`;

const peers = [];
for (let r = 0; r < 9; r++)
  for (let c = 0; c < 9; c++) {
    const list = [];
    for (let r2 = 0; r2 < 9; r2++)
      for (let c2 = 0; c2 < 9; c2++)
        if ((r2 !== r || c2 !== c) && (r2 === r || c2 === c || boxOf(r2, c2) === boxOf(r, c))) list.push(r2 * 9 + c2);
    peers.push(list);
  }

export class ReferenceModel {
  constructor() {
    this.cells = Array.from({ length: 81 }, () => ({ pick: -1, fixed: false, painted: false }));
  }

  bars(n, d) {
    const own = this.cells[n].pick >= 0 && this.cells[n].pick !== d ? 1 : 0;
    return own + peers[n].filter((p) => this.cells[p].pick === d).length;
  }

  // What candidate d of cell n shows: whether it is shown, can be clicked, and its face.
  candidate(n, d) {
    const cell = this.cells[n];
    if (cell.pick < 0) {
      const barred = this.bars(n, d) > 0;
      const design = d === 8 ? "ActiveBorder" : "ButtonFace";
      return { shown: true, clickable: !barred, face: !cell.painted ? design : barred ? "WindowText" : "ButtonFace" };
    }
    const picked = d === cell.pick;
    return { shown: picked && !cell.fixed, clickable: picked && !cell.fixed, face: picked ? "ButtonFace" : "WindowText" };
  }

  label(n) {
    const cell = this.cells[n];
    return cell.fixed ? String(cell.pick + 1) : "";
  }

  // A click where candidate d of cell n stands; it counts only on a button that takes it.
  click(n, d) {
    if (!this.candidate(n, d).clickable) return;
    const cell = this.cells[n];
    cell.pick = cell.pick < 0 ? d : -1;
    cell.painted = true;
    for (const p of peers[n]) if (!this.cells[p].fixed) this.cells[p].painted = true;
  }

  fix(freeze) {
    for (const cell of this.cells) if (cell.pick >= 0) cell.fixed = freeze;
  }

  reset() {
    for (const cell of this.cells) Object.assign(cell, { pick: -1, fixed: false, painted: true });
  }

  // A paste: "Reset", a click on each pick ("1" to "9") and "Fix"; its undo freezes the cells `fixed` says.
  lay(picks, fixed = null) {
    this.reset();
    [...picks].forEach((p, n) => p >= "1" && p <= "9" && this.click(n, p - 1));
    this.cells.forEach((cell, n) => (cell.fixed = cell.pick >= 0 && (fixed ? fixed[n] : true)));
  }

  // The copy: each cell's pick, "." for none, in one line.
  text() { return this.cells.map((cell) => (cell.pick >= 0 ? String(cell.pick + 1) : ".")).join("") + "\n"; }

  // The whole board as the page is expected to show it, in the shape readBoard gives.
  expected() {
    const candidates = [];
    const labels = [];
    for (let n = 0; n < 81; n++) {
      for (let d = 0; d < 9; d++) {
        const s = this.candidate(n, d);
        candidates.push([s.shown, s.clickable, face[s.face]]);
      }
      labels.push(this.label(n));
    }
    return { candidates, labels };
  }
}

// Every candidate (found by its accessible name) and every label as the page shows them.
export function readBoard(page) {
  return page.evaluate(() => {
    const candidates = new Array(729);
    const labels = new Array(81);
    for (const button of document.querySelectorAll("#board button[aria-label]")) {
      // "Row 4, column 7, candidate 5", in the page's language: the numbers in that order.
      const [, r, c, d] = /(\d)\D+(\d)\D+(\d)\D*$/.exec(button.getAttribute("aria-label")).map(Number);
      const n = (r - 1) * 9 + (c - 1);
      const shown = button.checkVisibility();
      candidates[n * 9 + d - 1] = [shown, shown && !button.disabled, getComputedStyle(button).backgroundColor];
      const label = [...button.parentElement.children].find((e) => e.tagName !== "BUTTON");
      labels[n] = label.textContent;
    }
    return { candidates, labels };
  });
}

// The first difference between two readings, in words, or null.
export function difference(seen, wanted) {
  for (let j = 0; j < 729; j++)
    if (JSON.stringify(seen.candidates[j]) !== JSON.stringify(wanted.candidates[j])) {
      const n = Math.floor(j / 9);
      return `${candidateName(Math.floor(n / 9), n % 9, j % 9)}: [shown, clickable, face] is ` +
        `${JSON.stringify(seen.candidates[j])}, expected ${JSON.stringify(wanted.candidates[j])}`;
    }
  for (let n = 0; n < 81; n++)
    if (seen.labels[n] !== wanted.labels[n])
      return `label of row ${Math.floor(n / 9) + 1}, column ${(n % 9) + 1} is "${seen.labels[n]}", expected "${wanted.labels[n]}"`;
  return null;
}
