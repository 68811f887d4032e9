// What the page's tests and benchmarks share: a static file server on 127.0.0.1
// over the page folders, and Debian's Chromium driven through playwright-core.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { chromium } from "playwright-core";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".json": "application/manifest+json",
  ".png": "image/png",
  ".svg": "image/svg+xml",
};

// Serves each folder under its prefix ("/" for the page, "/failing/" for another).
export async function serve(folders) {
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    const prefix = Object.keys(folders).filter((p) => path.startsWith(p)).sort((a, b) => b.length - a.length)[0];
    let rest = normalize(path.slice(prefix.length)).replace(/^(\.\.[/\\])+/, "");
    if (rest === "" || rest.endsWith("/") || rest === ".") rest = join(rest, "index.html");
    try {
      const body = await readFile(join(folders[prefix], rest));
      response.writeHead(200, { "content-type": types[extname(rest)] ?? "application/octet-stream", "cache-control": "no-cache" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((done) => server.close(done)), server };
}

// Debian's Chromium, headless; as root it needs --no-sandbox. The other switches
// keep it from calling out to Google's services, which this machine refuses.
export async function launch() {
  const args = ["--disable-gpu", "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--no-first-run", "--disable-quic", "--disable-features=Translate,OptimizationHints,MediaRouter"];
  if (process.getuid?.() === 0) args.push("--no-sandbox");
  return chromium.launch({ executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium", args });
}

// A board is ready when the page's script has put its buttons in.
export async function openBoard(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => document.querySelectorAll("#board button").length === 732);
}
