// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table operations of velmira-outil config: each runs the window's
// command of the same name through the same core functions, refusing what
// the window would show disabled.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "expr/Evaluator.h"
#include "platform/core/Messages.h"

namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}

namespace velmira::tools {

struct TableOperation {
  std::string option;  // "--mesure", "--trie", ...
  std::vector<std::string> args;
};

// The number of arguments an operation takes; -1 when `option` is none.
int operationArguments(std::string_view option);

class TableOperations {
 public:
  TableOperations(model::Workbench& wb, table::Table& table, MessageService& messages, std::ostream& err)
      : wb_(wb), table_(table), messages_(messages), err_(err) {}
  // False when the operation is refused or its command fails (the message
  // is on `err`): the run stops, nothing is written.
  bool run(const TableOperation& op);

 private:
  bool refuse(const TableOperation& op, const std::string& why);
  bool column(const TableOperation& op, const std::string& text, int& col);
  bool line(const TableOperation& op, const std::string& text, int& row);

  model::Workbench& wb_;
  table::Table& table_;
  MessageService& messages_;
  std::ostream& err_;
  expr::Angle angle_ = expr::Angle::Degrees;
  bool scientific_ = false;
  // A recording left a concealed concentration out: said once.
  bool concealedSaid_ = false;
};

}  // namespace velmira::tools
