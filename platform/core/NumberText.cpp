// The plain conversion, the locale-independent number text and the
// leading-number rule. Masks and comma-decimal reading: FormatMask.cpp.
#include "platform/core/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmira::num {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Shortest decimal form of |v| with at most 15 significant digits, as
// mantissa digits (no trailing zeros) and the decimal exponent of the first.
struct Decimal {
  std::string digits;  // "" for zero
  int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent + 1)
};

Decimal decimal15(double v) {
  Decimal d;
  if (v == 0) return d;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));  // d.dddddddddddddde[+-]xx
  std::string s(buf);
  auto e = s.find('e');
  d.exponent = std::atoi(s.c_str() + e + 1);
  for (std::size_t i = 0; i < e; ++i)
    if (isDigit(s[i])) d.digits += s[i];
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

}  // namespace

std::string plain(double value) {
  if (!std::isfinite(value)) return value < 0 ? "-" : " ";
  Decimal d = decimal15(value);
  std::string out = value < 0 && !d.digits.empty() ? "-" : " ";
  if (d.digits.empty()) return out + "0";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent < -4 || d.exponent >= kDoubleDigits) {
    out += d.digits[0];
    if (n > 1) out += "." + d.digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return out + exp;
  }
  if (d.exponent < 0) {
    out += ".";
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    return out + d.digits;
  }
  const int intDigits = d.exponent + 1;
  if (n <= intDigits) {
    out += d.digits;
    out.append(static_cast<std::size_t>(intDigits - n), '0');
    return out;
  }
  return out + d.digits.substr(0, intDigits) + "." + d.digits.substr(intDigits);
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
