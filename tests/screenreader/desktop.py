# SPDX-License-Identifier: MIT
"""A private desktop for the tests that go through a user's own clients: a virtual display (an
X server, Xvfb, or a headless Wayland compositor, sway), a D-Bus session bus and the AT-SPI
accessibility bus, each started here and ended here by its process id, with every process they
started in turn (the bus daemon the launcher starts, the registry it activates).

What a test leaves to look at (the program's messages, Orca's record, each grab) is written as
it goes into the folder FANSEL_EVIDENCE names, so that it is there even when the test is ended
for taking too long; it is removed when every test passed, and named when one failed."""

import ctypes
import json
import os
import pwd
import struct
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import zlib


def evidence_folder():
    """The folder this test keeps its evidence in, made empty (a temporary one when run alone)."""
    folder = os.environ.get("FANSEL_EVIDENCE") or tempfile.mkdtemp(prefix="fan-selection-evidence-")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder


EVIDENCE = None
PR_SET_CHILD_SUBREAPER = 36


def read_facts():
    """The facts every language's tests share (tests/support/facts.txt): name to the words of
    each of its lines ("-" is an empty text)."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "facts.txt")
    facts = {}
    with open(path, encoding="utf-8") as text:
        for line in text:
            if line.strip() and not line.startswith("#"):
                name, *words = line.split()
                facts.setdefault(name, []).append(["" if w == "-" else w for w in words])
    return facts


FACT_LINES = read_facts()
# The facts of one line: name to words.
FACTS = {name: lines[0] for name, lines in FACT_LINES.items()}


def keep(name):
    """A path in this test's evidence folder."""
    global EVIDENCE
    if EVIDENCE is None:
        EVIDENCE = evidence_folder()
    return os.path.join(EVIDENCE, name)


def wait_until(condition, seconds, what, pause=0.1):
    """Waits until condition() gives something true, and returns it; fails saying what never
    came once the bounded time has passed."""
    deadline = time.monotonic() + seconds
    while True:
        found = condition()
        if found:
            return found
        if time.monotonic() > deadline:
            raise AssertionError(f"{what} did not happen within {seconds} s")
        time.sleep(pause)


