// SPDX-License-Identifier: GPL-3.0-or-later
// The reducing passes: functions, parenthesised groups, binary operations.
// Each computed value is checked before it is written back; a fault abandons
// the pass and leaves the failing step undone.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "expr/EvaluatorPasses.h"
#include "platform/core/NumberText.h"

namespace velmira::expr::detail {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::int16_t less1(std::int16_t n) { return static_cast<std::int16_t>(n - 1); }

// The leading number of an operand or argument; nullopt on overflow.
std::optional<double> readNumber(std::string_view s) {
  num::Leading l = num::leading(s);
  if (l.overflow) return std::nullopt;
  return l.value;
}

std::optional<double> finite(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

enum class Code { SQR, EXP, LON, LOG, SIN, COS, TAN, ISI, ICO, ITA, None };

Code codeAt(const std::string& t, std::size_t k) {
  if (k + 3 > t.size()) return Code::None;
  const char a = t[k], b = t[k + 1], c = t[k + 2];
  switch (a) {
    case 'S':
      if (b == 'Q' && c == 'R') return Code::SQR;
      if (b == 'I' && c == 'N') return Code::SIN;
      break;
    case 'E':
      if (b == 'X' && c == 'P') return Code::EXP;
      break;
    case 'L':
      if (b == 'O' && c == 'N') return Code::LON;
      if (b == 'O' && c == 'G') return Code::LOG;
      break;
    case 'C':
      if (b == 'O' && c == 'S') return Code::COS;
      break;
    case 'T':
      if (b == 'A' && c == 'N') return Code::TAN;
      break;
    case 'I':
      if (b == 'S' && c == 'I') return Code::ISI;
      if (b == 'C' && c == 'O') return Code::ICO;
      if (b == 'T' && c == 'A') return Code::ITA;
      break;
  }
  return Code::None;
}

// Arc sine in radians: atan(x / sqrt(1 - x^2)), exact at +-1.
std::optional<double> arcSine(double x) {
  const double halfPi = 2 * std::atan(1.0);
  if (x == 1) return halfPi;
  if (x == -1) return -halfPi;
  if (!(std::fabs(x) < 1)) return std::nullopt;
  return std::atan(x / std::sqrt(1 - x * x));
}

std::optional<double> function(Code code, double x, bool radians) {
  const double pi = 4 * std::atan(1.0);
  const double halfPi = 2 * std::atan(1.0);
  auto toRad = [&](double a) { return radians ? a : a * pi / 180; };
  auto fromRad = [&](double r) { return radians ? r : r * 180 / pi; };
  switch (code) {
    case Code::SQR:
      if (x < 0) return std::nullopt;
      return std::sqrt(x);
    case Code::EXP:
      return finite(std::exp(x));
    case Code::LON:
      if (!(x > 0)) return std::nullopt;
      return finite(std::log(x));
    case Code::LOG:
      if (!(x > 0)) return std::nullopt;
      return finite(std::log(x) / std::log(10.0));
    case Code::SIN:
      return finite(std::sin(toRad(x)));
    case Code::COS:
      return finite(std::cos(toRad(x)));
    case Code::TAN:
      return finite(std::tan(toRad(x)));
    case Code::ISI: {
      auto r = arcSine(x);
      if (!r) return std::nullopt;
      return finite(fromRad(*r));
    }
    case Code::ICO: {
      auto r = arcSine(x);
      if (!r) return std::nullopt;
      return finite(fromRad(halfPi - *r));
    }
    case Code::ITA:
      return finite(fromRad(std::atan(x)));
    case Code::None:
      break;
  }
  return std::nullopt;
}

std::optional<double> operate(char op, double x, double y) {
  switch (op) {
    case '^':
      if (x < 0 && y != std::floor(y)) return std::nullopt;
      if (x == 0 && y < 0) return std::nullopt;  // a division by zero
      return finite(std::pow(x, y));
    case '/':
      if (y == 0) return std::nullopt;
      return finite(x / y);
    case '*':
      return finite(x * y);
    case '-':
      return finite(x - y);
    case '+':
      return finite(x + y);
  }
  return std::nullopt;
}

// Index of the first operator group " op " at or after `from`, or npos.
std::size_t findGroup(const std::string& t, char op, std::size_t from) {
  std::size_t k = from + 1;
  while ((k = t.find(op, k)) != std::string::npos) {
    if (t[k - 1] == ' ' && k + 1 < t.size() && t[k + 1] == ' ') return k - 1;
    ++k;
  }
  return std::string::npos;
}

}  // namespace

bool reduceFunctions(std::string& text, Counters& counters, Angle angle) {
  const bool radians = angle == Angle::Radians;
  std::size_t k = 1;  // the scan starts at the second position
  while (k < text.size() && counters.functions >= 1) {
    const Code code = codeAt(text, k);
    if (code != Code::None && k + 4 < text.size()) {
      const char a = text[k + 4];
      const char b = k + 5 < text.size() ? text[k + 5] : '\0';
      // A sign alone does not make a number: "-(" and "-SIN" wait.
      const bool number = isDigit(a) || a == '.' || (a == '-' && (isDigit(b) || b == '.'));
      if (number) {
        std::size_t end = text.find_first_of(") ", k + 4);
        if (end == std::string::npos) end = text.size();
        auto x = readNumber(std::string_view(text).substr(k + 4, end - (k + 4)));
        if (!x) return false;
        auto v = function(code, *x, radians);
        if (!v) return false;
        text.replace(k, end - k, num::numberText(*v));
        counters.functions = less1(counters.functions);
        // Rescanning from the start finds nothing new before this point:
        // a code there reads at most five characters ahead.
        k = std::max<std::size_t>(1, k >= 5 ? k - 5 : 1);
        continue;
      }
    }
    ++k;
  }
  return true;
}

bool reduceParentheses(std::string& text, Counters& counters) {
  while (counters.parentheses > 0) {
    const void* last = memrchr(text.data(), '(', text.size());
    if (last == nullptr) return true;
    const std::size_t open = static_cast<std::size_t>(static_cast<const char*>(last) - text.data());
    const std::size_t close = text.find(')', open);
    if (close == std::string::npos) return true;
    std::string inner = text.substr(open + 1, close - open - 1);
    // A function still inside must be applied first.
    if (std::any_of(inner.begin(), inner.end(), [](char c) { return c >= 'F' && c <= 'Y'; })) return true;
    normalise(inner);
    if (!reduceOperators(inner, counters)) return false;
    text.replace(open, close - open + 1, inner);
    counters.parentheses = less1(counters.parentheses);
    normalise(text);
  }
  return true;
}

bool reduceOperators(std::string& text, Counters& counters) {
  normalise(text);
  static const char kOrder[] = {'^', '/', '*', '-', '+'};
  // No step creates an operator group (a number text holds no space), so an
  // operator that no longer occurs stays absent, and the next occurrence of
  // the current one lies after the group just replaced.
  for (char op : kOrder) {
    std::size_t from = 0;
    std::size_t p;
    while ((p = findGroup(text, op, from)) != std::string::npos) {
      const std::size_t prevSpace = p == 0 ? std::string::npos : text.rfind(' ', p - 1);
      const std::size_t leftStart = prevSpace == std::string::npos ? 0 : prevSpace + 1;
      std::size_t rightEnd = text.find(' ', p + 3);
      if (rightEnd == std::string::npos) rightEnd = text.size();
      const std::string_view t(text);
      auto x = readNumber(t.substr(leftStart, p - leftStart));
      auto y = readNumber(t.substr(p + 3, rightEnd - (p + 3)));
      if (!x || !y) return false;
      auto v = operate(op, *x, *y);
      if (!v) return false;
      text.replace(leftStart, rightEnd - leftStart, num::numberText(*v));
      counters.operators = less1(counters.operators);
      if (counters.operators < 1) return true;
      from = leftStart;
    }
  }
  return true;
}

}  // namespace velmira::expr::detail
