# SPDX-License-Identifier: MIT
"""A private desktop for the screen-reader tests: a virtual X display, a D-Bus session bus and
the AT-SPI accessibility bus, each started here and ended here by its process id, with every
process they started in turn (the bus daemon the launcher starts, the registry it activates)."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest


class Desktop:
    def __init__(self, program):
        self.program = program
        self.started = []

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="fan-selection-desktop-")
        os.chmod(self.home, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                                 "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")}
        try:
            self._start_display()
            self.env.update(XDG_RUNTIME_DIR=self.home, HOME=self.home, XDG_CONFIG_HOME=self.home,
                            LANG="C.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            bus = "unix:path=" + os.path.join(self.home, "bus")
            daemon = self.start(["dbus-daemon", "--session", "--nofork", "--address=" + bus,
                                 "--print-address"], stdout=subprocess.PIPE)
            if not daemon.stdout.readline():
                raise RuntimeError("the session bus did not start")
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus
            self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
            # The AT-SPI client library of this process reads the same buses and display.
            for name in ("DISPLAY", "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS"):
                os.environ[name] = self.env[name]
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start_display(self):
        ready, told = os.pipe()
        self.start(["Xvfb", "-displayfd", str(told), "-screen", "0", "1280x1024x24",
                    "-dpi", "96", "-nolisten", "tcp"], pass_fds=(told,))
        os.close(told)
        number = b""
        while not number.endswith(b"\n"):
            byte = os.read(ready, 1)
            if not byte:
                raise RuntimeError("Xvfb did not start")
            number += byte
        os.close(ready)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def start(self, argv, **options):
        options.setdefault("stdin", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=self.env, **options)
        self.started.append(process)
        return process

    def open_window(self):
        """Starts the program and gives its window the keyboard focus, as a click on it would."""
        program = self.start([self.program])
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                 str(program.pid)], env=self.env, check=True, timeout=30,
                                capture_output=True, text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env, check=True,
                       timeout=30)
        return program

    def keys(self, *keys, pause=0.15):
        """Presses keys on the display, one after another, as a person does."""
        for key in keys:
            subprocess.run(["xdotool", "key", key], env=self.env, check=True, timeout=10)
            time.sleep(pause)

    def _descendants(self):
        children = {}
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                try:
                    with open(f"/proc/{entry}/stat") as stat:
                        parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                except OSError:
                    continue
                children.setdefault(parent, []).append(int(entry))
        found, todo = [], [p.pid for p in self.started]
        while todo:
            pid = todo.pop()
            found.append(pid)
            todo.extend(children.get(pid, []))
        return found

    def __exit__(self, *error):
        everyone = self._descendants()
        for pid in reversed(everyone):
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for process in self.started:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        for pid in everyone:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.home, ignore_errors=True)
        return False


class DesktopTest(unittest.TestCase):
    """Tests that share one desktop with the program on it; `arrive` sets up what they read it
    with once the desktop stands."""

    program = "fan-selection"

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(cls.program).__enter__()
        try:
            cls.arrive()
        except BaseException:
            cls.desktop.__exit__(None, None, None)
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.__exit__(None, None, None)


def main():
    """Runs the tests of the calling script on the program its first argument names."""
    if len(sys.argv) > 1:
        DesktopTest.program = sys.argv.pop(1)
    unittest.main(module="__main__", verbosity=2)
