// Random play on the page, held against the reference model after every step:
// every candidate (shown, clickable, face) and every label.
//   node tests/web/random_play.mjs PAGE_DIR [STEPS] [SEED]
//
// First STEPS steps with real mouse clicks, or keys, in a window larger than the designs'.
// Then a tenth as many (at least 200) on a 360 x 640 touch screen, where a tap on
// a box of the whole board enlarges it and most picks are taps or keys in enlarged boxes;
// the others are a mouse click, a key or an assistive activation on the whole
// board, which must pick without enlarging. Every enlarged box is checked for
// targets a finger can hit, the bar's among them; the player leaves it
// by "Whole board" or the browser's Back, moves the focus into another box, and
// turns the phone. At the end, pictures of the phone's two views, light and
// dark, go into the folder above PAGE_DIR.
import { dirname, join } from "node:path";
import { serve, launch, openBoard, boardOnPage } from "./browser.mjs";
import { ReferenceModel, readBoard, difference, candidateRect, candidateName, layout, commands, boxOf } from "./board.mjs";

const [folder, steps = "2000", seedText = String(Date.now() % 2 ** 31)] = process.argv.slice(2);
const seed = Number(seedText);
const phoneSteps = Math.max(200, Math.round(Number(steps) / 10));

// mulberry32: small, and the same sequence for the same seed everywhere.
function random(state) {
  return () => {
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
  };
}

let phase = "with a mouse";
let step = 0;
let action = "opening the page";

async function open(context) {
  const page = await context.newPage();
  // Somewhere to go Back to.
  await page.goto("data:text/html,<title>before</title>");
  page.errors = [];
  page.on("pageerror", (e) => page.errors.push(e.message));
  page.on("console", (m) => m.type() === "error" && page.errors.push(m.text()));
  await openBoard(page, server.url);
  return page;
}

// Plays `count` random steps; `player` carries out a click on candidate d of
// cell n (row-major) and a command by its caption, each in its own way.
async function play(page, count, next, player) {
  const model = new ReferenceModel();
  const pick = (n) => Math.floor(next() * n);
  const check = async () => {
    const problem = difference(await readBoard(page), model.expected()) ??
      (page.errors.length ? `the page reported: ${page.errors.join("; ")}` : null);
    if (problem) throw new Error(problem);
  };
  await check();
  for (step = 0; step < count; step++) {
    const roll = next();
    if (roll < 0.13) {
      const command = roll < 0.03 ? "Reset" : roll < 0.08 ? "Fix" : "Un-Fix";
      action = command;
      await player.command(command);
      if (command === "Reset") model.reset();
      else model.fix(command === "Fix");
    } else {
      // Mostly a candidate that takes the click; sometimes any place, barred or hidden.
      const open = [];
      for (let j = 0; j < 729; j++) if (model.candidate(Math.floor(j / 9), j % 9).clickable) open.push(j);
      const j = roll < 0.35 || open.length === 0 ? pick(729) : open[pick(open.length)];
      const n = Math.floor(j / 9);
      action = `a click on ${candidateName(Math.floor(n / 9), n % 9, j % 9)}`;
      await player.candidate(n, j % 9, model.candidate(n, j % 9), model, next);
      model.click(n, j % 9);
    }
    await check();
  }
}

// What the phone shows: the index of the enlarged box (the one whose cells are on
// top and larger than 1:1) or null on the whole board, the history entry's place,
// and, in an enlarged box, every target a finger may tap there, with whether it
// is the topmost element at its middle.
const phoneView = (page) => page.evaluate(() => {
  const target = (e) => {
    const r = e.getBoundingClientRect();
    return { name: e.getAttribute("aria-label") ?? e.textContent, x: r.x, y: r.y, width: r.width, height: r.height,
      inside: r.x >= 0 && r.y >= 0 && r.right <= innerWidth && r.bottom <= innerHeight,
      top: document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2) === e };
  };
  const bar = [...document.querySelectorAll("#board > button, #board ~ button")];
  const whole = bar.find((b) => b.textContent === "Whole board");
  if (!whole.checkVisibility()) return { box: null, entry: navigation.currentEntry.index, entries: navigation.entries().length };
  // The box whose cells are on top and larger than at 1:1.
  const boxes = [...document.querySelectorAll("#board > div")];
  const box = boxes.findIndex((b) => {
    const cell = b.firstElementChild.getBoundingClientRect();
    return cell.width > 61 && b.contains(document.elementFromPoint(cell.x + cell.width / 2, cell.y + cell.height / 2));
  });
  const candidates = [...boxes[box].querySelectorAll("button")].filter((c) => c.checkVisibility()).map(target);
  return { box, entry: navigation.currentEntry.index, entries: navigation.entries().length,
    candidates, bar: bar.map(target) };
});

