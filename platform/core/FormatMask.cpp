// SPDX-License-Identifier: GPL-3.0-or-later
// Format masks, the general number format and comma-decimal reading.
//
// Mask rules ("0" mandatory digit, "#" optional digit, "." written as ",",
// "E+00"/"E-00"/"e+00"/"e-00" exponent, anything else a literal; "\x" and
// "..." quote literals):
//  - integer part: every literal is written where it stands; digits are
//    aligned on the placeholders from the right, surplus digits go just
//    before the first placeholder; a "#" left of every "0" and of the first
//    significant digit writes nothing;
//  - decimal part: a "#" writes its digit only up to the last significant
//    decimal or the last "0"; a literal between placeholders is written only
//    when a digit is written after it, a literal after the last placeholder
//    always;
//  - the separator is written whenever the mask has one ("#.##" of 10 is
//    "10,", of 0.5 ",5"); such texts read back with readDouble;
//  - exponent form: the mantissa has exactly as many integer digits as the
//    mask has integer placeholders (0 is written with at least one digit:
//    "#.##E+00" of 0 is "0,E+00"); the exponent has at least as many digits
//    as its zeros, "E+" always shows its sign, "E-" only a minus;
//  - a negative value that does not round to zero starts with "-";
//  - a mask without any digit placeholder before its exponent behaves as the
//    empty mask (general number format), so that no number is lost to a
//    mask that cannot show it;
//  - only the first ";" section is used, for every value, and a "," (the
//    thousands separator, not in use) is ignored: a mask read from a file
//    never moves digits around the decimal comma.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "platform/core/GeneralText.h"
#include "platform/core/NumberText.h"

namespace velmira::num {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// |value| as decimal digits: value = d1.d2d3... * 10^exponent.
// `digits` has no leading zero and no trailing zero; "" means zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

void stripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// The correctly rounded decimal form with `significant` digits.
Decimal decimalOf(double value, int significant) {
  Decimal d;
  if (value == 0) return d;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, significant - 1);
  std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
  std::size_t e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (isDigit(s[i])) d.digits += s[i];
  int exp = 0;
  std::string_view es = s.substr(e + 1);
  if (!es.empty() && es[0] == '+') es.remove_prefix(1);
  std::from_chars(es.data(), es.data() + es.size(), exp);
  d.exponent = exp;
  if (exp >= 308 && significant < 17) {
    // Rounding up may pass the largest double; keep the text readable by
    // cutting the 17-digit form instead.
    double back = 0;
    const std::string text = d.digits + "e" + std::to_string(exp - static_cast<int>(d.digits.size()) + 1);
    if (std::from_chars(text.data(), text.data() + text.size(), back).ec != std::errc()) {
      Decimal full = decimalOf(value, 17);
      full.digits.resize(std::min(full.digits.size(), static_cast<std::size_t>(significant)));
      stripTrailingZeros(full);
      return full;
    }
  }
  stripTrailingZeros(d);
  return d;
}

// Keeps the digits of weight 10^place and above, rounding half away from zero.
void roundAt(Decimal& d, int place) {
  if (d.digits.empty()) return;
  const long keep = static_cast<long>(d.exponent) - place + 1;
  if (keep >= static_cast<long>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
  } else if (keep == 0) {
    if (d.digits[0] >= '5') {
      d.digits = "1";
      d.exponent = place;
    } else {
      d.digits.clear();
    }
  } else {
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      long i = keep - 1;
      while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') d.digits[static_cast<std::size_t>(i--)] = '0';
      if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      } else {
        ++d.digits[static_cast<std::size_t>(i)];
      }
    }
  }
  stripTrailingZeros(d);
}

// Digit of weight 10^power.
char digitAt(const Decimal& d, long power) {
  const long i = static_cast<long>(d.exponent) - power;
  if (i < 0 || i >= static_cast<long>(d.digits.size())) return '0';
  return d.digits[static_cast<std::size_t>(i)];
}

std::string exponentText(int exponent, bool alwaysSign, int minDigits, char letter) {
  std::string out(1, letter);
  if (exponent < 0)
    out += '-';
  else if (alwaysSign)
    out += '+';
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits)
    digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  return out + digits;
}

// ---- mask ----

struct Item {
  enum Kind { Zero, Hash, Literal } kind;
  std::string text;  // literal text
};

struct Mask {
  std::vector<Item> integer, decimals;
  bool point = false;
  bool scientific = false;
  char letter = 'E';
  bool alwaysSign = false;
  int exponentDigits = 0;
  std::string suffix;  // literals after the exponent
  int integerPlaceholders = 0;
  int decimalPlaceholders = 0;
};

