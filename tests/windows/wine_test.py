# SPDX-License-Identifier: MIT
"""The Windows program and its installer under Wine, on a virtual X display, in a fresh Wine
prefix of the test's own that sees only Windows' own fonts (wine.py):
 1. the window, opened as the program opens it by the report build (window_report.exe), at each
    of Windows' display scales, 100, 125, 150 and 200 % (96 to 192 dots per inch): real key
    presses make the worked calculation, and once closed it reports its font and each control's
    place and text. The results are those of the calculation, every caption is drawn whole; on
    the grab the window is in proportion, every control is drawn at its scaled place and every
    caption and unit stands clear of the next control (grabs kept as SHOTS/wine-window-DPI.png);
 2. for all users (/S, with the rights Wine always gives): an older version, with a file the
    new one no longer has, is installed, and the new one over it leaves one folder, one entry
    and no stale file; the installed program draws the very pixels of the report build; an
    install while it runs is refused its file, waits for it to close, and replaces nothing
    meanwhile; the uninstall takes all of it away but a file the user put in the folder;
 3. for the current user alone (/S /CurrentUser), by a standard user (the user's own rights:
    unraised.exe, as Windows runs a user's programs; Wine raises them all) and by an
    administrator (raised, as Wine runs every program): into the user's own programs folder,
    with the Start-menu entry and the entry among the installed programs under the user, nothing
    in Program Files or HKLM; uninstalled; and, with no switch, over an earlier per-user
    install, leaving one install;
 4. for each scope, an entry among the installed programs that names a folder of the user's:
    the installer and the uninstaller leave it and its file alone, and the installer says so;
 5. both scopes installed: the user's uninstaller removes the user's install alone.
    wine_test.py APP_ID VERSION SHOTS_DIR INSTALLER INSTALLER_NSI STAGE_DIR WINE_RUN QT_DIR REPORT_EXE
                 UNRAISED_EXE"""

import os
import pwd
import shutil
import subprocess
import sys
import unittest

from wine import Wine, save

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
import looks  # noqa: E402
from desktop import FACTS, keep, main, wait_until  # noqa: E402

AFTER_132 = {"list": [*FACTS["inputs"][:2], FACTS["inputs"][3]], "box": [FACTS["inputs"][2]],
             "result": FACTS["results"], "option": FACTS["speeds"]}
SIZE = tuple(int(n) for n in FACTS["size"])
INSTALLED = sorted([
    "fan-selection.exe", "uninstall.exe", "installed-files.txt", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "Qt6PrintSupport.dll", "translations/qtbase_tr.qm", "libgcc_s_seh-1.dll", "libstdc++-6.dll", "libwinpthread-1.dll", "LICENSE.txt",
    "licences/Qt/LICENSE.LGPL3.txt", "licences/Qt/QT-SOURCE.txt", "platforms/qwindows.dll",
    "styles/qwindowsvistastyle.dll"])
TITLE = "Vidalı Kompresör Soğutucu Fan Seçim Programı"
UNINSTALLS = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
# Windows' own scalable faces (Wine's stand-ins for them among its fonts).
WINDOWS_FACES = ("Microsoft Sans Serif", "Tahoma", "Segoe UI")


def scaled(box, scale):
    """A box in the window's own pixels as it lies on a screen at that scale."""
    x, y, width, height = box
    return (round(x * scale), round(y * scale), round((x + width) * scale) - round(x * scale),
            round((y + height) * scale) - round(y * scale))


