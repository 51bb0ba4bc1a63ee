#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout and the package: `cmake --install` into a temporary
# prefix lays out the programs, the application folder's files, the manual
# pages, icons and desktop files; the installed tool runs; the manual pages
# name every command and option of --help; the desktop entry and metainfo
# pass their validators; the file types, merged with the system's
# shared-mime-info, type the files as Velmira's; then the Debian package
# built by cpack passes lintian --pedantic -I with nothing said.
# Usage: check-install.sh BUILD_DIR BUILD_TYPE
set -euo pipefail
build="$1"
build_type="${2:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/velmira bin/velmira-outil share/velmira/aide/index.html share/velmira/VELMIRA.PEM \
         share/velmira/polices/VelmiraSans-Regular.ttf share/velmira/polices/VelmiraLarge-Bold.ttf \
         share/applications/fr.velmira.Velmira.desktop share/metainfo/fr.velmira.Velmira.metainfo.xml \
         share/icons/hicolor/scalable/apps/velmira.svg share/mime/packages/velmira.xml \
         share/man/man1/velmira.1.gz share/man/man1/velmira-outil.1.gz \
         share/man/fr/man1/velmira.1.gz share/man/fr/man1/velmira-outil.1.gz \
         share/doc/velmira/copyright share/doc/velmira/changelog.gz share/lintian/overrides/velmira; do
  [ -e "$prefix/$f" ] || fail "missing after install: $f"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/velmira.png"
  [ -e "$png" ] || fail "missing icon: $png"
  # The PNG header's width and height (bytes 17..24) are the folder's size.
  dims="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
  [ "$dims" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dims"
done
tool="$prefix/bin/velmira-outil"
[ "$("$tool" calcul 2*21)" = "$(printf '0\t42')" ] || fail "installed velmira-outil does not run"

# Every command and option that --help names is in both manual pages of the tool.
help="$("$tool" --help)"
words="$( (grep -oE '^  [a-z]+ ' <<< "$help" | tr -d ' '; grep -oE -- '--[a-z-]+' <<< "$help") | sort -u)"
[ "$(wc -l <<< "$words")" -gt 30 ] || fail "too few commands and options read from --help"
for lang in "" fr/; do
  page="$(zcat "$prefix/share/man/${lang}man1/velmira-outil.1.gz" | sed 's/\\-/-/g')"
  for w in $words; do
    grep -qF -- "$w" <<< "$page" || fail "${lang}velmira-outil.1 does not name $w"
  done
done
# Every option of velmira --help (run with no display) is in both its manual pages.
gui_options="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/velmira" --help |
               grep -oE -- ' --?[a-z]+' | sort -u)"
[ "$(wc -l <<< "$gui_options")" -ge 4 ] || fail "too few options read from velmira --help"
for lang in "" fr/; do
  page="$(zcat "$prefix/share/man/${lang}man1/velmira.1.gz" | sed 's/\\-/-/g')"
  for w in $gui_options; do
    grep -qF -- "$w" <<< "$page" || fail "${lang}velmira.1 does not name $w"
  done
