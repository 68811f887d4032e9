// The web page's figures in Debian's headless Chromium, against their budgets.
//   node bench/web_bench.mjs PAGE_DIR
// Transfer: the bytes of index.html, the script and the wasm gzip-compressed, as a
// server would send them. First frame: navigation start to the end of the first
// frame that shows the board, the median of fresh loads (no cache, no service
// worker), against a blank page served the same way in the same run: loads of the
// two take turns, and the figure judged is the median of each pair's ratio, so
// that a busy spell on a shared machine weighs on both sides of one ratio; and, for
// information, until the board's code has loaded and it takes clicks. Click: the
// script time of a pick and of its take-back on a candidate, and a real click's
// time until the frame that shows it, against the page's own frame interval.
// Enlarging: on a 360 x 640 touch screen, a tap on a box of the whole board from
// the finger's lift until the end of the frame that shows the box enlarged, in
// the same frames, and how long any animation on the way lasts.
// Exits non-zero when a figure misses its budget.
import { readFile, mkdtemp, writeFile, rm } from "node:fs/promises";
import { gzipSync } from "node:zlib";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve, launch } from "../tests/web/browser.mjs";

const folder = process.argv[2];
const loads = 21;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The page's own frame interval: the median gap of thirty frames.
async function frameInterval(page) {
  const frames = await page.evaluate(() => new Promise((done) => {
    const times = [];
    const tick = (t) => (times.push(t), times.length < 31 ? requestAnimationFrame(tick) : done(times));
    requestAnimationFrame(tick);
  }));
  return median(frames.slice(1).map((t, n) => t - frames[n]));
}

let transfer = 0;
for (const name of ["index.html", "orvane.js", "orvane.wasm"])
  transfer += gzipSync(await readFile(join(folder, name)), { level: 9 }).length;

const blankFolder = await mkdtemp(join(tmpdir(), "orvane-blank-"));
await writeFile(join(blankFolder, "index.html"),
  '<!doctype html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n<title>blank</title>\n</head>\n<body>\n</body>\n</html>\n');
const server = await serve({ "/": folder, "/blank/": blankFolder });
const browser = await launch();

// Once `ready` holds, the end of the next frame, by the page's clock (0 at navigation start).
const watchFirstFrame = (ready) => `
  new MutationObserver((changes, observer) => {
    if (!(${ready})) return;
    observer.disconnect();
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => (window.firstFrame = performance.now());
      channel.port2.postMessage(0);
    });
  }).observe(document, { childList: true, subtree: true, attributes: true });`;

async function firstFrame(path, ready) {
  const context = await browser.newContext({ viewport: { width: 800, height: 700 }, serviceWorkers: "block" });
  await context.addInitScript(watchFirstFrame(ready));
  const page = await context.newPage();
  await page.goto(server.url + path);
  const time = await page.waitForFunction(() => window.firstFrame).then((h) => h.jsonValue());
  await context.close();
  return time;
}

let failed = false;
const line = (what, figure, budget, ok) => {
  const verdict = ok === undefined ? "" : ok ? "  ok" : "  OVER";
  if (ok === false) failed = true;
  console.log(`${what.padEnd(54)}${figure.padStart(12)}${budget.padStart(12)}${verdict}`);
};

