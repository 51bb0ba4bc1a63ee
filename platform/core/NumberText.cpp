// SPDX-License-Identifier: GPL-3.0-or-later
// The plain conversion, the locale-independent number text and the
// leading-number rule. Masks and comma-decimal reading: FormatMask.cpp.
#include "platform/core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/GeneralText.h"

namespace velmira::num {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string plain(double value, int significant) {
  if (!std::isfinite(value)) return value < 0 ? "-" : " ";
  return (value < 0 ? "" : " ") + detail::generalText(value, significant, '.', false);
}

std::string numberText(double value, int significant) { return trim(plain(value, significant)); }

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
  // from_chars never depends on the process locale; it takes no "+".
  const char* b = s.data() + (!s.empty() && s[0] == '+' ? 1 : 0);
  double v = 0;
  const auto res = std::from_chars(b, s.data() + s.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // Out of range: overflow when the leading digits stand above the point.
    const auto e = s.find('e');
    const std::string_view mantissa(s.data(), e == std::string::npos ? s.size() : e);
    // The exponent saturates: its digits may be as many as the text holds.
    constexpr long kFarExponent = 1'000'000;
    long magnitude = e == std::string::npos
                         ? 0
                         : std::clamp(std::strtol(s.c_str() + e + 1, nullptr, 10), -kFarExponent, kFarExponent);
    const auto first = mantissa.find_first_of("123456789");
    const auto point = mantissa.find('.');
    const auto pointAt = point == std::string_view::npos ? mantissa.size() : point;
    magnitude += first < pointAt ? static_cast<long>(pointAt - first) : -static_cast<long>(first - pointAt);
    if (magnitude > 0) r.overflow = true;
    return r;  // underflow reads as 0
  }
  if (res.ec != std::errc() || !std::isfinite(v)) {
    r.overflow = true;
    return r;
  }
  r.value = v;
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