done
if command -v man > /dev/null; then
  for page in "$prefix"/share/man/man1/*.gz "$prefix"/share/man/fr/man1/*.gz; do
    warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 > /dev/null)"
    [ -z "$warnings" ] || fail "$page: $warnings"
  done
fi

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/fr.velmira.Velmira.desktop"
  grep -qx 'StartupWMClass=velmira' "$prefix/share/applications/fr.velmira.Velmira.desktop" ||
    fail "the desktop entry has no StartupWMClass=velmira"
else
  echo "desktop-file-validate absent: desktop entry not validated"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/fr.velmira.Velmira.metainfo.xml" > /dev/null
else
  echo "appstreamcli absent: metainfo not validated"
fi

# The file types with the system's own database: the package's types are
# merged into a copy of the system's (as installing them does).
if command -v update-mime-database > /dev/null && command -v gio > /dev/null &&
   [ -e /usr/share/mime/packages/freedesktop.org.xml ]; then
  mkdir -p "$work/xdg/mime/packages" "$work/home" "$work/files"
  cp /usr/share/mime/packages/*.xml "$work/xdg/mime/packages/"
  cp -f "$prefix/share/mime/packages/velmira.xml" "$work/xdg/mime/packages/velmira.xml"
  update-mime-database "$work/xdg/mime" > "$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
  cp "$prefix/share/velmira/VELMIRA.PEM" "$prefix/share/velmira/VELMIRB.PEM" "$work/files/"
  cp "$prefix/share/velmira/VELMIRA.PEM" "$work/files/velmira.pem"
  cp "$prefix/share/velmira/VELMIRA.PEM" "$work/files/autre.pem"
  printf -- '-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n' > "$work/files/server.pem"
  cp "$(find "$prefix/share/velmira" -name '*.C07' | head -1)" "$work/files/config.C07"
  cp "$(find "$prefix/share/velmira" -name '*.E24' | head -1)" "$work/files/exo.e24"
  type_of() {
    XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$work/xdg" gio info -a standard::content-type "$work/files/$1" |
      sed -n 's/^ *standard::content-type: //p'
  }
  for f in VELMIRA.PEM VELMIRB.PEM velmira.pem; do
    [ "$(type_of "$f")" = application/x-velmira-activity ] || fail "$f typed $(type_of "$f")"
  done
  for f in autre.pem server.pem; do
    [ "$(type_of "$f")" != application/x-velmira-activity ] || fail "$f typed as an activity"
  done
  # Each type's icon is installed under the name the type gives it.
  for type in configuration exercise activity; do
    icon="$(sed -n "/x-velmira-$type\"/,/<\/mime-type>/s/.*<icon name=\"\([^\"]*\)\".*/\1/p" \
            "$prefix/share/mime/packages/velmira.xml")"
    [ -n "$icon" ] && [ -e "$prefix/share/icons/hicolor/scalable/mimetypes/$icon.svg" ] ||
      fail "no icon for application/x-velmira-$type (${icon:-none named})"
  done
  [ "$(type_of config.C07)" = application/x-velmira-configuration ] || fail "config.C07 typed $(type_of config.C07)"
  [ "$(type_of exo.e24)" = application/x-velmira-exercise ] || fail "exo.e24 typed $(type_of exo.e24)"
else
  echo "update-mime-database or gio absent: file types not checked"
fi

# The package, and what lintian says of it.
if command -v cpack > /dev/null && command -v dpkg-deb > /dev/null; then
  (cd "$build" && cpack -G DEB -B "$work/package" > "$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
  deb="$(ls "$work"/package/velmira_*.deb)"
  mkdir "$work/deb"
  dpkg-deb -x "$deb" "$work/deb"
  for program in velmira velmira-outil; do
    if readelf -S "$work/deb/usr/bin/$program" | grep -qE '\] \.comment|\] \.note '; then
      fail "$program keeps its .comment or .note section"
    fi
  done
  if command -v lintian > /dev/null; then
    # Every line lintian prints fails, info (I:) and pedantic (P:) tags
    # included; what is accepted is overridden, with why, in
    # packaging/lintian-overrides. The hardening flags and the dropped
    # sections are the Release build's (the package's): another build type
    # is forgiven them alone.
    lintian --pedantic -I "$deb" > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
    # (Its own note when run as root, as in a container, is no tag of the package.)
    said="$(grep -vE '^[[:space:]]*$|^running with root privileges is not recommended!$' "$work/lintian.log" || true)"
    if [ "$build_type" != Release ]; then
      said="$(grep -vE 'hardening-|binary-has-unneeded-section' <<< "$said" || true)"
      echo "build type ${build_type:-none}: the hardening flags are checked on a Release build only"
    fi
    [ -z "$said" ] || { echo "$said"; fail "lintian"; }
  else
    echo "lintian absent: package not checked"
  fi
else
  echo "cpack or dpkg-deb absent: package not built"
fi
echo "installed layout and package ok"
