// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The --set CLE=VALEUR settings of velmira-outil config: each typed or
// clicked as the pupil would.
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/core/Messages.h"

namespace velmira::files {
class ExtensionItems;
}
namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}

namespace velmira::tools {

struct Settings {
  model::Workbench& wb;
  table::Table& table;
  MessageService& messages;
  std::ostream& err;

  // False, with the reason on `err`, for an unknown key or a bad value.
  bool apply(const std::string& key, const std::string& value);

 private:
  bool invalid(const std::string& key, const std::string& value, const std::string& why);
  bool fitsRecord(const std::string& key, const std::string& value);
};

// --set graphe_…=VALEUR into the work's items: nullopt for another key,
// false (said on `err`) for a bad value.
std::optional<bool> graphSetting(const std::string& key, const std::string& value, files::ExtensionItems& extension,
                                 std::ostream& err);

// A whole text read as a number ("." or "," as separator); nullopt otherwise.
std::optional<double> wholeNumber(std::string text);
// A whole integer within lo..hi; nullopt otherwise.
std::optional<int> wholeInteger(const std::string& text, int lo, int hi);

}  // namespace velmira::tools
