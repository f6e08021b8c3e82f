// SPDX-License-Identifier: MIT
// The page as a site (./tools/web --site), served from 127.0.0.1 by the test itself, in Debian's
// Chromium and Firefox: opened once, then the network cut off (the server stopped), then
// reloaded, it opens and calculates from what its service worker kept; its manifest is valid and
// the site installable, as Chromium's Page.getAppManifest and Page.getInstallabilityErrors say. A new release put in the
// old one's place, whose files a month old the browser still holds as fresh, is what the first
// load online shows, and what opens offline after it.

import assert from "node:assert/strict";
import { cpSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, utimesSync,
         writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { describe, test } from "node:test";
import { FACTS, keep, open, press, reload, shown } from "./browser.mjs";
import { serve } from "./server.mjs";

const SITE = process.env.FANSEL_SITE;
// Once the service worker has kept the site and answers for the page.
async function kept(page) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await reload(page);
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null),
            "no service worker answers for the page");
}

async function calculates(page) {
  await press(page, FACTS.keys[0]);
  assert.deepEqual(await shown(page, ["Combo1", "Label19", "Label21"]),
                   [FACTS.inputs[0][0], FACTS.results[0][10], FACTS.results[0][11]]);
}

// The site copied to a folder of the test's own, its files a month old; release(folder, "B")
// puts a new release in its place: its page and its worker's name changed, its files new.
function published() {
  const folder = mkdtempSync(join(tmpdir(), "fan-selection-site-"));
  cpSync(SITE, folder, { recursive: true });
  const month = Date.now() / 1000 - 31 * 24 * 3600;
  for (const file of readdirSync(folder)) utimesSync(join(folder, file), month, month);
  return folder;
}
function release(folder, mark) {
  const page = readFileSync(join(folder, "index.html"), "utf8");
  writeFileSync(join(folder, "index.html"), page.replace("<head>", `<head><!-- release ${mark} -->`));
  const worker = readFileSync(join(folder, "sw.js"), "utf8");
  writeFileSync(join(folder, "sw.js"), worker.replace(/"fan-selection-[^"]*"/, `"fan-selection-${mark}"`));
}
const showsRelease = (page, mark) =>
  page.evaluate((mark) => document.head.innerHTML.includes(`<!-- release ${mark} -->`), mark);

for (const name of ["chromium", "firefox"]) {
  describe(name, { timeout: 240000 }, () => {
    test("loaded once, it opens and calculates with the network cut off", async () => {
      assert.ok(SITE && existsSync(join(SITE, "index.html")), `no site in ${SITE}`);
      const server = await serve(SITE);
      let session;
      try {
        session = await open(name, { url: server.url });
        const { page } = session;
        await kept(page);
        for (const file of ["/", "/sw.js", "/manifest.webmanifest", "/icon-192.png", "/icon-512.png"])
          assert.ok(server.asked.includes(file), `${file} was never asked for`);
        // Offline: the server gone, as the network is for a phone out of reach (Chromium's
        // offline emulation does not reach the worker, which asks the server first).
        await server.stop();
        await reload(page);
        await calculates(page);
        keep(`${name}-offline.png`, await page.screenshot());
        console.log(`${name}: reloaded offline, after ${server.asked.length} requests online`);
        // The page of the site asks for nothing beyond its own folder.
        assert.deepEqual(session.requests.filter((url) => !url.startsWith(server.url)), []);
        assert.deepEqual(session.problems, []);
      } finally {
        await session?.browser.close();
        await server.stop();
      }
    });

    test("a new release is what the first load online shows, and what opens offline", async () => {
      const folder = published();
      const server = await serve(folder);
      let session;
      try {
        session = await open(name, { url: server.url });
        const { page } = session;
        await kept(page);
        await reload(page);
        assert.equal(await showsRelease(page, "B"), false);
        release(folder, "B");
        await reload(page);
        assert.ok(await showsRelease(page, "B"), "the first load after the new release showed the old");
        // Once the new worker has kept the new release, it is what opens offline.
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForFunction(async () => (await caches.keys()).join() === "fan-selection-B",
                                   { timeout: 30000 });
        await server.stop();
        await reload(page);
        assert.ok(await showsRelease(page, "B"), "offline, the old release opened");
        await calculates(page);
        console.log(`${name}: release B shown on the first load after it, and offline`);
        assert.deepEqual(session.problems, []);
      } finally {
        await session?.browser.close();
        await server.stop();
        rmSync(folder, { recursive: true, force: true });
      }
    });

    if (name === "chromium") {
      test("its manifest is valid, and the site installable", async () => {
        const server = await serve(SITE);
        let session;
        try {
          session = await open(name, { url: server.url });
          await kept(session.page);
          const cdp = await session.page.createCDPSession();
          const manifest = await cdp.send("Page.getAppManifest");
          assert.deepEqual(manifest.errors, []);
          const parsed = JSON.parse(manifest.data);
          assert.deepEqual(parsed.icons.map((i) => i.sizes), ["192x192", "512x512"]);
          const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
          assert.deepEqual(installabilityErrors, []);
          console.log(`chromium: manifest "${parsed.name}", installable`);
        } finally {
          await session?.browser.close();
          await server.stop();
        }
      });
    }
  });
}
