#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the screen reader says of the real program: Orca on a virtual screen,
# in a D-Bus session of its own, with the dummy speech output; the main
# window is driven by Tab alone and each focused control must be spoken by
# its name; then, given velmira-outil and a Python, the keyboard practical
# runs under it. Usage: orca_session.sh VELMIRA [VELMIRA-OUTIL PYTHON]. Exit 77 (skipped) when Orca,
# speech-dispatcher, Xvfb, xdotool or the accessibility bus is missing.
set -u
velmira=$(readlink -f "$1")
outil=$([ -n "${2:-}" ] && readlink -f "$2")
python=${3:-}
for t in orca speech-dispatcher Xvfb xdotool dbus-run-session; do
  command -v "$t" >/dev/null || { echo "skipped: $t is missing (scripts/deps.sh installs it)"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
if [ -z "${VELMIRA_ORCA_SESSION:-}" ]; then
  VELMIRA_ORCA_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
home=$(mktemp -d /tmp/velmira-orca-XXXXXX)
export HOME="$home" XDG_RUNTIME_DIR="$home" XDG_CONFIG_HOME="$home/.config" LANG=C.UTF-8
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GTK_MODULES=
unset WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n' \
  >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
pids=""
cleanup() { for p in $pids; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT
number=$(mktemp "$home/display-XXXX")
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number" 2>/dev/null &
pids="$pids $!"
for _ in $(seq 50); do [ -s "$number" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$number")"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids="$pids $!"
sleep 1
orca --replace --debug-file="$home/orca.log" >/dev/null 2>&1 &
pids="$pids $!"
sleep 4
(cd "$home" && exec "$velmira" >/dev/null 2>&1) &
first=$!
pids="$pids $first"
sleep 5
win=$(xdotool search --sync --onlyvisible --name Velmira | head -n1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 1
: >"$home/heard"
tabs=${VELMIRA_ORCA_TABS:-40}
for _ in $(seq "$tabs"); do
  xdotool key Tab
  sleep 0.5
done
sleep 1
grep -o "SPEECH OUTPUT: '[^']*'" "$home/orca.log" >"$home/heard"
if [ -n "${VELMIRA_A11Y_DEBUG:-}" ]; then cat "$home/heard"; grep -m5 "lacks state active" "$home/orca.log"; fi
spoken=$(grep -c . "$home/heard")
silent=$(grep -c "lacks state active" "$home/orca.log")
echo "Orca spoke $spoken phrases for $tabs Tab presses; $silent focus events dropped (window lacks state active)"
[ "$silent" -eq 0 ] && [ "$spoken" -ge "$tabs" ] || { echo "FAILED: focused controls not spoken"; exit 1; }
# Controls spoken with their name and value: the solute by its name, the
# cell's sizes with their unit and value, the montage, a calibre.
missing=0
for phrase in "Soluté de la solution 1 : chlorure" "Distance L entre les électrodes, en cm" "'1,0'" \
  "Aire S des électrodes, en cm²" "Montage avec un G.B.F., un voltmètre et un ampèremètre" \
  "Calibre du voltmètre 2 V, solution 1" "Concentration c1" "'0,01'"; do
  grep -qF "SPEECH OUTPUT: '$phrase" "$home/orca.log" || grep -qF "SPEECH OUTPUT: $phrase" "$home/orca.log" ||
    { echo "FAILED: not spoken: $phrase"; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1

# The practical by keys alone on the same screen, Orca listening: a
# recording, the table's cells, the graph with its model, the save window.
[ -n "$outil" ] && [ -n "$python" ] || exit 0
kill "$first" 2>/dev/null
wait "$first" 2>/dev/null
sleep 1
from=$(wc -l <"$home/orca.log")
VELMIRA_GIVEN_DISPLAY="$DISPLAY" VELMIRA_LISTENER_LOG="$home/orca.log" "$python" "$(dirname "$0")/../e2e/keyboard_session.py" "$velmira" "$outil" ||
  { echo "FAILED: the practical by keys did not end as it should"; exit 1; }
# Orca works through its queue of events after the keys: until its log rests.
size=0
for _ in $(seq 60); do
  now=$(wc -c <"$home/orca.log")
  [ "$now" -eq "$size" ] && break
  size=$now
  sleep 1
done
tail -n +"$from" "$home/orca.log" | grep -o "SPEECH OUTPUT: .*" >"$home/practical"
if [ -n "${VELMIRA_A11Y_DEBUG:-}" ]; then cat "$home/practical"; cp "$home/orca.log" "$VELMIRA_A11Y_DEBUG"; fi
nbsp=$(printf '\302\240')
for phrase in "Représentation graphique — Velmira" "Abscisse$nbsp: combo box" "'C1." "Modéliser check box" \
  "notification y = a·x ; a = " "Enregistrer les paramètres" "Nom du fichier text" ", ligne 5 : 5,00E-02"; do
  grep -qF "$phrase" "$home/practical" || { echo "FAILED: not spoken in the practical: $phrase"; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1
echo "Orca spoke $(grep -c . "$home/practical") phrases in the practical by keys"
