// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a configuration's extension block holding a
// pupil's work (results, hidden values, name, given values, the scatter's
// draws): each reader takes it, a work that reads is written again and reads
// back the same, the hidden values and the scatter reach a workbench without
// harm, and the scatter kept reads back the same.
#include <cstdint>
#include <string>

#include "files/ExtensionBlock.h"
#include "files/PupilWork.h"
#include "files/ScatterRecord.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace f = velmira::files;
  velmira::records::RecordReader reader;
  reader.setBytes(std::string(reinterpret_cast<const char*>(data), size));
  const f::ExtensionItems items = f::readExtension(reader, 1).items;
  const f::ExerciseResults results = f::readResults(items);
  if (results.results.size() > f::kMaxResults) __builtin_trap();
  const double tolerance = f::tolerancePercent(results);
  if (!(tolerance >= 0)) __builtin_trap();
  for (f::Hidden h : f::kHiddenItems) (void)f::hiddenValue(items, h);
  if (const auto work = f::readWork(items)) {
    for (const f::GivenResult& g : work->given) (void)f::givenProblem(g);
    f::ExtensionItems again;
    if (f::writeWork(again, *work) && f::readWork(again) != work) __builtin_trap();
    const std::uint64_t seed = size ? data[0] : 0;
    if (const auto started = f::startWork(items, *work, seed)) {
      // Drawn once: a work started again keeps its values.
      const auto twice = f::startWork(*started, *work, seed + 1);
      if (!twice) __builtin_trap();
      for (f::Hidden h : f::kHiddenItems)
        if (f::hiddenValue(*twice, h) != f::hiddenValue(*started, h)) __builtin_trap();
    }
  }
  velmira::model::Workbench wb;
  wb.startupDefaults();
  (void)f::revealHidden(items, wb);
  f::ExtensionItems kept = items;
  (void)f::keepHidden(kept, wb);
  f::keepScatter(kept, wb.scatter());
  if (wb.scatter().on && f::scatterOf(kept, [] { return std::uint64_t{0}; }) != wb.scatter()) __builtin_trap();
  return 0;
}
