// SPDX-License-Identifier: MIT
// The page on any screen, in Debian's Chromium and Firefox: at a desktop's width it is the window,
// every control at its place; narrower, down to 320 CSS pixels, it flows with no sideways scroll,
// every control whole after its caption and before its unit, in the window's rows, in text a
// phone reads; under a finger every target is 44 CSS pixels each way, and the worked example is
// done by real taps alone (Chromium: Input.dispatchTouchEvent in its mobile emulation; Firefox:
// WebDriver BiDi's input.performActions with a touch pointer), its results read by their names
// in the browser's accessibility tree.

import assert from "node:assert/strict";
import { describe, test } from "node:test";
import { FACTS, keep, open } from "./browser.mjs";

const RESULTS = ["Label40", "Label37", "Label8", "Label1", "Label11", "Label35", "Label26",
                 "Label18", "Label31", "Label14", "Label19", "Label21"];
const WIDTHS = [[320, 640], [390, 844], [768, 1024], [1280, 800]];

// In the page: how it stands. Its fields (each control with its caption and unit), in the order
// they stand on the screen; what overflows; the text size of the fields.
function standing() {
  const box = (e) => e.getBoundingClientRect();
  const fields = [...document.querySelectorAll(".field")].map((field) => {
    // The control's own box: a list's field, the first option of the group.
    const control = field.querySelector("input:not([type=radio]), .option");
    const id = control.id || control.parentElement.id;
    const unit = field.querySelector(".unit");
    return { id, caption: box(field.firstChild), control: box(control), unit: box(unit),
             unitShown: unit.textContent !== "" };
  });
  const controls = [...document.querySelectorAll("#Form1 input, #Form1 button, .open, .option")]
    .filter((e) => e.getClientRects().length && !e.closest("[hidden]"))
    .map((e) => ({ id: e.id || e.textContent, ...box(e).toJSON() }));
  const fieldTexts = [...document.querySelectorAll(".list, .box, .value")]
    .map((e) => parseFloat(getComputedStyle(e).fontSize));
  return { fields: fields.map((f) => ({ ...f, caption: f.caption.toJSON(),
                                       control: f.control.toJSON(), unit: f.unit.toJSON() })),
           controls, fieldTexts, width: innerWidth,
           scrollWidth: document.documentElement.scrollWidth,
           flowing: getComputedStyle(document.getElementById("Form1")).display === "flex" };
}

// The fields top to bottom, left to right, as they stand: at a desktop's width, by the window's
// own places, the order of its rows.
function windowOrder(fields) {
  return [...fields].sort((a, b) => a.control.top - b.control.top || a.control.left - b.control.left)
    .map((f) => f.id);
}

