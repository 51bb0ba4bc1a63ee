// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/ConfigOwner.h"

#include "files/ConfigName.h"
#include "platform/core/SafeFile.h"

namespace velmira::files::ui {

bool openConfiguration(ConfigOwner& owner, MessageService& messages, const std::string& name,
                       const std::function<void()>& beforeLoad) {
  if (!fileio::isRegularFile(name)) {
    messages.show(missingFileMessage());
    return false;
  }
  if (!owner.mayReplaceWork()) return false;
  if (beforeLoad) beforeLoad();
  return owner.loadConfiguration(name);
}

}  // namespace velmira::files::ui
