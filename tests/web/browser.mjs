// SPDX-License-Identifier: MIT
// The page in a real browser, Debian's Chromium or Firefox, headless, driven through its own
// automation protocol (puppeteer-core: the DevTools protocol, WebDriver BiDi) with real mouse
// and key events; and the facts every language's tests share (tests/support/facts.txt).

import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const here = dirname(fileURLToPath(import.meta.url));

// name -> the words of each of its lines ("-" is an empty text)
export const FACTS = (() => {
  const facts = {};
  const path = process.env.FANSEL_FACTS ?? join(here, "..", "support", "facts.txt");
  for (const line of readFileSync(path, "utf8").split("\n")) {
    if (!line.trim() || line.startsWith("#")) continue;
    const [name, ...words] = line.trim().split(/\s+/);
    (facts[name] ??= []).push(words.map((w) => (w === "-" ? "" : w)));
  }
  return facts;
})();

export const PAGE = process.env.FANSEL_PAGE;
export const EVIDENCE = process.env.FANSEL_EVIDENCE ?? join(dirname(PAGE), "evidence");

const BROWSERS = {
  chromium: {
    browser: "chrome",
    executablePath: "/usr/bin/chromium",
    // Nothing of Chromium's own reaches for the network; the sandbox needs a user namespace
    // that root's Chromium refuses.
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--no-first-run",
           "--disable-component-update", "--disable-sync", "--disable-quic"],
  },
  firefox: {
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    args: [],
  },
};

// A browser with the page open from disk, every request it makes noted; once the page is ready.
export async function open(name, { zoom = 1 } = {}) {
  const settings = BROWSERS[name];
  const browser = await puppeteer.launch({
    ...settings, headless: true, protocolTimeout: 60000,
    extraPrefsFirefox: { "layout.css.devPixelsPerPx": String(zoom), "network.dns.disabled": true },
    env: { ...process.env, HOME: process.env.FANSEL_BROWSER_HOME ?? process.env.HOME },
  });
  const page = await browser.newPage();
  const requests = [];
  const problems = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => problems.push(error.message));
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(message.text());
  });
  if (name === "chromium") await page.setViewport({ width: 600, height: 400, deviceScaleFactor: zoom });
  await load(page);
  return { browser, page, requests, problems };
}

// Opens the page from disk in a tab, and waits until it is ready.
export async function load(page) {
  await page.goto(pathToFileURL(PAGE).href);
  await page.waitForFunction(() => document.querySelectorAll("#Combo3-items li").length === 10,
                             { timeout: 30000 });
}

// What the page shows, by control name: a field's or result's text, an option's caption.
export function shown(page, names) {
  return page.evaluate((names) => names.map((name) => {
    const option = /^Option1\((\d)\)$/.exec(name);
    if (option) return document.getElementById("Option1_" + option[1]).labels[0].textContent;
    if (name === "selected")
      return String([...document.getElementsByName("Option1")].findIndex((o) => o.checked));
    return document.getElementById(name).value;
  }), names);
}

// Keys as the facts name them ("Tab", "Down", "shift+Tab", "space"), pressed one after another.
export async function press(page, keys) {
  const names = { Down: "ArrowDown", Up: "ArrowUp", space: "Space", Return: "Enter" };
  for (const key of keys) {
    const [modifier, name] = key.includes("+") ? key.split("+") : [null, key];
    if (modifier) await page.keyboard.down(modifier === "shift" ? "Shift" : "Alt");
    await page.keyboard.press(names[name] ?? name);
    if (modifier) await page.keyboard.up(modifier === "shift" ? "Shift" : "Alt");
  }
}

// Opens a list with a click on its arrow and clicks the item, as a person picks with the mouse.
export async function pick(page, list, item) {
  const arrow = await page.evaluateHandle((list) => document.getElementById(list).nextSibling, list);
  await arrow.click();
  const option = await page.evaluateHandle((list, item) =>
    [...document.getElementById(list + "-items").children].find((li) => li.textContent === item),
  list, item);
  await option.click();
}

export async function click(page, id) {
  await (await page.$("#" + id)).click();
}

export function keep(name, data) {
  mkdirSync(EVIDENCE, { recursive: true });
  writeFileSync(join(EVIDENCE, name), data);
  return join(EVIDENCE, name);
}
