// SPDX-License-Identifier: GPL-3.0-or-later
// normalise and splitTokens: the canonical spaced form of an expression text.
#include <algorithm>
#include <string>
#include <vector>

#include "expr/EvaluatorPasses.h"

namespace velmira::expr::detail {

namespace {

bool isSign(char c) { return c == '+' || c == '-'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Upper-cases ASCII letters and removes every space.
struct UpperTable {
  char upper[256];
  UpperTable() {
    for (int c = 0; c < 256; ++c) upper[c] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
};
const UpperTable kUpper;

void upperNoSpaces(std::string& t) {
  std::size_t w = 0;
  for (char c : t) {
    t[w] = kUpper.upper[static_cast<unsigned char>(c)];
    w += c != ' ';
  }
  t.resize(w);
}

// "(" followed by a lone number (a digit, "." or sign, then digits or ".")
// up to the end of `o`.
bool loneNumberAfter(const std::string& o, std::size_t open) {
  std::size_t k = open + 1;
  if (k >= o.size()) return false;
  char c = o[k];
  if (!isDigit(c) && c != '.' && !isSign(c)) return false;
  for (++k; k < o.size(); ++k)
    if (!isDigit(o[k]) && o[k] != '.') return false;
  return true;
}

// One sweep: folds sign pairs ("--" "+", "+-" "-", "-+" "-", "++" "+"),
// removes the parentheses around lone numbers, then drops a leading "+".
// Every step is one of the sweep's rewrites; the system has a single normal
// form, so repeating this until it changes nothing reaches it.
bool sweep(std::string& t) {
  std::string o;
  o.reserve(t.size());
  std::vector<std::size_t> opens;
  auto pushSign = [&o](char c) {
    if (!o.empty() && isSign(o.back()))
      o.back() = o.back() == c ? '+' : '-';
    else
      o.push_back(c);
  };
  for (char c : t) {
    if (isSign(c)) {
      pushSign(c);
    } else if (c == '(') {
      opens.push_back(o.size());
      o.push_back(c);
    } else if (c == ')') {
      if (!opens.empty()) {
        std::size_t q = opens.back();
        opens.pop_back();
        if (loneNumberAfter(o, q)) {
          o.erase(q, 1);
          // The number's sign may now follow another sign.
          if (q >= 1 && isSign(o[q - 1]) && isSign(o[q])) {
            o[q - 1] = o[q - 1] == o[q] ? '+' : '-';
            o.erase(q, 1);
          }
          continue;
        }
      }
      o.push_back(c);
    } else {
      o.push_back(c);
    }
  }
  if (!o.empty() && o[0] == '+') o.erase(0, 1);
  bool changed = o != t;
  t.swap(o);
  return changed;
}

bool isSpacedCode(char a, char b, char c) {
  static const char* const kCodes[] = {"SIN", "COS", "LOG", "TAN", "ISI", "EXP", "ITA", "ICO"};
  for (const char* k : kCodes)
    if (a == k[0] && b == k[1] && c == k[2]) return true;
  return false;
}

void tokenise(std::string& text);

// True when no sweep rewrite applies: no sign pair, no leading "+", no "("
// followed by a lone number and ")".
bool isNormal(const std::string& t) {
  if (!t.empty() && t[0] == '+') return false;
  const std::size_t n = t.size();
  for (std::size_t k = 0; k < n; ++k) {
    const char c = t[k];
    if (isSign(c) && k + 1 < n && isSign(t[k + 1])) return false;
    if (c == '(' && k + 1 < n) {
      const char f = t[k + 1];
      if (!isDigit(f) && f != '.' && !isSign(f)) continue;
      std::size_t j = k + 2;
      while (j < n && (isDigit(t[j]) || t[j] == '.')) ++j;
      if (j < n && t[j] == ')') return false;
    }
  }
  return true;
}

}  // namespace

void normalise(std::string& text) {
  upperNoSpaces(text);
  while (!isNormal(text) && sweep(text)) {
  }
  tokenise(text);
}

namespace {

// Characters at which no rule of splitTokens can apply.
struct InertTable {
  bool inert[256];
  InertTable() {
    for (int c = 0; c < 256; ++c) inert[c] = true;
    for (unsigned char c : std::string("SLCTIE^*/+-")) inert[c] = false;
  }
};
const InertTable kInert;

}  // namespace

void splitTokens(std::string& text) {
  upperNoSpaces(text);
  tokenise(text);
}

namespace {

// splitTokens on an upper-cased text without spaces. Scans the padded text left
// to right. The part already scanned is `out`; the rest is `pend` (rewritten
// characters, short) followed by src[si..].
void tokenise(std::string& text) {
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  const std::string src = " " + text + " ";
  const std::size_t bound = 3 * src.size();
  std::size_t si = 0;
  std::string pend;
  // Written through `w`: every character becomes at most three.
  std::string out(3 * src.size() + 8, '\0');
  std::size_t w = 0;
  auto put = [&](char c) {
    if (w == out.size()) out.resize(2 * out.size());
    out[w++] = c;
  };

  auto restSize = [&] { return pend.size() + (src.size() - si); };
  auto at = [&](std::size_t k) -> char {
    if (k < pend.size()) return pend[k];
    k = si + (k - pend.size());
    return k < src.size() ? src[k] : '\0';
  };
  // Moves characters of src into pend until it holds n (or src runs out).
  auto ensure = [&](std::size_t n) {
    while (pend.size() < n && si < src.size()) pend.push_back(src[si++]);
  };
  auto starts3 = [&](const char* s) { return at(0) == s[0] && at(1) == s[1] && at(2) == s[2]; };
  auto spaceAfter = [&](std::size_t n) {
    ensure(n);
    pend.insert(n, 1, ' ');
  };
  auto replaceFront = [&](std::size_t n, const std::string& r) {
    ensure(n);
    pend.replace(0, std::min(n, pend.size()), r);
  };
  auto take = [&](std::size_t n) {
    const std::size_t fromPend = std::min(n, pend.size());
    for (std::size_t k = 0; k < fromPend; ++k) put(pend[k]);
    pend.erase(0, fromPend);
    const std::size_t fromSrc = std::min(n - fromPend, src.size() - si);
    for (std::size_t k = 0; k < fromSrc; ++k) put(src[si + k]);
    si += fromSrc;
  };

  std::size_t pos = 1;  // position of the front of the rest in the text
  while (pos <= bound && restSize() > 0) {
    if (pend.empty()) {
      // Characters at which no rule applies are copied, operators spaced
      // (their trailing space then triggers nothing), until a letter that
      // may start a function code.
      bool letter = false;
      while (si < src.size() && pos <= bound) {
        const char c = src[si];
        if (kInert.inert[static_cast<unsigned char>(c)]) {
          put(c);
          ++si;
          ++pos;
          continue;
        }
        const char before = w == 0 ? '\0' : out[w - 1];
        if (c == '^' || c == '*' || c == '/' || (c == '+' && before != 'E' && before != 'D') ||
            (c == '-' && before != 'E' && before != 'D' && before != '(' && before != ' ')) {
          put(' ');
          put(c);
          put(' ');
          ++si;
          pos += 3;
          continue;
        }
        letter = true;
        break;
      }
      if (!letter) continue;
    }
    const char first = at(0);
    if (first == 'S' || first == 'L' || first == 'C' || first == 'T' || first == 'I' || first == 'E') {
      if (starts3("SQR") || starts3("LON")) spaceAfter(3);
      if (at(0) == 'L' && at(1) == 'N') replaceFront(2, "LON ");
      if (isSpacedCode(at(0), at(1), at(2))) spaceAfter(3);
      if (starts3("INV")) {
        // "I" + the next two characters + a space; the third one is dropped.
        std::string r = "I";
        for (std::size_t k = 3; k < 5 && k < restSize(); ++k) r.push_back(at(k));
        r.push_back(' ');
        replaceFront(std::min<std::size_t>(6, restSize()), r);
      }
    }
    const char c = at(0);
    const char before = w == 0 ? '\0' : out[w - 1];
    bool spaced = c == '^' || c == '*' || c == '/' || (c == '+' && before != 'E' && before != 'D') ||
                  (c == '-' && before != 'E' && before != 'D' && before != '(' && before != ' ');
    if (spaced) {
      replaceFront(1, std::string{' ', c, ' '});
      take(2);  // the operator is not looked at again
      pos += 2;
    } else {
      take(1);
      pos += 1;
    }
  }
  take(restSize());
  out.resize(w);
  text.swap(out);
}

}  // namespace
}  // namespace velmira::expr::detail
