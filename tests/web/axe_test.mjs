// SPDX-License-Identifier: MIT
// axe-core, the accessibility checks web teams run, over the page in every state, in Debian's
// Chromium and Firefox: at start, with each list open, after the calculation, in a dark scheme,
// under forced colours and at 320 CSS pixels. No violation of WCAG 2.0, 2.1 or 2.2 at level A or
// AA, and none of axe's best practices.

import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { describe, test } from "node:test";
import { FACTS, keep, open, press, reload } from "./browser.mjs";

const AXE = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22a", "wcag22aa", "best-practice"];

// axe over the page as it stands: each violation as "rule: the elements".
async function violations(page) {
  const result = await page.evaluate(async (source, tags) => {
    if (!window.axe) (0, eval)(source);
    const { violations, passes } = await window.axe.run(document, { runOnly: { type: "tag", values: tags } });
    return { violations: violations.map((v) => `${v.id} (${v.impact}): ` +
                                              v.nodes.map((n) => n.target.join(" ")).join(", ")),
             passes: passes.length };
  }, AXE, TAGS);
  return result;
}

// A media feature, as Chromium emulates it (Firefox is started with its own settings instead).
async function emulate(page, feature, value) {
  if (page.browser().process()?.spawnfile?.includes("chromium"))
    await page.emulateMediaFeatures([{ name: feature, value }]);
}

// The states, each made from a fresh page: its name, what Firefox must be started with, and the
// acts that make it.
const STATES = [
  ["at start", {}, async () => {}],
  ...["Combo1", "Combo2", "Combo3"].map((list) => [`with ${list} open`, {}, async (page) => {
    await page.focus("#" + list);
    await page.keyboard.down("Alt");
    await page.keyboard.press("ArrowDown");
    await page.keyboard.up("Alt");
  }]),
  ["after the calculation", {}, (page) => press(page, FACTS.keys[0])],
  ["dark", { "layout.css.prefers-color-scheme.content-override": 0 }, async (page) => {
    await emulate(page, "prefers-color-scheme", "dark");
    await press(page, FACTS.keys[0]);
  }],
  ["forced colours", { "browser.display.document_color_use": 2 }, async (page) => {
    await emulate(page, "forced-colors", "active");
    await press(page, FACTS.keys[0]);
  }],
  ["at 320 px", {}, async (page) => {
    await page.setViewport({ width: 320, height: 640 });
    await press(page, FACTS.keys[0]);
  }],
];

for (const name of ["chromium", "firefox"]) {
  describe(name, { timeout: 300000 }, () => {
    test("no violation in any state", async () => {
      let session = await open(name);
      const found = [];
      try {
        for (const [state, prefs, make] of STATES) {
          const own = name === "firefox" && Object.keys(prefs).length;
          if (own) {
            await session.browser.close();
            session = await open(name, { prefs });
          } else await reload(session.page);
          if (name === "chromium") await session.page.emulateMediaFeatures([]);
          await make(session.page);
          const { violations: seen, passes } = await violations(session.page);
          console.log(`${name} ${state}: ${seen.length} violations, ${passes} rules passed`);
          found.push(...seen.map((v) => `${state}: ${v}`));
          if (own) {
            await session.browser.close();
            session = await open(name);
          }
        }
        if (found.length) keep(`${name}-axe.txt`, found.join("\n") + "\n");
        assert.deepEqual(found, []);
      } finally {
        await session.browser.close();
      }
    });
  });
}
