// libFuzzer target: evalue on any bytes. The first byte picks the angle mode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "expr/Evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::int16_t angle = data[0] & 1 ? velmira::expr::kRadians : velmira::expr::kDegres;
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::int16_t err = -1;
  velmira::expr::evalue(text, err, angle);
  if (err < 0 || err > 3) std::abort();
  if (err == 0 && text.find(' ') != std::string::npos) std::abort();
  return 0;
}