Mask parseMask(std::string_view m) {
  Mask mask;
  auto literal = [&](std::string text) {
    if (mask.scientific) {
      mask.suffix += text;
      return;
    }
    auto& part = mask.point ? mask.decimals : mask.integer;
    if (!part.empty() && part.back().kind == Item::Literal)
      part.back().text += text;
    else
      part.push_back({Item::Literal, std::move(text)});
  };
  std::size_t i = 0;
  while (i < m.size()) {
    const char c = m[i];
    if (c == '\\' && i + 1 < m.size()) {
      literal(std::string(1, m[i + 1]));
      i += 2;
    } else if (c == '"') {
      std::size_t end = m.find('"', i + 1);
      if (end == std::string_view::npos) end = m.size();
      literal(std::string(m.substr(i + 1, end - i - 1)));
      i = end + 1;
    } else if (c == ';') {
      break;
    } else if (c == ',') {
      ++i;
    } else if (mask.scientific) {
      literal(std::string(1, c));
      ++i;
    } else if (c == '0' || c == '#') {
      auto& part = mask.point ? mask.decimals : mask.integer;
      part.push_back({c == '0' ? Item::Zero : Item::Hash, {}});
      ++(mask.point ? mask.decimalPlaceholders : mask.integerPlaceholders);
      ++i;
    } else if (c == '.' && !mask.point) {
      mask.point = true;
      ++i;
    } else if ((c == 'E' || c == 'e') && i + 1 < m.size() && (m[i + 1] == '+' || m[i + 1] == '-')) {
      mask.scientific = true;
      mask.letter = c;
      mask.alwaysSign = m[i + 1] == '+';
      i += 2;
      while (i < m.size() && (m[i] == '0' || m[i] == '#')) {
        if (m[i] == '0') ++mask.exponentDigits;
        ++i;
      }
    } else {
      literal(std::string(1, c));
      ++i;
    }
  }
  return mask;
}

// Writes the integer part: `digits` (most significant first, may be empty),
// shown with at least `minDigits` digits.
void writeInteger(std::string& out, const Mask& mask, std::string digits, int minDigits) {
  const int placeholders = mask.integerPlaceholders;
  const int shown = std::max(static_cast<int>(digits.size()), minDigits);
  digits.insert(0, static_cast<std::size_t>(shown) - digits.size(), '0');
  const int offset = shown - placeholders;  // digits before the first placeholder
  int j = 0;
  for (const Item& item : mask.integer) {
    if (item.kind == Item::Literal) {
      out += item.text;
      continue;
    }
    if (j == 0 && offset > 0) out.append(digits, 0, static_cast<std::size_t>(offset));
    const int index = j + offset;
    if (index >= 0) out += digits[static_cast<std::size_t>(index)];
    ++j;
  }
  if (placeholders == 0) out += digits;  // ".00": the digits end the integer part
}

// Writes the separator and the decimal part: `digits` holds exactly one digit
// per decimal placeholder.
void writeDecimals(std::string& out, const Mask& mask, const std::string& digits) {
  if (!mask.point) return;
  out += ',';
  int lastZero = 0, j = 0;
  for (const Item& item : mask.decimals)
    if (item.kind != Item::Literal && (++j, item.kind == Item::Zero)) lastZero = j;
  int lastSignificant = static_cast<int>(digits.size());
  while (lastSignificant > 0 && digits[static_cast<std::size_t>(lastSignificant) - 1] == '0') --lastSignificant;
  const int shown = std::max(lastZero, lastSignificant);
  j = 0;
  for (const Item& item : mask.decimals) {
    if (item.kind == Item::Literal) {
      if (j < shown || j == mask.decimalPlaceholders) out += item.text;
    } else {
      if (j < shown) out += digits[static_cast<std::size_t>(j)];
      ++j;
    }
  }
}

int firstZeroMinimum(const Mask& mask) {
  int j = 0;
  for (const Item& item : mask.integer) {
    if (item.kind == Item::Literal) continue;
    if (item.kind == Item::Zero) return mask.integerPlaceholders - j;
    ++j;
  }
  return 0;
}

std::string formatFixed(const Mask& mask, double value, int significant) {
  Decimal d = decimalOf(value, significant);
  const int places = mask.decimalPlaceholders;
  roundAt(d, -places);
  std::string intDigits;
  if (!d.digits.empty() && d.exponent >= 0)
    for (long p = d.exponent; p >= 0; --p) intDigits += digitAt(d, p);
  std::string decDigits;
  for (int p = 1; p <= places; ++p) decDigits += digitAt(d, -p);
  std::string out;
  if (value < 0 && !d.digits.empty()) out += '-';
  writeInteger(out, mask, intDigits, firstZeroMinimum(mask));
  writeDecimals(out, mask, decDigits);
  return out;
}

std::string formatScientific(const Mask& mask, double value, int significant) {
  Decimal d = decimalOf(value, significant);
  const int intPlaces = mask.integerPlaceholders;
  const int places = mask.decimalPlaceholders;
  const int kept = intPlaces + places;  // > 0: the mask has a placeholder
  roundAt(d, d.exponent - kept + 1);
  std::string out;
  if (value < 0 && !d.digits.empty()) out += '-';
  std::string all = d.digits;
  all.resize(static_cast<std::size_t>(kept), '0');
  const int exponent = d.digits.empty() ? 0 : d.exponent - (intPlaces - 1);
  std::string intDigits = d.digits.empty() ? std::string() : all.substr(0, static_cast<std::size_t>(intPlaces));
  int minDigits = firstZeroMinimum(mask);
  if (d.digits.empty() && intPlaces > 0) minDigits = std::max(minDigits, 1);
  writeInteger(out, mask, intDigits, minDigits);
  writeDecimals(out, mask, all.substr(static_cast<std::size_t>(intPlaces)));
  out += exponentText(exponent, mask.alwaysSign, mask.exponentDigits, mask.letter);
  out += mask.suffix;
  return out;
}