try {
  const board = [];
  const blank = [];
  const live = [];
  const drawn = "document.getElementById('board')?.getElementsByTagName('button').length === 732";
  for (let n = 0; n < loads; n++) {
    board.push(await firstFrame("", drawn));
    blank.push(await firstFrame("blank/", "document.body"));
    live.push(await firstFrame("", `${drawn} && !document.getElementById('board').inert`));
  }

  const context = await browser.newContext({ viewport: { width: 800, height: 700 }, serviceWorkers: "block" });
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForFunction(() => !document.getElementById("board").inert);
  // Picks and take-backs in batches, as the clock in a page is coarse.
  const script = await page.evaluate(() => {
    const button = document.querySelector('[aria-label="Row 5, column 5, candidate 5"]');
    const batches = [];
    for (let b = 0; b < 7; b++) {
      const start = performance.now();
      for (let n = 0; n < 200; n++) button.click();
      batches.push((performance.now() - start) / 200);
    }
    return batches;
  });
  // A real click until the frame that shows it, and the page's frame interval.
  const interval = await frameInterval(page);
  await page.evaluate(() => {
    window.latencies = [];
    document.addEventListener("pointerdown", (event) => {
      const input = event.timeStamp;
      addEventListener("click", () => requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => window.latencies.push(performance.now() - input);
        channel.port2.postMessage(0);
      }), { once: true });
    }, true);
  });
  const box = await page.locator('[aria-label="Row 1, column 1, candidate 1"]').boundingBox();
  for (let n = 0; n < 20; n++) {
    await page.mouse.click(box.x + 10, box.y + 10);
    await page.waitForFunction((count) => window.latencies.length === count, n + 1);
  }
  const latency = median(await page.evaluate(() => window.latencies));
  await context.close();

  const phone = await browser.newContext({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true,
    serviceWorkers: "block" });
  const tapPage = await phone.newPage();
  await tapPage.goto(server.url);
  await tapPage.waitForFunction(() => !document.getElementById("board").inert);
  const phoneInterval = await frameInterval(tapPage);
  await tapPage.evaluate(() => {
    window.entered = [];
    const whole = [...document.querySelectorAll("button")].find((b) => b.textContent === "Whole board");
    addEventListener("pointerup", (event) => requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => window.entered.push({ time: performance.now() - event.timeStamp,
        shown: whole.checkVisibility(), animation: Math.max(0, ...document.getAnimations().map((a) => a.effect.getComputedTiming().endTime)) });
      channel.port2.postMessage(0);
    }));
  });
  const boxes = await tapPage.locator("#board > div").evaluateAll((all) => all.map((b) => b.getBoundingClientRect().toJSON()));
  for (let n = 0; n < 20; n++) {
    const box = boxes[n % 9];
    await tapPage.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    await tapPage.waitForFunction((count) => window.entered.length === count, n + 1);
    await tapPage.goBack();
    await tapPage.getByRole("button", { name: "Whole board" }).waitFor({ state: "hidden" });
  }
  const entered = await tapPage.evaluate(() => window.entered);
  await phone.close();
  if (!entered.every((e) => e.shown)) throw new Error("a tap on a box did not show it enlarged in the next frame");
  const enlarging = median(entered.map((e) => e.time));
  const animation = Math.max(...entered.map((e) => e.animation));

  if (process.env.ORVANE_BENCH_DETAIL) console.log({ board, blank, live });
  const boardFrame = median(board);
  const blankFrame = median(blank);
  console.log(`The web page in ${browser.version()} headless, ${new Date().toISOString().slice(0, 10)}:`);
  line("", "figure", "budget");
  line("page transfer: html, script and wasm (gzip)", `${(transfer / 1000).toFixed(1)} kB`, "100 kB", transfer <= 100000);
  line("navigation start to the board's first frame", `${boardFrame.toFixed(1)} ms`, "");
  line("  a blank page served the same way", `${blankFrame.toFixed(1)} ms`, "");
  const ratio = median(board.map((time, n) => time / blank[n]));
  line("  the board's first frame against the blank page", `${ratio.toFixed(2)}x`, "2.5x", ratio <= 2.5);
  line("navigation start until the board takes clicks", `${median(live).toFixed(1)} ms`, "");
  line("script time of one click (pick or take-back)", `${(median(script) * 1000).toFixed(1)} us`, "1000 us",
    median(script) <= 1);
  line("a real click until the frame that shows it", `${latency.toFixed(1)} ms`, "", undefined);
  line("  in frames of the page's own interval", `${(latency / interval).toFixed(2)}`, "2 frames", latency <= 2 * interval);
  line("a tap on a phone's box until the frame that shows it", `${enlarging.toFixed(1)} ms`, "", undefined);
  line("  in frames of the page's own interval", `${(enlarging / phoneInterval).toFixed(2)}`, "2 frames",
    enlarging <= 2 * phoneInterval);
  line("  any animation on the way", `${animation.toFixed(0)} ms`, "150 ms", animation <= 150);
} finally {
  await browser.close();
  await server.close();
  await rm(blankFolder, { recursive: true });
}
process.exitCode = failed ? 1 : 0;
