#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One pupil's session with the real program on a virtual screen, driven by
real key and mouse events: choose a solute, type a concentration, show the
table, record two lines, compute a column, open the graph, save through the
save window, close; start again and open the file through the open window;
then a titration: the activity's configuration named on the command line, 21
points recorded on the mixture bench with the burette (Up) and Ctrl+Entrée,
saved, and its two lines crossing at the equivalence.
Checks the saved file's records and a few pixels of the screen.

Usage: session.py VELMIRA VELMIRA-OUTIL
Exit 77 (skipped) when Xvfb or xdotool is missing."""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from desktop import Desktop, program_session, tool_output  # noqa: E402
from virtual_screen import start_screen  # noqa: E402

velmira, outil, home, env = program_session("velmira-e2e-")

xvfb = start_screen(env)  # 1024 x 768: wider than 850, the window is 800 x 600, centred
apps = []


def fail(message):
    print("FAILED: " + message)
    shots = os.environ.get("VELMIRA_E2E_SHOTS")
    if shots:
        desk.save_png(os.path.join(shots, "e2e-failure.png"))
    for p in apps:
        p.kill()
    xvfb.terminate()
    xvfb.wait()
    shutil.rmtree(home, ignore_errors=True)
    sys.exit(1)


desk = Desktop(env, fail)
xdo, wait_for, window_named, keys, type_text = desk.xdo, desk.wait_for, desk.window_named, desk.keys, desk.type_text


def origin(wid):
    geometry = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", wid).split("\n") if "=" in line)
    return int(geometry["X"]), int(geometry["Y"])


def click(x, y, settle=0.4):
    xdo("mousemove", x, y)
    xdo("click", 1)
    time.sleep(settle)


focus = desk.focus  # the keyboard to a window, as a window manager gives it


def screen():
    """The screen's pixel at (x, y) as (r, g, b)."""
    return desk.capture()[2]


def start(*args):
    p = subprocess.Popen([velmira, *args], env=env, cwd=home, stdout=subprocess.DEVNULL,
                         stderr=None if os.environ.get("VELMIRA_E2E_SHOTS") else subprocess.DEVNULL)
    apps.append(p)
    wid = window_named("^Velmira")
    time.sleep(1.0)
    return p, wid


def run_outil(*args):
    return tool_output(outil, *args)


# --- The session --------------------------------------------------------------
program, wid = start()
x0, y0 = origin(wid)
at = screen()
if os.environ.get("VELMIRA_E2E_SHOTS"):
    print("window at", x0, y0)
if at(x0 + 700, y0 + 62) != (0, 0, 128):
    fail(f"the cell options' title bar is not dark blue: {at(x0 + 700, y0 + 62)}")
if at(x0 + 60, y0 + 480) == (0, 0, 0):
    fail("the bench is not drawn")

# Potassium chloride (row 9 of the list), chosen from the keyboard.
click(x0 + 200, y0 + 126)
keys(*["Down"] * 8, "Return")
# Concentration 0,02 mol/L, then Enter.
click(x0 + 195, y0 + 196)
keys("ctrl+a")
type_text("0.02")
keys("Return")

# The table, two recorded lines.
click(x0 + 452, y0 + 20)
click(x0 + 340, y0 + 93)
click(x0 + 195, y0 + 196)
keys("ctrl+a")
type_text("0.01")
keys("Return")
click(x0 + 340, y0 + 93)

# C4 = C1 * 1000: the title of C4, "Calculer C4", the column button C1.
click(x0 + 660, y0 + 86)
keys("Down", "Return", settle=1.0)
calc = window_named("^Calculer: C4 =$")
cx, cy = origin(calc)
click(cx + 82, cy + 176)
keys("asterisk", "1", "0", "0", "0", "Return", settle=1.0)
# The lines without C1 are reported; the report is answered.
wait_for("the report", lambda: xdo("search", "--onlyvisible", "--name", "^Calcul terminé$"))
keys("Return")

