// SPDX-License-Identifier: MIT
// The page's actions after the window, in Debian's Chromium and Firefox, by real clicks and keys:
// Kopyala puts the report on the clipboard as text and HTML, Bağlantı a link that opens a fresh
// page as the sender's stood, Paylaş hands both to a phone's share sheet, Yazdır and the browser's own print print the datasheet (read back
// from Chromium's PDF by pdftotext), and a fuzz of hostile fragments leaves the page whole.
//   FANSEL_PAGE=build-web/fan-selection.html node --test tests/web/actions_test.mjs

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { after, before, describe, test } from "node:test";
import { pathToFileURL } from "node:url";
import { FACTS, PAGE, STATE, copiedBy, keep, load, open, press, shown } from "./browser.mjs";

// The worked example's lines, as the report holds them: caption, value and unit.
const LINES = ["Kompresör Gücü\t132\tkW", "Soğutma Havası İhtiyacı\t21900\tkg/h",
               "Fan Tipi\t4ZL\t", "Fan Çapı\t800\tmm", "Açı\t32.5\tderece",
               "Fan Debisi\t19700\tm3/h", "Fan d/dk\t1405\t", "Fan Motor Tipi\tAGM100\t",
               "Fan Motoru Akımı (Max)\t6.9\tA", "Fan tablosu satırı\t15\t"];

// Hostile fragments: too long, malformed, unknown names, markup and script, out of range; and a
// seeded stream of random ones over the names and the characters that break parsers.
function hostile() {
  const fixed = ["#" + "Combo1=1&".repeat(600), "#%E0%A4%A", "#Combo1=%ZZ&&&=&Text2",
                 "#Label8=<img src=x onerror=window.pwned=1>", "#Label8=<script>window.pwned=1</script>",
                 "#Option1=7&Option1_0=-1&Option1_1=1e9999", "#Text2=123456789",
                 "#__proto__=1&constructor=2&toString=3", "#Combo1=%00%1F&Label1=a%0Ab",
                 "#javascript:window.pwned=1", "#Label19=" + "A".repeat(17)];
  const names = [...STATE.filter((n) => !n.includes("(")), "Option1", "Option1_0", "x", ""];
  const alphabet = ["<", ">", "\"", "'", "&", "=", "%", "#", "%00", "%ZZ", "\\", "/", "9", "a",
                    "ş", "\u202e", " ", "+", ";", "{{{", "${"];
  let seed = 20261210;
  const next = (n) => ((seed = (seed * 1103515245 + 12345) % 2147483648) % n);
  const random = Array.from({ length: 200 }, () => "#" + Array.from({ length: 1 + next(6) },
    () => names[next(names.length)] + "=" + Array.from({ length: next(8) },
      () => alphabet[next(alphabet.length)]).join("")).join("&"));
  return [...fixed, ...random];
}

