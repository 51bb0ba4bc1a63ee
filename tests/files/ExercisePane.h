// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's side of the exercise loads, for tests: the pane's text
// and readConfiguration on a workbench, its messages recorded.
#include <string>
#include <vector>

#include "RecordingMessages.h"
#include "files/ConfigFile.h"
#include "files/ExerciseOpening.h"
#include "model/Workbench.h"
#include "table/Table.h"

namespace velmira::test {

struct ExercisePane : files::ExerciseTarget {
  test::RecordingMessages& messages;
  model::Workbench wb;
  table::Table table;
  std::string text;                 // the pane's plain text
  std::vector<std::string> loaded;  // statements then configurations, in order

  explicit ExercisePane(test::RecordingMessages& m) : messages(m) { wb.startupDefaults(); }
  void showStatement(rtf::RichDocument d, const std::string& path) override {
    text = rtf::plainText(d);
    loaded.push_back(path);
  }
  void loadConfiguration(const std::string& path) override {
    loaded.push_back(path);
    files::readConfiguration(path, wb, table, messages);
  }
};

}  // namespace velmira::test
