// SPDX-License-Identifier: MIT
// The page in WebKit: Debian's WebKitGTK, its MiniBrowser driven by WebKitWebDriver (WebDriver
// classic; WebKitGTK has no BiDi and no headless mode) on a virtual display of its own. It offers
// the part of puppeteer's page that the tests use, with real key, pointer and wheel actions.
// Every process it starts it ends, by its id.

import { execFileSync, spawn } from "node:child_process";
import { existsSync, readdirSync } from "node:fs";
import { createServer } from "node:net";
import { basename, dirname } from "node:path";
import { fileURLToPath } from "node:url";
import { serve } from "./server.mjs";

// WebKitGTK's own browser, where Debian puts it for the machine's architecture.
const MINIBROWSER = readdirSync("/usr/lib").map((d) => `/usr/lib/${d}/webkit2gtk-4.1/MiniBrowser`)
  .find((path) => existsSync(path));
const ELEMENT = "element-6066-11e4-a52e-4f735466cecf";
// WebDriver's code points for the keys that have no character.
const KEYS = { Shift: "\uE008", Control: "\uE009", Alt: "\uE00A", ArrowLeft: "\uE012",
               ArrowUp: "\uE013", ArrowRight: "\uE014", ArrowDown: "\uE015", Enter: "\uE007",
               Escape: "\uE00C", Space: " ", Tab: "\uE004", Home: "\uE011", End: "\uE010",
               PageUp: "\uE00E", PageDown: "\uE00F", Backspace: "\uE003", Delete: "\uE017",
               F4: "\uE034", KeyA: "a" };

