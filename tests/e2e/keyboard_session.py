#!/usr/bin/env python3
"""A pupil's practical with the keyboard alone, on the real program on a
virtual screen, with real key events only (no pointer): a solute from the
list, a concentration, a reading, the table with five recorded lines, a column
formula, the graph with a fitted line, saved through the save window.
Checks the saved file's records and the fitted line on the screen.

Usage: keyboard_session.py VELMIRA VELMIRA-OUTIL
Exit 77 (skipped) when Xvfb or xdotool is missing."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77
velmira, outil = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
for tool in ("Xvfb", "xdotool", "xwd"):
    if not shutil.which(tool):
        print(f"skipped: {tool} is not installed (apt-get install xvfb xdotool x11-apps)")
        sys.exit(SKIP)

home = tempfile.mkdtemp(prefix="velmira-keys-")
env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
env.pop("WAYLAND_DISPLAY", None)
started = []


def finish(code, message):
    print(message)
    for p in reversed(started):
        if p.poll() is None:
            p.kill()
        p.wait()
    shutil.rmtree(home, ignore_errors=True)
    sys.exit(code)


def shot(name):
    shots = os.environ.get("VELMIRA_E2E_SHOTS")
    if shots:
        subprocess.run(["xwd", "-root", "-silent", "-out", os.path.join(shots, name + ".xwd")], env=env)


def fail(message):
    shots = os.environ.get("VELMIRA_E2E_SHOTS")
    if shots:
        subprocess.run(["xwd", "-root", "-silent", "-out", os.path.join(shots, "keys-failure.xwd")], env=env)
    finish(1, "FAILED: " + message)


def start_screen():
    """Xvfb on a display number it picks itself, checked to answer."""
    for _ in range(5):
        rd, wr = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(wr), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                  pass_fds=(wr,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(wr)
        number = os.read(rd, 16).decode().strip()
        os.close(rd)
        env["DISPLAY"] = ":" + number
        for _ in range(50):
            if server.poll() is not None:
                break
            if subprocess.run(["xdotool", "getdisplaygeometry"], env=env, capture_output=True).returncode == 0:
                started.append(server)
                return
            time.sleep(0.1)
        server.kill()
        server.wait()
    fail("no virtual screen")


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], env=env, capture_output=True, text=True).stdout.strip()


def wait_for(what, check, timeout=30.0):
    end = time.time() + timeout
    while time.time() < end:
        value = check()
        if value:
            return value
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def window_named(pattern):
    return wait_for("a window named " + pattern,
                    lambda: xdo("search", "--onlyvisible", "--name", pattern).split("\n")[-1])


def keys(*names, settle=0.3):
    for name in names:
        xdo("key", name)
        time.sleep(0.08)
    time.sleep(settle)


def type_text(text):
    xdo("type", "--delay", 30, text)
    time.sleep(0.3)


def window_pixels(window):
    """Every pixel of a window as (r, g, b)."""
    data = subprocess.run(["xwd", "-id", window, "-silent"], env=env, capture_output=True).stdout
    fields = struct.unpack(">25I", data[:100])
    header, width, height, bpp, bpl, order, ncolors = (fields[0], fields[4], fields[5], fields[11], fields[12],
                                                       fields[7], fields[19])
    masks = fields[14:17]
    pixels = data[header + 12 * ncolors:]
    size = bpp // 8
    for y in range(height):
        row = pixels[y * bpl:y * bpl + width * size]
        for x in range(width):
            value = int.from_bytes(row[x * size:(x + 1) * size], "little" if order == 0 else "big")
            yield tuple((value & m) >> (m & -m).bit_length() - 1 for m in masks)


def count_colour(window, colour):
    return sum(1 for p in window_pixels(window) if p == colour)


def run_outil(*args):
    return subprocess.run([outil, *args], capture_output=True, text=True).stdout


start_screen()
program = subprocess.Popen([velmira], env=env, cwd=home, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
started.append(program)
wid = wait_for("the main window", lambda: xdo("search", "--onlyvisible", "--name", "^Velmira").split("\n")[-1], 60)
time.sleep(1.0)
xdo("windowfocus", wid)  # as a window manager gives a new window the keyboard
time.sleep(0.3)

# The focus starts on "Ouvrir"; the ions' box is the 11th Tab stop after it
# (the command buttons, L, S, the montage group). Enter opens the list:
# potassium chloride is 8 lines down.
keys(*["Tab"] * 11, "Return")
keys(*["Down"] * 8, "Return")
# c1, the next stop: 0,01 mol/L.
keys("Tab", "ctrl+a")
type_text("0.01")
keys("Return")

# The table (Alt+T keeps the focus on its button, 5 stops before c1), then
# five concentrations, each recorded with Ctrl+Entrée.
keys("alt+t", settle=0.8)
keys(*["Tab"] * 5)
for c in ("0.01", "0.02", "0.03", "0.04", "0.05"):
    keys("ctrl+a")
    type_text(c)
    keys("ctrl+Return")

# Into the grid (after the knobs, the calibres, the text pane, "Exercices" and
# "Ajouter au tableau"); Ctrl+Espace chooses the column, Maj+F10 its menu.
keys(*["Tab"] * 8)
keys("Home", "ctrl+Home", *["Right"] * 3, "ctrl+space", "shift+F10", settle=0.6)
keys("c", settle=1.0)  # "Calculer C4"
window_named("^Calculer: C4 =$")
keys("alt+1", "asterisk", "1", "0", "0", "0", "Return", settle=1.0)
# The empty lines are reported; Entrée answers.
window_named("^Calcul terminé$")
keys("Return", settle=0.5)
xdo("windowfocus", wid)  # the keyboard back to the main window, as a window manager does
time.sleep(0.3)

# The graph from the table menu (Maj+F10 on a cell, "Représentation graphique"), its
# fitted line through the origin by "Modéliser" (the 6th stop: the two lists
# and three boxes before it).
keys("Down", "shift+F10", settle=0.6)  # a move leaves the column for a cell
keys("g", settle=1.5)
graph = wait_for("the graph window",
                 lambda: [w for w in xdo("search", "--onlyvisible", "--name", "^Velmira").split("\n") if w != wid])[-1]
green = (0, 128, 0)
before = count_colour(graph, green)
keys(*["Tab"] * 5, "space", settle=1.0)
after = count_colour(graph, green)
if after < before + 50:
    fail(f"no fitted line drawn: {before} then {after} green pixels")
keys("Escape", settle=0.8)

# Saved as "pratique" through the save window, in the home folder.
xdo("windowfocus", wid)
time.sleep(0.3)
keys("alt+e", settle=1.0)
window_named("^Enregistrer les param")
keys("ctrl+a")
type_text("pratique")
keys("Return", settle=1.0)
saved = os.path.join(home, "pratique.C07")
wait_for("the saved file", lambda: os.path.exists(saved))
# --- The saved file ------------------------------------------------------------
table = run_outil("config", saved, "--tableau").split("\n")
for line, c in enumerate(("1,00E-02", "2,00E-02", "3,00E-02", "4,00E-02", "5,00E-02"), start=1):
    cells = table[line].split("\t") if line < len(table) else []
    if len(cells) < 4 or cells[0] != c:
        fail(f"recorded line {line}: " + repr(table[line] if line < len(table) else None))
    if cells[3] != f"{line},00E+01":
        fail(f"computed C4 on line {line}: " + repr(cells))
    if not cells[1] or not cells[2]:
        fail(f"readings missing on line {line}: " + repr(cells))
if table[6].strip():
    fail("a sixth line was recorded: " + repr(table[6]))
records = run_outil("config", saved)
if "C1 * 1000" not in records:
    fail("the formula of C4 was not saved")
if run_outil("config", saved).split("\n")[8] != "9\t9":
    fail("solute: " + repr(records.split("\n")[8]))
finish(0, "keyboard session ok")