class Desktop:
    def __init__(self, program, session="x11"):
        self.program = program
        self.session = session
        self.started = []
        self.logs = []
        self.grabs = 0
        # What a helper leaves behind when it forks away (Wine's server and services, a bus a
        # launcher starts) is taken in by this process rather than by init: it stays among this
        # process's descendants, which are ended at the close, and which ctest's time limit ends
        # with it, whole.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="fan-selection-desktop-")
        os.chmod(self.home, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                                 "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")}
        try:
            if self.session == "wayland":
                self._start_compositor()
            else:
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
            self._wait_for_accessibility_bus()
            # The AT-SPI client library of this process reads the same buses and display.
            for name in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                         "DBUS_SESSION_BUS_ADDRESS"):
                if name in self.env:
                    os.environ[name] = self.env[name]
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _wait_for_accessibility_bus(self):
        """Until the launcher owns its name on the session bus, so that the program finds the
        accessibility bus at its start instead of racing the launcher for it."""
        wait_until(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
            env=self.env, capture_output=True, text=True, timeout=10).stdout.split()[-1:] == ["true"],
            60, "the accessibility bus starting")

    def _start_display(self):
        """Xvfb on a display number of its own choosing. -noreset: an X server without it resets
        itself whenever its last client leaves (the accessibility bus launcher, once it has set
        its address on the root window), and a client that connects in that moment is refused."""
        ready, told = os.pipe()
        self.start(["Xvfb", "-displayfd", str(told), "-screen", "0", "1280x1024x24",
                    "-dpi", "96", "-nolisten", "tcp", "-noreset"], pass_fds=(told,))
        os.close(told)
        number = b""
        while not number.endswith(b"\n"):
            byte = os.read(ready, 1)
            if not byte:
                raise RuntimeError("Xvfb did not start")
            number += byte
        os.close(ready)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def _start_compositor(self):
        """sway on wlroots' headless backend: a real Wayland compositor that takes key presses
        through the virtual-keyboard protocol (wtype), takes screenshots (grim) and asks a window
        to close as a user's close does (swaymsg kill). It will not run as root, so there it runs
        as nobody in a folder of its own; the clients reach its socket by path."""
        self.env.pop("DISPLAY", None)
        folder = self.compositor_home = tempfile.mkdtemp(prefix="fan-selection-compositor-")
        with open(os.path.join(folder, "config"), "w") as config:
            config.write("output HEADLESS-1 resolution 1280x1024 scale 1\n"
                         "for_window [app_id=\".*\"] floating enable\n")
        argv = ["sway", "--config", os.path.join(folder, "config")]
        if os.getuid() == 0:
            nobody = pwd.getpwnam("nobody")
            os.chown(folder, nobody.pw_uid, nobody.pw_gid)
            argv = ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}",
                    "--clear-groups", *argv]
        env = {"PATH": self.env.get("PATH", "/usr/bin:/bin"), "HOME": folder,
               "XDG_RUNTIME_DIR": folder, "WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman",
               "WLR_LIBINPUT_NO_DEVICES": "1"}
        self.started.append(subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        def sockets():
            names = os.listdir(folder)
            wayland = [n for n in names if n.startswith("wayland-") and not n.endswith(".lock")]
            ipc = [n for n in names if n.startswith("sway-ipc")]
            return wayland and ipc and (wayland, ipc)
        sockets, ipc = wait_until(sockets, 30, "the compositor starting")
        self.env.update(WAYLAND_DISPLAY=os.path.join(folder, sockets[0]),
                        SWAYSOCK=os.path.join(folder, ipc[0]), QT_QPA_PLATFORM="wayland")

    def screenshot(self):
        """The whole screen as the display server shows it (xwd on X11, grim on Wayland); each
        grab is kept with the evidence."""
        if self.session == "wayland":
            data = subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, check=True,
                                  timeout=20, capture_output=True).stdout
            picture = Picture.from_ppm(data)
        else:
            data = subprocess.run(["xwd", "-root", "-silent"], env=self.env, check=True,
                                  timeout=20, capture_output=True).stdout
            picture = Picture.from_xwd(data)
        self.grabs += 1
        picture.save(keep(f"grab-{self.grabs}.png"))
        return picture

    def window_origin(self, program):
        """Where the top-left corner of the program's window content is on the screen."""
        if self.session == "wayland":
            (view,) = [v for v in self.views() if v["pid"] == program.pid]
            return (view["rect"]["x"] + view["window_rect"]["x"],
                    view["rect"]["y"] + view["window_rect"]["y"])
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.window],
                               env=self.env, check=True, timeout=10, capture_output=True,
                               text=True).stdout
        place = dict(line.split("=", 1) for line in shell.split())
        return int(place["X"]), int(place["Y"])

    def sway(self, *command):
        """Asks the compositor over its IPC socket; returns its answer."""
        answer = subprocess.run(["swaymsg", "--raw", *command], env=self.env, check=True,
                                timeout=10, capture_output=True, text=True).stdout
        return json.loads(answer)

    def views(self):
        """The windows the compositor shows, as its tree lists them."""
        def walk(node):
            if node.get("pid"):
                yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from walk(child)
        return list(walk(self.sway("-t", "get_tree")))

    def start(self, argv, **options):
        """Starts a process of the desktop's own; what it says goes to the evidence, unless the
        caller takes it."""
        options.setdefault("stdin", subprocess.DEVNULL)
        if "stderr" not in options:
            log = open(keep(os.path.basename(argv[0]) + ".log"), "ab")
            self.logs.append(log)
            options["stderr"] = log
            options.setdefault("stdout", log)
        process = subprocess.Popen(argv, env=self.env, **options)
        self.started.append(process)
        return process

    def open_window(self, argv=None, **options):
        """Starts the program (or the command given) and gives its window the keyboard focus,
        as a click on it would."""
        program = self.start(argv or [self.program], **options)
        if self.session == "wayland":
            wait_until(lambda: any(v["pid"] == program.pid and v["focused"] for v in self.views()),
                       60, "the window opening with the focus", pause=0.2)
            return program
        def shown():
            # A window that goes away while xdotool looks at it ends its search with an X error
            # (Wine makes and ends windows of its own while a program starts): it looks again.
            search = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                     str(program.pid)], env=self.env, timeout=30,
                                    capture_output=True, text=True)
            return search.stdout.split()[:1]
        self.window = wait_until(shown, 60, "the program's window showing", pause=0.2)[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], env=self.env,
                       check=True, timeout=30)
        return program

    def keys(self, *keys, pause=0.15):
        """Presses keys on the display, one after another, as a person does."""
        if self.session == "wayland":
            # One virtual keyboard for the whole sequence: the compositor hands each new one's
            # key map to the window, and a key sent before that arrives is lost, so a press of
            # Shift, which changes nothing, goes first.
            argv = ["wtype", "-M", "shift", "-m", "shift", "-s", "300"]
            for key in keys:
                *modifiers, name = key.split("+")
                argv += [a for m in modifiers for a in ("-M", m)] + ["-k", name]
                argv += [a for m in modifiers for a in ("-m", m)] + ["-s", str(int(pause * 1000))]
            subprocess.run(argv, env=self.env, check=True, timeout=10 + len(keys) * pause)
            return
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
        found, todo = [], list(children.get(os.getpid(), []))
        while todo:
            pid = todo.pop()
            found.append(pid)
            todo.extend(children.get(pid, []))
        return found

    def _living(self):
        """This one's descendants that have not ended yet (an ended one waits to be collected)."""
        living = []
        for pid in self._descendants():
            try:
                with open(f"/proc/{pid}/stat") as stat:
                    if stat.read().rsplit(")", 1)[1].split()[0] != "Z":
                        living.append(pid)
            except OSError:
                pass
        return living

    def _collect(self):
        """Collects the ends of the processes taken in, which are this one's children now."""
        try:
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        except ChildProcessError:
            pass

    def __exit__(self, *error):
        # The last started first (the program before the buses and the display it needs, so
        # that it ends as it would, not by losing them), each given a moment; then the rest.
        deadline = time.monotonic() + 10
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=max(0.1, min(3, deadline - time.monotonic())))
                except subprocess.TimeoutExpired:
                    pass
        for pid in reversed(self._living()):
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        # What is left is killed, also what was born while the rest ended: a browser's crash
        # handler, which holds a crashed process it traces until the handler itself ends.
        for _ in range(100):
            left = self._living()
            if not left:
                break
            for pid in left:
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            self._collect()
            time.sleep(0.05)
        for process in self.started:
            try:
                process.wait(timeout=10)
            except ChildProcessError:
                pass
        self._collect()
        for log in self.logs:
            log.close()
        shutil.rmtree(self.home, ignore_errors=True)
        if self.session == "wayland":
            shutil.rmtree(self.compositor_home, ignore_errors=True)
        return False


