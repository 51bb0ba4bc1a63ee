// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an exercise file, opened as the exercise
// window and menu open it (with a statement and a configuration beside it,
// so that the names it gives are followed): it never names a file outside
// its own folder, and what opens stays within the table's bounds.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/ExerciseFile.h"
#include "files/ExerciseOpening.h"
#include "table/Table.h"

namespace {

namespace fs = std::filesystem;

class Silent : public velmira::MessageService {
 public:
  velmira::Answer show(const velmira::Message&) override { return velmira::Answer::Ok; }
};

class Target : public velmira::files::ExerciseTarget {
 public:
  explicit Target(fs::path folder) : folder_(std::move(folder)) {}
  void showStatement(velmira::rtf::RichDocument, const std::string& path) override { inside(path); }
  void loadConfiguration(const std::string& path) override { inside(path); }

 private:
  void inside(const std::string& path) const {
    if (fs::path(path).parent_path().lexically_normal() != folder_.lexically_normal()) __builtin_trap();
  }
  fs::path folder_;
};

// A folder of this process's own, removed at its end.
struct ScratchFolder {
  fs::path path = fs::temp_directory_path() / ("velmira-fuzz-exercise-" + std::to_string(::getpid()));
  ScratchFolder() {
    fs::create_directories(path);
    std::ofstream(path / "enonce.rtf") << "{\\rtf1 \\'e9nonc\\'e9}";
    std::ofstream(path / "config.C07") << "VELMIRADATA";
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

// With a statement and a configuration.
const fs::path& folder() {
  static const ScratchFolder f;
  return f.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path file = folder() / "exercice.E24";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  velmira::files::ExerciseFile exercise;
  if (exercise.load(file.string())) {
    for (int item = 0; item <= static_cast<int>(velmira::files::ExerciseItem::Title); ++item)
      (void)exercise.read(static_cast<velmira::files::ExerciseItem>(item));
    (void)exercise.firstDamagedRecord();
    (void)exercise.extension();
  }
  Silent messages;
  const auto preview = velmira::files::readPreview(file.string(), messages);
  if (preview.title.size() > 4 * 126) __builtin_trap();
  Target target(folder());
  velmira::files::openExercise(file.string(), target, messages);
  velmira::files::openCorrection(file.string(), target, messages);
  return 0;
}
