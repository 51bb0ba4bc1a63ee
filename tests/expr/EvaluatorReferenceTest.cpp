// SPDX-License-Identifier: GPL-3.0-or-later
// A deliberate second implementation of the evaluator, kept apart from it on
// purpose: do not share code with expr/ nor fold it into the evaluator.
// The evaluator against a deliberately plain transcription of the same rules:
// 1-based string positions, every rescan from the start, every rewrite by
// concatenation. The evaluator scans incrementally; both must agree on every
// text and code.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "expr/EvaluatorPasses.h"
#include "platform/core/NumberText.h"

namespace velmira::expr {
namespace {

namespace ref {

using S = std::string;
using L = long;  // 1-based positions

L len(const S& s) { return static_cast<L>(s.size()); }
S mid(const S& s, L start, L n = -1) {
  if (start < 1) start = 1;
  if (start > len(s)) return "";
  if (n < 0 || start - 1 + n > len(s)) n = len(s) - start + 1;
  return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(n));
}
S left(const S& s, L n) { return n <= 0 ? "" : s.substr(0, static_cast<std::size_t>(std::min(n, len(s)))); }
L inStr(L start, const S& s, const S& p) {
  if (start > len(s)) return 0;
  auto k = s.find(p, static_cast<std::size_t>(start - 1));
  return k == S::npos ? 0 : static_cast<L>(k) + 1;
}
bool digit(const S& c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; }

std::int16_t nbpar, nbfonc, nbop;
void dec(std::int16_t& n) { n = static_cast<std::int16_t>(n - 1); }

S upperNoSpaces(S t) {
  S r;
  for (char c : t)
    if (c != ' ') r += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  return r;
}

void decoupe(S& t) {
  t = upperNoSpaces(t);
  if (mid(t, 1, 1) == "+") t = mid(t, 2);
  t = " " + t + " ";
  const L bound = 3 * len(t);
  for (L i = 1; i <= bound; ++i) {
    if (mid(t, i, 3) == "SQR" || mid(t, i, 3) == "LON") t = left(t, i + 2) + " " + mid(t, i + 3);
    if (mid(t, i, 2) == "LN") t = left(t, i - 1) + "LON " + mid(t, i + 2);
    for (const char* c : {"SIN", "COS", "LOG", "TAN", "ISI", "EXP", "ITA", "ICO"})
      if (mid(t, i, 3) == c) t = left(t, i + 2) + " " + mid(t, i + 3);
    if (mid(t, i, 3) == "INV") t = left(t, i - 1) + "I" + mid(t, i + 3, 2) + " " + mid(t, i + 6);
    const S c = mid(t, i, 1), b = mid(t, i - 1, 1);
    if (c == "^" || c == "*" || c == "/") {
      t = left(t, i - 1) + " " + c + " " + mid(t, i + 1);
      ++i;
    } else if (c == "+" && b != "E" && b != "D") {
      t = left(t, i - 1) + " + " + mid(t, i + 1);
      ++i;
    } else if (c == "-" && b != "E" && b != "D" && b != "(" && b != " ") {
      t = left(t, i - 1) + " - " + mid(t, i + 1);
      ++i;
    }
  }
}

void normalise(S& t) {
  t = upperNoSpaces(t);
  S before;
  do {
    before = t;
    const L n = len(t);
    for (L i = 1; i <= n; ++i) {
      if (mid(t, i, 2) == "--") t = left(t, i - 1) + "+" + mid(t, i + 2);
      if (mid(t, i, 2) == "+-") t = left(t, i - 1) + "-" + mid(t, i + 2);
      if (mid(t, i, 2) == "-+") t = left(t, i - 1) + "-" + mid(t, i + 2);
      if (mid(t, i, 2) == "++") t = left(t, i - 1) + "+" + mid(t, i + 2);
    }
    if (mid(t, 1, 1) == "+") t = mid(t, 2);
    for (L i = 1; i <= len(t); ++i) {
      if (mid(t, i, 1) != "(") continue;
      S f = mid(t, i + 1, 1);
      if (!(digit(f) || f == "." || f == "+" || f == "-")) continue;
      L k = i + 2;
      while (digit(mid(t, k, 1)) || mid(t, k, 1) == ".") ++k;
      if (mid(t, k, 1) == ")") t = left(t, i - 1) + mid(t, i + 1, k - i - 1) + mid(t, k + 1);
    }
  } while (t != before);
  decoupe(t);
}

void verifie(const S& t, std::int16_t& err) {
  L o = 0, c = 0;
  for (L i = 1; i <= len(t); ++i) {
    if (mid(t, i, 1) == "(") ++o;
    if (mid(t, i, 1) == ")") ++c;
  }
  if (o != c) err = 2;
  for (L i = 1; i <= len(t); ++i) {
    S c1 = mid(t, i, 1);
    if ((c1 == "*" || c1 == "/" || c1 == "^") && mid(t, i + 2, 1) == " ") err = 3;
  }
}

const char* const kCodes[] = {"SQR", "EXP", "LON", "LOG", "SIN", "COS", "TAN", "ISI", "ICO", "ITA"};

void compte(const S& t) {
  int p = 0, f = 0, o = 0;
  for (L i = 1; i <= len(t); ++i) {
    if (mid(t, i, 1) == "(") ++p;
    for (const char* op : {" + ", " - ", " * ", " / ", " ^ "})
      if (mid(t, i, 3) == op) ++o;
    for (const char* c : kCodes)
      if (mid(t, i, 3) == c) ++f;
  }
  nbpar = static_cast<std::int16_t>(p);
  nbfonc = static_cast<std::int16_t>(f);
  nbop = static_cast<std::int16_t>(o);
}

struct Fault {};
double val(const S& s) {
  num::Leading l = num::leading(s);
  if (l.overflow) throw Fault{};
  return l.value;
}
double ok(double v) {
  if (!std::isfinite(v)) throw Fault{};
  return v;
}

double apply(const S& code, double x, bool rad) {
  const double pi = 4 * std::atan(1.0), pi2 = 2 * std::atan(1.0);
  auto asin = [&](double v) {
    if (v == 1) return pi2;
    if (v == -1) return -pi2;
    if (std::fabs(v) > 1) throw Fault{};
    return std::atan(v / std::sqrt(1 - v * v));
  };
  if (code == "SQR") return x < 0 ? throw Fault{} : std::sqrt(x);
  if (code == "EXP") return ok(std::exp(x));
  if (code == "LON") return x <= 0 ? throw Fault{} : ok(std::log(x));
  if (code == "LOG") return x <= 0 ? throw Fault{} : ok(std::log(x) / std::log(10.0));
  const double a = rad ? x : x * pi / 180;
  if (code == "SIN") return ok(std::sin(a));
  if (code == "COS") return ok(std::cos(a));
  if (code == "TAN") return ok(std::tan(a));
  double r = code == "ISI" ? asin(x) : code == "ICO" ? pi2 - asin(x) : std::atan(x);
  return ok(rad ? r : r * 180 / pi);
}

void calcfonc(S& t, std::int16_t angle) {
  L i = 2;
  while (!(i > len(t) || nbfonc < 1)) {
    S code = mid(t, i, 3);
    bool isCode = false;
    for (const char* c : kCodes) isCode = isCode || code == c;
    S a = mid(t, i + 4, 1), b = mid(t, i + 5, 1);
    if (isCode && (digit(a) || a == "." || (a == "-" && (digit(b) || b == ".")))) {
      L j = i + 4;
      while (j <= len(t) && mid(t, j, 1) != ")" && mid(t, j, 1) != " ") ++j;
      double v = apply(code, val(mid(t, i + 4, j - i - 4)), angle == 1);
      t = left(t, i - 1) + num::numberText(v) + mid(t, j);
      dec(nbfonc);
      i = 2;
      continue;
    }
    ++i;
  }
}

void calcop(S& t) {
  normalise(t);
  const char kOps[] = "^/*-+";
  int k = 0;
  while (k < 5) {
    const char op = kOps[k];
    L p = inStr(1, t, S{' ', op, ' '});
    if (p == 0) {
      ++k;
      continue;
    }
    L ls = p - 1;
    while (ls >= 1 && mid(t, ls, 1) != " ") --ls;
    L rs = inStr(p + 3, t, " ");
    if (rs == 0) rs = len(t) + 1;
    double x = val(mid(t, ls + 1, p - ls - 1)), y = val(mid(t, p + 3, rs - p - 3)), v = 0;
    if (op == '^') {
      if ((x < 0 && y != std::floor(y)) || (x == 0 && y < 0)) throw Fault{};
      v = ok(std::pow(x, y));
    } else if (op == '/') {
      if (y == 0) throw Fault{};
      v = ok(x / y);
    } else {
      v = ok(op == '*' ? x * y : op == '-' ? x - y : x + y);
    }
    t = left(t, ls) + num::numberText(v) + mid(t, rs);
    dec(nbop);
    if (nbop < 1) return;
    k = 0;
  }
}

void calcpar(S& t) {
  while (nbpar > 0) {
    L p = 0;
    for (L i = 1; i <= len(t); ++i)
      if (mid(t, i, 1) == "(") p = i;
    if (p == 0) return;
    L q = inStr(p, t, ")");
    if (q == 0) return;
    S inner = mid(t, p + 1, q - p - 1);
    for (char c : inner)
      if (c >= 'F' && c <= 'Y') return;
    normalise(inner);
    calcop(inner);
    t = left(t, p - 1) + inner + mid(t, q + 1);
    dec(nbpar);
    normalise(t);
  }
}

// A fault abandons the pass; the loop carries on with its next statement.
template <class F>
void pass(F f) {
  try {
    f();
  } catch (Fault&) {
  }
}

void evalue(S& t, std::int16_t& err, std::int16_t angle) {
  err = 0;
  normalise(t);
  verifie(t, err);
  if (err != 0) return;
  compte(t);
  S saved;
  for (int cycle = 1;; ++cycle) {
    if (t == saved) normalise(t);
    saved = t;
    if (cycle > 100) {
      err = 1;
      return;
    }
    if (nbfonc > 0) {
      pass([&] { calcfonc(t, angle); });
      normalise(t);
    }
    if (nbpar > 0) pass([&] { calcpar(t); });
    compte(t);
    if (nbfonc >= 1 || nbpar >= 1) continue;
    if (nbop > 0) pass([&] { calcop(t); });
    compte(t);
    if (nbop < 1) break;
  }
  t = num::trim(t);
  if (t.find(' ') != S::npos) err = 1;
}

}  // namespace ref

// Expressions as the calculator keys and pupils write them, with stray pieces.
std::string grammarExpression(std::mt19937& rng, int depth = 0) {
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static const char* const kFunctions[] = {"sin ",    "cos ",    "tan ",    "ln ", "log ", "exp ", "SQR ",
                                           "invSIN ", "invCOS ", "invTAN ", "sin", "LN",   "inv",  "x"};
  static const char* const kNumbers[] = {"0",
                                         "1",
                                         "2",
                                         "3",
                                         "10",
                                         "30",
                                         "45",
                                         "90",
                                         "180",
                                         ".5",
                                         "0.25",
                                         "1.5",
                                         "1000",
                                         "7",
                                         "1E-3",
                                         "2E+3",
                                         "4D2",
                                         "-1",
                                         "1E+12",
                                         "5E-9",
                                         "1.23E-02",
                                         "4.5E-01",
                                         "3.14159265358979",
                                         "1E308",
                                         "1E-310",
                                         "0.1"};
  static const char* const kOps[] = {" + ", " - ", " * ", " / ", " ^ ", "+", "-", "*", "/", "^", "--"};
  std::string s;
  const int terms = 1 + pick(3);
  for (int k = 0; k < terms; ++k) {
    if (k > 0) s += kOps[pick(11)];
    if (pick(6) == 0) s += "-";
    const int kind = depth > 3 ? 0 : pick(5);
    if (kind == 0 || kind == 1) {
      s += kNumbers[pick(26)];
    } else if (kind == 2) {
      s += "(" + grammarExpression(rng, depth + 1) + ")";
    } else if (kind == 3) {
      s += kFunctions[pick(14)];
      s += pick(2) ? "(" + grammarExpression(rng, depth + 1) + ")" : kNumbers[pick(26)];
    } else {
      s += kFunctions[pick(10)] + grammarExpression(rng, depth + 1);
    }
  }
  if (pick(25) == 0) s += kOps[pick(11)];
  if (pick(30) == 0) s.insert(static_cast<std::size_t>(pick(static_cast<int>(s.size()) + 1)), pick(2) ? "(" : ")");
  return s;
}

std::string charSoup(std::mt19937& rng) {
  static const std::string kAlphabet = "0123456789.+-*/^()  ESDINCOTALGXPQRVsinlog,";
  std::string s;
  const int n = static_cast<int>(rng() % 24);
  for (int k = 0; k < n; ++k) s += kAlphabet[rng() % kAlphabet.size()];
  return s;
}

void expectSame(const std::string& e, Angle angle) {
  std::string a = e, b = e;
  std::int16_t eb = -1;
  const int ea = errorCode(detail::reduceInPlace(a, angle));
  ref::evalue(b, eb, angle == Angle::Radians ? 1 : 0);
  ASSERT_EQ(ea, eb) << "[" << e << "]";
  ASSERT_EQ(a, b) << "[" << e << "]";
}

TEST(EvaluateReference, AgreesOnGrammarExpressions) {
  std::mt19937 rng(20261208);
  for (int n = 0; n < 2500; ++n) {
    std::string e = grammarExpression(rng);
    while (e.size() > 120) e = grammarExpression(rng);
    expectSame(e, n % 2 ? Angle::Radians : Angle::Degrees);
  }
}

TEST(EvaluateReference, AgreesOnCharacterSoup) {
  std::mt19937 rng(7);
  for (int n = 0; n < 4000; ++n) expectSame(charSoup(rng), n % 2 ? Angle::Radians : Angle::Degrees);
}

TEST(EvaluateReference, AgreesOnTheDocumentedCases) {
  for (const char* e :
       {"2+3*4",    "(2+3)*4",   "2^3^2",          "-2^2",        "2*-3", "5--3",      "8/2/2", "sin 30",
        "invSIN 1", "ln(12+13)", "sin -(10 + 20)", "sin -sin 30", "(2+3", "2*/3",      "1/0",   "SQR -1",
        "",         "X+1",       "2*+3",           "2 * - ^ 3",   "(-)",  "INV((2+3))"})
    for (Angle a : {Angle::Degrees, Angle::Radians}) expectSame(e, a);
}

}  // namespace
}  // namespace velmira::expr
