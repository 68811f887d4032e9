// Random play on the page with real mouse clicks, held against the reference
// model after every step: every candidate (shown, clickable, face) and every label.
//   node tests/web/random_play.mjs PAGE_DIR [STEPS] [SEED]
import { serve, launch, openBoard, boardOnPage } from "./browser.mjs";
import { ReferenceModel, readBoard, difference, candidateRect, candidateName, layout, commands } from "./board.mjs";

const [folder, steps = "2000", seedText = String(Date.now() % 2 ** 31)] = process.argv.slice(2);
const seed = Number(seedText);

// mulberry32: small, and the same sequence for the same seed everywhere.
function random(state) {
  return () => {
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
  };
}

const server = await serve({ "/": folder });
const browser = await launch();
let step = 0;
let action = "opening the page";
try {
  // Larger than the designs' window, so the board plays scaled up.
  const page = await browser.newPage({ viewport: { width: 1024, height: 768 }, colorScheme: "light" });
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  page.on("console", (m) => m.type() === "error" && errors.push(m.text()));
  await openBoard(page, server.url);
  const onPage = await boardOnPage(page);
  const clickAt = (rect) => page.mouse.click(...onPage.middle(rect));

  const model = new ReferenceModel();
  const next = random(seed);
  const pick = (n) => Math.floor(next() * n);
  let problem = difference(await readBoard(page), model.expected());
  for (; step < Number(steps) && !problem; step++) {
    const roll = next();
    if (roll < 0.03) {
      action = "Reset";
      model.reset();
    } else if (roll < 0.08) {
      action = "Fix";
      model.fix(true);
    } else if (roll < 0.13) {
      action = "Un-Fix";
      model.fix(false);
    } else {
      // Mostly a candidate that takes the click; sometimes any place, barred or hidden.
      const open = [];
      for (let j = 0; j < 729; j++) if (model.candidate(Math.floor(j / 9), j % 9).clickable) open.push(j);
      const j = roll < 0.35 || open.length === 0 ? pick(729) : open[pick(open.length)];
      const n = Math.floor(j / 9);
      action = `click on ${candidateName(Math.floor(n / 9), n % 9, j % 9)}`;
      await clickAt(candidateRect(Math.floor(n / 9), n % 9, j % 9));
      model.click(n, j % 9);
    }
    if (commands.includes(action)) await clickAt(layout.command(commands.indexOf(action)));
    problem = difference(await readBoard(page), model.expected());
    if (!problem && errors.length) problem = `the page reported: ${errors.join("; ")}`;
  }
  if (problem) throw new Error(problem);
  console.log(`random play: ${steps} steps on the page agree with the reference model (seed ${seed})`);
} catch (e) {
  console.error(`random play failed at step ${step} (${action}), seed ${seed}:\n  ${e.message}`);
  console.error(`repeat with: node tests/web/random_play.mjs ${folder} ${steps} ${seed}`);
  process.exitCode = 1;
} finally {
  await browser.close();
  await server.close();
}
