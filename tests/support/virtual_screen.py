"""A virtual screen for the tests that run the real program (Xvfb)."""
import os
import subprocess
import sys
import time


def start_screen(env, size="1024x768x24"):
    """Starts Xvfb on a display it picks itself (-displayfd: no race with
    another server), waits until its socket is there, sets env["DISPLAY"] and
    returns the server process. Exits with a message when none starts."""
    for _ in range(5):
        rd, wr = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(wr), "-screen", "0", size, "-nolisten", "tcp"],
                                  pass_fds=(wr,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(wr)
        number = os.read(rd, 16).decode().strip()
        os.close(rd)
        if number:
            env["DISPLAY"] = ":" + number
            for _ in range(50):
                if server.poll() is not None:
                    break
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    return server
                time.sleep(0.1)
        server.kill()
        server.wait()
    print("FAILED: no virtual screen")
    sys.exit(1)
