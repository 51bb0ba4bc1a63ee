// normalise and decoupe: the canonical spaced form of an expression text.
#include <algorithm>
#include <string>
#include <vector>

#include "expr/Evaluator.h"

namespace velmira::expr {

namespace {

bool isSign(char c) { return c == '+' || c == '-'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Upper-cases ASCII letters and removes every space.
void upperNoSpaces(std::string& t) {
  std::size_t w = 0;
  for (char c : t) {
    if (c == ' ') continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    t[w++] = c;
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

}  // namespace

void normalise(std::string& text) {
  upperNoSpaces(text);
  while (sweep(text)) {
  }
  decoupe(text);
}

// Scans the padded text left to right. The part already scanned is `out`; the
// rest is kept reversed in `rest` so that rewriting its front is cheap.
void decoupe(std::string& text) {
  upperNoSpaces(text);
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  const std::size_t padded = text.size() + 2;
  const std::size_t bound = 3 * padded;

  std::string rest;
  rest.reserve(padded + 8);
  rest.push_back(' ');
  rest.append(text.rbegin(), text.rend());
  rest.push_back(' ');
  std::string out;
  out.reserve(padded * 3);

  auto at = [&rest](std::size_t k) -> char {
    return k < rest.size() ? rest[rest.size() - 1 - k] : '\0';
  };
  auto starts3 = [&](const char* s) { return at(0) == s[0] && at(1) == s[1] && at(2) == s[2]; };
  // Inserts a space after the first n characters of the rest.
  auto spaceAfter = [&rest](std::size_t n) { rest.insert(rest.size() - n, 1, ' '); };
  // Replaces the first n characters of the rest by s.
  auto replaceFront = [&rest](std::size_t n, const std::string& s) {
    rest.resize(rest.size() - std::min(n, rest.size()));
    rest.append(s.rbegin(), s.rend());
  };
  auto take = [&](std::size_t n) {
    for (std::size_t k = 0; k < n && !rest.empty(); ++k) {
      out.push_back(rest.back());
      rest.pop_back();
    }
  };

  std::size_t pos = 1;  // position of the front of `rest` in the text
  while (pos <= bound && !rest.empty()) {
    if (starts3("SQR") || starts3("LON")) spaceAfter(3);
    if (at(0) == 'L' && at(1) == 'N') replaceFront(2, "LON ");
    if (isSpacedCode(at(0), at(1), at(2))) spaceAfter(3);
    if (starts3("INV")) {
      // "I" + the next two characters + a space; the third one is dropped.
      std::string r = "I";
      for (std::size_t k = 3; k < 5 && k < rest.size(); ++k) r.push_back(at(k));
      r.push_back(' ');
      replaceFront(std::min<std::size_t>(6, rest.size()), r);
    }
    const char c = at(0);
    const char before = out.empty() ? '\0' : out.back();
    bool spaced = c == '^' || c == '*' || c == '/' ||
                  (c == '+' && before != 'E' && before != 'D') ||
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
  out.append(rest.rbegin(), rest.rend());
  text.swap(out);
}

}  // namespace velmira::expr
