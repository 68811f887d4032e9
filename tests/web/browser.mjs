// What the page's tests and benchmarks share: a static file server on 127.0.0.1
// over the page folders, and Debian's Chromium driven through playwright-core or
// by Lighthouse.
import { spawn } from "node:child_process";
import { mkdtemp, readdir, rm, symlink } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { chromium } from "playwright-core";

// Serves each folder under its path ("/" for the page, "/failing/" for another)
// with Python's static file server in a process of its own, as scripts/open-web
// serves the page.
export async function serve(folders) {
  const root = await mkdtemp(join(tmpdir(), "orvane-serve-"));
  for (const [path, folder] of Object.entries(folders)) {
    if (path === "/") {
      for (const name of await readdir(folder)) await symlink(resolve(folder, name), join(root, name));
    } else {
      await symlink(resolve(folder), join(root, path.replaceAll("/", "")));
    }
  }
  const server = spawn("python3", ["-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory", root, "0"],
    { stdio: ["ignore", "pipe", "ignore"] });
  const port = await new Promise((found, failed) => {
    server.stdout.on("data", (text) => {
      const match = /port (\d+)/.exec(String(text));
      if (match) found(match[1]);
    });
    server.on("exit", () => failed(new Error("the file server did not start")));
  });
  const close = () => endAndRemove(server, root);
  return { url: `http://127.0.0.1:${port}/`, close };
}

// Ends a child process we started, if it still runs, and removes its folder.
async function endAndRemove(child, folder) {
  if (child.exitCode === null) {
    const gone = new Promise((done) => child.on("exit", done));
    child.kill();
    await gone;
  }
  await rm(folder, { recursive: true, force: true });
}

// Debian's Chromium, headless; as root it needs --no-sandbox. The other switches
// keep it from calling out to Google's services, which this machine refuses.
const executable = process.env.CHROMIUM ?? "/usr/bin/chromium";
const switches = ["--disable-gpu", "--disable-background-networking", "--disable-component-update", "--disable-sync",
  "--no-first-run", "--disable-quic", "--disable-features=Translate,OptimizationHints,MediaRouter",
  ...(process.getuid?.() === 0 ? ["--no-sandbox"] : [])];

export async function launch() {
  return chromium.launch({ executablePath: executable, args: switches });
}

// The same Chromium with a profile of its own and a DevTools port on 127.0.0.1,
// which Lighthouse drives by itself.
export async function launchWithPort() {
  const profile = await mkdtemp(join(tmpdir(), "orvane-chromium-"));
  const browser = spawn(executable, [...switches, "--headless=new", "--remote-debugging-port=0", `--user-data-dir=${profile}`,
    "about:blank"], { stdio: ["ignore", "ignore", "pipe"] });
  const port = await new Promise((found, failed) => {
    let said = "";
    browser.stderr.on("data", (text) => {
      said += text;
      const match = /DevTools listening on ws:\/\/127\.0\.0\.1:(\d+)\//.exec(said);
      if (match) found(Number(match[1]));
    });
    browser.on("exit", () => failed(new Error(`Chromium ended before it listened:\n${said}`)));
  });
  const close = () => endAndRemove(browser, profile);
  return { port, close };
}

// The page draws the board at once; it is ready when its code has loaded and
// it takes clicks.
export async function openBoard(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => document.querySelectorAll("#board button").length === 732 && !document.getElementById("board").inert);
}

// Where the whole board stands on the page and at what scale, and the page's
// point at the middle of a place given relative to the board at 1:1.
export async function boardOnPage(page) {
  const { x, y, scale } = await page.evaluate(() => {
    const r = document.getElementById("board").getBoundingClientRect();
    return { x: r.x, y: r.y, scale: r.width / 650 };
  });
  return { x, y, scale, middle: (rect) => [x + (rect.x + rect.width / 2) * scale, y + (rect.y + rect.height / 2) * scale] };
}
