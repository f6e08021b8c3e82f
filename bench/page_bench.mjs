// SPDX-License-Identifier: MIT
// The page in headless Chromium: its size, the time from navigation to drawn and ready against a
// floor measured in the same run, and the time of a pick's whole cascade.
// The floor is the page as it stands once ready, saved without its script: the same controls at
// the same places, drawn by the browser alone. Ready: the page's "ready" mark (the window built,
// its load handler run, the focus set) or its first paint, whichever is later; the floor's first
// paint. Medians of alternating loads.
//   node bench/page_bench.mjs PAGE [LOADS]   (./tools/bench runs it with the page ./tools/web made)

import { readFileSync, writeFileSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { join, dirname } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const [pagePath, loads = "21"] = process.argv.slice(2);
// Each figure against its goal: one past it is said, and the benchmark ends with status 1.
const within = (figure, goal) => {
  if (figure <= goal) return `(at most ${goal})`;
  process.exitCode = 1;
  return `(PAST ITS GOAL: at most ${goal})`;
};
const bytes = readFileSync(pagePath);
const gzipped = gzipSync(bytes, { level: 9 }).length;
console.log(`size: ${bytes.length} bytes ${within(bytes.length, 200000)}, ${gzipped} gzipped ` +
            within(gzipped, 80000));

const browser = await puppeteer.launch({
  browser: "chrome", executablePath: "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--no-first-run",
         "--disable-component-update", "--disable-sync"],
});
try {
  const page = await browser.newPage();
  const url = pathToFileURL(pagePath).href;
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName("ready").length === 1);
  const floorPath = join(dirname(pagePath), "floor.html");
  writeFileSync(floorPath, await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    copy.querySelectorAll("script").forEach((s) => s.remove());
    copy.querySelectorAll("input").forEach((i) => i.setAttribute("value", i.value));
    return "<!doctype html>\n" + copy.outerHTML;
  }));
  const floor = pathToFileURL(floorPath).href;

  const readyAfter = async (target, script) => {
    await page.goto(target);
    return page.evaluate(async (script) => {
      const paint = () => performance.getEntriesByName("first-contentful-paint")[0]?.startTime;
      while (!paint() || (script && !performance.getEntriesByName("ready").length))
        await new Promise((done) => requestAnimationFrame(done));
      return Math.max(paint(), script ? performance.getEntriesByName("ready")[0].startTime : 0);
    }, script);
  };
  const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
  const pageTimes = [];
  const floorTimes = [];
  for (let i = 0; i < Number(loads); i++) {
    floorTimes.push(await readyAfter(floor, false));
    pageTimes.push(await readyAfter(url, true));
  }
  const [p, f] = [median(pageTimes), median(floorTimes)];
  console.log(`ready: ${p.toFixed(1)} ms against the floor's ${f.toFixed(1)} ms, ratio ` +
              `${(p / f).toFixed(2)} ${within(p / f, 1.5)}, medians of ${loads} loads each`);

  // A pick's whole cascade: the item's click, the handlers it runs, the page's every write.
  await page.goto(url);
  const perPick = await page.evaluate(() => {
    const items = [...document.querySelectorAll("#Combo1-items li")];
    const rounds = 40;
    const start = performance.now();
    for (let r = 0; r < rounds; r++)
      for (const item of items) item.dispatchEvent(new MouseEvent("click", { bubbles: true }));
    return (performance.now() - start) / (rounds * items.length);
  });
  console.log(`a pick of a compressor power, with its whole cascade: ${(perPick * 1000).toFixed(0)}` +
              ` µs ${within(perPick * 1000, 1000)}`);
} finally {
  await browser.close();
}
