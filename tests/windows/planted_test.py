# SPDX-License-Identifier: MIT
"""The installer and its uninstaller under Wine, against what anyone may plant where they work:
in the program's folder, or in a folder that the entry among the installed programs names, a
list of files naming wildcards, roots, drives and ways up, files of the user's, and a symbolic
link (Wine's junction: a reparse point to Windows programs) to a folder of the user's. Every
file of the user's survives the install, an upgrade and the uninstall, for one user and for all
users, run by a standard user and by an administrator, whose run for one user hands the work on
to a run with the user's own rights.
Wine raises every process of its user, as an administrator's run is; a standard user's runs
with the user's own rights (unraised.exe), as Windows runs a user's programs.
    planted_test.py APP_ID INSTALLER UNRAISED_EXE"""

import hashlib
import os
import pwd
import shutil
import sys
import unittest

from wine import Wine

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from desktop import main  # noqa: E402

UNINSTALLS = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
# A damaged or planted list: no line of it names a file of this program.
PLANTED_LIST = ["*.*", "*", "sub\\*", "?uote.txt", "quote.txt.", "link\\mine.txt", "link\\",
                "link\\qwindows.dll", "..\\Mine\\mine.txt", "sub\\..\\quote.txt", "\\quote.txt",
                "C:\\users", "sub\\\\notes.txt"]