for (const name of ["chromium", "firefox"]) {
  describe(name, { timeout: 300000 }, () => {
    let session;
    before(async () => {
      session = await open(name);
      await press(session.page, FACTS.keys[0]);
    });
    after(async () => {
      await session?.browser.close();
      assert.deepEqual(session.problems, []);
    });

    test("Kopyala puts the selection on the clipboard, as three columns and as a table", async () => {
      const { text, html } = await copiedBy(session.page, "copy");
      keep(`${name}-copied.txt`, text);
      for (const line of LINES) assert.ok(text.includes(line + "\n"), line);
      assert.ok(text.startsWith("Vidalı Kompresör Soğutucu Fan Seçim Programı\nSürüm "));
      assert.ok(html.includes("<tr><td>Fan Tipi</td><td>4ZL</td><td></td></tr>"));
      assert.equal(await session.page.$eval("#announce", (n) => n.textContent), "Seçim kopyalandı");
    });

    test("Bağlantı's link opens a fresh page as this one stands", async () => {
      const { page, browser } = session;
      // The speed option and a typed requirement too: a state no handler wrote whole.
      await (await page.$("#Option1_0")).click();
      await page.$eval("#Text2", (n) => { n.value = ""; });
      await page.type("#Text2", "99");
      const sent = await shown(page, STATE);
      const { text: link } = await copiedBy(page, "link");
      assert.ok(link.startsWith(pathToFileURL(PAGE).href + "#"), link);
      console.log(`${name}: the link is ${link.length} characters: ${link}`);
      const fresh = await browser.newPage();
      await load(fresh, link);
      assert.deepEqual(await shown(fresh, STATE), sent);
      await fresh.close();
    });

    test("hostile fragments leave the page whole, run nothing and say nothing", async () => {
      const { browser } = session;
      const page = await browser.newPage();
      const problems = [];
      page.on("pageerror", (error) => problems.push(error.message));
      page.on("dialog", (dialog) => problems.push("a dialog: " + dialog.message()));
      const fragments = hostile();
      // The first few loaded afresh, the rest as a link followed in an open page.
      for (const [i, fragment] of fragments.entries()) {
        if (i < 4) await load(page, pathToFileURL(PAGE).href + fragment);
        else await page.evaluate((f) => { location.hash = f; }, fragment);
        const looks = await page.evaluate(() => ({
          pwned: window.pwned ?? null, said: document.getElementById("announce").textContent,
          markup: document.querySelectorAll("#Form1 img, #Form1 script").length,
          long: [...document.querySelectorAll("#Form1 input")].some((n) => n.value.length > 16),
        }));
        assert.deepEqual(looks, { pwned: null, said: "", markup: 0, long: false }, fragment);
      }
      // And the page still calculates.
      await load(page, pathToFileURL(PAGE).href + "#Text2=<b>");
      await press(page, FACTS.keys[0]);
      assert.deepEqual(await shown(page, ["Label8", "Label19"]), ["4ZL", "AGM100"]);
      assert.deepEqual(problems, []);
      await page.close();
    });

    if (name === "chromium")
      test("Paylaş, where there is a share sheet (a phone's, by touch), hands it the link and text",
        async () => {
          const { browser } = session;
          const page = await browser.newPage();
          await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true,
                                   hasTouch: true });
          // The share sheet a phone's browser has, which a desktop's Chromium lacks.
          await page.evaluateOnNewDocument(() => {
            navigator.share = async (data) => { window.shared = data; };
          });
          await load(page);
          await press(page, FACTS.keys[0]);
          await page.tap("#share");
          const shared = await page.waitForFunction(() => window.shared, { timeout: 10000 });
          const { title, text, url } = await shared.jsonValue();
          assert.equal(title, "Vidalı Kompresör Soğutucu Fan Seçim Programı");
          for (const line of LINES) assert.ok(text.includes(line + "\n"), line);
          const fresh = await browser.newPage();
          await load(fresh, url);
          assert.deepEqual(await shown(fresh, STATE), await shown(page, STATE));
          await fresh.close();
          await page.close();
        });

    if (name === "chromium")
      test("Yazdır prints the datasheet, not the form", async () => {
        const { page } = session;
        await load(page);
        await press(page, FACTS.keys[0]);
        const pdf = keep(`${name}-datasheet.pdf`, await page.pdf({ format: "A4" }));
        const text = execFileSync("pdftotext", ["-layout", pdf, "-"], { encoding: "utf8" });
        for (const line of LINES) {
          const [caption, value] = line.split("\t");
          assert.match(text, new RegExp(`${caption.replace(/[()]/g, "\\$&")}\\s+${value}`));
        }
        assert.doesNotMatch(text, /Hesapla\s*Çıkış|Kopyala/);
        assert.equal(execFileSync("pdfinfo", [pdf], { encoding: "utf8" }).match(/Pages:\s+(\d+)/)[1], "1");
      });
  });
}
