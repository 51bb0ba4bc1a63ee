#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil's practical with the keyboard alone, on the real program on a
virtual screen, with real key events only (no pointer): a solute from the
list, a concentration, a reading, the table with five recorded lines, a column
formula, the graph with a fitted line, saved through the save window, then the
program closed. Checks the saved file's records and the fitted line on the
screen. The keyboard goes to each new window as a window manager gives it.

Usage: keyboard_session.py VELMIRA VELMIRA-OUTIL
Exit 77 (skipped) when Xvfb or xdotool is missing."""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from desktop import Desktop, program_session, tool_output  # noqa: E402
from virtual_screen import start_screen  # noqa: E402

velmira, outil, home, env = program_session("velmira-keys-")
started = []


def finish(code, message):
    print(message)
    for p in reversed(started):
        if p.poll() is None:
            p.terminate()
        p.wait()
    shutil.rmtree(home, ignore_errors=True)
    sys.exit(code)


def fail(message):
    if not failing:  # a failure while the failure's screen is taken ends at once
        failing.append(message)
        if os.environ.get("VELMIRA_E2E_SHOTS"):
            print("windows:", desk.xdo("search", "--name", "."), "keyboard in:", desk.xdo("getwindowfocus"))
        desk.shot("keys-failure")
    finish(1, "FAILED: " + message)


failing = []


def run_outil(*args):
    return tool_output(outil, *args)


desk = Desktop(env, fail)
keys, type_text, shot = desk.keys, desk.type_text, desk.shot


def count_colour(window, colour):
    width, height, at = desk.capture(window)
    return sum(1 for y in range(height) for x in range(width) if at(x, y) == colour)


def dialog_keys(pattern, *names):
    """Keys that open a window named by pattern; returns it with the keyboard."""
    keys(*names, settle=0.1)
    w = desk.window_named(pattern)
    desk.wait_drawn(w)
    desk.focus(w)
    return w


started.append(start_screen(env))
program = subprocess.Popen([velmira], env=env, cwd=home, stdout=subprocess.DEVNULL,
                           stderr=None if os.environ.get("VELMIRA_E2E_SHOTS") else subprocess.DEVNULL)
started.append(program)
wid = desk.wait_for("the main window",
                    lambda: desk.xdo("search", "--onlyvisible", "--name", "^Velmira").split("\n")[-1], 60)
time.sleep(1.0)
desk.focus(wid)

# The focus starts on "Ouvrir"; the ions' box is the 11th Tab stop after it
# (the command buttons, L, S, the montage group). Enter opens the list:
# potassium chloride is 8 lines down.
keys(*["Tab"] * 11)
desk.keys_shown("the list of solutes", "Return")
keys(*["Down"] * 8, "Return")
# c1, the next stop: 0,01 mol/L.
keys("Tab", "ctrl+a")
type_text("0.01")
keys("Return")
shot("1-solute")

# The table (Alt+T keeps the focus on its button, 5 stops before c1), then
# five concentrations, each recorded with Ctrl+Entrée.
keys("alt+t", settle=0.8)
keys(*["Tab"] * 5)
for c in ("0.01", "0.02", "0.03", "0.04", "0.05", "0.06", "0.07"):
    keys("ctrl+a")
    type_text(c)
    keys("ctrl+Return")
# The keyboard still in c1: Ctrl+Z undoes the work's steps (the last two
# recordings), not the field's typing; Ctrl+Y brings back the sixth line.
keys("ctrl+z", "ctrl+z", "ctrl+y")
shot("2-recorded")

# Into the grid (after the knobs, the calibres, the text pane, "Exercices" and
# "Ajouter au tableau"); Ctrl+Espace chooses the column, Maj+F10 its menu.
keys(*["Tab"] * 8)
keys("Home", "ctrl+Home", *["Right"] * 3, "ctrl+space")
desk.keys_shown("the column menu", "shift+F10")
shot("3-menu")
calc = dialog_keys("^Calculer: C4 =$", "c")  # "Calculer C4"
# Typed as a pupil would: "C1" acts as the key of C1, "," as ".".
type_text("C1*2000*0,5")
if os.environ.get("VELMIRA_E2E_SHOTS"):
    desk.save_png(os.environ["VELMIRA_E2E_SHOTS"] + "/3b-formula.png", calc)
# The empty lines are reported; Entrée answers.
report = dialog_keys("^Calcul terminé$", "Return")
shot("4-report")
keys("Return", settle=0.1)
desk.window_gone(report)
desk.focus(wid)  # the keyboard back to the uncovered main window

# The graph from the table menu (Maj+F10 on a cell, "Représentation graphique"), its
# fitted line through the origin by "Modéliser" (the 6th stop: the two lists
# and three boxes before it).
keys("Down")  # a move leaves the column for a cell
desk.keys_shown("the table menu", "shift+F10")
shot("5-tablemenu")
keys("g", settle=0.1)
graph = desk.wait_for("the graph window", lambda: [w for w in desk.xdo("search", "--onlyvisible", "--name",
                                                                              "sentation graphique")
                                                    .split("\n") if w and w != wid][-1:])[0]
desk.wait_drawn(graph)
desk.focus(graph)
green = (0, 128, 0)
before = count_colour(graph, green)
keys(*["Tab"] * 5, "space", settle=1.0)
after = count_colour(graph, green)
if after < before + 50:
    fail(f"no fitted line drawn: {before} then {after} green pixels")
keys("Escape", settle=0.1)
desk.window_gone(graph)

# Saved as "pratique" through the save window, in the home folder.
desk.focus(wid)
save = dialog_keys("^Enregistrer les param", "alt+e")
keys("ctrl+a")
type_text("pratique")
keys("Return", settle=0.1)
saved = os.path.join(home, "pratique.C07")
desk.wait_for("the saved file", lambda: os.path.exists(saved))
desk.window_gone(save)

# The bench pictures printed into a PDF file chosen in the printer dialog;
# printed again after another printout took that file, the program asks first.
printed = os.path.join(home, "tableau.pdf")


def print_window():
    desk.focus(wid)
    w = dialog_keys("^Imprimer$", "alt+i")
    keys("space")  # "Illustration pour la solution 1", the first stop
    return w


def answered(w):
    desk.window_gone(w)
    desk.focus(wid)


bench_print = print_window()
keys("alt+i", settle=0.1)  # "Imprimantes": the printer dialog
chooser = desk.wait_for("the printer dialog", lambda: [w for w in desk.xdo(
    "search", "--onlyvisible", "--name", "^Imprimer$").split("\n") if w and w != bench_print][-1:])[0]
desk.wait_drawn(chooser)
desk.focus(chooser)
keys("alt+f", "ctrl+a")  # "Fichier de sortie"
type_text(printed)
for _ in range(3):  # a completion list may take the first Entrée
    keys("Return", settle=1.0)
    if chooser not in desk.xdo("search", "--onlyvisible", "--name", "").split("\n"):
        break
desk.window_gone(chooser)
desk.focus(bench_print)
keys("alt+o", settle=0.1)
desk.wait_for("the printed file", lambda: os.path.exists(printed) and os.path.getsize(printed) > 1000)
answered(bench_print)
table_print = b"%PDF-1.4 the table printed before"
with open(printed, "wb") as f:
    f.write(table_print)
bench_print = print_window()
question = dialog_keys("^Ecraser le fichier", "alt+o")
keys("Escape", settle=0.5)
desk.window_gone(question)
with open(printed, "rb") as f:
    if f.read() != table_print:
        fail("the PDF file was replaced although the question was answered Annuler")
desk.focus(bench_print)
question = dialog_keys("^Ecraser le fichier", "alt+o")
keys("Return", settle=0.1)
desk.wait_for("the replaced file", lambda: os.path.getsize(printed) > 1000)
answered(bench_print)

# Closed with its question: Alt+F, then Entrée.
desk.close_program(program, wid)

# --- The saved file ------------------------------------------------------------
table = run_outil("config", saved, "--tableau").split("\n")
for line, c in enumerate(("1,00E-02", "2,00E-02", "3,00E-02", "4,00E-02", "5,00E-02", "6,00E-02"), start=1):
    cells = table[line].split("\t") if line < len(table) else []
    if len(cells) < 4 or cells[0] != c:
        fail(f"recorded line {line}: " + repr(table[line] if line < len(table) else None))
    if cells[3] != f"{line},00E+01":
        fail(f"computed C4 on line {line}: " + repr(cells))
    if not cells[1] or not cells[2]:
        fail(f"readings missing on line {line}: " + repr(cells))
if table[7].strip():
    fail("the seventh line was not undone: " + repr(table[7]))
records = run_outil("config", saved)
if "C1 * 2000 * 0" not in records:
    fail("the formula of C4 was not saved")
if run_outil("config", saved).split("\n")[8] != "9\t9":
    fail("solute: " + repr(records.split("\n")[8]))
finish(0, "keyboard session ok")
