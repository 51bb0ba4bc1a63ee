// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ConfigName.h"

#include <filesystem>

#include "files/ConfigFile.h"
#include "model/FlagFile.h"
#include "platform/core/NumberText.h"

namespace velmira::files {

namespace {
constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
}

std::optional<std::string> configFileName(std::string_view typed, std::string_view folder) {
  std::string name = num::trim(typed);
  // Cut before the last "." while there is one: nothing from the first "." on stays.
  for (auto dot = name.rfind('.'); dot != std::string::npos; dot = name.rfind('.'))
    name = num::trim(name.substr(0, dot));
  if (name.empty()) return std::nullopt;
  if (name.find(kSeparator) == std::string::npos) name = model::withSeparator(std::string(folder)) + name;
  return name + kConfigExtension;
}

Message emptyNameMessage() {
  return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Il faut donner un nom au fichier\u00A0!"),
                         VELMIRA_TEXT("velmira::msg", "Enregistrement impossible"));
}
Message overwriteQuestion() {
  return msg::exclamationYesNo(VELMIRA_TEXT("velmira::msg", "Ecraser le fichier existant\u00A0?"),
                               VELMIRA_TEXT("velmira::msg", "Ce fichier existe déjà\u00A0!"));
}
Message missingFileMessage() {
  return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Nom de fichier incorrect ou chemin non valide"),
                         VELMIRA_TEXT("velmira::msg", "impossible d'ouvrir ce fichier"));
}

}  // namespace velmira::files