int clampDigits(int significant) { return std::clamp(significant, 1, 17); }

// ---- reading ----

// Removes blanks (space, U+00A0, U+202F) anywhere in the text.
std::string withoutBlanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ') continue;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
      ++i;
      continue;
    }
    if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
        static_cast<unsigned char>(text[i + 2]) == 0xAF) {
      i += 2;
      continue;
    }
    s += static_cast<char>(c);
  }
  return s;
}

// A checked number: "C"-form text for from_chars, and the decimal exponent
// of its first significant digit (to tell overflow from underflow).
struct Parsed {
  std::string text;
  bool negative = false;
  bool zero = true;
  long magnitude = 0;
};

std::optional<Parsed> parseComma(std::string_view in) {
  const std::string s = withoutBlanks(in);
  Parsed p;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.negative = s[i++] == '-';
  std::string intDigits, decDigits;
  while (i < s.size() && isDigit(s[i])) intDigits += s[i++];
  if (i < s.size() && s[i] == ',') {
    ++i;
    while (i < s.size() && isDigit(s[i])) decDigits += s[i++];
  }
  if (intDigits.empty() && decDigits.empty()) return std::nullopt;
  long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    ++i;
    bool negExp = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negExp = s[i++] == '-';
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i])) {
      if (exponent < 100000000) exponent = exponent * 10 + (s[i] - '0');
      ++i;
    }
    if (i == start) return std::nullopt;
    if (negExp) exponent = -exponent;
  }
  if (i != s.size()) return std::nullopt;
  // Magnitude of the first significant digit.
  std::size_t lead = intDigits.find_first_not_of('0');
  if (lead != std::string::npos) {
    p.zero = false;
    p.magnitude = static_cast<long>(intDigits.size() - lead) - 1 + exponent;
  } else if ((lead = decDigits.find_first_not_of('0')) != std::string::npos) {
    p.zero = false;
    p.magnitude = -static_cast<long>(lead) - 1 + exponent;
  }
  p.text = (p.negative ? "-0" : "0") + intDigits + "." + decDigits + "0e" + std::to_string(exponent);
  return p;
}

template <typename T>
std::optional<T> readAs(std::string_view text) {
  auto p = parseComma(text);
  if (!p) return std::nullopt;
  if (p->zero) return p->negative ? -T(0) : T(0);
  T v{};
  auto r = std::from_chars(p->text.data(), p->text.data() + p->text.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    if (p->magnitude > 0) return std::nullopt;  // overflow
    return p->negative ? -T(0) : T(0);          // underflow
  }
  if (r.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

std::string detail::generalText(double value, int significant, char separator, bool zeroBeforePoint) {
  if (!std::isfinite(value)) return "";
  significant = clampDigits(significant);
  Decimal d = decimalOf(value, significant);
  if (d.digits.empty()) return "0";
  std::string out = value < 0 ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent < -4 || d.exponent >= significant) {
    out += d.digits[0];
    if (n > 1) out += separator + d.digits.substr(1);
    return out + exponentText(d.exponent, true, 2, 'E');
  }
  if (d.exponent < 0) {
    if (zeroBeforePoint) out += '0';
    out += separator;
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    return out + d.digits;
  }
  const int intDigits = d.exponent + 1;
  if (n <= intDigits) {
    out += d.digits;
    out.append(static_cast<std::size_t>(intDigits - n), '0');
    return out;
  }
  return out + d.digits.substr(0, static_cast<std::size_t>(intDigits)) + separator +
         d.digits.substr(static_cast<std::size_t>(intDigits));
}

std::string general(double value, int significant) { return detail::generalText(value, significant, ',', true); }

// The program uses a handful of masks; parse each once.
const Mask& parsedMask(std::string_view mask) {
  thread_local std::vector<std::pair<std::string, Mask>> cache;
  for (const auto& [text, m] : cache)
    if (text == mask) return m;
  if (cache.size() >= 32) cache.erase(cache.begin());
  cache.emplace_back(std::string(mask), parseMask(mask));
  return cache.back().second;
}

std::string format(double value, std::string_view mask, int significant) {
  if (!std::isfinite(value)) return "";
  significant = clampDigits(significant);
  if (mask.empty()) return general(value, significant);
  const Mask& m = parsedMask(mask);
  if (m.integerPlaceholders + m.decimalPlaceholders == 0) return general(value, significant);
  return m.scientific ? formatScientific(m, value, significant) : formatFixed(m, value, significant);
}

std::optional<double> readDouble(std::string_view text) { return readAs<double>(text); }

std::optional<float> readSingle(std::string_view text) { return readAs<float>(text); }

}  // namespace velmira::num
