#pragma once
// The text-rewriting expression evaluator of the calculator and of the column
// formulas. It reduces the text in place, innermost piece first, writing every
// intermediate value back as a number text (velmira::num::numberText) and
// reading it again with the leading-number rule.
//
// Error codes: 0 success (text = result), 1 the expression cannot be reduced
// (cycle limit, leftover space, arithmetic fault), 2 parentheses do not
// balance (also reported when a text holds more parentheses, functions or
// operators than the 16-bit counters hold), 3 an operator * / ^ followed by
// another operator.
#include <cstdint>
#include <string>

namespace velmira::expr {

// Angle modes.
inline constexpr std::int16_t kDegres = 0;
inline constexpr std::int16_t kRadians = 1;

// Reduces `text` to a number text. On return err == 0 and text holds the
// result, or err != 0 and text holds a partly rewritten expression. Never
// throws; always returns in a bounded number of cycles.
void evalue(std::string& text, std::int16_t& err, std::int16_t angle) noexcept;

// Counters shared by the passes: "(" count, function codes, binary operator
// groups. Set by `compte`, decremented by the reducing passes. One set per
// thread.
inline thread_local std::int16_t nbpar = 0;
inline thread_local std::int16_t nbfonc = 0;
inline thread_local std::int16_t nbop = 0;

// The passes, exposed for tests. Each rewrites `text` in place.
void normalise(std::string& text);       // signs, lone-number parentheses, then decoupe
void decoupe(std::string& text);         // spaced form: " 2 * SIN 30 "
void verifie(const std::string& text, std::int16_t& err);
// Sets the counters; false when a count does not fit its 16 bits (the
// counter then holds the largest value).
bool compte(const std::string& text);
// The reducing passes return false when an arithmetic fault abandoned them;
// the text then holds what it held before the failing step.
bool calcfonc(std::string& text, std::int16_t angle);
bool calcpar(std::string& text, std::int16_t angle);
bool calcop(std::string& text);

}  // namespace velmira::expr
