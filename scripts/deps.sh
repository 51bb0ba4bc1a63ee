#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the program and the tests need;
# does nothing when they are all present.
set -euo pipefail
pkgs=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
      # the spreadsheet export's zip archive
      libzip-dev
      # the sources' layout (.clang-format), checked by .ci/run
      clang-format
      qt6-base-dev libgl-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core
      # the windows' catalogues: lupdate and lrelease, and their CMake package
      qt6-l10n-tools qt6-tools-dev
      # the icon's sizes drawn from its SVG
      librsvg2-bin
      # the program's own faces renamed from the free fonts at build time (with
      # Debian's /usr/bin/python3), and the look-alike faces of the look test
      python3-fonttools fonts-urw-base35
      # printing tests (PDF pages to pictures), desktop-file and metainfo checks,
      # the package's checks (lintian, file types with the system's database),
      # the end-to-end test (virtual screen, real events, screen grabs)
      poppler-utils desktop-file-utils appstream dpkg-dev lintian shared-mime-info libglib2.0-bin
      xvfb xdotool x11-apps python3
      # the accessibility test (the tree a screen reader reads, with Debian's Python)
      python3-pyatspi at-spi2-core dbus-x11
      # the screen reader's session test (what it speaks, with the dummy speech output)
      orca speech-dispatcher
      # the spreadsheet file read back: a strict XML parser (the core test), the two
      # spreadsheets that convert it headless (the readback test)
      libexpat1-dev libreoffice-calc-nogui gnumeric)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
