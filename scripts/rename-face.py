#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a copy of a TrueType face under another family name.

    rename-face.py SOURCE.ttf FAMILY OUTPUT.ttf

The family is renamed everywhere a font names it (family, full name, unique
name, PostScript name, typographic family); the outlines, metrics and
licence records are kept as they are. The output does not depend on the
time of the build.
"""
import sys

from fontTools.ttLib import TTFont

FAMILY_IDS = (1, 3, 4, 6, 16, 18, 21)


def renamed(source, family):
    """The face of `source` under `family`, not yet written."""
    font = TTFont(source, recalcTimestamp=False)
    names = font["name"]
    old = (names.getDebugName(16) or names.getDebugName(1)).strip()
    old_ps, new_ps = old.replace(" ", ""), family.replace(" ", "")
    for record in names.names:
        if record.nameID not in FAMILY_IDS:
            continue
        record.string = record.toUnicode().replace(old, family).replace(old_ps, new_ps)
    for record in names.names:
        if record.nameID in FAMILY_IDS and (old in record.toUnicode() or old_ps in record.toUnicode()):
            sys.exit(f"{source}: name {record.nameID} still names {old}")
    if names.getDebugName(1) is None or family not in names.getDebugName(1):
        sys.exit(f"{source}: no family name record")
    return font


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip())
    renamed(sys.argv[1], sys.argv[2]).save(sys.argv[3])
