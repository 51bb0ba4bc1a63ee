// The plain conversion, the locale-independent number text and the
// leading-number rule. Masks and comma-decimal reading: FormatMask.cpp.
#include "platform/core/NumberText.h"
#include "platform/core/GeneralText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmira::num {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string plain(double value) {
  if (!std::isfinite(value)) return value < 0 ? "-" : " ";
  return (value < 0 ? "" : " ") + detail::generalText(value, kDoubleDigits, '.', false);
}

std::string numberText(double value) { return trim(plain(value)); }

Leading leading(std::string_view text) {
  Leading r;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string s;
  std::size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) s += text[j++];
  bool digits = false, point = false;
  while (j < text.size()) {
    char c = text[j];
    if (isDigit(c)) {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    s += c;
    ++j;
  }
  if (!digits) return r;  // no leading number: 0
  // Exponent only when complete: letter, optional sign, at least one digit.
  if (j < text.size() && (text[j] == 'E' || text[j] == 'e' || text[j] == 'D' || text[j] == 'd')) {
    std::size_t k = j + 1;
    std::string e = "e";
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) e += text[k++];
    std::size_t start = k;
    while (k < text.size() && isDigit(text[k])) e += text[k++];
    if (k > start) {
      s += e;
      j = k;
    }
  }
  r.length = j;
  // Locale-independent conversion (the process locale may use a comma).
  for (char& c : s)
    if (c == '.') c = ',';
  std::optional<double> v = readDouble(s);
  if (!v) {
    r.overflow = true;
    return r;
  }
  r.value = *v;
  return r;
}

double leadingValue(std::string_view text) { return leading(text).value; }

double roundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double f = std::floor(value);
  double diff = value - f;
  if (diff > 0.5) return f + 1;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

std::string trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace velmira::num
