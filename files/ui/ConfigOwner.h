#pragma once
// What the open, save and exercise windows ask of the window that owns the
// workbench and the table: the current configuration name and the single
// writer and reader.
#include <functional>
#include <string>

namespace velmira {
class MessageService;
}

namespace velmira::files::ui {

class ConfigOwner {
 public:
  virtual ~ConfigOwner() = default;
  // `nomconfig`: the configuration last opened or saved (full path).
  virtual const std::string& configPath() const = 0;
  virtual void setConfigPath(const std::string& path) = 0;
  // writeConfiguration on configPath; on success the caption shows the name. False
  // (after the write message) on failure.
  virtual bool writeConfiguration() = 0;
  // readConfiguration on configPath, then every control redrawn and the caption
  // set. False when the file was refused (its message shown).
  virtual bool readConfiguration() = 0;
  // Before the work is replaced: true when it may go (saved, or the pupil
  // agreed); false leaves everything as it is.
  virtual bool mayReplaceWork() { return true; }
};

// Opening a configuration by its name, as the open window does: configPath
// takes the name; a name that is not a file shows "Nom de fichier incorrect
// ou chemin non valide", else the owner may keep its unsaved work, else
// `beforeLoad` runs and then readConfiguration. False when nothing was loaded.
bool openConfiguration(ConfigOwner& owner, MessageService& messages, const std::string& name,
                       const std::function<void()>& beforeLoad = {});

}  // namespace velmira::files::ui
