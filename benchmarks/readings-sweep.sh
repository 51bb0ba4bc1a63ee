#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a sweep of configurations with one build's velmira-outil and prints
# their readings, so that two builds can be compared side by side:
#   benchmarks/readings-sweep.sh OLD/velmira-outil DIR > old.txt
#   NEW/velmira-outil mesures DIR/*.C07 > new.txt   (or the script again with NEW and another DIR)
# Every solute from 1 to LAST (21 by default, the solutes every build knows)
# on both solutions, concentrations over the entry's range, both montages,
# every conductimeter range, mixtures of every pair at three volumes:
#   benchmarks/readings-sweep.sh TOOL DIR [LAST]
set -euo pipefail
tool=$1
dir=$2
last=${3:-21}
mkdir -p "$dir"
n=0
write() { n=$((n + 1)); "$tool" config "$@" -o "$dir/$(printf %05d $n).C07" 2>/dev/null || true; }
for s in $(seq 1 "$last"); do
  for c in 1E-4 0,001 0,005 0,01 0,05 0,1; do
    write --set solute1=$s --set c1=$c --set montage=conductimetre --set conductimetre1=3
    write --set solute1=$s --set c1=$c --set montage=gbf
  done
  for r in 0 1 2 3 4 5; do write --set solute1=$s --set c1=0,01 --set montage=conductimetre --set conductimetre1=$r; done
done
for s1 in $(seq 1 "$last"); do
  for s2 in $(seq 1 "$last"); do
    for v in 0 5 20; do
      write --set solute1=$s1 --set solute2=$s2 --set c1=0,01 --set c2=0,1 --set V1=100 --set V2=$v \
        --set montage=conductimetre --set conductimetre3=3
    done
  done
done
"$tool" mesures "$dir"/*.C07