for (const name of ["chromium", "firefox"]) {
  describe(name, { timeout: 300000 }, () => {
    test("at every width it stands whole, in the window's order; wide, as the window", async () => {
      // The window's order, from the window's own places (the page at a desktop's width).
      const wide = await open(name, { phone: null });
      let order;
      try {
        await wide.page.setViewport({ width: 1280, height: 800 });
        order = windowOrder((await wide.page.evaluate(standing)).fields);
      } finally {
        await wide.browser.close();
      }
      for (const [width, height] of WIDTHS) {
        const session = await open(name, { phone: null });
        try {
          const { page } = session;
          await page.setViewport({ width, height });
          const at = await page.evaluate(standing);
          keep(`${name}-${width}.png`, await page.screenshot({ fullPage: true }));
          const where = `${name} at ${width} px`;
          assert.ok(at.scrollWidth <= at.width, `${where}: it scrolls sideways (${at.scrollWidth})`);
          for (const c of at.controls)
            assert.ok(c.left >= 0 && c.right <= at.width + 0.5, `${where}: ${c.id} is cut off`);
          if (width < 471) {
            assert.ok(at.flowing, `${where}: the page does not flow`);
            // In the window's order, top to bottom.
            assert.deepEqual(windowOrder(at.fields), order, `${where}: the rows' order`);
            for (const f of at.fields) {
              const beside = f.caption.right <= f.control.left + 0.5 &&
                             f.caption.bottom > f.control.top && f.caption.top < f.control.bottom;
              const above = f.caption.bottom <= f.control.top + 0.5;
              assert.ok(beside || above, `${where}: ${f.id}'s caption is neither beside nor above`);
              if (f.unitShown)
                assert.ok(f.unit.left >= f.control.right - 0.5 && f.unit.top < f.control.bottom,
                          `${where}: ${f.id}'s unit does not follow it`);
            }
            for (const size of at.fieldTexts) assert.ok(size >= 16, `${where}: text of ${size} px`);
          } else assert.ok(!at.flowing, `${where}: the page flows where the window fits`);
        } finally {
          await session.browser.close();
        }
      }
    });

    for (const [width, height] of [[390, 844], [768, 1024]]) {
      test(`by touch alone at ${width}×${height}: targets of 44 px, the worked example`, async () => {
        const session = await open(name, { phone: [width, height] });
        try {
          const { page } = session;
          assert.ok(await page.evaluate(() => matchMedia("(pointer: coarse)").matches),
                    "the pointer is not coarse");
          // Every target a finger meets, the open list's items too.
          await (await page.$("#Combo1 + .open")).tap();
          const small = await page.evaluate(() =>
            [...document.querySelectorAll("#Form1 input:not([type=radio]):not([readonly]), " +
                                          "#Form1 button, .open, .option, #Combo1-items li")]
              .map((e) => [e.id || e.textContent, e.getBoundingClientRect()])
              .filter(([, r]) => r.width < 44 || r.height < 44)
              .map(([id, r]) => `${id} ${r.width.toFixed(1)}×${r.height.toFixed(1)}`));
          assert.deepEqual(small, []);
          // A tap elsewhere closes the open list, and picks nothing.
          await (await page.$("#Label7")).tap();
          assert.equal(await page.$eval("#Combo1-items", (e) => e.hidden), true);
          assert.equal(await page.$eval("#Combo1", (e) => e.value), "");
          // The worked example: the list opened by a tap on its arrow, the item tapped, "Hesapla".
          // Each tap on the list leaves the focus in its field with the keyboard of none, so that
          // a phone's keyboard does not cover the list; a tap in the field asks for text again.
          const keyboard = () => page.evaluate(() =>
            `${document.activeElement.id} ${document.activeElement.inputMode}`);
          const taps = [];
          await (await page.$("#Combo1 + .open")).tap();
          taps.push(await keyboard());
          const item = await page.evaluateHandle((text) =>
            [...document.querySelectorAll("#Combo1-items li")].find((li) => li.textContent === text),
          FACTS.inputs[0][0]);
          await item.tap();
          taps.push(await keyboard());
          await (await page.$("#Combo1")).tap();
          taps.push(await keyboard());
          assert.deepEqual(taps, ["Combo1 none", "Combo1 none", "Combo1 text"]);
          await (await page.$("#Command1")).tap();
          const results = [];
          const seen = {};
          for (const id of RESULTS) {
            // The accessible name, its caption's spoken part with its blanks run together, as a
            // browser computes it.
            const label = await page.$eval("#" + id, (e) =>
              document.getElementById(e.getAttribute("aria-labelledby")).firstChild.textContent
                .replace(/ +/g, " "));
            // Two results share a name ("Basınç"): the tree has them in the window's order.
            const found = (await page.$$(`::-p-aria([name="${label}"][role="textbox"])`))[
              (seen[label] = (seen[label] ?? -1) + 1)];
            assert.ok(found, `no "${label}" in the accessibility tree`);
            results.push(await found.evaluate((e) => e.value));
          }
          assert.deepEqual(results, FACTS.results[0]);
          keep(`${name}-touch-${width}.png`, await page.screenshot({ fullPage: true }));
          console.log(`${name} by touch at ${width}×${height}: ${results.join(" ")}`);
          assert.deepEqual(session.problems, []);
        } finally {
          await session.browser.close();
        }
      });
    }

    test("a phone's keyboard types every item of the lists, whatever its region", async () => {
      const session = await open(name);
      try {
        const modes = await session.page.evaluate(() =>
          Object.fromEntries([...document.querySelectorAll(".list, .box")]
            .map((e) => [e.id, [e.inputMode, [...(document.getElementById(e.id + "-items")
              ?.children ?? [])].map((li) => li.textContent)]])));
        // A text keyboard has the point in every region; a numeric keypad, the digits alone, and
        // a decimal one, in some regions, a comma for the point.
        assert.equal(modes.Text2[0], "numeric");
        for (const id of ["Combo1", "Combo2", "Combo3"]) assert.equal(modes[id][0], "text", id);
        assert.ok(modes.Combo1[1].includes("7.5") && modes.Combo3[1].includes("0.18"));
      } finally {
        await session.browser.close();
      }
    });
  });
}
