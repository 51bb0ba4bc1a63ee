# SPDX-License-Identifier: GPL-3.0-or-later
"""A virtual screen for the tests that run the real program (Xvfb)."""
import os
import socket
import struct
import subprocess
import sys
import time


def answers(path):
    """True when the server at path completes an X connection setup."""
    with socket.socket(socket.AF_UNIX) as s:
        try:
            s.settimeout(2)
            s.connect(path)
            s.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
            return s.recv(1) == b"\x01"
        except OSError:
            return False


class GivenScreen:
    """A screen the caller runs (VELMIRA_GIVEN_DISPLAY): nothing to stop."""

    def poll(self):
        return 0

    def wait(self):
        return 0


def start_screen(env, size="1024x768x24"):
    """Starts Xvfb on a display it picks itself (-displayfd: no race with
    another server), waits until it accepts a connection (a killed server's
    socket file may still be there), sets env["DISPLAY"] and returns the
    server process. Exits with a message when none starts. With
    VELMIRA_GIVEN_DISPLAY set, that display is used as it is."""
    given = os.environ.get("VELMIRA_GIVEN_DISPLAY")
    if given:
        env["DISPLAY"] = given
        return GivenScreen()
    for _ in range(5):
        rd, wr = os.pipe()
        # -noreset: no reset (when connections are briefly refused) as the
        # check below, the last client, leaves.
        server = subprocess.Popen(["Xvfb", "-displayfd", str(wr), "-screen", "0", size, "-nolisten", "tcp",
                                   "-noreset"],
                                  pass_fds=(wr,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(wr)
        # The number, then its newline in a second write: a pipe closed before
        # the newline kills the server.
        with os.fdopen(rd, "rb") as pipe:
            number = pipe.readline().decode().strip()
        if number:
            env["DISPLAY"] = ":" + number
            for _ in range(50):
                if server.poll() is not None:
                    break
                if answers(f"/tmp/.X11-unix/X{number}"):
                    return server
                time.sleep(0.1)
        server.kill()
        server.wait()
    print("FAILED: no virtual screen")
    sys.exit(1)