class Planted(unittest.TestCase):
    app_id = installer = unraised = None

    @classmethod
    def setUpClass(cls):
        cls.wine = Wine().__enter__()
        cls.user = os.path.join(cls.wine.prefix, "drive_c", "users",
                                pwd.getpwuid(os.getuid()).pw_name)
        cls.windows_user = "C:\\users\\" + os.path.basename(cls.user)

    @classmethod
    def tearDownClass(cls):
        cls.wine.__exit__(None, None, None)

    def setUp(self):
        # A folder of the user's own, with a file named as one of the program's.
        self.mine = os.path.join(self.user, "Documents", "Mine")
        os.makedirs(self.mine)
        self.users = {}
        for name in ("mine.txt", "qwindows.dll"):
            self.users[os.path.join(self.mine, name)] = self.write(self.mine, name)
        self.planted = os.path.join(self.user, "Documents", "Planted")
        self.folders = {"HKCU": os.path.join(self.user, "AppData", "Local", "Programs",
                                             "Fan Selection"),
                        "HKLM": os.path.join(self.wine.prefix, "drive_c", "Program Files",
                                             "Fan Selection")}

    def tearDown(self):
        # Whatever a test left, passed or not, goes: each test starts from nothing.
        self.wine.run("wineboot", "--restart")
        for folder in (self.mine, self.planted, *self.folders.values()):
            if os.path.lexists(folder):
                shutil.rmtree(folder)
        for root in self.folders:
            self.wine.reg("delete", root + UNINSTALLS + self.app_id, "/f")

    def write(self, folder, name):
        """A file of the user's, with its digest."""
        content = f"the user's own {name} in {folder}".encode()
        with open(os.path.join(folder, name), "wb") as mine:
            mine.write(content)
        return hashlib.sha256(content).hexdigest()

    def plant(self, folder, program=True):
        """Into a folder: the user's files, a link to the user's folder, a list of files that
        names no file of the program's, and (program) what makes it look like the program's."""
        os.makedirs(os.path.join(folder, "sub"), exist_ok=True)
        self.users[os.path.join(folder, "quote.txt")] = self.write(folder, "quote.txt")
        self.users[os.path.join(folder, "sub", "notes.txt")] = self.write(
            os.path.join(folder, "sub"), "notes.txt")
        os.symlink(self.mine, os.path.join(folder, "link"))
        with open(os.path.join(folder, "installed-files.txt"), "w", newline="") as listed:
            listed.write("".join(line + "\r\n" for line in PLANTED_LIST))
        for name in ("fan-selection.exe", "uninstall.exe") if program else ():
            if not os.path.exists(os.path.join(folder, name)):
                with open(os.path.join(folder, name), "wb") as planted:
                    planted.write(b"planted")

    def assertUsersFilesWhole(self, when):
        for path, digest in self.users.items():
            with self.subTest(when=when, file=os.path.relpath(path, self.wine.prefix)):
                self.assertTrue(os.path.isfile(path), "gone")
                with open(path, "rb") as mine:
                    self.assertEqual(hashlib.sha256(mine.read()).hexdigest(), digest, "changed")

    def entry(self, root, folder):
        self.assertEqual(self.wine.reg("add", root + UNINSTALLS + self.app_id, "/v",
                                       "InstallLocation", "/d", folder, "/f"), 0)

    def as_user(self, *argv):
        return self.wine.as_user(self.unraised, *argv)

    def test_1_for_one_user_an_administrators_run_is_handed_on_to_the_users_own_rights(self):
        # An administrator's installer runs raised: for one user it reads the planted folder
        # only in a run with the user's own rights, and nothing of the user's goes.
        self.plant(self.planted)
        self.entry("HKCU", self.windows_user + "\\Documents\\Planted")
        self.assertEqual(self.wine.run("wine", self.installer, "/S", "/CurrentUser"), 0)
        self.assertUsersFilesWhole("install by an administrator, the entry naming a planted folder")
        folder = self.folders["HKCU"]
        self.plant(folder)
        self.assertEqual(self.wine.run("wine", self.installer, "/S"), 0)
        self.assertUsersFilesWhole("upgrade by an administrator")
        self.assertEqual(self.wine.run("wine", os.path.join(folder, "uninstall.exe"), "/S"), 0)
        self.assertEqual(self.wine.run("wineboot", "--restart"), 0)
        self.assertFalse(os.path.exists(os.path.join(folder, "fan-selection.exe")))
        self.assertUsersFilesWhole("uninstall by an administrator")

    def test_2_for_one_user_a_planted_list_and_link(self):
        # The entry names a planted folder that looks like the program's: its list is read, and
        # nothing of the user's goes.
        planted = self.planted
        self.plant(planted)
        self.entry("HKCU", self.windows_user + "\\Documents\\Planted")
        self.assertEqual(self.as_user(self.installer, "/S", "/CurrentUser"), 0)
        self.assertUsersFilesWhole("install, the entry naming a planted folder")
        # The same planted in the program's own folder: an upgrade, then the uninstall.
        folder = self.folders["HKCU"]
        self.plant(folder)
        self.assertEqual(self.as_user(self.installer, "/S", "/CurrentUser"), 0)
        self.assertUsersFilesWhole("upgrade")
        self.assertEqual(self.as_user(os.path.join(folder, "uninstall.exe"), "/S",
                                      "/CurrentUser"), 0)
        self.assertEqual(self.wine.run("wineboot", "--restart"), 0)
        self.assertFalse(os.path.exists(os.path.join(folder, "fan-selection.exe")))
        self.assertUsersFilesWhole("uninstall")

    def test_3_for_all_users_a_link_where_the_program_installs(self):
        folder = self.folders["HKLM"]
        self.assertEqual(self.wine.run("wine", self.installer, "/S"), 0)
        # A damaged list, the user's files, a link: an upgrade removes none of the user's.
        self.plant(folder)
        self.assertEqual(self.wine.run("wine", self.installer, "/S"), 0)
        self.assertUsersFilesWhole("upgrade")
        # One of the program's folders made a link to the user's folder, which holds a file of
        # the program's name: the uninstall does not go into it.
        if os.path.lexists(os.path.join(folder, "platforms")):
            shutil.rmtree(os.path.join(folder, "platforms"))
        os.symlink(self.mine, os.path.join(folder, "platforms"))
        self.assertEqual(self.wine.run("wine", os.path.join(folder, "uninstall.exe"), "/S"), 0)
        self.assertEqual(self.wine.run("wineboot", "--restart"), 0)
        self.assertFalse(os.path.exists(os.path.join(folder, "fan-selection.exe")))
        self.assertUsersFilesWhole("uninstall")
        # An install does not write through it. Wine cannot remove a symbolic link to a folder
        # as a folder, so here the install takes the road where the link cannot be removed: it
        # ends with status 6, having written nothing through it, and the link stays.
        status = self.wine.run("wine", self.installer, "/S")
        print(f"\ninstall over a link in the program's folder: status {status}", file=sys.stderr)
        self.assertEqual(status, 6)
        self.assertTrue(os.path.islink(os.path.join(folder, "platforms")))
        self.assertEqual(sorted(os.listdir(self.mine)), ["mine.txt", "qwindows.dll"])
        self.assertUsersFilesWhole("install beside a link")

    def test_4_a_link_removed_and_the_install_goes_on(self):
        self.skipTest("unprovable under Wine, which cannot remove a symbolic link to a folder as "
                      "Windows removes a junction: the road where the installer removes a planted "
                      "link and installs is proven only by reading it")


if __name__ == "__main__":
    Planted.app_id, Planted.installer, Planted.unraised = sys.argv[1:]
    sys.argv[1:] = []
    main(program_argument=False)
