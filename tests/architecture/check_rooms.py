#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every include stays in its room or goes down: the rooms, bottom to top, and
what each may include. Exits 1 naming each include that climbs."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])

CORE_AREAS = ("model", "table", "expr", "files", "graph")


def room(path: str):
    """The room of a source path, or None for files outside the program."""
    parts = path.split("/")
    if parts[0] == "platform":
        return "platform/core" if parts[1] == "core" else "platform/qt"
    if parts[0] in CORE_AREAS:
        return "area-ui" if "ui" in parts[1:-1] else "core"
    if parts[0] in ("widgets", "ui", "app", "tools"):
        return parts[0]
    return None


# What each room may include (its own files included).
ALLOWED = {
    "platform/core": {"platform/core"},
    "core": {"platform/core", "core"},
    "platform/qt": {"platform/core", "platform/qt"},
    "widgets": {"platform/core", "platform/qt", "widgets"},
    "area-ui": {"platform/core", "core", "platform/qt", "widgets", "area-ui"},
    "ui": {"platform/core", "core", "platform/qt", "widgets", "area-ui", "ui"},
    "app": {"platform/core", "core", "platform/qt", "widgets", "area-ui", "ui", "app"},
    "tools": {"platform/core", "core", "tools"},
}

include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
faults = []
edges = {}  # folder -> folders it includes from, for the circle check
for f in sorted(root.rglob("*")):
    if f.suffix not in (".h", ".cpp") or "build" in f.relative_to(root).parts[0]:
        continue
    rel = f.relative_to(root).as_posix()
    here = room(rel)
    if here is None:
        continue
    for target in include.findall(f.read_text(encoding="utf-8")):
        there = room(target)
        if there is not None and there not in ALLOWED[here]:
            faults.append(f"{rel}: includes {target} ({here} -> {there})")
        if there is not None:
            a, b = str(pathlib.PurePosixPath(rel).parent), str(pathlib.PurePosixPath(target).parent)
            if a != b:
                edges.setdefault(a, set()).add(b)


def circle_from(start):
    """A path of folders that leads back to `start`, or None."""
    stack = [(start, [start])]
    seen = set()
    while stack:
        node, path = stack.pop()
        for nxt in edges.get(node, ()):
            if nxt == start:
                return path + [start]
            if nxt not in seen:
                seen.add(nxt)
                stack.append((nxt, path + [nxt]))
    return None


for folder in sorted(edges):
    if (c := circle_from(folder)) is not None:
        faults.append("circle: " + " -> ".join(c))
        break

for fault in faults:
    print(fault)
if faults:
    sys.exit(1)
print("every include stays in its room or goes down, and no folders include each other in a circle")
