#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""`velmira-outil config ... --ods` read back by the two spreadsheets a school
has, with no option chosen: LibreOffice Calc (headless, an English and a
French locale) and Gnumeric's ssconvert each convert the file to their own
XML, where every data cell must be a number of exactly the cell's value and
every title a text equal to the table's. Skipped (77) when soffice or
ssconvert is missing (after running the other)."""
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SKIP = 77
OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
TEXT = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"
GNUMERIC = "http://www.gnumeric.org/v10.dtd"
FLOAT, STRING = "40", "60"  # Gnumeric's value types

# A table with values of up to 15 digits (the general format) and titles
# a pupil may type.
TABLE_STEPS = ["--set", "solute1=17", "--set", "c1=0,01", "--format", "3", "--mesure", "1", "--set", "c1=0,0037",
               "--mesure", "1", "--serie", "4", "1", "3", "1", "--calcule", "5", "C2 / C1 / 7",
               "--titre", "1", '<c & "d">', "--titre", "2", "σ  (mS/m)"]


def paragraph_text(p):
    out = p.text or ""
    for child in p:
        if child.tag == f"{{{TEXT}}}s":
            out += " " * int(child.get(f"{{{TEXT}}}c", "1"))
        out += child.tail or ""
    return out


def calc_cells(fods):
    """{(row, col): (type, value, text)} of the first sheet of a flat ODF file."""
    sheet = ET.parse(fods).getroot().find(f".//{{{TABLE}}}table")
    cells, row = {}, 0
    for r in sheet.iter(f"{{{TABLE}}}table-row"):
        col = 0
        for c in r:
            if c.tag not in (f"{{{TABLE}}}table-cell", f"{{{TABLE}}}covered-table-cell"):
                continue
            repeat = int(c.get(f"{{{TABLE}}}number-columns-repeated", "1"))
            kind = c.get(f"{{{OFFICE}}}value-type")
            if kind:
                text = "\n".join(paragraph_text(p) for p in c.iter(f"{{{TEXT}}}p"))
                for k in range(repeat):
                    cells[(row, col + k)] = (kind, c.get(f"{{{OFFICE}}}value"), text)
            col += repeat
        row += int(r.get(f"{{{TABLE}}}number-rows-repeated", "1"))
    return cells


def gnumeric_cells(path):
    with gzip.open(path) as f:
        root = ET.parse(f).getroot()
    cells = {}
    for c in root.iter(f"{{{GNUMERIC}}}Cell"):
        kind = {FLOAT: "float", STRING: "string"}.get(c.get("ValueType"), c.get("ValueType"))
        cells[(int(c.get("Row")), int(c.get("Col")))] = (kind, c.text, c.text)
    return cells


def main():
    tool = sys.argv[1]
    failures, missing = [], []

    def check(cond, what):
        if not cond:
            failures.append(what)
            print("FAIL:", what)

    with tempfile.TemporaryDirectory() as work:
        ods = os.path.join(work, "tableau.ods")
        shown = subprocess.run([tool, "config"] + TABLE_STEPS + ["--tableau"], capture_output=True, check=True)
        lines = [line.split("\t") for line in shown.stdout.decode().split("\n")[:-1]]
        while len(lines) > 1 and not any(lines[-1]):
            lines.pop()
        check(subprocess.run([tool, "config"] + TABLE_STEPS + ["--ods", ods]).returncode == 0, "--ods writes")
        # Every data cell of this table is a number.
        expected = {}
        for r, line in enumerate(lines):
            for c, text in enumerate(line):
                if r == 0:
                    expected[(r, c)] = ("string", text)
                elif text:
                    expected[(r, c)] = ("float", float(text.replace(",", ".")))
        check(len(expected) > 15, f"the table holds titles and numbers ({len(expected)} cells)")

        def compare(reader, cells):
            for at, (kind, want) in expected.items():
                got = cells.get(at)
                if got is None:
                    check(False, f"{reader}: cell {at} missing")
                elif kind == "string":
                    check(got[0] == "string" and got[2] == want, f"{reader}: title {at} {got} is the text {want!r}")
                else:
                    check(got[0] == "float" and float(got[1]) == want, f"{reader}: cell {at} {got} is the number {want!r}")
            extra = set(cells) - set(expected)
            check(not extra, f"{reader}: no other cell ({sorted(extra)})")

        soffice = shutil.which("soffice")
        if soffice:
            profile = "file://" + os.path.join(work, "profile")
            for lang in ("en_US.UTF-8", "fr_FR.UTF-8"):
                out = os.path.join(work, lang)
                env = dict(os.environ, LANG=lang, LC_ALL=lang, HOME=work)
                subprocess.run([soffice, f"-env:UserInstallation={profile}", "--headless", "--convert-to", "fods",
                                "--outdir", out, ods], env=env, capture_output=True, timeout=120)
                fods = os.path.join(out, "tableau.fods")
                check(os.path.exists(fods), f"Calc ({lang}) converts the file")
                if os.path.exists(fods):
                    compare(f"Calc ({lang})", calc_cells(fods))
        else:
            missing.append("soffice (libreoffice-calc-nogui)")
        ssconvert = shutil.which("ssconvert")
        if ssconvert:
            out = os.path.join(work, "tableau.gnumeric")
            subprocess.run([ssconvert, ods, out], capture_output=True, timeout=60, env=dict(os.environ, HOME=work))
            check(os.path.exists(out), "Gnumeric converts the file")
            if os.path.exists(out):
                compare("Gnumeric", gnumeric_cells(out))
        else:
            missing.append("ssconvert (gnumeric)")

    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    if missing:
        print("skipped: " + " and ".join(missing) + " missing")
        return SKIP
    print("Calc (en_US, fr_FR) and Gnumeric read every number and every title back")
    return 0


if __name__ == "__main__":
    sys.exit(main())