class Picture:
    """A screen grab: its size, and the red, green and blue of each pixel."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return self.rgb[at:at + 3]

    def rows(self, origin, size):
        """The rows of pixels of a part of the grab."""
        (x, y), (width, height) = origin, size
        return [self.rgb[((y + row) * self.width + x) * 3:
                         ((y + row) * self.width + x + width) * 3] for row in range(height)]

    def save(self, path, origin=(0, 0), size=None):
        """The grab, or a part of it, as a PNG file to be looked at."""
        rows = self.rows(origin, size or (self.width, self.height))

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data)))
        header = struct.pack(">IIBBBBB", len(rows[0]) // 3, len(rows), 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + r for r in rows), 1))
                      + chunk(b"IEND", b""))

    @classmethod
    def from_ppm(cls, data):
        magic, width, height, depth, pixels = data.split(maxsplit=4)
        assert magic == b"P6" and depth == b"255"
        return cls(int(width), int(height), pixels)

    @classmethod
    def from_xwd(cls, data):
        """An X window dump of a true-colour screen (ZPixmap, 24 or 32 bits a pixel)."""
        header = struct.unpack(">25I", data[:100])
        size, width, height, order, bits, line = (header[0], header[4], header[5], header[7],
                                                   header[11], header[12])
        masks, colours = header[14:17], header[19]
        assert bits in (24, 32), "a true-colour screen"
        step, start = bits // 8, size + colours * 12
        shifts = [(m & -m).bit_length() - 1 for m in masks]
        rgb = bytearray()
        for y in range(height):
            row = data[start + y * line:start + y * line + width * step]
            for x in range(0, width * step, step):
                word = int.from_bytes(row[x:x + step], "little" if order == 0 else "big")
                rgb += bytes((word & m) >> s for m, s in zip(masks, shifts))
        return cls(width, height, bytes(rgb))


class DesktopTest(unittest.TestCase):
    """Tests that share one desktop with the program on it; `arrive` sets up what they read it
    with once the desktop stands."""

    program = "fan-selection"
    session = "x11"

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(cls.program, cls.session).__enter__()
        try:
            cls.arrive()
        except BaseException:
            cls.desktop.__exit__(None, None, None)
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.__exit__(None, None, None)


def main(program_argument=True):
    """Runs the tests of the calling script (on the program its first argument names, unless the
    script took its arguments itself), and keeps or clears the evidence."""
    # A test ended from outside (its time limit) still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended from outside"))
    if program_argument and len(sys.argv) > 1:
        DesktopTest.program = sys.argv.pop(1)
    keep("")
    result = unittest.main(module="__main__", verbosity=2, exit=False).result
    if result.wasSuccessful():
        shutil.rmtree(EVIDENCE, ignore_errors=True)
    else:
        print(f"\nwhat this test left to look at is kept in {EVIDENCE}", file=sys.stderr)
    sys.exit(0 if result.wasSuccessful() else 1)