// A click by keys from the cell (of the enlarged box, inBox) that has the focus, if
// any: at times (in the box, always) first Home or End and past them, to the row's
// or box's end; by the arrows to the cell; then its digit, or Delete for its pick.
async function byKeys(page, n, d, model, next, inBox) {
  const focusedCell = () => page.evaluate((s) => document.activeElement.closest(s)?.id, inBox ? ".shown>*" : "[role=cell]");
  const from = await focusedCell();
  if (!from) return false;
  let [r, c] = from.match(/\d/g).map((x) => x - 1);
  const [row, column, end] = [Math.floor(n / 9), n % 9, next() * (inBox ? 0.3 : 1)];
  const keys = end < 0.15 ? ["Home", "ArrowLeft"] : end < 0.3 ? ["End", "ArrowRight"] : [];
  if (keys.length) c = (inBox ? column - (column % 3) : 0) + (end < 0.15 ? 0 : inBox ? 2 : 8);
  keys.push(...Array(Math.abs(row - r)).fill(row > r ? "ArrowDown" : "ArrowUp"));
  keys.push(...Array(Math.abs(column - c)).fill(column > c ? "ArrowRight" : "ArrowLeft"));
  keys.push(model.cells[n].pick === d && next() < 0.5 ? "Delete" : String(d + 1));
  action += `, by keys ${keys.join(" ")}`;
  for (const key of keys.slice(0, -1)) await page.keyboard.press(key);
  if ((await focusedCell()) !== `r${row + 1}c${column + 1}`) throw new Error(`the keys reached ${await focusedCell()}`);
  await page.keyboard.press(keys.at(-1));
  return true;
}

