# SPDX-License-Identifier: MIT
"""The Windows program and its installer under Wine, on a virtual X display, in a fresh Wine
prefix of the test's own:
 1. the window, opened as the program opens it by the report build (window_report.exe), takes a
    calculation made with real key presses, and on closing reports each control's place and
    text: the results are those of the calculation, the grab shows every control drawn at its
    place and every caption clear of the next control;
 2. the installer installs silently (/S) the files it should, with a Start-menu entry; the
    installed fan-selection.exe opens on its own DLLs, and the same keys leave the very same
    pixels as in the report build (kept as SHOTS_DIR/wine-window.png); it closes with status 0;
 3. the uninstaller (/S) takes all of it away again: after a restart of the prefix (which
    removes the uninstaller's own running copy, as Windows does) no file is left.
    wine_test.py APP_ID SHOTS_DIR INSTALLER WINE_RUN QT_DIR REPORT_EXE"""

import ctypes
import os
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
import looks  # noqa: E402
from desktop import Desktop  # noqa: E402

# From the air requirement: Tab to the compressor list, 13 arrow presses pick 132 kW, then back to
# "Hesapla" and Space.
CALCULATION = ["Tab"] * 4 + ["Down"] * 13 + ["shift+Tab", "shift+Tab", "space"]
# What the window then shows, in the order the window makes its controls: the inputs, the result
# boxes, the speed options.
AFTER_132 = {
    "list": ["132", "132", "3"],
    "box": ["21900"],
    "result": ["350", "950", "4ZL", "800", "9", "32.5", "2.88", "19700", "300", "28", "AGM100",
               "6.9"],
    "option": ["3000", "1405", "1000"],
}
INSTALLED = sorted([
    "fan-selection.exe", "uninstall.exe", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "libgcc_s_seh-1.dll", "libstdc++-6.dll", "libwinpthread-1.dll", "LICENSE.txt",
    "licences/Qt/LICENSE.LGPL3.txt", "licences/Qt/QT-SOURCE.txt", "platforms/qwindows.dll",
    "styles/qwindowsvistastyle.dll"])
TITLE = "Vidalı Kompresör Soğutucu Fan Seçim Programı"
UNINSTALLS = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
PR_SET_CHILD_SUBREAPER = 36


class Wine(Desktop):
    """A virtual X display and a fresh Wine prefix. Wine's own processes (its server, its
    services) leave their parent; this process takes them in as their subreaper, so that it
    finds and ends every one of them by its id."""

    def __init__(self):
        super().__init__(program=None)

    def __enter__(self):
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.home = tempfile.mkdtemp(prefix="fan-selection-wine-")
        self.prefix = os.path.join(self.home, "prefix")
        # No menu entries on the host for the Start-menu entry the installer makes.
        self.env = {"PATH": os.environ["PATH"], "HOME": self.home, "LANG": "C.UTF-8",
                    "WINEPREFIX": self.prefix, "WINEDEBUG": "-all",
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

    def open(self, argv, **options):
        """Starts a Windows program and gives its window the keyboard focus; the pointer goes to
        the screen's corner, away from any tooltip."""
        program = self.open_window(argv, **options)
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=self.env, check=True, timeout=10)
        time.sleep(1)  # the first paint
        return program

    def files(self):
        return {os.path.relpath(os.path.join(folder, name), self.prefix)
                for folder, _, names in os.walk(self.prefix) for name in names}

    def _roots(self, children):
        return list(children.get(os.getpid(), []))

    def __exit__(self, *error):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=30)
        super().__exit__(*error)
        # The processes taken in are this one's children now: their ends are collected here.
        try:
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        except ChildProcessError:
            pass
        return False


def region(picture, origin, size):
    """The rows of pixels of a part of a grab."""
    x, y = origin
    width, height = size
    return [picture.rgb[((y + row) * picture.width + x) * 3:
                        ((y + row) * picture.width + x + width) * 3] for row in range(height)]


