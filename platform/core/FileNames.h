// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names as the system holds them: any bytes but '/' and NUL. Most are
// UTF-8; names from old media and archives are often Windows-1252 (Latin-1).
// A name is carried as its bytes from where it was read (the command line,
// a folder's listing) down to the file's opening; only its display decodes
// it, so a file is always opened, and saved again, under its own bytes.
#include <string>
#include <string_view>
#include <vector>

namespace velmira::fileio {

// True when `bytes` is well-formed UTF-8.
bool isUtf8(std::string_view bytes);

// `path` as shown: each part between separators as it is when it is UTF-8,
// else read as Windows-1252.
std::string shownPath(std::string_view path);

// The path a field names: `native` while the field's `text` still shows it
// (the pupil chose that file), else the text as typed.
std::string fieldPath(std::string_view text, std::string_view native);

// The names, as bytes, of the files in `folder` ending with `extension` (any
// letter case) that are regular files (through a link) and not hidden (a
// leading '.'); at most `limit` entries of the folder are looked at. Empty
// when the folder cannot be read.
std::vector<std::string> folderFiles(const std::string& folder, std::string_view extension, std::size_t limit = 100000);

}  // namespace velmira::fileio
