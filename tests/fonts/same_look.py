#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The windows look the same whatever fonts the machine has.

    same_look.py TEST_PROGRAM_FOLDER RENAME_SCRIPT

RENAME_SCRIPT is scripts/rename-face.py, which also makes the look-alikes.

Runs the window tests that write screenshots three times: with the machine's
font configuration, with one that adds look-alike faces named as the common
families ("Liberation Sans", "DejaVu Sans", "Arial", "Sans", the generic
families...), newer than the real ones, made here from other installed faces,
and with one that has no font of the machine at all. The pictures must be
identical, byte for byte.
"""
import runpy
import os
import subprocess
import sys
import tempfile
from pathlib import Path

# Look-alikes: a face of another design, renamed to each family it poses as.
URW = Path("/usr/share/fonts/opentype/urw-base35")
DEJAVU = Path("/usr/share/fonts/truetype/dejavu")
SANS = ["Liberation Sans", "Arial", "Helvetica", "DejaVu Sans", "Verdana", "Sans", "Sans Serif", "Symbol"]
SERIF = ["Liberation Serif", "Times New Roman", "Times", "DejaVu Serif", "Serif"]
MONO = ["Liberation Mono", "DejaVu Sans Mono", "Courier New", "Monospace"]
STYLES = {
    "Regular": ("NimbusSans-Regular.otf", "NimbusRoman-Regular.otf", "NimbusMonoPS-Regular.otf"),
    "Bold": ("NimbusSans-Bold.otf", "NimbusRoman-Bold.otf", "NimbusMonoPS-Bold.otf"),
    "Italic": ("NimbusSans-Italic.otf", "NimbusRoman-Italic.otf", "NimbusMonoPS-Italic.otf"),
    "BoldItalic": ("NimbusSans-BoldItalic.otf", "NimbusRoman-BoldItalic.otf", "NimbusMonoPS-BoldItalic.otf"),
}
FALLBACK = {"Regular": "DejaVuSerif.ttf", "Bold": "DejaVuSerif-Bold.ttf"}

# (test program, gtest filter): the main window's tabs, the graph with its
# texts, the table, the calculator, a statement, the help. (The save window's
# picture shows the temporary folder's random names: left out.)
RUNS = [
    ("test_ui", "ScreenshotTest.*:HelpWindow.OpensOnTheShippedHelpWithContentsAndSearch"),
    ("test_graph_ui", "GraphWindowTest.KohlrauschPlotOfPotassiumChloride"),
    ("test_table_ui", "TableWindowTest.Screenshot"),
    ("test_expr_ui", "MachineWindow.ClicksAndKeyboardDriveTheDisplay"),
    ("test_files_ui", "TextPaneTest.AStatementTooLongToShowShowsItsBeginningAndSaysSo"),
]


def source_face(style, kind):
    """The other design a look-alike of `kind` (0 sans, 1 serif, 2 mono) is made from."""
    path = URW / STYLES[style][kind]
    if path.exists():
        return path
    fallback = DEJAVU / FALLBACK.get(style, "DejaVuSerif.ttf")
    return fallback if fallback.exists() else None


def make_look_alikes(folder, renamed):
    made = 0
    for style in STYLES:
        for kind, families in enumerate((SANS, SERIF, MONO)):
            source = source_face(style, kind)
            if source is None:
                continue
            for family in families:
                font = renamed(str(source), family)
                font["head"].fontRevision = 99.0  # newer than any real face of the name
                font.save(folder / f"{family.replace(' ', '')}-{style}{source.suffix}")
                made += 1
    return made


def font_configuration(folder, faces, cache):
    prefer = "".join(
        f"<alias binding=\"strong\"><family>{generic}</family><prefer><family>{family}</family></prefer></alias>"
        for generic, family in (("sans-serif", "Sans"), ("serif", "Serif"), ("monospace", "Monospace")))
    path = folder / "fonts.conf"
    path.write_text("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                    "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                    f"<dir>{faces}</dir>\n<cachedir>{cache}</cachedir>\n{prefer}\n</fontconfig>\n")
    return path


def bare_configuration(folder, cache):
    """No font of the machine at all (its drawing rules kept): the program has
    only the faces it loads."""
    path = folder / "bare.conf"
    path.write_text("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                    "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                    f"<cachedir>{cache}</cachedir>\n</fontconfig>\n")
    return path


def screenshots(programs, out, extra_env):
    out.mkdir()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", VELMIRA_SCREENSHOTS=str(out), **extra_env)
    for program, tests in RUNS:
        run = subprocess.run([str(programs / program), f"--gtest_filter={tests}"], env=env,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            sys.exit(f"{program} failed ({extra_env or 'machine fonts'}):\n{run.stdout[-4000:]}")
    return {p.name: p.read_bytes() for p in sorted(out.glob("*.png"))}


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip())
    programs = Path(sys.argv[1])
    renamed = runpy.run_path(sys.argv[2])["renamed"]  # the build's own renaming
    with tempfile.TemporaryDirectory() as tmp:
        tmp = Path(tmp)
        faces = tmp / "look-alikes"
        faces.mkdir()
        if make_look_alikes(faces, renamed) == 0:
            print("skipped: no face to make look-alikes from")
            return 77
        conf = font_configuration(tmp, faces, tmp / "cache")
        plain = screenshots(programs, tmp / "plain", {})
        decoyed = screenshots(programs, tmp / "look-alikes-shots", {"FONTCONFIG_FILE": str(conf)})
        bare = screenshots(programs, tmp / "bare-shots",
                           {"FONTCONFIG_FILE": str(bare_configuration(tmp, tmp / "bare-cache"))})
        if len(plain) < 8:
            sys.exit(f"only {len(plain)} screenshots written: {sorted(plain)}")
        if sorted(plain) != sorted(decoyed) or sorted(plain) != sorted(bare):
            sys.exit(f"not the same screenshots: {sorted(plain)} / {sorted(decoyed)} / {sorted(bare)}")
        changed = [name for name in plain if plain[name] != decoyed[name]]
        changed += [f"{name} (no machine font)" for name in plain if plain[name] != bare[name]]
        if changed:
            keep = os.environ.get("VELMIRA_LOOK_KEEP")
            if keep:
                for name in changed:
                    base = name.split(" ")[0]
                    (Path(keep) / f"plain-{base}").write_bytes(plain[base])
                    (Path(keep) / f"look-alikes-{base}").write_bytes(decoyed[base])
                    (Path(keep) / f"bare-{base}").write_bytes(bare[base])
            sys.exit(f"{len(changed)} of {len(plain)} screenshots change with look-alike fonts installed: "
                     + ", ".join(changed))
        print(f"{len(plain)} screenshots identical with look-alike fonts added and with no font of the machine")
    return 0


if __name__ == "__main__":
    sys.exit(main())
