# SPDX-License-Identifier: MIT
"""The key's password given to ./tools/windows is on no disk once it ends, whichever way it ends:
a Qt build that fails after setting a trap of its own, a failed build, a failed signing, a
finished release, and INT, TERM or HUP while it signs. While signing, the password stands in a
file that its user alone may read. tools/windows runs in a copy of the tree whose Qt build,
package installs and cmake are stand-ins; its temporary folders are the test's own, and are
searched for the password after each run.
    password_test.py SOURCE_DIR"""

import os
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time
import unittest

PASSWORD = "wh1spered-only-while-signing"
# A stand-in Qt build: WAY=qt-fails sets a trap of its own, as the real one does, and fails.
QT = """set -euo pipefail
trap 'true' EXIT
[ "$WAY" != qt-fails ] || exit 1
qt_windows=$STANDIN/qt
"""
# A stand-in cmake: the build and the signing (the installer target) fail, or wait for a signal,
# as WAY says; signing notes the password file's mode and what it holds.
CMAKE = """#!/bin/bash
case "$*" in
*--target\\ installer*)
    stat -c %a "$FANSEL_SIGN_PASSWORD_FILE" >"$STANDIN/mode"
    cmp -s "$FANSEL_SIGN_PASSWORD_FILE" "$STANDIN/expected" && touch "$STANDIN/read"
    [ "$WAY" != sign-fails ] || exit 1
    if [ "$WAY" = signal ]; then echo $$ >"$STANDIN/signing"; exec sleep 300; fi
    touch "$OUT/fan-selection-1-setup.exe" ;;
*--build*) [ "$WAY" != build-fails ] || exit 2 ;;
esac
"""
# (way, signal, status expected: None for any failure)
WAYS = [("qt-fails", None, None), ("build-fails", None, None), ("sign-fails", None, None),
        ("finished", None, 0), ("signal", signal.SIGINT, -signal.SIGINT),
        ("signal", signal.SIGTERM, -signal.SIGTERM), ("signal", signal.SIGHUP, -signal.SIGHUP)]


def read(path, mode="r"):
    with open(path, mode) as file:
        return file.read()


def executable(path, text):
    with open(path, "w") as file:
        file.write(text)
    os.chmod(path, 0o755)


class PasswordGone(unittest.TestCase):
    source = None

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="fan-selection-password-")
        self.addCleanup(shutil.rmtree, self.work)

    def prepare(self, number):
        """A fresh copy of the tree and fresh folders for one way out."""
        tree = os.path.join(self.work, str(number), "tree")
        self.standin = os.path.join(self.work, str(number), "standin")
        for folder in ("tools", "windows", "bin", "qt/bin", "run", "tmp", "out", "wine"):
            os.makedirs(os.path.join(tree if folder in ("tools", "windows") else self.standin,
                                     folder), exist_ok=True)
        shutil.copy(os.path.join(self.source, "tools", "windows"), os.path.join(tree, "tools"))
        executable(os.path.join(tree, "tools", "install-missing"), "#!/bin/sh\n")
        executable(os.path.join(tree, "windows", "qt.sh"), QT)
        executable(os.path.join(self.standin, "bin", "cmake"), CMAKE)
        executable(os.path.join(self.standin, "qt", "bin", "qt-cmake"), "#!/bin/sh\n")
        open(os.path.join(self.standin, "wine", "system.reg"), "w").close()
        # The test knows the password by its digest-free copy outside the searched folders.
        with open(os.path.join(self.standin, "expected"), "w") as expected:
            expected.write(PASSWORD + "\n")
        self.program = os.path.join(tree, "tools", "windows")
        self.searched = [os.path.join(self.standin, "run"), os.path.join(self.standin, "tmp"),
                         tree]

    def start(self, way):
        env = {"PATH": os.path.join(self.standin, "bin") + ":" + os.environ["PATH"],
               "HOME": self.work, "STANDIN": self.standin, "WAY": way,
               "OUT": os.path.join(self.standin, "out"),
               "XDG_RUNTIME_DIR": os.path.join(self.standin, "run"),
               "TMPDIR": os.path.join(self.standin, "tmp"),
               "WINEPREFIX": os.path.join(self.standin, "wine"),
               "FANSEL_WINDOWS_BUILD_DIR": os.path.join(self.standin, "out"),
               "FANSEL_SIGN_PASSWORD": PASSWORD}
        # Its output goes to a file: a signing left running would hold a pipe open.
        self.log = os.path.join(self.standin, "..", "output.log")
        with open(self.log, "wb") as log:
            return subprocess.Popen([self.program], env=env, stdin=subprocess.DEVNULL,
                                    stdout=log, stderr=subprocess.STDOUT, start_new_session=True)

    def wait_for(self, path, process):
        deadline = time.monotonic() + 60
        while not os.path.exists(path):
            self.assertIsNone(process.poll(), "tools/windows ended before it signed")
            self.assertLess(time.monotonic(), deadline, "signing never started")
            time.sleep(0.05)

    def found(self):
        """The files under the searched folders that hold the password."""
        return [os.path.join(top, name) for folder in self.searched
                for top, _, names in os.walk(folder) for name in names
                if PASSWORD.encode() in read(os.path.join(top, name), "rb")]

    def test_the_password_is_on_no_disk_after_any_way_out(self):
        for number, (way, sent, expected) in enumerate(WAYS):
            with self.subTest(way=way, signal=sent and sent.name):
                self.prepare(number)
                process = self.start(way)
                try:
                    if sent:
                        signing = os.path.join(self.standin, "signing")
                        self.wait_for(signing, process)
                        # The file is whole before the pid is: wait for the pid itself.
                        while not read(signing).strip():
                            time.sleep(0.05)
                        signer = int(read(signing))
                        process.send_signal(sent)
                    process.wait(timeout=120)
                finally:
                    if process.poll() is None:
                        process.kill()
                        process.wait()
                said = read(self.log, "rb").decode(errors="replace")
                if expected is None:
                    self.assertGreater(process.returncode, 0, said)
                else:
                    self.assertEqual(process.returncode, expected, said)
                self.assertEqual(self.found(), [], said)
                if sent:
                    # The signing it started is ended with it.
                    deadline = time.monotonic() + 30
                    while os.path.exists(f"/proc/{signer}") and time.monotonic() < deadline:
                        time.sleep(0.05)
                    alive = os.path.exists(f"/proc/{signer}")
                    if alive:
                        os.kill(signer, signal.SIGKILL)
                    self.assertFalse(alive, "the signing was left running")
                if way in ("sign-fails", "finished", "signal"):
                    self.assertEqual(read(os.path.join(self.standin, "mode")).strip(),
                                     "600")
                    self.assertTrue(os.path.exists(os.path.join(self.standin, "read")),
                                    "signing did not find the password")


if __name__ == "__main__":
    PasswordGone.source = sys.argv.pop(1)
    unittest.main(verbosity=2)
