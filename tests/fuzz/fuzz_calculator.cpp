// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the calculator on any key sequence, then the same bytes
// as a column formula. A result shown after EXE is always a number text;
// a filled cell is always empty or a number.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "expr/Calculator.h"
#include "expr/ColumnFormula.h"
#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"

using namespace velmira;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const expr::Angle angle = data[0] & 1 ? expr::Angle::Radians : expr::Angle::Degrees;
  const bool scientific = data[0] & 2;

  double memory = 0;
  expr::Calculator calc(memory);
  calc.setAngle(angle);
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == 0xFF) calc.setScientific(!calc.scientific());
    calc.press(static_cast<expr::Key>(data[i] % expr::kKeyCount));
    if (calc.expression().empty() && !calc.lastError() &&
        calc.display().find_first_not_of(" 0123456789.-+E") != std::string::npos)
      std::abort();
  }

  table::Table table;
  table.setRows(3);
  table.setCell(1, 0, "1,5E-05");
  table.setCell(2, 0, "-2");
  table.setCell(1, 1, "3");
  const std::string formula(reinterpret_cast<const char*>(data + 1), size - 1);
  const int failures = expr::fillColumn(table, 2, formula, angle, scientific);
  if (failures < 0 || failures > 2 || table.formula(2) != formula) std::abort();
  for (int r = 1; r < 3; ++r)
    if (!table.cell(r, 2).empty() && !num::readDouble(table.cell(r, 2))) std::abort();
  return 0;
}
