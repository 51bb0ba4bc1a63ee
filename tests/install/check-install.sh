#!/usr/bin/env bash
# The installed layout: `cmake --install` into a temporary prefix lays out the
# programs and the application folder's files, the installed tool runs, and
# the desktop entry and metainfo pass their validators (when installed).
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/velmira bin/velmira-outil share/velmira/aide/index.html \
         share/applications/fr.velmira.Velmira.desktop share/metainfo/fr.velmira.Velmira.metainfo.xml \
         share/icons/hicolor/scalable/apps/velmira.svg share/mime/packages/velmira.xml; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ "$("$prefix/bin/velmira-outil" calcul 2*21)" = "$(printf '0\t42')" ] || { echo "installed velmira-outil does not run"; exit 1; }
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/fr.velmira.Velmira.desktop"
else
  echo "desktop-file-validate absent: desktop entry not validated"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/fr.velmira.Velmira.metainfo.xml" > /dev/null
else
  echo "appstreamcli absent: metainfo not validated"
fi
echo "installed layout ok"
