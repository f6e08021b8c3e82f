// SPDX-License-Identifier: MIT
// Lighthouse 12.2.3, on its mobile and desktop presets, over the site served from 127.0.0.1 by the
// test itself, in Debian's Chromium: accessibility and best practices score 1.0, and every SEO
// audit passes but robots-txt, whose fetch the page's own policy forbids; on a phone, all its text
// is legible.

import assert from "node:assert/strict";
import { execFile } from "node:child_process";
import { mkdirSync, readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join } from "node:path";
import { describe, test } from "node:test";
import { EVIDENCE, open } from "./browser.mjs";
import { serve } from "./server.mjs";

const LIGHTHOUSE = createRequire(import.meta.url).resolve("lighthouse/cli/index.js");

// Lighthouse over a Chromium the test starts and ends itself (Lighthouse's own launcher leaves
// some of Chromium's processes behind).
async function lighthouse(url, preset, report) {
  const { browser } = await open("chromium", { url });
  try {
    const port = new URL(browser.wsEndpoint()).port;
    const args = [LIGHTHOUSE, url, "--output=json", `--output-path=${report}`, "--quiet",
                  "--only-categories=accessibility,best-practices,seo", `--port=${port}`];
    if (preset === "desktop") args.push("--preset=desktop");
    await new Promise((done, fail) => {
      execFile(process.execPath, args, { timeout: 180000 },
               (error, stdout, stderr) => (error ? fail(new Error(stderr || error.message)) : done()));
    });
  } finally {
    await browser.close();
  }
}

describe("lighthouse", { timeout: 480000 }, () => {
  for (const preset of ["mobile", "desktop"]) {
    test(`${preset}: accessibility and best practices 1.0, every SEO audit but robots-txt`,
         async () => {
      const server = await serve(process.env.FANSEL_SITE);
      try {
        mkdirSync(EVIDENCE, { recursive: true });
        const report = join(EVIDENCE, `lighthouse-${preset}.json`);
        await lighthouse(server.url, preset, report);
        const { categories, audits } = JSON.parse(readFileSync(report, "utf8"));
        const failing = (category) => categories[category].auditRefs
          .map((ref) => audits[ref.id])
          .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode !== "notApplicable"
                         && a.scoreDisplayMode !== "informative" && a.scoreDisplayMode !== "manual")
          .map((a) => `${a.id}: ${a.title}`);
        console.log(`${preset}: accessibility ${categories.accessibility.score}, best practices ` +
                    `${categories["best-practices"].score}, SEO ${categories.seo.score}`);
        assert.deepEqual(failing("accessibility"), []);
        assert.equal(categories.accessibility.score, 1);
        assert.deepEqual(failing("best-practices"), []);
        assert.equal(categories["best-practices"].score, 1);
        assert.deepEqual(failing("seo").filter((a) => !a.startsWith("robots-txt:")), []);
        // Text a phone reads without zooming (an audit Lighthouse no longer scores).
        if (preset === "mobile") assert.equal(audits["font-size"].score, 1, audits["font-size"].displayValue);
      } finally {
        await server.stop();
      }
    });
  }
});
