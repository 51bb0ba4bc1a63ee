#include "files/ui/ConfigOwner.h"

#include "files/ConfigName.h"
#include "platform/core/SafeFile.h"

namespace velmira::files::ui {

bool openConfiguration(ConfigOwner& owner, MessageService& messages, const std::string& name,
                       const std::function<void()>& beforeLoad) {
  owner.setConfigPath(name);
  if (!fileio::isRegularFile(name)) {
    messages.show(missingFileMessage());
    return false;
  }
  if (!owner.mayReplaceWork()) return false;
  if (beforeLoad) beforeLoad();
  owner.readConfiguration();
  return true;
}

}  // namespace velmira::files::ui
