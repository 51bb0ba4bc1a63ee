// evalue: the reduction loop, with the checking and counting passes.
#include "expr/Evaluator.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/core/NumberText.h"

namespace velmira::expr {

namespace {

constexpr int kMaxCycles = 100;

bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

bool isCode(const std::string& t, std::size_t k) {
  const char a = t[k], b = t[k + 1], c = t[k + 2];
  switch (a) {
    case 'S': return (b == 'Q' && c == 'R') || (b == 'I' && c == 'N');
    case 'E': return b == 'X' && c == 'P';
    case 'L': return b == 'O' && (c == 'N' || c == 'G');
    case 'C': return b == 'O' && c == 'S';
    case 'T': return b == 'A' && c == 'N';
    case 'I': return (b == 'S' && c == 'I') || (b == 'C' && c == 'O') || (b == 'T' && c == 'A');
  }
  return false;
}

}  // namespace

void verifie(const std::string& text, std::int16_t& err) {
  std::size_t open = 0, close = 0;
  for (char c : text) {
    if (c == '(') ++open;
    if (c == ')') ++close;
  }
  if (open != close) err = 2;
  for (std::size_t k = 0; k + 2 < text.size(); ++k) {
    const char c = text[k];
    if ((c == '*' || c == '/' || c == '^') && text[k + 2] == ' ') err = 3;
  }
}

bool compte(const std::string& text) {
  int par = 0, fonc = 0, op = 0;
  const std::size_t n = text.size();
  for (std::size_t k = 0; k < n; ++k) {
    if (text[k] == '(') ++par;
    if (k + 3 <= n) {
      if (text[k] == ' ' && isOperator(text[k + 1]) && text[k + 2] == ' ') ++op;
      if (isCode(text, k)) ++fonc;
    }
  }
  constexpr int kMax = std::numeric_limits<std::int16_t>::max();
  const bool fits = par <= kMax && fonc <= kMax && op <= kMax;
  nbpar = static_cast<std::int16_t>(std::min(par, kMax));
  nbfonc = static_cast<std::int16_t>(std::min(fonc, kMax));
  nbop = static_cast<std::int16_t>(std::min(op, kMax));
  return fits;
}

namespace {

void reduce(std::string& text, std::int16_t& err, std::int16_t angle) {
  normalise(text);
  verifie(text, err);
  if (err != 0) return;
  // A count beyond the 16-bit counters would wrap and fake a result.
  if (!compte(text)) {
    err = 2;
    return;
  }
  std::string saved;
  for (int cycle = 1;; ++cycle) {
    if (text == saved) normalise(text);
    saved = text;
    if (cycle > kMaxCycles) {
      err = 1;
      return;
    }
    // A pass abandoned on a fault leaves its step undone; the loop goes on
    // and the cycle limit ends it.
    if (nbfonc > 0) {
      calcfonc(text, angle);
      normalise(text);
    }
    if (nbpar > 0) calcpar(text, angle);
    compte(text);
    if (nbfonc >= 1 || nbpar >= 1) continue;
    if (nbop > 0) calcop(text);
    compte(text);
    if (nbop < 1) break;
  }
  text = num::trim(text);
  if (text.find(' ') != std::string::npos) err = 1;
}

}  // namespace

void evalue(std::string& text, std::int16_t& err, std::int16_t angle) noexcept {
  err = 0;
  try {
    reduce(text, err, angle);
  } catch (...) {  // only an allocation failure can get here
    err = 1;
  }
}

}  // namespace velmira::expr
