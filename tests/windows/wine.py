# SPDX-License-Identifier: MIT
"""A Windows machine as the tests under Wine have it: a virtual X display and a fresh Wine prefix
of the test's own, which sees Windows' own fonts only (Wine's, from fonts-wine; no font of
Debian's), at the screen scale Windows' DPI setting gives."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from desktop import Desktop, keep, wait_until  # noqa: E402

# Wine's own fonts alone: what a Windows program finds on Windows (MS Sans Serif, Tahoma, ...).
WINE_FONTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "windows",
                          "wine-fonts.conf")
DESKTOP_KEY = "HKCU\\Control Panel\\Desktop"


class Wine(Desktop):
    """Wine's own processes (its server, its services) leave their parent; this process takes
    them in (Desktop), so that it finds and ends every one of them by its id."""

    def __init__(self):
        super().__init__(program=None)

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="fan-selection-wine-")
        self.prefix = os.path.join(self.home, "prefix")
        # No menu entries on the host for the Start-menu entry the installer makes.
        self.env = {"PATH": os.environ["PATH"], "HOME": self.home, "LANG": "C.UTF-8",
                    "WINEPREFIX": self.prefix, "WINEDEBUG": "-all", "FONTCONFIG_FILE": WINE_FONTS,
                    "XDG_CACHE_HOME": self.home,
                    "WINEDLLOVERRIDES": "mscoree,mshtml,winemenubuilder.exe="}
        try:
            self._start_display()
            self.run("wineboot", "--init")
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def run(self, *argv, timeout=120):
        """Runs a Wine command to its end, and then waits until every process of the prefix has
        ended (an uninstaller, for one, goes on in a copy of itself)."""
        status = subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL, timeout=timeout,
                                capture_output=True).returncode
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=timeout)
        return status

    def as_user(self, unraised, *argv):
        """Runs a Windows program with its user's own rights, as Windows runs a user's programs
        (Wine raises every process of its user; unraised.exe runs it with the limited token
        linked to the raised one), to its end; its status."""
        return self.run("wine", unraised, *argv)

    def reg(self, *argv):
        """Wine's reg command; its status."""
        return self.run("wine", "reg", *argv)

    def set_dpi(self, dpi):
        """Windows' display scale, as its settings set it: 96 dots per inch is 100 %."""
        self.reg("add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")

    def open(self, argv, **options):
        """Starts a Windows program and gives its window the keyboard focus; the pointer goes to
        the screen's corner, away from any tooltip. Returns once the window is drawn."""
        program = self.open_window(argv, **options)
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=self.env, check=True, timeout=10)
        self.settled()
        return program

    def window_size(self):
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.window],
                               env=self.env, check=True, timeout=10, capture_output=True,
                               text=True).stdout
        place = dict(line.split("=", 1) for line in shell.split())
        return int(place["WIDTH"]), int(place["HEIGHT"])

    def settled(self, seconds=30):
        """The window's pixels once they have stopped changing: two grabs in a row alike but for
        the text cursor, which blinks for as long as a text field has the focus (a grab takes
        about a second here, the blink half a second: grabs in a row may each catch the other
        phase, the more so the busier the machine)."""
        size = self.window_size()
        last = None

        def alike():
            nonlocal last
            picture, origin = self.screenshot(), self.window_origin(None)
            shown = picture.rows(origin, size)
            same, last = last is not None and but_a_cursor(shown, last), shown
            return same and (picture, origin)
        return wait_until(alike, seconds, "the window's drawing settling", pause=0.2)

    def files(self):
        return {os.path.relpath(os.path.join(folder, name), self.prefix)
                for folder, _, names in os.walk(self.prefix) for name in names}

    def __exit__(self, *error):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=30)
        return super().__exit__(*error)


def but_a_cursor(rows, others):
    """Whether two grabs (rows of RGB bytes) are alike but for a text cursor: where they differ,
    one line of pixels at most two wide and a line of text high."""
    changed = [y for y, (a, b) in enumerate(zip(rows, others)) if a != b]
    if not changed:
        return True
    if changed[-1] - changed[0] > 24:
        return False
    columns = {x // 3 for y in changed for x in range(0, len(rows[y]), 3)
               if rows[y][x:x + 3] != others[y][x:x + 3]}
    return max(columns) - min(columns) < 2


def save(picture, origin, size, name):
    """A part of a grab, kept with the evidence and returned as its rows of pixels."""
    picture.save(keep(name), origin, size)
    return picture.rows(origin, size)