const server = await serve({ "/": folder });
const browser = await launch();
try {
  // Larger than the designs' window, so the board plays scaled up.
  const desk = await open(await browser.newContext({ viewport: { width: 1024, height: 768 }, colorScheme: "light" }));
  const onPage = await boardOnPage(desk);
  const clickAt = (rect) => desk.mouse.click(...onPage.middle(rect));
  await play(desk, Number(steps), random(seed), {
    candidate: async (n, d, state, model, next) =>
      (next() < 0.25 && (await byKeys(desk, n, d, model, next, false))) || clickAt(candidateRect(Math.floor(n / 9), n % 9, d)),
    command: (name) => clickAt(layout.command(commands.indexOf(name))),
  });
  await desk.context().close();

  phase = "on a phone";
  const phone = await open(await browser.newContext({ viewport: { width: 360, height: 640 }, deviceScaleFactor: 2,
    hasTouch: true, isMobile: true, colorScheme: "light" }));
  const next = random(seed + 1);
  const home = (await phoneView(phone)).entry;
  const expect = (what, holds) => {
    if (!holds) throw new Error(what);
  };
  const tapOn = async (rect) => phone.touchscreen.tap(rect.x + rect.width / 2, rect.y + rect.height / 2);
  const tapButton = async (name) => tapOn(await phone.getByRole("button", { name, exact: true }).boundingBox());
  // Back, by the browser or by "Whole board", goes through the history, which
  // the page hears of a moment later: the check waits for it, up to 5 s.
  const onWhole = async () => {
    const shown = (view) => view.box === null && view.entry === home;
    let view = await phoneView(phone);
    for (const until = Date.now() + 5000; !shown(view) && Date.now() < until; view = await phoneView(phone))
      await phone.waitForTimeout(20);
    expect(`the whole board shows, on the page's own history entry (${JSON.stringify(view)})`, shown(view));
  };
  const checkEnlarged = async (b) => {
    const view = await phoneView(phone);
    expect(`box ${b + 1} shows enlarged, on one history entry more (${JSON.stringify({ ...view, candidates: undefined })})`,
      view.box === b && view.entry === home + 1 && view.entries === home + 2);
    for (const c of view.candidates)
      expect(`${c.name} is on screen, on top and at least 32 px: ${JSON.stringify(c)}`, c.inside && c.top && c.width >= 32 && c.height >= 32);
    expect("the commands, Whole board, Undo, Redo, Copy and Paste are in the bar", view.bar.map((c) => c.name).join() === [...commands, "Whole board", "Undo", "Redo", "Copy", "Paste"].join());
    for (const c of view.bar) expect(`${c.name} is on screen, on top and at least 24 px: ${JSON.stringify(c)}`, c.inside && c.top && c.height >= 24 && c.width >= 24);
  };
  const leave = async () => {
    if ((await phoneView(phone)).box === null) return;
    if (next() < 0.5) {
      action += ", then the browser's Back";
      await phone.goBack();
    } else {
      action += ", then Whole board";
      await tapButton("Whole board");
    }
    await onWhole();
  };
  // A tap anywhere on box b of the whole board: a candidate, barred or not, a label or a gap.
  const enlarge = async (b) => {
    const { x, y, scale } = await boardOnPage(phone);
    const box = layout.box(b);
    const at = (from, length) => (from + length * (0.02 + 0.96 * next())) * scale;
    await phone.touchscreen.tap(x + at(box.x, box.width), y + at(box.y, box.height));
    await checkEnlarged(b);
  };
  const candidate = (n, d) => phone.locator(`[aria-label="${candidateName(Math.floor(n / 9), n % 9, d)}"]`);
  const turn = async () => {
    const { width, height } = phone.viewportSize();
    await phone.setViewportSize({ width: height, height: width });
    // The page hears of it as the next frame begins.
    await phone.evaluate(() => new Promise(requestAnimationFrame));
    const view = await phoneView(phone);
    if (view.box === null) await onWhole();
    else await checkEnlarged(view.box);
  };

  await play(phone, phoneSteps, next, {
    async candidate(n, d, state, model) {
      if (next() < 0.04) {
        action += " after turning the phone";
        await turn();
      }
      const b = boxOf(Math.floor(n / 9), n % 9);
      const way = next();
      const shown = (await phoneView(phone)).box;
      if (way < 0.75) {
        if (shown !== b) {
          if (shown !== null && way < 0.1 && state.clickable) {
            // The focus moving into another box shows that box instead.
            action += `, the focus moved into box ${b + 1}`;
            await candidate(n, d).focus();
            await checkEnlarged(b);
          } else {
            await leave();
            action += `, a tap on box ${b + 1}`;
            await enlarge(b);
          }
        }
        if (way < 0.2 && (await byKeys(phone, n, d, model, next, true))) return;
        action += ", tapped in the enlarged box";
        // A hidden candidate is tapped where it would stand, on its cell's label.
        const cell = await candidate(n, d).evaluate((c) => c.parentElement.getBoundingClientRect().toJSON());
        const scale = cell.width / layout.cell(0).width;
        const at = layout.button(d);
        await tapOn({ x: cell.x + at.x * scale, y: cell.y + at.y * scale, width: at.width * scale, height: at.height * scale });
        return;
      }
      await leave();
      // Only a tap enlarges.
      if (way < 0.85 && state.clickable) {
        action += ", by Enter on the whole board";
        await candidate(n, d).focus();
        await phone.keyboard.press("Enter");
      } else if (way < 0.93 && state.shown) {
        action += ", by an assistive activation on the whole board";
        await candidate(n, d).evaluate((c) => c.click());
      } else {
        action += ", by a mouse click on the whole board";
        const { middle } = await boardOnPage(phone);
        await phone.mouse.click(...middle(candidateRect(Math.floor(n / 9), n % 9, d)));
      }
      await onWhole();
    },
    async command(name) {
      action += (await phoneView(phone)).box === null ? ", tapped on the whole board" : ", tapped in the bar";
      await tapButton(name);
    },
  });

  // Pictures of both views, light and dark, upright, of a board with a fixed
  // digit, a pick and their bars; then Back from the whole board leaves the page.
  action = "taking pictures";
  await leave();
  if (phone.viewportSize().width > 360) await turn();
  await tapButton("Reset");
  await enlarge(4);
  await tapButton(candidateName(3, 3, 6));
  await tapButton("Fix");
  await tapButton(candidateName(5, 4, 1));
  await leave();
  const pictures = dirname(folder);
  for (const scheme of ["light", "dark"]) {
    await phone.emulateMedia({ colorScheme: scheme });
    await phone.screenshot({ path: join(pictures, `phone-board-${scheme}.png`) });
    await enlarge(4);
    await phone.screenshot({ path: join(pictures, `phone-box-${scheme}.png`) });
    await leave();
  }
  action = "the browser's Back on the whole board";
  await phone.goBack();
  expect(`Back leaves the page (at ${phone.url()})`, !phone.url().startsWith(server.url));
  console.log(`random play: ${steps} steps with a mouse and ${phoneSteps} on a phone agree with the reference model (seed ${seed});` +
    ` pictures of the phone in ${pictures}/phone-*.png`);
} catch (e) {
  console.error(`random play failed ${phase} at step ${step} (${action}), seed ${seed}:\n  ${e.message}`);
  console.error(`repeat with: node tests/web/random_play.mjs ${folder} ${steps} ${seed}`);
  process.exitCode = 1;
} finally {
  await browser.close();
  await server.close();
}