const freePort = () => new Promise((resolve, reject) => {
  const server = createServer();
  server.listen(0, "127.0.0.1", () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
  server.on("error", reject);
});

// Starts a program; resolves with it once `ready` is seen on its standard error or output.
function start(argv, env, ready) {
  return new Promise((resolve, reject) => {
    const child = spawn(argv[0], argv.slice(1), { env, stdio: ["ignore", "pipe", "pipe"] });
    let seen = "";
    const look = (data) => {
      seen += data;
      const found = ready(seen);
      if (found) resolve({ child, found });
    };
    child.stdout.on("data", look);
    child.stderr.on("data", look);
    child.on("exit", (code) => reject(new Error(`${argv[0]} ended (${code}): ${seen}`)));
  });
}

const end = (child) => {
  if (child && child.exitCode === null && child.signalCode === null) child.kill("SIGTERM");
  return new Promise((resolve) => (child.exitCode !== null || child.signalCode !== null
    ? resolve() : child.once("exit", resolve)));
};

// A WebDriver session of WebKitWebDriver's, at a window of width by height CSS pixels; scale is
// the display's (GDK_SCALE).
export async function openWebKit({ width = 600, height = 400, scale = 1 } = {}) {
  const { child: display, found } = await start(
    ["Xvfb", "-displayfd", "2", "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
    process.env, (seen) => /^(\d+)\n/m.exec(seen)?.[1]);
  const port = await freePort();
  const env = { ...process.env, DISPLAY: ":" + found, GDK_SCALE: String(scale),
                GDK_BACKEND: "x11", WAYLAND_DISPLAY: "", LANG: "C.UTF-8" };
  // What the driver and the browsers it starts say, kept for a failure's message.
  const driver = spawn("WebKitWebDriver", [`--port=${port}`], { env, stdio: ["ignore", "pipe", "pipe"] });
  let said = "";
  driver.stdout.on("data", (data) => (said += data));
  driver.stderr.on("data", (data) => (said += data));
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, {
      method, headers: { "Content-Type": "application/json" },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok)
      throw new Error(`${method} ${path}: ${value.error}: ${value.message}${said && "\n"}${said.slice(-400)}`);
    return value;
  };
  // A new browser; WebKitWebDriver says nothing when it is ready: its port is tried until it
  // answers.
  const session = async () => {
    for (let tries = 0; ; tries++) {
      try {
        return await call("POST", "/session", { capabilities: { alwaysMatch: {
          "webkitgtk:browserOptions": { binary: MINIBROWSER, args: ["--automation"] } } } });
      } catch (error) {
        if (tries > 100 || driver.exitCode !== null) throw error;
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  };
  let created;
  try {
    created = await session();
  } catch (error) {
    await end(driver);
    await end(display);
    throw new Error(`${error.message}\n${said}`);
  }
  // With no window manager on the display, the browser's window gets the keyboard focus from
  // xdotool, as a desktop gives it to the window opened last: without it some WebKitGTK
  // releases give the page no focus and blur events.
  const focus = () => execFileSync("xdotool", ["search", "--sync", "--onlyvisible", "--class",
                                                "MiniBrowser", "windowfocus", "--sync"],
                                   { env, timeout: 20000, stdio: "ignore" });
  const page = new WebKitPage(call, `/session/${created.sessionId}`);
  await page.setViewport({ width, height });
  focus();
  // Under WebDriver, WebKitGTK's web process now and then crashes soon after a load (a browser
  // left to load the page again by itself does not). How often it did; and the page where it
  // was, loaded again in a new browser.
  page.crashed = () => said.split("WebProcess CRASHED").length - 1;
  page.recover = async () => {
    await call("DELETE", page.at).catch(() => {});
    page.at = `/session/${(await session()).sessionId}`;
    await page.setViewport({ width, height });
    focus();
    await page.goto(page.url);
  };
  const browser = {
    name: "webkit",
    version: created.capabilities.browserVersion,
    async close() {
      await page.asked();
      await call("DELETE", page.at).catch(() => {});
      await page.server?.stop();
      await end(driver);
      await end(display);
    },
  };
  return { browser, page };
}

// An element of the page, as a WebDriver reference.
class Handle {
  constructor(page, reference) {
    this.page = page;
    this.reference = reference;
  }
  evaluate(fn, ...args) {
    return this.page.evaluate(fn, this, ...args);
  }
  async boundingBox() {
    return this.evaluate((e) => {
      const box = e.getBoundingClientRect();
      return { x: box.x, y: box.y, width: box.width, height: box.height };
    });
  }
  // As puppeteer clicks: into view, then the pointer pressed and released at its middle.
  async click() {
    await this.evaluate((e) => e.scrollIntoView({ block: "nearest", inline: "nearest" }));
    const box = await this.boundingBox();
    await this.page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  }
  async screenshot() {
    return Buffer.from(await this.page.call("GET",
      `${this.page.at}/element/${this.reference[ELEMENT]}/screenshot`), "base64");
  }
}

class WebKitPage {
  constructor(call, at) {
    this.call = call;
    this.at = at;
    this.requests = [];
    const actions = (source) => (steps) => call("POST", `${at}/actions`, { actions: [source(steps)] });
    const keys = actions((steps) => ({ type: "key", id: "keyboard", actions: steps }));
    const pointer = actions((steps) => ({ type: "pointer", id: "mouse",
                                          parameters: { pointerType: "mouse" }, actions: steps }));
    const wheel = actions((steps) => ({ type: "wheel", id: "wheel", actions: steps }));
    const code = (key) => {
      if (KEYS[key] === undefined && [...key].length !== 1) throw new Error("no such key: " + key);
      return KEYS[key] ?? key;
    };
    this.keyboard = {
      down: (key) => keys([{ type: "keyDown", value: code(key) }]),
      up: (key) => keys([{ type: "keyUp", value: code(key) }]),
      press: (key) => keys([{ type: "keyDown", value: code(key) }, { type: "keyUp", value: code(key) }]),
      type: (text) => keys([...text].flatMap((c) => [{ type: "keyDown", value: c },
                                                      { type: "keyUp", value: c }])),
      // A text arrives without keys, as an input method or a paste gives it.
      sendCharacter: (text) => this.evaluate((text) => document.execCommand("insertText", false, text), text),
    };
    const to = (x, y) => ({ type: "pointerMove", origin: "viewport", x: Math.round(x), y: Math.round(y) });
    this.mouse = {
      move: (x, y) => pointer([to(x, y)]),
      click: (x, y) => pointer([to(x, y), { type: "pointerDown", button: 0 },
                                { type: "pointerUp", button: 0 }]),
      // The wheel turned where the pointer last went.
      wheel: ({ deltaY }) => wheel([{ type: "scroll", x: this.pointer[0], y: this.pointer[1],
                                      deltaX: 0, deltaY }]),
    };
    this.pointer = [0, 0];
    const move = this.mouse.move;
    this.mouse.move = (x, y) => {
      this.pointer = [Math.round(x), Math.round(y)];
      return move(x, y);
    };
  }
  // WebDriver's arguments and results: elements as references, both ways.
  static out(value) {
    return value instanceof Handle ? value.reference : value;
  }
  in(value) {
    if (value && typeof value === "object" && value[ELEMENT]) return new Handle(this, value);
    if (Array.isArray(value)) return value.map((v) => this.in(v));
    return value;
  }
  async evaluate(fn, ...args) {
    const script = typeof fn === "string" ? `return (${fn});`
      : `return (${fn}).apply(null, arguments);`;
    return this.in(await this.call("POST", `${this.at}/execute/sync`,
                                   { script, args: args.map(WebKitPage.out) }));
  }
  evaluateHandle(fn, ...args) {
    return this.evaluate(fn, ...args);
  }
  $(selector) {
    return this.evaluate((s) => document.querySelector(s), selector);
  }
  $$(selector) {
    return this.evaluate((s) => [...document.querySelectorAll(s)], selector);
  }
  focus(selector) {
    return this.evaluate((s) => document.querySelector(s).focus(), selector);
  }
  async waitForFunction(fn, { timeout = 30000 } = {}) {
    const until = Date.now() + timeout;
    while (!(await this.evaluate(fn))) {
      if (Date.now() > until) throw new Error(`waiting for ${fn} failed: ${timeout} ms exceeded`);
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }
  // What the page asked for since it was loaded, from its own record of resources: WebDriver
  // classic reports no request.
  async asked() {
    const urls = await this.evaluate(() => performance.getEntriesByType("resource").map((e) => e.name))
      .catch(() => []);
    this.requests.push(...urls);
  }
  async goto(url) {
    await this.asked().catch(() => {});
    this.url = url;
    await this.call("POST", `${this.at}/url`, { url });
  }
  // The page loaded again, from another site than it stands at: WebKitGTK's web process under
  // WebDriver crashes far more often when the same site is loaded into it again (on the fifth
  // load or so), and a load from another site gets a web process of its own. A page from disk is
  // next served from 127.0.0.1 by a server of the test's own; a served page changes between
  // 127.0.0.1 and localhost.
  async reload() {
    await this.asked();
    const at = new URL(await this.call("GET", `${this.at}/url`));
    if (at.protocol === "file:") {
      this.server ??= await serve(dirname(fileURLToPath(at)));
      at.href = this.server.url + basename(fileURLToPath(at));
    } else at.hostname = at.hostname === "localhost" ? "127.0.0.1" : "localhost";
    await this.call("POST", `${this.at}/url`, { url: at.href });
  }
  // The window made as large as a viewport of width by height CSS pixels (the browser's own
  // bars around it).
  async setViewport({ width, height }) {
    const rect = await this.call("GET", `${this.at}/window/rect`);
    const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
    await this.call("POST", `${this.at}/window/rect`, {
      width: rect.width + width - innerWidth, height: rect.height + height - innerHeight });
  }
  async screenshot() {
    return Buffer.from(await this.call("GET", `${this.at}/screenshot`), "base64");
  }
}
