# SPDX-License-Identifier: MIT
"""The installer's wizard under Wine, run by an administrator (Wine raises every program, as an
administrator's installer runs), driven with real key presses on a virtual display: the licence
accepted, "Yalnızca benim için kur" chosen on the page that asks for whom, "Kur". The raised
wizard hands the work on to a run with the user's own rights, whose own window installs without
asking again; "Kapat" ends both with status 0; the program is in the user's own programs folder
and nowhere in Program Files.
    wizard_test.py APP_ID VERSION INSTALLER"""

import os
import pwd
import subprocess
import sys
import unittest

from wine import Wine

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from desktop import main, wait_until  # noqa: E402

TITLE = "Vidalı Kompresör Soğutucu Fan Seçim Programı Kurulumu"


class Wizard(unittest.TestCase):
    app_id = version = installer = None

    def setUp(self):
        self.wine = Wine().__enter__()
        self.addCleanup(self.wine.__exit__, None, None, None)

    def xdotool(self, *argv):
        return subprocess.run(["xdotool", *argv], env=self.wine.env, timeout=30,
                              capture_output=True, text=True).stdout.split()

    def wizard(self):
        """The wizard's window shown now, or None."""
        shown = self.xdotool("search", "--onlyvisible", "--name", TITLE)
        return shown[0] if shown else None

    def drawn(self, settle=True):
        """The wizard's pixels: once they have stopped changing, or as they are now."""
        size = self.wine.window_size()
        picture, origin = (self.wine.settled() if settle else
                           (self.wine.screenshot(), self.wine.window_origin(None)))
        return picture.rows(origin, size)

    def press(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", "--delay", "300", *keys)

    def test_an_administrator_installs_for_themselves_alone(self):
        user = os.path.join(self.wine.prefix, "drive_c", "users", pwd.getpwuid(os.getuid()).pw_name)
        folder = os.path.join(user, "AppData", "Local", "Programs", "Fan Selection")
        with open(os.path.join(self.wine.home, "wizard.log"), "wb") as log:
            wizard = subprocess.Popen(["wine", self.installer], env=self.wine.env,
                                      stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        try:
            raised = wait_until(self.wizard, 60, "the wizard showing")
            # The licence accepted; on the page that asks for whom, once it shows, the second
            # option; "Kur".
            self.wine.window = raised
            licence = self.drawn()
            self.press(raised, "Return")
            wait_until(lambda: self.drawn(settle=False) != licence, 60, "the next page")
            self.drawn()
            self.press(raised, "Tab", "Tab", "Down", "Return")
            # A window of the run with the user's own rights installs, then offers "Kapat".
            handed_on = wait_until(lambda: (self.wizard() or raised) != raised and self.wizard(),
                                   60, "the wizard of the run with the user's own rights")
            wait_until(lambda: os.path.isfile(os.path.join(folder, "uninstall.exe")), 120,
                       "the install for the user")

            def closed():
                if wizard.poll() is None:
                    self.press(handed_on, "Return")
                return wizard.poll() is not None
            wait_until(closed, 60, "the wizard closing on Kapat", pause=1)
        finally:
            if wizard.poll() is None:
                wizard.kill()
                wizard.wait()
        self.assertEqual(wizard.returncode, 0)
        self.assertTrue(os.path.isfile(os.path.join(folder, "fan-selection.exe")))
        self.assertFalse(os.path.exists(os.path.join(self.wine.prefix, "drive_c", "Program Files",
                                                     "Fan Selection")))
        self.assertEqual(self.wine.reg("query", "HKCU\\Software\\Microsoft\\Windows\\"
                                       "CurrentVersion\\Uninstall\\" + self.app_id), 0)
        self.assertNotEqual(self.wine.reg("query", "HKLM\\Software\\Microsoft\\Windows\\"
                                          "CurrentVersion\\Uninstall\\" + self.app_id), 0)
        print(f"\nthe wizard, for the administrator alone: status 0, in {folder}", file=sys.stderr)


if __name__ == "__main__":
    Wizard.app_id, Wizard.version, Wizard.installer = sys.argv[1:]
    sys.argv[1:] = []
    main(program_argument=False)