class UnderWine(unittest.TestCase):
    app_id = version = shots = installer = nsi = stage = report = unraised = None
    wine_run = []

    @classmethod
    def setUpClass(cls):
        cls.wine = Wine().__enter__()
        cls.user = os.path.join(cls.wine.prefix, "drive_c", "users",
                                pwd.getpwuid(os.getuid()).pw_name)

    @classmethod
    def tearDownClass(cls):
        cls.wine.__exit__(None, None, None)

    def calculate(self, argv, **options):
        """Opens a program, makes the worked calculation with keys; the settled grab."""
        program = self.wine.open(argv, **options)
        self.wine.keys(*FACTS["keys"])
        return program, self.wine.settled()

    def test_1_the_window_at_each_scale_in_windows_own_fonts(self):
        for dpi in (96, 120, 144, 192):
            with self.subTest(dpi=dpi):
                self.window_at(dpi, dpi / 96)
        self.wine.set_dpi(96)

    def window_at(self, dpi, scale):
        self.wine.set_dpi(dpi)
        report, (picture, origin) = self.calculate([*self.wine_run, self.report],
                                                   stdout=subprocess.PIPE, text=True)
        size = self.wine.window_size()
        shown = save(picture, origin, size, f"window-{dpi}.png")
        shutil.copy(keep(f"window-{dpi}.png"), os.path.join(self.shots, f"wine-window-{dpi}.png"))
        if dpi == 96:
            type(self).after_calculation = shown
        self.wine.keys("alt+F4")
        output, _ = report.communicate(timeout=60)
        self.assertEqual(report.returncode, 0)
        lines = [line.split("\t") for line in output.splitlines()]
        font = [text for kind, _, text, _ in lines if kind == "font"]
        self.assertTrue(font and font[0].startswith(WINDOWS_FACES), font)
        self.assertEqual([(text, ink) for kind, ink, text, _ in lines if kind == "clipped"], [])
        controls = [(kind, tuple(map(int, place.split())), text) for kind, place, text, _ in lines
                    if kind not in ("font", "clipped")]
        self.assertEqual(len(controls), int(FACTS["controls"][0]))
        for kind, texts in AFTER_132.items():
            self.assertEqual([t for k, _, t in controls if k == kind], texts)
        # In proportion: the window, and each control at its scaled place, drawn there (inside
        # its box some pixel differs from the rest; the line differs from the window around it).
        for wanted, got in zip(SIZE, size):
            self.assertLessEqual(abs(round(wanted * scale) - got), 1, size)
        for kind, box, text in controls:
            with self.subTest(kind=kind, text=text):
                x, y, width, height = scaled(box, scale)
                inside = looks.colours(picture, origin, (x, y, width, height))
                if kind == "line":
                    above = looks.colours(picture, origin, (x, y - round(3 * scale), width, 1))
                    self.assertTrue(inside - above, "the line is not drawn")
                else:
                    self.assertGreater(len(inside), 1)
        spaces = looks.clear_spaces(
            picture, origin, [(t, scaled(box, scale), k == "caption") for k, box, t in controls],
            size[0])
        self.assertEqual(len(spaces), int(FACTS["captions"][0]))
        for space, text in spaces:
            with self.subTest(caption=text):
                self.assertIsNotNone(space, "shows nothing")
                self.assertGreaterEqual(space, round(4 * scale))
        print("\nat %d dpi in %s: the window %dx%d, smallest clear space after a caption %d px,"
              " after \"%s\"" % (dpi, font[0], *size, *min(spaces)), file=sys.stderr)

    def entry(self, root, value):
        """A value of the program's entry among the installed programs, or None."""
        out = subprocess.run(["wine", "reg", "query", root + UNINSTALLS + self.app_id, "/v", value],
                             env=self.wine.env, capture_output=True, text=True, timeout=60).stdout
        subprocess.run(["wineserver", "-w"], env=self.wine.env, timeout=60)
        found = [line.split(None, 2) for line in out.splitlines() if line.strip().startswith(value)]
        return found[0][2].strip() if found else None

    def listing(self, folder):
        return sorted(os.path.relpath(os.path.join(d, n), folder)
                      for d, _, names in os.walk(folder) for n in names)

    def older_installer(self):
        """The same installer as an older version, which also had a file the new one has not."""
        stage = keep("older-stage")
        shutil.rmtree(stage, ignore_errors=True)
        shutil.copytree(self.stage, stage)
        with open(os.path.join(stage, "stale.dll"), "wb") as stale:
            stale.write(b"an older version's library")
        older = keep("older-setup.exe")
        subprocess.run(["makensis", "-V2", "-INPUTCHARSET", "UTF8", "-DVERSION=0.9.0",
                        f"-DSTAGE={stage}", f"-DOUTFILE={older}", self.nsi], check=True,
                       timeout=300)
        return older

    def test_2_for_all_users_over_an_older_version_and_while_the_program_runs(self):
        before = self.wine.files()
        folder = os.path.join(self.wine.prefix, "drive_c", "Program Files", "Fan Selection")
        self.assertEqual(self.wine.run("wine", self.older_installer(), "/S"), 0)
        self.assertIn("stale.dll", self.listing(folder))
        self.assertEqual(self.entry("HKLM", "DisplayVersion"), "0.9.0")

        self.assertEqual(self.wine.run("wine", self.installer, "/S"), 0)
        self.assertEqual(self.listing(folder), INSTALLED)
        self.assertEqual(os.listdir(os.path.dirname(folder)).count("Fan Selection"), 1)
        self.assertEqual(self.entry("HKLM", "DisplayVersion"), self.version)
        self.assertEqual(self.entry("HKLM", "QuietUninstallString"),
                         '"C:\\Program Files\\Fan Selection\\uninstall.exe" /AllUsers /S')
        self.assertIsNone(self.entry("HKCU", "DisplayVersion"))
        shortcut = os.path.join(self.wine.prefix, "drive_c", "ProgramData", "Microsoft",
                                "Windows", "Start Menu", "Programs", TITLE + ".lnk")
        self.assertTrue(os.path.isfile(shortcut))

        # Plain Wine, no path to the build's Qt: the program runs on what was installed.
        exe = os.path.join(folder, "fan-selection.exe")
        program, (picture, origin) = self.calculate(["wine", exe])
        shown = save(picture, origin, SIZE, "installed-window.png")
        shutil.copy(keep("installed-window.png"), os.path.join(self.shots, "wine-window.png"))
        self.assertEqual(shown, self.after_calculation)
        # An install while it runs is refused the program's file, as Wine's log of the
        # installer's own file calls shows (a sharing violation), waits, and has replaced
        # nothing; once the program is closed it goes on.
        stamps = self.stamps(folder)
        log = keep("install-while-running.log")
        with open(log, "wb") as trace:
            again = subprocess.Popen(["wine", self.installer, "/S"],
                                     env={**self.wine.env, "WINEDEBUG": "warn+file"},
                                     stdin=subprocess.DEVNULL, stdout=trace, stderr=trace)
        refused = "fan-selection.exe\" (status c0000043)"
        wait_until(lambda: refused in open(log, errors="replace").read() or again.poll() is not None,
                   90, "the installer reaching the running program")
        self.assertIsNone(again.poll(), "the installer ended while the program ran")
        self.assertEqual(self.stamps(folder), stamps)
        self.wine.keys("alt+F4")
        self.assertEqual(program.wait(timeout=60), 0)
        self.assertEqual(again.wait(timeout=90), 0)
        self.assertEqual(self.listing(folder), INSTALLED)
        self.uninstall_leaving_the_users_file(folder, "/AllUsers")
        self.assertFalse(os.path.exists(shortcut))
        self.assertIsNone(self.entry("HKLM", "DisplayVersion"))
        self.assertEqual(sorted(self.wine.files() - before), [])

    def stamps(self, folder):
        return {name: os.stat(os.path.join(folder, name)).st_mtime_ns
                for name in self.listing(folder)}

    def install(self, switch, *argv):
        """Runs a program (the installer) for a scope: for one user with the user's own rights."""
        if switch == "/CurrentUser":
            return self.wine.as_user(self.unraised, *argv, switch)
        return self.wine.run("wine", *argv, switch)

    def uninstall_leaving_the_users_file(self, folder, switch, *no_switch):
        """Uninstalls (with the scope's switch, or none where no_switch is given); a file of the
        user's own in the program's folder stays, with the folder, and nothing else does."""
        mine = os.path.join(folder, "notes.txt")
        with open(mine, "w") as notes:
            notes.write("the user's own")
        argv = [os.path.join(folder, "uninstall.exe"), "/S"]
        if switch in ("standard user", "administrator"):
            status = self.by(switch, *argv)
        elif no_switch:
            status = self.wine.as_user(self.unraised, *argv)
        else:
            status = self.install(switch, *argv)
        self.assertEqual(status, 0)
        self.assertEqual(self.wine.run("wineboot", "--restart"), 0)
        self.assertEqual(self.listing(folder), ["notes.txt"])
        shutil.rmtree(folder)

    def by(self, who, *argv):
        """Runs a Windows program to its end as a standard user runs it (the user's own
        rights) or as an administrator does (Wine's raised rights); its status."""
        return (self.wine.as_user(self.unraised, *argv) if who == "standard user"
                else self.wine.run("wine", *argv))

    def test_3_for_the_current_user_alone_by_a_standard_user_and_an_administrator(self):
        # An administrator's installer runs raised; the work for one user is handed on to a run
        # with the user's own rights, and ends the same as a standard user's.
        folder = os.path.join(self.user, "AppData", "Local", "Programs", "Fan Selection")
        shortcut = os.path.join(self.user, "AppData", "Roaming", "Microsoft", "Windows",
                                "Start Menu", "Programs", TITLE + ".lnk")
        older = self.older_installer()
        for who in ("standard user", "administrator"):
            with self.subTest(who=who):
                before = self.wine.files()
                self.assertEqual(self.by(who, self.installer, "/S", "/CurrentUser"), 0)
                self.assertEqual(self.listing(folder), INSTALLED)
                self.assertTrue(os.path.isfile(shortcut))
                self.assertEqual(self.entry("HKCU", "DisplayVersion"), self.version)
                self.assertIsNone(self.entry("HKLM", "DisplayVersion"))
                # Nothing beside the user's own files: no Program Files, no HKLM.
                added = self.wine.files() - before
                self.assertEqual([f for f in added if not f.startswith("drive_c/users/")
                                  and f != "user.reg"], [])
                with open(os.path.join(self.wine.prefix, "system.reg"), encoding="utf-8",
                          errors="replace") as machine:
                    self.assertFalse(self.app_id in machine.read(), "HKLM names the program")
                print(f"\n{who}: /S /CurrentUser, status 0, installed:", *sorted(added),
                      sep="\n    ", file=sys.stderr)
                quiet = self.entry("HKCU", "QuietUninstallString")
                self.assertTrue(quiet.endswith("uninstall.exe\" /CurrentUser /S"), quiet)
                self.uninstall_leaving_the_users_file(folder, who)
                self.assertFalse(os.path.exists(shortcut))
                self.assertIsNone(self.entry("HKCU", "DisplayVersion"))
                self.assertEqual(sorted(f for f in self.wine.files() - before
                                        if f != "user.reg"), [])
                # An earlier per-user install, upgraded with no switch: one install, for the
                # user, with no file of the earlier one left.
                self.assertEqual(self.by("standard user", older, "/S", "/CurrentUser"), 0)
                self.assertEqual(self.entry("HKCU", "DisplayVersion"), "0.9.0")
                self.assertEqual(self.by(who, self.installer, "/S"), 0)
                self.assertEqual(self.listing(folder), INSTALLED)
                self.assertEqual(self.entry("HKCU", "DisplayVersion"), self.version)
                self.assertIsNone(self.entry("HKLM", "DisplayVersion"))
                self.assertFalse(os.path.exists(os.path.join(
                    self.wine.prefix, "drive_c", "Program Files", "Fan Selection")))
                print(f"{who}: /S over 0.9.0 for the user, status 0, one install in {folder}",
                      file=sys.stderr)
                self.uninstall_leaving_the_users_file(folder, who)
                self.assertIsNone(self.entry("HKCU", "DisplayVersion"))

    def folders(self):
        """Each scope's registry root, switch and own program folder."""
        return {"HKLM": ("/AllUsers", os.path.join(self.wine.prefix, "drive_c", "Program Files",
                                                   "Fan Selection")),
                "HKCU": ("/CurrentUser", os.path.join(self.user, "AppData", "Local", "Programs",
                                                      "Fan Selection"))}

    def test_4_an_entry_naming_a_folder_not_the_programs(self):
        # Another program, or anyone, may point the entry at a folder of the user's: neither
        # the installer nor the uninstaller touches it; the installer installs into its own
        # folder and says so with status 3.
        reports = os.path.join(self.user, "Documents", "Reports")
        os.makedirs(reports)
        report = os.path.join(reports, "report.txt")
        with open(report, "w") as mine:
            mine.write("the user's own report")
        for root, (switch, folder) in self.folders().items():
            with self.subTest(scope=switch):
                self.assertEqual(self.wine.reg("add", root + UNINSTALLS + self.app_id, "/v",
                                               "InstallLocation", "/d", "C:\\users\\" +
                                               os.path.basename(self.user) +
                                               "\\Documents\\Reports", "/f"), 0)
                self.assertEqual(self.install(switch, self.installer, "/S"), 3)
                self.assertEqual(os.listdir(reports), ["report.txt"])
                self.assertEqual(self.listing(folder), INSTALLED)
                self.uninstall_leaving_the_users_file(folder, switch)
                self.assertEqual(os.listdir(reports), ["report.txt"])
        shutil.rmtree(reports)

    def test_5_each_uninstaller_removes_its_own_scope(self):
        # Both installed; the user's uninstaller, run with no switch (with the user's own
        # rights), removes the user's install and leaves the one for all users whole.
        scopes = self.folders()
        for switch, _ in scopes.values():
            self.assertEqual(self.install(switch, self.installer, "/S"), 0)
        everyone = scopes["HKLM"][1]
        self.uninstall_leaving_the_users_file(scopes["HKCU"][1], "/CurrentUser", "no switch")
        self.assertIsNone(self.entry("HKCU", "DisplayVersion"))
        self.assertEqual(self.listing(everyone), INSTALLED)
        self.assertEqual(self.entry("HKLM", "DisplayVersion"), self.version)
        self.uninstall_leaving_the_users_file(everyone, "/AllUsers")
        self.assertIsNone(self.entry("HKLM", "DisplayVersion"))


if __name__ == "__main__":
    (UnderWine.app_id, UnderWine.version, UnderWine.shots, UnderWine.installer, UnderWine.nsi,
     UnderWine.stage, *UnderWine.wine_run, UnderWine.report, UnderWine.unraised) = sys.argv[1:]
    sys.argv[1:] = []
    main(program_argument=False)
