// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a recovery folder left by a run that
// stopped. The input is split at "\n--\n" into the copy (`<pid>.C07`), its
// work's name (`.nom`) and its text (`.rtf`); the first byte chooses which
// of them are symbolic links to a file that must stay untouched. The copy
// found is restored as the program restores it.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "files/RecoveryFiles.h"
#include "files/WorkHistory.h"
#include "files/rtf/RtfReader.h"
#include "model/Workbench.h"
#include "table/Table.h"

namespace {

namespace fs = std::filesystem;

class Silent : public velmira::MessageService {
 public:
  velmira::Answer show(const velmira::Message&) override { return velmira::Answer::Ok; }
};

// A folder of this process's own, removed at its end.
struct Scratch {
  explicit Scratch(const std::string& prefix)
      : path(fs::temp_directory_path() / (prefix + std::to_string(::getpid()))) {}
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path;
};

constexpr std::string_view kKept = "VELMIRADATA à garder";

void put(const fs::path& path, std::string_view bytes, bool link, const fs::path& kept) {
  std::error_code ec;
  fs::remove(path, ec);
  if (link) {
    fs::create_symlink(kept, path, ec);
    return;
  }
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Scratch scratch("velmira-fuzz-recovery-");
  const fs::path& root = scratch.path;
  const fs::path folder = root / "recuperation", kept = root / "devoir.C07";
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder);
  if (!fs::exists(kept)) std::ofstream(kept) << kKept;
  if (size == 0) return 0;
  const unsigned links = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string_view parts[3];
  for (std::string_view& part : parts) {
    const auto cut = rest.find("\n--\n");
    part = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 4);
  }
  const auto files = velmira::files::recoveryFiles(folder.string(), 4242);
  put(files.config, parts[0], links & 1, kept);
  put(files.name, parts[1], links & 2, kept);
  if (!parts[2].empty()) put(files.text, parts[2], links & 4, kept);

  const auto copies = velmira::files::leftCopies(folder.string(), [](const std::string&) { return false; });
  if (copies.size() > 1) __builtin_trap();
  for (const auto& copy : copies) {
    if ((links & 1) || copy.workName == kKept || copy.rtf == kKept) __builtin_trap();  // read through a link
    velmira::model::Workbench wb;
    wb.startupDefaults();
    velmira::table::Table table;
    velmira::files::ExtensionItems extension;
    Silent messages;
    velmira::files::restoreWork(copy.snapshot, wb, table, extension, messages);
    if (table.rows() < velmira::table::kMinRows || table.rows() > velmira::table::kMaxRows) __builtin_trap();
    if (!copy.rtf.empty()) (void)velmira::rtf::readRtf(copy.rtf);
    // The copy written again replaces its links, never what they name.
    velmira::files::writeRecovery(copy.files, copy.snapshot, copy.workName, copy.rtf);
  }
  std::ifstream in(kept, std::ios::binary);
  const std::string now{std::istreambuf_iterator<char>(in), {}};
  if (now != kKept) __builtin_trap();
  return 0;
}
