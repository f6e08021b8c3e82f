// SPDX-License-Identifier: MIT
// The page in a real browser, Debian's Chromium or Firefox, headless, driven through its own
// automation protocol (puppeteer-core: the DevTools protocol, WebDriver BiDi), or WebKitGTK
// through WebDriver classic (webkit.mjs), with real mouse and key events; and the facts every
// language's tests share (tests/support/facts.txt).

import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { openWebKit } from "./webkit.mjs";

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

// A browser with the page open, every request it makes noted; once the page is ready. By
// default the page is the file, opened from disk, at a window of 600 by 400; zoom is the device's
// scale; a phone is a touch screen of that many CSS pixels (Chromium's mobile emulation; in
// Firefox, its touch events and a coarse pointer); prefs are Firefox's own settings; url is where
// the page is served from.
export async function open(name, { zoom = 1, phone = null, prefs = {}, url = null } = {}) {
  if (name === "webkit") {
    // What the page asked for is its own record's; its errors, WebDriver classic cannot see.
    const { browser, page } = await openWebKit({ scale: zoom });
    await load(page, url);
    return { browser, page, requests: page.requests, problems: [] };
  }
  const settings = BROWSERS[name];
  const touch = phone && name === "firefox"
    ? { "dom.w3c_touch_events.enabled": 1, "ui.primaryPointerCapabilities": 1,
        "ui.allPointerCapabilities": 1 } : {};
  const browser = await puppeteer.launch({
    ...settings, headless: true, protocolTimeout: 60000,
    extraPrefsFirefox: { "layout.css.devPixelsPerPx": String(zoom), "network.dns.disabled": true,
                         ...touch, ...prefs },
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
  if (phone)
    await page.setViewport({ width: phone[0], height: phone[1], deviceScaleFactor: 2,
                             ...(name === "chromium" ? { isMobile: true, hasTouch: true } : {}) });
  else if (name === "chromium")
    await page.setViewport({ width: 600, height: 400, deviceScaleFactor: zoom });
  await load(page, url);
  return { browser, page, requests, problems };
}

// Opens the page in a tab, from disk or from where it is served, and waits until it is ready.
export async function load(page, url = null) {
  await page.goto(url ?? pathToFileURL(PAGE).href);
  await ready(page);
}
// Reloads the page and waits until it is ready again. In WebKit under WebDriver a page loaded
// again seldom does not build itself (docs/browser.md): it is loaded in a new browser, and counted.
export async function reload(page) {
  await page.reload();
  try {
    await ready(page);
  } catch (error) {
    if (!page.recover) throw error;
    page.unbuilt = (page.unbuilt ?? 0) + 1;
    await page.recover();
    await page.reload();
    await ready(page);
  }
}
export async function ready(page) {
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

// What the window shows, as the desktop's recorded sessions write it: the fields, the results,
// the options' captions and the index of the selected one, joined by "|".
export const STATE = ["Combo1", "Combo2", "Combo3", "Text2", "Label40", "Label37", "Label8",
                      "Label1", "Label11", "Label35", "Label26", "Label18", "Label31", "Label14",
                      "Label19", "Label21", "Option1(0)", "Option1(1)", "Option1(2)", "selected"];
export async function snapshot(page) {
  return "= " + (await shown(page, STATE)).join("|");
}

// What the page shows as a session of acts writes it down (tests/support/acts.h): the snapshot,
// the control with the focus, the open list and its highlighted item.
export async function state(page) {
  const [focus, open, highlight] = await page.evaluate(() => {
    const open = document.querySelector(".items:not([hidden])");
    if (open) {
      const list = open.id.replace(/-items$/, "");
      const item = open.querySelector('[aria-selected="true"]');
      return [list, list, item ? item.textContent : "-"];
    }
    const id = document.activeElement?.id ?? "";
    const option = /^Option1_(\d)$/.exec(id);
    if (option) return [`Option1(${option[1]})`, "-", "-"];
    return [/^(Combo\d|Text2|Command\d)$/.test(id) ? id : "-", "-", "-"];
  });
  return `${await snapshot(page)}|${focus}|${open}|${highlight}`;
}

// What a click on one of the page's actions put on the clipboard (text and HTML), read in the
// copy event after the page's own.
export async function copiedBy(page, id) {
  await page.evaluate(() => {
    window.copied = null;
    document.addEventListener("copy", (e) => {
      window.copied = { text: e.clipboardData.getData("text/plain"),
                        html: e.clipboardData.getData("text/html") };
    }, { once: true });
  });
  await (await page.$("#" + id)).click();
  await page.waitForFunction(() => window.copied !== null, { timeout: 10000 });
  return page.evaluate(() => window.copied);
}

// One act of a session of acts (tests/support/acts.h), done with the browser's own keys, clicks
// and wheel.
export async function act(page, line) {
  const [verb, target, ...words] = line.split(" ");
  const rest = line.slice(verb.length + 1);
  const element = (name) => {
    const option = /^Option1\((\d)\)$/.exec(name);
    return page.evaluateHandle((id) => {
      const node = document.getElementById(id);
      return node.type === "radio" ? node.labels[0] : node;
    }, option ? "Option1_" + option[1] : name);
  };
  // The keys the language names (tests/support/acts.h), by the browser's names.
  const keys = { Up: "ArrowUp", Down: "ArrowDown", Left: "ArrowLeft", Right: "ArrowRight",
                 A: "KeyA", Enter: "Enter", Escape: "Escape", Space: "Space", Tab: "Tab",
                 Home: "Home", End: "End", PageUp: "PageUp", PageDown: "PageDown",
                 Backspace: "Backspace", Delete: "Delete", F4: "F4" };
  const modifiers = { shift: "Shift", alt: "Alt", ctrl: "Control" };
  switch (verb) {
    case "key": {
      const parts = target.split("+");
      const key = parts.pop();
      if (!keys[key] || parts.some((m) => !modifiers[m])) throw new Error("no such key: " + line);
      for (const m of parts) await page.keyboard.down(modifiers[m]);
      await page.keyboard.press(keys[key]);
      for (const m of parts.reverse()) await page.keyboard.up(modifiers[m]);
      break;
    }
    case "type":
      await page.keyboard.type(rest);
      break;
    case "pause":
      // Longer than the lists' keyboard search waits for the next key of one text.
      await new Promise((resolve) => setTimeout(resolve, 450));
      break;
    case "paste":
      for (const c of rest) await page.keyboard.sendCharacter(c);
      break;
    case "click": {
      // A text field is clicked after its text (before a list's arrow), where the text cursor
      // then stands whatever the font.
      const node = await element(target);
      const field = await node.evaluate((e) => e.tagName === "INPUT" && e.type === "text");
      if (!field) await node.click();
      else {
        // The rightmost point of the field that nothing stands over (a list's arrow does).
        const [x, y] = await node.evaluate((e) => {
          const box = e.getBoundingClientRect();
          const y = box.top + box.height / 2;
          let x = box.right - 4;
          while (x > box.left && document.elementFromPoint(x, y) !== e) x--;
          return [x - 3, y];
        });
        await page.mouse.click(x, y);
      }
      break;
    }
    case "arrow":
      await (await page.evaluateHandle((id) => document.getElementById(id).nextSibling, target)).click();
      break;
    case "item":
      await (await page.evaluateHandle((id, text) =>
        [...document.getElementById(id + "-items").children].find((li) => li.textContent === text),
      target, words.join(" "))).click();
      break;
    case "copy":
      return (await copiedBy(page, "copy")).text;
    case "wheel": {
      const box = await (await element(target)).boundingBox();
      await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
      await page.mouse.wheel({ deltaY: words[0] === "up" ? -100 : 100 });
      break;
    }
    default:
      throw new Error("no such act: " + line);
  }
}

// One act of a desktop session, as the session wrote it (tests/support/session.h), done here
// with the same keys and clicks.
export async function replay(page, line) {
  const [act, target, ...rest] = line.split(" ");
  const field = "#" + target;
  const text = (hex) => (hex === "-" ? "" : Buffer.from(hex, "hex").toString("utf8"));
  const chord = async (modifier, key) => {
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    if (modifier) await page.keyboard.up(modifier);
  };
  const isOpen = () => page.evaluate((id) => !document.getElementById(id + "-items").hidden, target);
  switch (act) {
    case "pick-keys":
      await page.focus(field);
      await chord("Alt", "ArrowDown");
      if (!(await isOpen())) break;
      await page.keyboard.press("Home");
      for (let r = 0; r < Number(rest[0]); r++) await page.keyboard.press("ArrowDown");
      await page.keyboard.press("Enter");
      if (await isOpen()) await page.keyboard.press("Escape");
      break;
    case "pick-mouse": {
      const items = await page.$$(`#${target}-items li`);
      await (await page.evaluateHandle((id) => document.getElementById(id).nextSibling, target)).click();
      await items[Number(rest[0])].click();
      break;
    }
    case "arrow":
      await click(page, target);
      await chord({ ctrl: "Control", alt: "Alt" }[rest[1]], rest[0]);
      if (await isOpen()) await page.keyboard.press("Escape");
      break;
    case "type":
      await click(page, target);
      if (rest[0] === "1") await chord("Control", "KeyA");
      // A Tab moves the focus on, and the desktop's keys still go to the field.
      for (const c of text(rest[1])) {
        if (c === "\t") {
          await page.keyboard.press("Tab");
          await page.focus(field);
        } else await page.keyboard.type(c);
      }
      break;
    case "paste":
      await click(page, target);
      for (const c of text(rest[0])) await page.keyboard.sendCharacter(c);
      break;
    case "option":
      await click(page, "Option1_" + target);
      break;
    case "option-arrow":
      await page.focus("#Option1_" + target);
      await page.keyboard.press("Arrow" + rest[0]);
      break;
    case "calculate":
      await click(page, "Command1");
      break;
    case "enter":
      await click(page, target);
      await page.keyboard.press("Enter");
      break;
    case "tab":
      await page.focus(field);
      await page.keyboard.press("Tab");
      break;
    default:
      throw new Error("no such act: " + line);
  }
}
