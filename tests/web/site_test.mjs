// SPDX-License-Identifier: MIT
// The page as a site (./tools/web --site), served from 127.0.0.1 by the test itself, in Debian's
// Chromium and Firefox: opened once, then the network cut off (Chromium: its offline emulation,
// Network.emulateNetworkConditions; Firefox: the server stopped), then reloaded, it opens and
// calculates from what its service worker kept; its manifest is valid and the site installable,
// as Chromium's Page.getAppManifest and Page.getInstallabilityErrors say.

import assert from "node:assert/strict";
import { existsSync } from "node:fs";
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
        const before = server.asked.length;
        if (name === "chromium") await page.setOfflineMode(true);
        else await server.stop();
        await reload(page);
        await calculates(page);
        keep(`${name}-offline.png`, await page.screenshot());
        assert.equal(server.asked.length, before, "the server was asked for something offline");
        console.log(`${name}: reloaded offline, ${server.asked.length} requests before, none after`);
        // The page of the site asks for nothing beyond its own folder.
        assert.deepEqual(session.requests.filter((url) => !url.startsWith(server.url)), []);
        assert.deepEqual(session.problems, []);
        if (name === "chromium") await page.setOfflineMode(false);
      } finally {
        await session?.browser.close();
        await server.stop();
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
