#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --help and --version of both built programs, run as from a console with no
# display: each prints on standard output only, exits 0 and writes nothing
# in the home folder; --version is one line, the program's name and VERSION.
# Usage: check-options.sh VELMIRA VELMIRA_OUTIL VERSION
set -uo pipefail
velmira="$1"
tool="$2"
version="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs PROGRAM ARGS... without a display; sets status, out and err.
run() {
  mkdir -p "$work/home"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_RUNTIME_DIR \
    HOME="$work/home" timeout 60 "$@" > "$work/out" 2> "$work/err"
  status=$?
  out="$(cat "$work/out")"
  err="$(cat "$work/err")"
  [ -z "$(ls -A "$work/home")" ] || fail "$* wrote into the home folder: $(ls -A "$work/home")"
  rm -rf "$work/home"
}

for program in "$velmira" "$tool"; do
  name="$(basename "$program")"
  run "$program" --version
  [ "$status" = 0 ] || fail "$name --version exits $status ($err)"
  [ "$out" = "$name $version" ] || fail "$name --version prints '$out', not '$name $version'"
  [ "$(wc -l < "$work/out")" = 1 ] || fail "$name --version is not one line"
  [ -z "$err" ] || fail "$name --version writes on stderr: $err"
  for option in --help -h; do
    run "$program" "$option"
    [ "$status" = 0 ] || fail "$name $option exits $status ($err)"
    [[ "$out" == "Usage : $name "* ]] || fail "$name $option does not start with its usage: ${out:0:80}"
    grep -qF -- "--version" <<< "$out" || fail "$name $option does not name --version"
    [ -z "$err" ] || fail "$name $option writes on stderr: $err"
  done
done
run "$velmira" --help
grep -qF -- "--pdf SORTIE.pdf FICHIER" <<< "$out" || fail "velmira --help does not name --pdf"

[ "$failures" = 0 ] || exit 1
echo "--help and --version ok"
