#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""`velmira --pdf SORTIE.pdf FICHIER` run as a teacher runs it: no display,
a configuration and statements printed, the exit codes and the stderr texts,
an existing PDF left whole on failure, nothing written to the home folder.
Skipped (77) when poppler's tools are missing."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77


def run(velmira, args, home):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["HOME"] = home
    for k in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env.pop(k, None)
    p = subprocess.run([velmira] + args, capture_output=True, env=env, timeout=120)
    return p.returncode, p.stderr.decode("utf-8", "replace")


def words(pdf):
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, check=True).stdout.decode()
    pattern = r'<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>'
    return [(float(m.group(1)), float(m.group(2)), m.group(3)) for m in re.finditer(pattern, out)]


def text(pdf):
    return subprocess.run(["pdftotext", pdf, "-"], capture_output=True, check=True).stdout.decode()


def fonts_embedded(pdf):
    lines = subprocess.run(["pdffonts", pdf], capture_output=True, check=True).stdout.decode().splitlines()[2:]
    return bool(lines) and all(line.split()[-5] == "yes" for line in lines)


def pages(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True).stdout.decode()
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def main():
    velmira, source, tool = sys.argv[1], sys.argv[2], sys.argv[3]
    if not all(shutil.which(t) for t in ("pdftotext", "pdffonts", "pdfinfo")):
        print("poppler's tools are missing")
        return SKIP
    failures = []

    def check(cond, what):
        if not cond:
            failures.append(what)
            print("FAIL:", what)

    with tempfile.TemporaryDirectory() as work:
        home = os.path.join(work, "home")
        os.mkdir(home)
        out = os.path.join(work, "sortie.pdf")

        # Bad arguments: 2 and the usage.
        for args in (["--pdf"], ["--pdf", out], ["--pdf", out, "notes.txt"], ["--pdf", out, "a.C07", "b"]):
            code, err = run(velmira, args, home)
            check(code == 2 and err.startswith("usage : velmira --pdf SORTIE.pdf FICHIER"), f"usage for {args}: {code} {err}")

        # A configuration: the graph with its texts, the table, the pictures.
        config = os.path.join(source, "data", "exercices", "3-kohlrausch-corrige.C07")
        code, err = run(velmira, ["--pdf", out, config], home)
        check(code == 0 and err == "", f"configuration printed: {code} {err}")
        t = text(out)
        for expected in ("3-kohlrausch-corrige", "y = ", "r² = ", "Page 1 / ", "Solution 1 :", "Solution 2 :", "Mélange :",
                         "En abscisse, une division correspond à"):
            check(expected in t, f"configuration PDF holds {expected!r}")
        check(pages(out) >= 3, "graph, table and pictures pages")
        check(fonts_embedded(out), "configuration fonts embedded")

        # A pupil's work: the name on every page's heading.
        exercise, pupil_work = os.path.join(work, "dosage.E24"), os.path.join(work, "lea.C07")
        shutil.copy(os.path.join(source, "data", "VELMIRA.rtf"), os.path.join(work, "enonce.rtf"))
        for args in (["config", "--set", "inconnue1=0,005..0,02", "-o", os.path.join(work, "dosage.C07")],
                     ["exercice", "--enonce", os.path.join(work, "enonce.rtf"), "--config",
                      os.path.join(work, "dosage.C07"), "--titre", "Dosage", "--difficulte", "1", "--resultat", "c1", "c1",
                      "-o", exercise],
                     ["travail", exercise, "--tirage", "1", "--nom", "Léa Martin", "-o", pupil_work]):
            check(subprocess.run([tool] + args, capture_output=True).returncode == 0, f"velmira-outil {args[0]}")
        code, err = run(velmira, ["--pdf", out, pupil_work], home)
        t = text(out)
        check(code == 0 and t.count("Léa Martin") == pages(out), f"the pupil's name on each page: {code} {err}")

        # A titration whose work saved its graph: the two lines and their
        # intersection of the corrected σ, not the line through the origin.
        titration = os.path.join(source, "data", "exercices", "6-dosage-corrige.C07")
        code, err = run(velmira, ["--pdf", out, titration], home)
        check(code == 0 and "Intersection" not in text(out), f"titration without saved settings: {code} {err}")
        saved = os.path.join(work, "titrage.C07")
        subprocess.run([tool, "config", titration, "--set", "graphe_ordonnee=4", "--set", "graphe_modele=deux-droites",
                        "-o", saved], check=True)
        code, err = run(velmira, ["--pdf", out, saved], home)
        t = text(out)
        check(code == 0 and err == "", f"titration with its saved graph printed: {code} {err}")
        for expected in ("Droite 1 : ", "Droite 2 : ", "Intersection : ", "Sigma corrigée"):
            check(expected in t, f"saved graph PDF holds {expected!r}")
        check(not re.search(r"y = -?[0-9,E+-]+·x(?! [+-])", t), "no line through the origin")

        # Statements: word-processor RTF, an exercise, in any letter case.
        rtf = os.path.join(work, "ENONCE.RTF")
        shutil.copy(os.path.join(source, "tests", "data", "rtf", "abiword-enonce.rtf"), rtf)
        code, err = run(velmira, ["--pdf", out, rtf], home)
        check(code == 0 and err == "", f"statement printed: {code} {err}")
        heights = sorted(y1 - y0 for y0, y1, _ in words(out))
        # Word boxes are about 1.15 times the type size.
        check(heights and heights[len(heights) // 2] / 1.15 >= 10, f"body text at least 10 pt: {heights[:5]}")
        check(fonts_embedded(out), "statement fonts embedded")
        code, err = run(velmira, ["--pdf", out, os.path.join(source, "data", "exercices", "3-kohlrausch.E24")], home)
        check(code == 0 and err == "", f"exercise printed: {code} {err}")

        # A name that is not UTF-8 ("résultat" in Latin-1): printed, headed with its name as Windows-1252 reads it.
        latin1 = os.path.join(os.fsencode(work), b"r\xe9sultat.C07")
        shutil.copy(config, latin1)
        code, err = run(velmira, ["--pdf", out, latin1], home)
        check(code == 0 and err == "", f"configuration with a Latin-1 name printed: {code} {err}")
        check("résultat" in text(out), "the Latin-1 name shown in the heading")

        # Failures: 1, the cause on stderr, the existing PDF left whole.
        with open(out, "rb") as f:
            before = f.read()
        missing = os.path.join(work, "absent.C07")
        code, err = run(velmira, ["--pdf", out, missing], home)
        check(code == 1 and err.strip() == f"velmira : lecture impossible de « {missing} » : fichier introuvable",
              f"missing input: {code} {err}")
        code, err = run(velmira, ["--pdf", out, os.path.join(work, "absent.rtf")], home)
        check(code == 1 and err.startswith("velmira : lecture impossible de «"), f"missing statement: {code} {err}")
        with open(out, "rb") as f:
            check(f.read() == before, "the existing PDF is left whole")
        bad = os.path.join(work, "absent", "sortie.pdf")
        code, err = run(velmira, ["--pdf", bad, config], home)
        check(code == 1 and err.strip() == f"velmira : écriture impossible de « {bad} » : dossier introuvable",
              f"unwritable output: {code} {err}")

        # An output that is not a new .pdf nor an existing PDF: 2, nothing written.
        work_copy = os.path.join(work, "tp.C07")
        shutil.copy(config, work_copy)
        os.symlink(work_copy, os.path.join(work, "lien.pdf"))
        with open(os.path.join(work, "notes.pdf"), "wb") as f:
            f.write(b"pas un PDF")
        kept = {p: open(p, "rb").read() for p in (work_copy, rtf, os.path.join(work, "notes.pdf"))}
        for target, source_file in ((work_copy, rtf), (rtf, rtf), (work_copy, work_copy),
                                    (os.path.join(work, "lien.pdf"), work_copy), (os.path.join(work, "notes.pdf"), rtf)):
            code, err = run(velmira, ["--pdf", target, source_file], home)
            check(code == 2 and err.strip() == "velmira --pdf : la sortie doit être un nouveau fichier .pdf ou un PDF "
                  f"existant : « {target} »", f"output refused for {target}: {code} {err}")
        for p, b in kept.items():
            check(open(p, "rb").read() == b, f"{p} left whole")
        check(not os.path.exists(os.path.join(work, "NOUVEAU.PDF")), "nothing new")
        code, err = run(velmira, ["--pdf", os.path.join(work, "NOUVEAU.PDF"), work_copy], home)
        check(code == 0 and open(os.path.join(work, "NOUVEAU.PDF"), "rb").read(5) == b"%PDF-", f"capital .PDF: {code} {err}")

        # An input that is no file says what it is (a pipe is never opened).
        os.mkfifo(os.path.join(work, "tube.C07"))
        os.mkdir(os.path.join(work, "dossier.E24"))
        os.symlink(os.path.join(work, "b.rtf"), os.path.join(work, "a.rtf"))
        os.symlink(os.path.join(work, "a.rtf"), os.path.join(work, "b.rtf"))
        for name, cause in (("tube.C07", "c'est un tube"), ("dossier.E24", "c'est un dossier"),
                            ("a.rtf", "trop de liens symboliques")):
            code, err = run(velmira, ["--pdf", out, os.path.join(work, name)], home)
            check(code == 1 and err.strip() == f"velmira : lecture impossible de « {os.path.join(work, name)} » : {cause}",
                  f"input {name}: {code} {err}")
        os.symlink(os.path.join(work, "boucle2.pdf"), os.path.join(work, "boucle1.pdf"))
        os.symlink(os.path.join(work, "boucle1.pdf"), os.path.join(work, "boucle2.pdf"))
        code, err = run(velmira, ["--pdf", os.path.join(work, "boucle1.pdf"), work_copy], home)
        check(code == 2, f"a looping output is refused: {code} {err}")

        # Nothing in the home folder: no settings, no recovery copy, no flag file.
        left = [os.path.join(d, n) for d, _, ns in os.walk(home) for n in ns]
        check(not left, f"nothing written in the home folder: {left}")

    print("failures:", len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