def save_png(rows, path):
    """Rows of pixels (region) as a PNG file, to be looked at."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    header = struct.pack(">IIBBBBB", len(rows[0]) // 3, len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                  + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + row for row in rows)))
                  + chunk(b"IEND", b""))


class UnderWine(unittest.TestCase):
    app_id, shots, installer, wine_run = None, None, None, None

    @classmethod
    def setUpClass(cls):
        cls.wine = Wine().__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.wine.__exit__(None, None, None)

    def test_1_keys_make_a_calculation_in_the_window_drawn_as_it_should_be(self):
        report = self.wine.open([*self.wine_run, self.report], stdout=subprocess.PIPE, text=True)
        self.wine.keys(*CALCULATION)
        time.sleep(1)
        picture, origin = self.wine.screenshot(), self.wine.window_origin(None)
        self.wine.keys("alt+F4")
        output, _ = report.communicate(timeout=60)
        self.assertEqual(report.returncode, 0)
        controls = []
        for line in output.splitlines():
            kind, place, text = line.split("\t")
            controls.append((kind, tuple(map(int, place.split())), text))
        self.assertEqual(len(controls), 52)
        for kind, texts in AFTER_132.items():
            self.assertEqual([t for k, _, t in controls if k == kind], texts)
        size = (455, 269)
        type(self).after_calculation = region(picture, origin, size)
        # Every control is drawn at its place: inside its box some pixel differs from the rest;
        # the line differs from the window around it.
        for kind, (x, y, width, height), text in controls:
            with self.subTest(kind=kind, text=text):
                inside = looks.colours(picture, origin, (x, y, width, height))
                if kind == "line":
                    self.assertFalse(inside & looks.colours(picture, origin, (x, y - 3, width, 1)))
                else:
                    self.assertGreater(len(inside), 1)
        spaces = looks.clear_spaces(picture, origin,
                                    [(t, place, k == "caption") for k, place, t in controls],
                                    size[0])
        self.assertEqual(len(spaces), 30)
        for space, text in spaces:
            with self.subTest(caption=text):
                self.assertIsNotNone(space, "shows nothing")
                self.assertGreaterEqual(space, 4)
        print("\nsmallest clear space after a caption under Wine: %d px, after \"%s\"" %
              min(spaces), file=sys.stderr)

    def test_2_the_installer_installs_a_program_that_works_and_uninstalls_it_all(self):
        before = self.wine.files()
        self.assertEqual(self.wine.run("wine", self.installer, "/S"), 0)
        folder = os.path.join(self.wine.prefix, "drive_c", "Program Files", "Fan Selection")
        installed = sorted(os.path.relpath(os.path.join(d, n), folder)
                           for d, _, names in os.walk(folder) for n in names)
        self.assertEqual(installed, INSTALLED)
        shortcut = os.path.join(self.wine.prefix, "drive_c", "ProgramData", "Microsoft",
                                "Windows", "Start Menu", "Programs", TITLE + ".lnk")
        self.assertTrue(os.path.isfile(shortcut))
        self.assertEqual(self.wine.run("wine", "reg", "query", UNINSTALLS + self.app_id), 0)

        # Plain Wine, no path to the build's Qt: the program runs on what was installed.
        program = self.wine.open(["wine", os.path.join(folder, "fan-selection.exe")])
        self.wine.keys(*CALCULATION)
        time.sleep(1)
        picture, origin = self.wine.screenshot(), self.wine.window_origin(None)
        shown = region(picture, origin, (455, 269))
        save_png(shown, os.path.join(self.shots, "wine-window.png"))
        self.assertEqual(shown, self.after_calculation)
        self.wine.keys("alt+F4")
        self.assertEqual(program.wait(timeout=60), 0)

        self.assertEqual(self.wine.run("wine", os.path.join(folder, "uninstall.exe"), "/S"), 0)
        self.assertEqual(self.wine.run("wineboot", "--restart"), 0)
        self.assertFalse(os.path.exists(folder))
        self.assertFalse(os.path.exists(shortcut))
        self.assertNotEqual(self.wine.run("wine", "reg", "query", UNINSTALLS + self.app_id), 0)
        self.assertEqual(sorted(self.wine.files() - before), [])


if __name__ == "__main__":
    (UnderWine.app_id, UnderWine.shots, UnderWine.installer, *UnderWine.wine_run,
     UnderWine.report) = sys.argv[1:]
    sys.argv[1:] = []
    unittest.main(verbosity=2)
