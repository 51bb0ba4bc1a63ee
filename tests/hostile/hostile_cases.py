#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Hostile cases for the real programs, run on demand.

Builds hostile folders and files and runs the built `velmira` (offscreen) and
`velmira-outil` on them: links, loops, pipes and devices in the recovery
folder and in place of the settings file, every pairing of `--pdf`'s two
arguments among works, statements, PDFs, links, pipes, folders and Latin-1
names (and Latin-1 names given to the program to open), a recovery folder
that is itself a link, stale and planted `.velmira-XXXXXX` temporaries beside a save,
non-numeric pastes (run through the paste fuzz target's replay, the table's
own code) and formula-like CSV titles. Counts the cases, crashes (a signal),
hangs (a timeout), files touched outside the program's own folders, and the
cases whose outcome is not the expected one.

  hostile_cases.py VELMIRA VELMIRA_OUTIL [--paste FUZZ_PASTE_MUTATIONS] [--rounds N] [--seed K] [-v]

Exit status 1 when anything crashed, hung, touched a file outside or came
out wrong.
"""
import argparse
import hashlib
import os
import random
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

CRASH_SIGNALS = {signal.SIGSEGV, signal.SIGABRT, signal.SIGBUS, signal.SIGFPE, signal.SIGILL, signal.SIGTRAP}
LATIN1 = "résultat".encode("latin-1")


class Tally:
    def __init__(self, verbose):
        self.verbose = verbose
        self.classes = {}
        self.findings = []

    def count(self, cls, what, crashed=False, hung=False, touched=(), wrong=None):
        c = self.classes.setdefault(cls, {"cases": 0, "crashes": 0, "hangs": 0, "touched": 0, "wrong": 0})
        c["cases"] += 1
        c["crashes"] += bool(crashed)
        c["hangs"] += bool(hung)
        c["touched"] += len(touched)
        c["wrong"] += wrong is not None
        notes = [n for n in (crashed and "crash", hung and "hang", touched and f"touched {sorted(touched)}", wrong)
                 if n]
        if notes:
            self.findings.append(f"{cls}: {what}: {'; '.join(notes)}")
        if self.verbose:
            print(f"{cls}: {what}: {'; '.join(notes) or 'ok'}")

    def report(self):
        total = {"cases": 0, "crashes": 0, "hangs": 0, "touched": 0, "wrong": 0}
        print(f"{'class':<22}{'cases':>7}{'crashes':>9}{'hangs':>7}{'touched':>9}{'wrong':>7}")
        for name, c in self.classes.items():
            print(f"{name:<22}{c['cases']:>7}{c['crashes']:>9}{c['hangs']:>7}{c['touched']:>9}{c['wrong']:>7}")
            for k in total:
                total[k] += c[k]
        print(f"{'total':<22}{total['cases']:>7}{total['crashes']:>9}{total['hangs']:>7}{total['touched']:>9}"
              f"{total['wrong']:>7}")
        for f in self.findings:
            print("  " + f)
        return 1 if total["crashes"] or total["hangs"] or total["touched"] or total["wrong"] else 0


def signature(path):
    st = os.lstat(path)
    if stat.S_ISLNK(st.st_mode):
        return ("link", os.readlink(path))
    if stat.S_ISREG(st.st_mode):
        if st.st_size > 1 << 20:  # a large sparse file: its size and time
            return ("file", st.st_size, st.st_mtime_ns)
        with open(path, "rb") as f:
            return ("file", hashlib.sha1(f.read()).hexdigest())
    return (stat.S_IFMT(st.st_mode),)


def snapshot(root, skip=()):
    """Every entry under `root` (links not followed) but those under `skip`."""
    found = {}
    for folder, dirs, files in os.walk(root):
        for name in dirs + files:
            p = os.path.join(folder, name)
            if any(p == s or p.startswith(s + os.sep) for s in skip):
                continue
            found[p] = signature(p)
    return found


def changed(before, after):
    return {p for p in set(before) | set(after) if before.get(p) != after.get(p)}


def environment(home):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR")}
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"), QT_QPA_PLATFORM="offscreen")
    return env


def run(args, env, timeout=60):
    """(exit status or -signal, stdout, stderr, hung)"""
    try:
        p = subprocess.run(args, env=env, capture_output=True, timeout=timeout)
        return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace"), False
    except subprocess.TimeoutExpired:
        return None, "", "", True


def is_pdf(path):
    if not os.path.isfile(path):
        return False
    with open(path, "rb") as f:
        return f.read(5) == b"%PDF-"


def crashed(code):
    return code is not None and code < 0 and -code in CRASH_SIGNALS


def flag_running(app):
    try:
        with open(os.path.join(app, "TEMPQZ.TMP"), "rb") as f:
            f.seek(128)
            record = f.read(128)
    except OSError:
        return False
    return len(record) >= 5 and record[2:2 + record[0]] == b"OUI"


def start_program(app, home, configuration, wait=20.0):
    """Starts the program from `app` with `configuration`: (crashed, hung, exit)."""
    flag = os.path.join(app, "TEMPQZ.TMP")
    if os.path.lexists(flag):
        os.remove(flag)
    p = subprocess.Popen([os.path.join(app, "velmira"), configuration], env=environment(home),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline and p.poll() is None and not flag_running(app):
        time.sleep(0.05)
    up = flag_running(app)
    if up:
        time.sleep(1.5)  # the recovery scan and the file's opening, once the window is up
    code = p.poll()
    if code is None:
        p.kill()
        p.wait()
    return crashed(code), not up and code is None, code


def opened_at_start(app, home, path, wait=20.0):
    """Starts the program from `app` with `path` (bytes): (crashed, hung, opened) where `opened`
    says whether the file itself was opened (inotify)."""
    import ctypes
    libc = ctypes.CDLL(None, use_errno=True)
    fd = libc.inotify_init1(os.O_CLOEXEC)
    if fd < 0 or libc.inotify_add_watch(fd, ctypes.c_char_p(path), 0x20) < 0:  # IN_OPEN
        return False, False, False
    try:
        p = subprocess.Popen([os.path.join(app, "velmira").encode(), path], env=environment(home),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        import select
        ready, _, _ = select.select([fd], [], [], wait)
        code = p.poll()
        if code is None:
            p.kill()
            p.wait()
        return crashed(code), False, bool(ready)
    finally:
        os.close(fd)


class Case:
    """A fresh folder: `home` (the user's), `work` (the pupil's files), `outside` (files no case may touch)."""

    def __init__(self, base, name):
        self.root = tempfile.mkdtemp(prefix=name + "-", dir=base)
        self.home = os.path.join(self.root, "home")
        self.work = os.path.join(self.root, "work")
        self.outside = os.path.join(self.root, "outside")
        for d in (self.home, self.work, self.outside):
            os.makedirs(d)
        self.recovery = os.path.join(self.home, ".local", "share", "velmira", "recuperation")
        self.settings = os.path.join(self.home, ".config", "velmira")
        self.precious = os.path.join(self.outside, "devoir.C07")
        with open(self.precious, "wb") as f:
            f.write(b"\x0b\x00VELMIRADATA" + b"\x00" * 115 + b"le devoir d'un autre")

    def own_folders(self):
        return (os.path.join(self.home, ".local", "share", "velmira"), self.settings)

    def close(self):
        for folder, dirs, _ in os.walk(self.root):
            for d in dirs:
                os.chmod(os.path.join(folder, d), 0o700)
        shutil.rmtree(self.root, ignore_errors=True)


def recovery_cases(t, base, app, source, rng):
    config = os.path.join(source, "data", "VELMIRA.C07")

    def plant_links(c):
        os.makedirs(c.recovery)
        for n in range(2, rng.randint(500, 3000)):
            os.symlink(c.precious, os.path.join(c.recovery, f"{n}.C07"))
            if n % 3 == 0:
                os.symlink(os.path.join(c.outside, f"absent-{n}"), os.path.join(c.recovery, f"{n}.nom"))

    def dangling(c):
        os.makedirs(c.recovery)
        for n in range(2, 400):
            for ext in (".C07", ".nom", ".rtf"):
                os.symlink(os.path.join(c.outside, f"ici-{n}{ext}"), os.path.join(c.recovery, f"{n}{ext}"))

    def loops(c):
        os.makedirs(c.recovery)
        for n in range(2, 200):
            a, b = os.path.join(c.recovery, f"{n}.C07"), os.path.join(c.recovery, f"{n}.nom")
            os.symlink(b, a)
            os.symlink(a, b)

    def copies(c):
        os.makedirs(c.recovery)
        for n in range(2, 302):
            shutil.copy(config, os.path.join(c.recovery, f"{n}.C07"))
            with open(os.path.join(c.recovery, f"{n}.nom"), "wb") as f:
                f.write(bytes(range(32)) * 2048 if n % 7 == 0 else b"/home/eleve/tp.C07")
        shutil.copy(config, os.path.join(c.recovery, "0031020.C07"))
        shutil.copy(config, os.path.join(c.recovery, "31020.C07"))

    def special(c):
        os.makedirs(c.recovery)
        os.mkfifo(os.path.join(c.recovery, "5.C07"))
        os.symlink("/dev/zero", os.path.join(c.recovery, "6.C07"))
        os.mkdir(os.path.join(c.recovery, "7.C07"))
        with open(os.path.join(c.recovery, "8.C07"), "wb") as f:
            f.truncate(2 << 30)  # 2 GB, sparse
        os.symlink(c.precious, os.path.join(c.recovery, ".velmira-lien00"))
        old = time.time() - 3600
        for name in (".velmira-ab12CD", ".velmira-ef34GH"):
            with open(os.path.join(c.recovery, name), "wb") as f:
                f.write(b"reste")
            os.utime(os.path.join(c.recovery, name), (old, old))

    def folder_link(c):
        # The recovery folder itself a link to a pupil's folder holding a copy's name and a stale temporary.
        os.makedirs(os.path.dirname(c.recovery))
        with open(os.path.join(c.outside, "2.C07"), "wb") as f:
            f.write(b"pas une copie")
        stale = os.path.join(c.outside, ".velmira-ab12CD")
        with open(stale, "wb") as f:
            f.write(b"reste")
        old = time.time() - 3600
        os.utime(stale, (old, old))
        os.symlink(c.outside, c.recovery)

    def folder_dangling(c):
        os.makedirs(os.path.dirname(c.recovery))
        os.symlink(os.path.join(c.outside, "nulle-part"), c.recovery)

    def latin1_names(c):
        os.makedirs(c.recovery)
        rec = os.fsencode(c.recovery)
        for n in range(2, 50):
            shutil.copy(config, os.path.join(rec, LATIN1 + b"-%d.C07" % n))
        shutil.copy(config, os.path.join(rec, b"9.C07"))
        with open(os.path.join(rec, b"9.nom"), "wb") as f:
            f.write(b"/home/" + LATIN1 + b".C07")

    for name, prepare in (("liens", plant_links), ("liens-pendants", dangling), ("boucles", loops),
                          ("copies-300", copies), ("tubes-peripheriques", special), ("noms-latin1", latin1_names),
                          ("dossier-lien", folder_link), ("dossier-lien-pendant", folder_dangling)):
        c = Case(base, "recuperation")
        try:
            prepare(c)
            work_file = os.path.join(c.work, "depart.C07")
            shutil.copy(config, work_file)
            before = snapshot(c.root, c.own_folders())
            was_stale = [p for p in (os.listdir(c.recovery) if os.path.isdir(c.recovery) else []) if p.startswith(".velmira-") and
                         os.path.isfile(os.path.join(c.recovery, p)) and
                         not os.path.islink(os.path.join(c.recovery, p))]
            crash, hang, _ = start_program(app, c.home, work_file)
            touched = changed(before, snapshot(c.root, c.own_folders()))
            wrong = None
            if name == "liens" and sum(os.path.islink(os.path.join(c.recovery, p)) for p in os.listdir(c.recovery)) < 498:
                wrong = "links set aside"
            if name.startswith("dossier-lien") and not os.path.islink(c.recovery):
                wrong = "the folder's link replaced"
            if name == "tubes-peripheriques":
                left = [p for p in was_stale if os.path.lexists(os.path.join(c.recovery, p))]
                if left:
                    wrong = f"stale temporaries left: {left}"
                if not os.path.islink(os.path.join(c.recovery, ".velmira-lien00")):
                    wrong = "a link named as a temporary was removed"
            t.count("recuperation", name, crash, hang, touched, wrong)
        finally:
            c.close()


def settings_cases(t, base, app, source):
    config = os.path.join(source, "data", "VELMIRA.C07")

    def fifo(p, c):
        os.mkfifo(p)

    def folder(p, c):
        os.mkdir(p)

    def zero(p, c):
        os.symlink("/dev/zero", p)

    def outside(p, c):
        with open(os.path.join(c.outside, "reglages.ini"), "w") as f:
            f.write("[affichage]\nzoom=200\n")
        os.symlink(os.path.join(c.outside, "reglages.ini"), p)

    def loop(p, c):
        os.symlink(p + ".b", p)
        os.symlink(p, p + ".b")

    def sparse(p, c):
        with open(p, "wb") as f:
            f.truncate(2 << 30)

    def garbage(p, c):
        with open(p, "wb") as f:
            f.write(bytes(random.Random(7).randrange(256) for _ in range(100000)))

    def huge_zoom(p, c):
        with open(p, "w") as f:
            f.write("[affichage]\nzoom=99999999999999999999\n")

    def unreadable(p, c):
        with open(p, "w") as f:
            f.write("[affichage]\nzoom=150\n")
        os.chmod(p, 0)

    for name, prepare in (("tube", fifo), ("dossier", folder), ("lien-dev-zero", zero), ("lien-dehors", outside),
                          ("boucle", loop), ("creux-2Go", sparse), ("binaire", garbage), ("zoom-enorme", huge_zoom),
                          ("illisible", unreadable)):
        c = Case(base, "reglages")
        try:
            os.makedirs(c.settings)
            prepare(os.path.join(c.settings, "velmira.ini"), c)
            work_file = os.path.join(c.work, "depart.C07")
            shutil.copy(config, work_file)
            before = snapshot(c.root, (os.path.join(c.home, ".local"),))
            crash, hang, _ = start_program(app, c.home, work_file)
            t.count("reglages", name, crash, hang, changed(before, snapshot(c.root, (os.path.join(c.home, ".local"),))))
        finally:
            c.close()


def pdf_cases(t, base, velmira, source):
    c = Case(base, "pdf")
    try:
        env = environment(c.home)
        w = c.work
        shutil.copy(os.path.join(source, "data", "VELMIRA.C07"), os.path.join(w, "tp.C07"))
        shutil.copy(os.path.join(source, "data", "exercices", "1-conductance.rtf"), os.path.join(w, "enonce.rtf"))
        shutil.copy(os.path.join(source, "data", "exercices", "1-conductance.E24"), os.path.join(w, "exo.E24"))
        shutil.copy(os.path.join(source, "data", "exercices", "1-conductance.C07"), os.path.join(w, "1-conductance.C07"))
        shutil.copy(os.path.join(source, "data", "VELMIRA.PEM"), os.path.join(w, "VELMIRA.PEM"))
        with open(os.path.join(w, "ancien.pdf"), "wb") as f:
            f.write(b"%PDF-1.4\n% ancien\n")
        with open(os.path.join(w, "notes.pdf"), "wb") as f:
            f.write(b"pas un PDF")
        open(os.path.join(w, "vide.E24"), "wb").close()
        os.symlink(os.path.join(w, "tp.C07"), os.path.join(w, "lien-tp.pdf"))
        os.symlink(os.path.join(c.outside, "ailleurs.pdf"), os.path.join(w, "pendant.pdf"))
        os.symlink(os.path.join(w, "b.pdf"), os.path.join(w, "a.pdf"))
        os.symlink(os.path.join(w, "a.pdf"), os.path.join(w, "b.pdf"))
        os.mkfifo(os.path.join(w, "tube.C07"))
        os.mkdir(os.path.join(w, "dossier.E24"))
        os.symlink("/dev/null", os.path.join(w, "null.rtf"))
        shutil.copy(os.path.join(source, "data", "VELMIRA.C07"), os.path.join(os.fsencode(w), LATIN1 + b".C07"))
        names = sorted(os.listdir(os.fsencode(w))) + [b"nouveau.pdf", b"NOUVEAU.PDF"]
        for out in names:
            for inp in names:
                o, i = os.path.join(os.fsencode(w), out), os.path.join(os.fsencode(w), inp)
                same = os.path.exists(o) and os.path.exists(i) and os.path.samefile(o, i)
                may_write = out.lower().endswith(b".pdf") and not same and (not os.path.lexists(o) or is_pdf(o))
                target = os.fsdecode(os.path.realpath(o))
                kept = open(target, "rb").read() if os.path.isfile(target) else None
                before = snapshot(c.root)
                code, _, err, hang = run([os.fsencode(velmira), b"--pdf", o, i], env)
                diff = changed(before, snapshot(c.root))
                touched = {p for p in diff if not (may_write and p == target)}
                wrong = None
                if code not in (0, 1, 2) and not hang:
                    wrong = f"exit {code}"
                elif code == 0 and not may_write:
                    wrong = "written where it may not be"
                elif any(e in err for e in ("Too many", "No such", "Permission", "Is a directory")):
                    wrong = f"English cause: {err.strip()}"
                t.count("pdf", f"{out.decode(errors='replace')} <- {inp.decode(errors='replace')} ({code})",
                        crashed(code), hang, touched, wrong)
                # The next pairing starts from the same files.
                if target in diff and kept is None:
                    os.remove(target)
                elif target in diff:
                    with open(target, "wb") as f:
                        f.write(kept)
    finally:
        c.close()


def temporary_cases(t, base, outil, rng):
    for k in range(6):
        c = Case(base, "temporaires")
        try:
            env = environment(c.home)
            old = time.time() - rng.randint(120, 86400)
            stale, kept = [], []
            names = {".velmira-" + "".join(rng.choice("abcXYZ019") for _ in range(6)) for _ in range(rng.randint(1, 30))}
            for n, name in enumerate(sorted(names)):
                p = os.path.join(c.work, name)
                with open(p, "wb") as f:
                    f.write(b"reste d'une sauvegarde tuee")
                fresh = n % 4 == 0
                os.utime(p, None if fresh else (old, old))
                (kept if fresh else stale).append(p)
            planted = {
                ".velmira-lien00": lambda p: os.symlink(c.precious, p),
                ".velmira-tube00": os.mkfifo,
                ".velmira-dossie": os.mkdir,
                ".velmira-trop-long": lambda p: open(p, "wb").close(),
                "velmira-sans-point": lambda p: open(p, "wb").close(),
            }
            for name, make in planted.items():
                p = os.path.join(c.work, name)
                make(p)
                if not os.path.islink(p):
                    os.utime(p, (old, old), follow_symlinks=False)
                kept.append(p)
            out = os.path.join(c.work, "sortie.C07")
            before = snapshot(c.root)
            code, _, _, hang = run([outil, "config", "--set", "c1=0,01", "-o", out], env)
            diff = changed(before, snapshot(c.root))
            touched = {p for p in diff if p != out and p not in stale}
            left = [p for p in stale if os.path.lexists(p)]
            gone = [p for p in kept if not os.path.lexists(p)]
            wrong = None
            if code != 0 or left or gone:
                wrong = f"exit {code}, {len(left)} stale left, {len(gone)} others removed"
            t.count("temporaires", f"{len(stale)} stale", crashed(code), hang, touched, wrong)
        finally:
            c.close()


def latin1_cases(t, base, app, velmira, outil, source):
    c = Case(base, "latin1")
    try:
        env = environment(c.home)
        w = os.fsencode(c.work)
        name = os.path.join(w, LATIN1 + b".C07")
        shutil.copy(os.path.join(source, "data", "VELMIRA.C07"), name)
        for args in ([outil, b"mesures", name], [outil, b"config", name, b"-o", os.path.join(w, LATIN1 + b"-2.C07")],
                     [velmira, b"--pdf", os.path.join(w, b"sortie.pdf"), name]):
            before = snapshot(c.root)
            code, _, err, hang = run([os.fsencode(a) if isinstance(a, str) else a for a in args], env)
            diff = changed(before, snapshot(c.root))
            allowed = {os.fsdecode(os.path.join(w, LATIN1 + b"-2.C07")), os.path.join(c.work, "sortie.pdf")}
            t.count("latin1", f"{os.fsdecode(args[1])} ({code})", crashed(code), hang, diff - allowed,
                    None if code == 0 else f"refused: {err.strip()[:80]}")
        # The program opens such a configuration and exercise given on its command line.
        exercise = os.path.join(w, LATIN1 + b".E24")
        shutil.copy(os.path.join(source, "data", "exercices", "3-kohlrausch.E24"), exercise)
        for path in (name, exercise):
            before = snapshot(c.root, c.own_folders())
            crash, hang, opened = opened_at_start(app, c.home, path)
            t.count("latin1", f"velmira {os.path.basename(path).decode('cp1252')}", crash, hang,
                    changed(before, snapshot(c.root, c.own_folders())), None if opened else "not opened")
    finally:
        c.close()


def paste_cases(t, base, paste, outil, rng):
    c = Case(base, "collage")
    try:
        folder = os.path.join(c.work, "collages")
        os.mkdir(folder)
        texts = [b"3,5 mS", b"1.234,5", b"5%", b"NaN", b"=A1+1", b"+SOMME(A1)", b"@x", b"-1,5", b"a\rb\rc\r",
                 b"x\x00y\tz\n1\t2\n", b"9" * 20_000_000, b"1\n" * 1_000_000, b"\t" * 1_000_000,
                 bytes(rng.randrange(256) for _ in range(100000)), "Volume (mL)\tσ\n1\t2\n".encode(),
                 b"\xff\xfe" + "é".encode("utf-16-le") * 1000, b"\r\n" * 50000]
        texts += [bytes(rng.randrange(256) for _ in range(rng.randint(1, 2000))) for _ in range(40)]
        for k, text in enumerate(texts):
            for first in (0x00, 0x08, 0x21):  # the current cell: L1 C1, L1 C2, L2 C5
                with open(os.path.join(folder, f"{k:03d}-{first:02x}"), "wb") as f:
                    f.write(bytes([first]) + text)
        for p in sorted(os.listdir(folder)):
            code, _, err, hang = run([paste, "--runs", "0", os.path.join(folder, p)], os.environ.copy(), timeout=120)
            t.count("collage", p, crashed(code), hang, (), None if code == 0 or hang or crashed(code) else
                    f"exit {code}: {err.strip()[:80]}")
        for title in ("=A1+1", "+1+1", "-x", "@SOMME(A1)"):
            code, stdout, _, hang = run([outil, "config", "--titre", "1", title, "--csv"], environment(c.home))
            t.count("csv", title, crashed(code), hang, (), None if ("'" + title) in stdout else f"as is: {stdout[:40]!r}")
    finally:
        c.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("velmira")
    parser.add_argument("outil")
    parser.add_argument("--paste", help="the built fuzz_paste_mutations")
    parser.add_argument("--source", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    parser.add_argument("--rounds", type=int, default=1)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("-v", "--verbose", action="store_true")
    a = parser.parse_args()
    t = Tally(a.verbose)
    base = tempfile.mkdtemp(prefix="velmira-hostile-")
    try:
        app = os.path.join(base, "app")
        os.mkdir(app)
        shutil.copy(a.velmira, os.path.join(app, "velmira"))
        for r in range(a.rounds):
            rng = random.Random(a.seed + r)
            recovery_cases(t, base, app, a.source, rng)
            settings_cases(t, base, app, a.source)
            pdf_cases(t, base, a.velmira, a.source)
            temporary_cases(t, base, a.outil, rng)
            latin1_cases(t, base, app, a.velmira, a.outil, a.source)
            if a.paste:
                paste_cases(t, base, a.paste, a.outil, rng)
    finally:
        shutil.rmtree(base, ignore_errors=True)
    return t.report()


if __name__ == "__main__":
    sys.exit(main())
