#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader reads of the real program: its accessibility tree
walked with pyatspi on a virtual screen, in a D-Bus session of its own.
Checks that no shown control lacks a name, that the selectors are radio
buttons, the bench strip three page tabs (a press on one announced), the
knobs dials with values, and that readings are named with their instrument.

Usage: atspi_tree.py VELMIRA
Run by Debian's own Python (the one python3-pyatspi serves); exit 77
(skipped) when pyatspi, dbus-run-session, the AT-SPI bus or Xvfb is missing."""

import atexit
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from virtual_screen import start_screen  # noqa: E402

SKIP = 77
INSIDE = "VELMIRA_A11Y_SESSION"

velmira = os.path.abspath(sys.argv[1])
missing = [t for t in ("Xvfb", "dbus-run-session") if not shutil.which(t)]
if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
    missing.append("at-spi2-core")
try:
    import pyatspi  # noqa: F401
except ImportError:
    missing.append("python3-pyatspi")
if missing:
    print("skipped: missing " + ", ".join(missing) + " (apt-get install python3-pyatspi at-spi2-core dbus-x11 xvfb)")
    sys.exit(SKIP)

# A session bus of our own, so that nothing of the machine's is read or changed.
if not os.environ.get(INSIDE):
    env = dict(os.environ, **{INSIDE: "1"})
    sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode)

import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

home = tempfile.mkdtemp(prefix="velmira-a11y-")
env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
           QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8")
env.pop("WAYLAND_DISPLAY", None)



xvfb = start_screen(env)
debug = bool(os.environ.get("VELMIRA_A11Y_DEBUG"))
app_process = subprocess.Popen([velmira], env=env, cwd=home, stdout=subprocess.DEVNULL,
                               stderr=None if debug else subprocess.DEVNULL)


@atexit.register
def stop_all():
    """Nothing left running, whatever happens."""
    for p in (app_process, xvfb):
        if p.poll() is None:
            p.kill()
            p.wait()


def finish(code, message):
    print(message)
    app_process.kill()
    app_process.wait()
    xvfb.terminate()
    xvfb.wait()
    shutil.rmtree(home, ignore_errors=True)
    sys.exit(code)


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if os.environ.get("VELMIRA_A11Y_DEBUG"):
                print("app:", a and a.name, a and a.childCount)
            if a is not None and a.name == "velmira" and a.childCount > 0:
                return a
        time.sleep(0.2)
    return None


app = find_app()
if app is None:
    finish(1, "FAILED: the program is not in the accessibility tree")

NAMED = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_ENTRY,
         pyatspi.ROLE_TEXT, pyatspi.ROLE_DIAL, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB,
         pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_COMBO_BOX,
         pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_SPIN_BUTTON}


def walk(node, out, depth=0):
    if node is None or depth > 30:
        return
    out.append(node)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), out, depth + 1)


nodes = []
walk(app, nodes)
failures = []
showing = [n for n in nodes if n.getState().contains(pyatspi.STATE_SHOWING)]
unnamed = [f"{n.getRoleName()} in {n.parent.name!r}" for n in showing if n.getRole() in NAMED and not n.name.strip()]
if unnamed:
    failures.append("shown controls without a name: " + "; ".join(unnamed))

calibres = [n for n in nodes if n.name.startswith("Calibre du voltmètre")]
if len(calibres) != 12 or any(n.getRole() != pyatspi.ROLE_RADIO_BUTTON for n in calibres):
    failures.append(f"voltmeter calibres: {[(n.name, n.getRoleName()) for n in calibres]}")
montages = [n for n in showing if n.name.startswith("Montage avec")]
if len(montages) != 2 or any(n.getRole() != pyatspi.ROLE_RADIO_BUTTON for n in montages):
    failures.append(f"montages: {[(n.name, n.getRoleName()) for n in montages]}")

tab_lists = [n for n in nodes if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST and n.name == "Bancs de mesure"]
tabs = [t.getChildAtIndex(i) for t in tab_lists for i in range(t.childCount)
        if t.getChildAtIndex(i).getRole() == pyatspi.ROLE_PAGE_TAB]
if [t.name for t in tabs] != ["Solution 1", "Solution 2", "Mélange"]:
    failures.append(f"bench tabs: {[t.name for t in tabs]}")
elif not tabs[0].getState().contains(pyatspi.STATE_SELECTED):
    failures.append("the first bench tab is not selected")
else:
    # Pressing "Mélange" selects it, and the change is announced.
    events = []
    pyatspi.Registry.registerEventListener(lambda e: events.append((e.type, e.source.name)),
                                           "object:selection-changed", "object:state-changed:selected")
    tabs[2].queryAction().doAction(0)
    context, end = GLib.MainContext.default(), time.time() + 5
    while not events and time.time() < end:
        context.iteration(False)
        time.sleep(0.05)
    if not tabs[2].getState().contains(pyatspi.STATE_SELECTED):
        failures.append("pressing the tab Mélange did not select it")
    if not events:
        failures.append("no event told the change of bench")

dials = [n for n in nodes if n.getRole() == pyatspi.ROLE_DIAL]
if len(dials) != 6:
    failures.append(f"{len(dials)} knobs as dials, not 6")
for d in dials:
    v = d.queryValue()
    if not (v.minimumValue <= v.currentValue <= v.maximumValue and v.maximumValue > v.minimumValue):
        failures.append(f"knob {d.name!r}: {v.minimumValue} <= {v.currentValue} <= {v.maximumValue}")

readings = [n.name for n in showing if n.name.startswith("Voltmètre, solution 1 : ")]
if not readings or not readings[0].endswith("0,200 V"):
    failures.append(f"voltmeter reading: {readings}")

if failures:
    finish(1, "FAILED:\n  " + "\n  ".join(failures))
finish(0, f"{len(nodes)} accessible objects, {len(showing)} shown; named, radio selectors, 3 tabs, 6 dials, readings")
