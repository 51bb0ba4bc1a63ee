#pragma once
// The folder the open and save windows show first.
#include <QString>
#include <string>

namespace velmira::files::ui {

// The folder of the configuration last opened or saved when it still
// exists, else the pupil's documents, else the home folder.
QString startFolder(const std::string& configPath);

}  // namespace velmira::files::ui
