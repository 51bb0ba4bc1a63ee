#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, when C++ sources are not as the tree's .clang-format
# writes them (fix with: clang-format -i FILE...).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
bad=()
for f in "${sources[@]}"; do
  [ -f "$f" ] || continue
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted with .clang-format (${#bad[@]} files):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "format: ${#sources[@]} sources as .clang-format writes them"
