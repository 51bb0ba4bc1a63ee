# SPDX-License-Identifier: GPL-3.0-or-later
"""Driving the real program on a virtual screen with xdotool: keys, text,
windows, the keyboard focus a window manager would give, the screen's pixels."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SKIP = 77


def program_session(prefix):
    """The program and velmira-outil named on the command line, a home folder
    of their own and the environment to run them on the virtual screen. Exits
    with 77 (skipped) when Xvfb, xdotool or xwd is missing."""
    for tool in ("Xvfb", "xdotool", "xwd"):
        if not shutil.which(tool):
            print(f"skipped: {tool} is not installed (apt-get install xvfb xdotool x11-apps)")
            sys.exit(SKIP)
    home = tempfile.mkdtemp(prefix=prefix)
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
    env.pop("WAYLAND_DISPLAY", None)
    return os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), home, env


def tool_output(tool, *args):
    """What velmira-outil prints."""
    return subprocess.run([tool, *args], capture_output=True, text=True).stdout


class Desktop:
    def __init__(self, env, fail):
        """env holds DISPLAY; fail(message) ends the test."""
        self.env = env
        self.fail = fail

    def xdo(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip()

    def wait_for(self, what, check, timeout=40.0):
        end = time.time() + timeout
        while time.time() < end:
            value = check()
            if value:
                return value
            time.sleep(0.2)
        self.fail("timed out waiting for " + what)

    def window_named(self, pattern):
        return self.wait_for("a window named " + pattern,
                             lambda: self.xdo("search", "--onlyvisible", "--name", pattern).split("\n")[-1])

    def window_gone(self, wid):
        """Waits until a window is no longer shown (a dialog answered)."""
        self.wait_for("window " + wid + " to close",
                      lambda: wid not in self.xdo("search", "--onlyvisible", "--name", "").split("\n"))

    def focus(self, wid):
        """Gives the window the keyboard, as a window manager does for a new or
        an uncovered window, and waits until it has it."""
        self.xdo("windowfocus", wid)
        self.wait_for("the keyboard in window " + wid, lambda: self.xdo("getwindowfocus") == wid, 10)
        time.sleep(0.2)

    def close_program(self, program, wid):
        """Closes the program as a pupil does: Alt+F ("Fermer"), then Entrée
        to its question; waits until it has ended."""
        self.focus(wid)
        self.keys("alt+f", settle=0.8)
        self.keys("Return")
        self.wait_for("the program to end", lambda: program.poll() is not None)

    def keys(self, *names, settle=0.3):
        for name in names:
            self.xdo("key", name)
            time.sleep(0.05)
            self.listened()
        time.sleep(settle)

    def listened(self):
        """Under a screen reader (VELMIRA_LISTENER_LOG, its log): waits until
        the log rests, so that it speaks of each control the keys reach (it
        passes over those the focus has already left)."""
        log = os.environ.get("VELMIRA_LISTENER_LOG")
        if not log:
            return
        size, end = -1, time.time() + 20
        while time.time() < end:
            now = os.path.getsize(log)
            if now == size:
                return
            size = now
            time.sleep(0.4)

    def raw_screen(self, window="-root"):
        return subprocess.run(["xwd", "-silent", *(["-root"] if window == "-root" else ["-id", window])],
                              env=self.env, capture_output=True).stdout

    def wait_drawn(self, wid):
        """Waits until a new window is drawn: not all black, and still."""
        def drawn():
            width, height, at = self.capture(wid)
            return any(at(x, height // 2) != (0, 0, 0) for x in range(0, width, 4))
        self.wait_for("window " + wid + " to be drawn", drawn)
        now = self.raw_screen(wid)
        while True:
            time.sleep(0.3)
            later = self.raw_screen(wid)
            if later == now:
                return
            now = later

    def keys_shown(self, what, *names):
        """Keys whose effect shows (a menu, a list): returns once the screen
        has changed and then stayed still for a moment."""
        before = self.raw_screen()
        self.keys(*names, settle=0.1)
        now = self.wait_for(what, lambda: (lambda s: s if s != before else None)(self.raw_screen()))
        while True:
            time.sleep(0.3)
            later = self.raw_screen()
            if later == now:
                return
            now = later

    def type_text(self, text):
        self.xdo("type", "--delay", 30, text)
        time.sleep(0.3)

    def capture(self, window="-root"):
        """(width, height, at(x, y) -> (r, g, b)) of the screen or a window."""
        r = subprocess.run(["xwd", "-silent", *(["-root"] if window == "-root" else ["-id", window])],
                           env=self.env, capture_output=True)
        data = r.stdout
        if len(data) < 100:
            self.fail("no picture of the screen: " + r.stderr.decode(errors="replace"))
        fields = struct.unpack(">25I", data[:100])
        header, width, height, bpp, bpl = fields[0], fields[4], fields[5], fields[11], fields[12]
        order, ncolors = fields[7], fields[19]
        masks = fields[14:17]
        pixels = data[header + 12 * ncolors:]

        def at(x, y):
            off = y * bpl + x * bpp // 8
            value = int.from_bytes(pixels[off:off + bpp // 8], "little" if order == 0 else "big")
            return tuple((value & m) >> (m & -m).bit_length() - 1 for m in masks)
        return width, height, at

    def save_png(self, path, window="-root"):
        """The screen or a window as a PNG file (to look at a failure)."""
        width, height, at = self.capture(window)
        rows = b"".join(b"\0" + bytes(c for x in range(width) for c in at(x, y)) for y in range(height))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                    chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))

    def shot(self, name):
        """A PNG of the screen in $VELMIRA_E2E_SHOTS, when set."""
        shots = os.environ.get("VELMIRA_E2E_SHOTS")
        if shots:
            self.save_png(os.path.join(shots, name + ".png"))