# The graph from the table menu's picture (below "Annuler : …"; "Rétablir" is unavailable).
click(x0 + 433, y0 + 65)
keys(*["Down"] * 8, "Return", settle=1.5)
wait_for("the graph window", lambda: xdo("search", "--onlyvisible", "--name", "sentation graphique"))
keys("Escape", settle=0.8)

# Saved as "session" through the save window, in the home folder.
focus(wid)
keys("alt+e", settle=1.0)
window_named("^Enregistrer les param")
keys("ctrl+a")
type_text("session")
keys("Return", settle=1.0)
saved = os.path.join(home, "session.C07")
wait_for("the saved file", lambda: os.path.exists(saved))
title = xdo("getwindowname", wid)
if title != "Velmira - " + saved:
    fail("caption after saving: " + title)

# Closed with its question.
desk.close_program(program, wid)

# --- The saved file ------------------------------------------------------------
table = run_outil("config", saved, "--tableau").split("\n")
if not table[1].startswith("2,00E-02\t") or not table[2].startswith("1,00E-02\t"):
    fail("recorded lines: " + repr(table[:3]))
if table[1].split("\t")[3] != "2,00E+01" or table[2].split("\t")[3] != "1,00E+01":
    fail("computed column: " + repr(table[:3]))
records = run_outil("config", saved).split("\n")
if records[8] != "9\t9" or records[15] != "16\t0,01" or records[96] != "97\t":
    fail("records: " + repr(records[8:16]))
if "C1 * 1000" not in run_outil("config", saved):
    fail("the formula of C4 was not saved")

# --- Again, opened through the open window --------------------------------------
program, wid = start()
focus(wid)
keys("alt+o", settle=1.0)
window_named("^Ouvrir une configuration$")
type_text(saved)
keys("Return", settle=1.5)
title = xdo("getwindowname", wid)
if title != "Velmira - " + saved:
    fail("caption after opening: " + title)
x0, y0 = origin(wid)
at = screen()
# The conductimeter montage is not chosen: the page of solution 1 shows the
# generator, orange (255, 128, 0) below its screen.
if at(x0 + 315, y0 + 476) != (255, 128, 0):
    fail(f"the generator is not where it belongs: {at(x0 + 315, y0 + 476)}")
desk.close_program(program, wid)

# --- A titration on the mixture bench ------------------------------------------
activity = os.path.join(os.path.dirname(velmira), "exercices", "6-dosage.C07")
program, wid = start(activity)
x0, y0 = origin(wid)
click(x0 + 452, y0 + 20)   # the table
click(x0 + 350, y0 + 63)   # the mixture tab
click(x0 + 280, y0 + 206)  # V2, the burette
keys("ctrl+Return")
for _ in range(20):
    keys("Up", "ctrl+Return", settle=0.15)
focus(wid)
keys("alt+e", settle=1.0)
window_named("^Enregistrer les param")
keys("ctrl+a")
type_text(os.path.join(home, "dosage"))
keys("Return", settle=1.0)
saved = os.path.join(home, "dosage.C07")
wait_for("the saved titration", lambda: os.path.exists(saved))
desk.close_program(program, wid)
table = run_outil("config", saved, "--tableau").split("\n")
if not table[1].startswith("0,00\t") or not table[21].startswith("20,00\t"):
    fail("titration lines: " + repr(table[:3] + table[20:22]))
graph = dict(line.split("\t", 1) for line in run_outil("graphe", saved, "--deux-droites").split("\n") if "\t" in line)
crossing = graph.get("intersection", "")
if not crossing.startswith("x = "):
    fail("no intersection: " + crossing)
equivalence = float(crossing[4:crossing.index(" ;")].replace(",", "."))
if abs(equivalence - 10) > 0.1:  # c1 V1 / c2 = 0,005 × 200 / 0,1 mL, within 1 %
    fail("equivalence volume: " + crossing)

xvfb.terminate()
xvfb.wait()
shutil.rmtree(home, ignore_errors=True)
print("session ok")
