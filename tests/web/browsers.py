# SPDX-License-Identifier: MIT
"""Debian's Firefox ESR and Chromium, started by a test that reads the page as a screen reader
does: the page from disk, in a profile of the test's own, with the browser's accessibility tree
given to the test's accessibility bus."""

import json
import os
import tempfile

# A fresh Firefox profile that asks nothing, fetches nothing and keeps its accessibility on.
FIREFOX_SETTINGS = {
    "accessibility.force_disabled": -1, "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False, "browser.aboutwelcome.enabled": False,
    "browser.newtab.preload": False, "browser.newtabpage.enabled": False,
    "browser.startup.page": 0,
}


def open_page(desktop, browser, page):
    """Opens the page in "firefox" or "chromium" on the test's desktop; returns the browser's
    process once its window is shown."""
    profile = tempfile.mkdtemp(prefix=f"fan-selection-{browser}-", dir=desktop.home)
    url = "file://" + os.path.abspath(page)
    if browser == "chromium":
        # Chromium gives its tree to the bus where it is told a screen reader listens.
        desktop.env["ACCESSIBILITY_ENABLED"] = "1"
        argv = ["chromium", "--no-sandbox", "--test-type", "--disable-gpu", "--no-first-run",
                "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--force-renderer-accessibility", "--user-data-dir=" + profile,
                "--app=" + url]
    else:
        desktop.env["GNOME_ACCESSIBILITY"] = "1"
        with open(os.path.join(profile, "user.js"), "w") as user:
            for name, value in FIREFOX_SETTINGS.items():
                user.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        argv = ["firefox-esr", "--no-remote", "--new-instance", "--profile", profile, url]
    return desktop.open_window(argv)
