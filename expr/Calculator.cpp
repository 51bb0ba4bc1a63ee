// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/Calculator.h"

#include <cmath>

#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"

namespace velmira::expr {

namespace {

// Keys that append a fixed text, after the implicit product when `product`.
struct Append {
  Key key;
  bool product;
  std::string_view text;
};
constexpr Append kAppends[] = {
    {Key::Point, false, "."},         {Key::Exponent, false, "E"},       {Key::CloseParenthesis, false, ")"},
    {Key::Tera, false, "E+12"},       {Key::Giga, false, "E+9"},         {Key::Mega, false, "E+6"},
    {Key::Kilo, false, "E+3"},        {Key::Milli, false, "E-3"},        {Key::Micro, false, "E-6"},
    {Key::Nano, false, "E-9"},        {Key::Pico, false, "E-12"},        {Key::OpenParenthesis, true, "("},
    {Key::Sine, true, "sin "},        {Key::Cosine, true, "cos "},       {Key::Tangent, true, "tan "},
    {Key::ArcSine, true, "invSIN "},  {Key::ArcCosine, true, "invCOS "}, {Key::ArcTangent, true, "invTAN "},
    {Key::Exponential, true, "exp "}, {Key::NaturalLog, true, "ln "},    {Key::DecimalLog, true, "log "},
    {Key::SquareRoot, true, "SQR "},  {Key::PowerOfTen, true, "10 ^ "},  {Key::Reciprocal, true, "1 / "},
    {Key::Column1, true, "C1"},       {Key::Column2, true, "C2"},        {Key::Column3, true, "C3"},
    {Key::Column4, true, "C4"},       {Key::Column5, true, "C5"},
};

const Append* findAppend(Key key) {
  for (const Append& a : kAppends)
    if (a.key == key) return &a;
  return nullptr;
}

bool isOperatorChar(char c) { return c == '*' || c == '+' || c == '/' || c == '-' || c == '^'; }

}  // namespace

std::optional<double> resultValue(std::string_view text) {
  const num::Leading l = num::leading(text);
  if (l.overflow) return std::nullopt;
  return l.value;
}

std::string scientificText(double value) {
  std::string s = num::format(value, "#.#######E+00");
  if (const auto comma = s.find(','); comma != std::string::npos) s[comma] = '.';
  return s;
}

std::string displayText(double value, bool scientific) {
  return scientific ? scientificText(value) : num::plain(value);
}

Evaluation evaluateForDisplay(std::string expression, Angle angle, bool scientific) {
  const Result result = evaluate(std::move(expression), angle);
  if (const std::optional<Error> error = result.error()) {
    switch (*error) {
      case Error::Parentheses:
        return {error, std::string(kErreurParentheses)};
      case Error::Operators:
        return {error, std::string(kErreurOperateurs)};
      default:
        return {error, std::string(kCalculImpossible)};
    }
  }
  const std::optional<double> value = resultValue(result.text());
  if (!value) return {Error::Overflow, std::string(kDepassement)};
  return {std::nullopt, displayText(*value, scientific)};
}

std::optional<Key> keyForCharacter(char32_t c) {
  if (c >= U'0' && c <= U'9') return digitKey(static_cast<int>(c - U'0'));
  switch (c) {
    case U'.':
    case U',':
      return Key::Point;
    case U'e':
    case U'E':
    case U'd':
    case U'D':
      return Key::Exponent;
    case U'(':
      return Key::OpenParenthesis;
    case U')':
      return Key::CloseParenthesis;
    case U'*':
      return Key::Times;
    case U'+':
      return Key::Plus;
    case U'-':
      return Key::Minus;
    case U'/':
      return Key::Divide;
    case U'^':
      return Key::Power;
    case U'\b':
      return Key::Backspace;
    case U'\r':
    case U'\n':
      return Key::Execute;
    default:
      return std::nullopt;
  }
}

std::optional<Key> TypedKeys::take(char32_t c) {
  const bool column = afterColumnLetter_;
  afterColumnLetter_ = c == U'C' || c == U'c';
  if (afterColumnLetter_) return std::nullopt;
  if (column && c >= U'1' && c <= U'5') return columnKey(static_cast<int>(c - U'1'));
  return keyForCharacter(c);
}

void Calculator::load(std::string expression) {
  expression_ = std::move(expression);
  display_ = expression_;
}

void Calculator::append(std::string_view text, bool implicitProduct) {
  if (implicitProduct && !expression_.empty()) {
    const char last = expression_.back();
    if (last != ' ' && last != '(' && last != '-') expression_ += " * ";
  }
  expression_ += text;
}

void Calculator::appendAnswer() {
  if (!lastError_) expression_ += num::trim(answer_);
}

void Calculator::binaryOperator(std::string_view group) {
  if (expression_.empty()) appendAnswer();
  if (group == " + " && !expression_.empty() && expression_.back() == 'E')
    expression_ += '+';
  else
    expression_ += group;
}

void Calculator::minus() {
  const char last = expression_.empty() ? ' ' : expression_.back();
  if (last == '(' || last == ' ' || last == 'E')
    expression_ += '-';
  else if (last == '-')
    expression_ += " -";
  else
    expression_ += " - ";
}

void Calculator::backspace() {
  const std::size_t n = expression_.size();
  if (expression_.back() != ' ') {
    expression_.pop_back();
  } else if (n >= 2 && isOperatorChar(expression_[n - 2])) {
    expression_.resize(n >= 3 ? n - 3 : 0);
  } else {
    // A function word and its space: back to the previous space or "(".
    const std::size_t before = n >= 2 ? expression_.find_last_of(" (", n - 2) : std::string::npos;
    expression_.resize(before == std::string::npos ? 0 : before + 1);
  }
}

bool Calculator::addToMemory(double sign) {
  const num::Leading shown = num::leading(display_);
  const double sum = memory_ + sign * shown.value;
  if (shown.overflow || !std::isfinite(sum)) return false;  // memory kept
  memory_ = sum;
  return true;
}

bool Calculator::execute() {
  const std::string typed = expression_;
  Evaluation e = evaluateForDisplay(expression_, angle_, scientific_);
  lastError_ = e.error;
  answer_ = e.text;
  display_ = std::move(e.text);
  expression_ = lastError_ ? typed : std::string();
  return !lastError_;
}

bool Calculator::press(Key key) {
  const int k = static_cast<int>(key);
  if (k >= static_cast<int>(Key::Digit0) && k <= static_cast<int>(Key::Digit9)) {
    expression_ += static_cast<char>('0' + k - static_cast<int>(Key::Digit0));
  } else if (const Append* a = findAppend(key)) {
    append(a->text, a->product);
  } else {
    switch (key) {
      case Key::Pi:
        append(num::numberText(4 * std::atan(1.0)), true);
        break;
      case Key::Plus:
      case Key::Times:
      case Key::Divide:
      case Key::Power:
        if (num::trim(display_).empty()) return true;
        binaryOperator(key == Key::Plus ? " + " : key == Key::Times ? " * " : key == Key::Divide ? " / " : " ^ ");
        break;
      case Key::Minus:
        minus();
        break;
      case Key::Square:
        if (num::trim(expression_).empty()) appendAnswer();
        expression_ += " ^ 2";
        break;
      case Key::Answer:
        if (lastError_) return true;
        appendAnswer();
        break;
      case Key::Backspace:
        if (expression_.empty()) return true;
        backspace();
        break;
      case Key::ClearAll:
        expression_.clear();
        break;
      case Key::Execute:
        return execute();
      case Key::MemoryAdd:
        return addToMemory(1);
      case Key::MemorySubtract:
        return addToMemory(-1);
      case Key::MemoryRecall:
        expression_ += scientific_ ? scientificText(memory_) : num::numberText(memory_);
        break;
      case Key::MemoryClear:
        memory_ = 0;
        return true;
      default:
        return true;
    }
  }
  display_ = expression_;
  return true;
}

void Calculator::setScientific(bool scientific) {
  scientific_ = scientific;
  if (!expression_.empty() || lastError_ || answer_.empty() || num::trim(display_).empty()) return;
  if (const std::optional<double> value = resultValue(answer_)) display_ = displayText(*value, scientific_);
}

}  // namespace velmira::expr
