// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number texts: the one place where numbers become texts and texts numbers.
//
// Three conventions, never mixed:
//  - user entries and table cells: format masks and comma-decimal reading;
//  - knob tags and counts in files: the plain conversion (" .3456", " 13");
//  - evaluator: the locale-independent number text (".5", "1E-05") and the
//    leading-number reading rule.
// All texts are UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace velmira::num {

// Significant digits a value carries before a mask is applied: a 64-bit
// value is first written with 15 significant digits, a 32-bit one with 7.
inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

// Renders `value` with a format mask: "0" mandatory digit, "#" optional digit,
// "." the decimal separator (written as ","), "E+00"/"E-00" a scientific
// exponent, a blank a literal blank written where it stands. The empty mask
// is the general number format. The last shown digit is rounded half away
// from zero on the decimal form of the value. Non-finite values give "".
std::string format(double value, std::string_view mask, int significant = kDoubleDigits);
inline std::string formatSingle(float value, std::string_view mask) {
  return format(static_cast<double>(value), mask, kSingleDigits);
}

// General number format with the comma: "0,01", "1E-05", "-2,5", "1,234568E+08".
std::string general(double value, int significant = kDoubleDigits);

// Comma-decimal reading of an entry or a cell. Blanks around and between the
// digits are ignored; the form is [sign] digits [',' digits] [E|D [sign] digits]
// with at least one digit in the mantissa. Anything else, or a value out of
// range of the target type, is unreadable (nullopt).
std::optional<double> readDouble(std::string_view text);
std::optional<float> readSingle(std::string_view text);

// The plain number-to-text conversion: "." separator, no zero before the
// point, a blank before a non-negative value, 15 significant digits,
// exponent form below 1E-04 or from 1E+15: " .3456", "-.5", " 0", " 13", " 1E-05".
// A 32-bit value is written with kSingleDigits (" .1", not " .100000001490116").
std::string plain(double value, int significant = kDoubleDigits);

// The locale-independent number text: `plain` without its blanks.
std::string numberText(double value, int significant = kDoubleDigits);

// The leading-number rule: leading blanks skipped; optional sign, digits, at
// most one ".", optional exponent introduced by "E" or "D" (either case) with
// optional sign; reading stops at the first character that does not fit.
// A text with no leading number reads as 0.
struct Leading {
  double value = 0;        // 0 when no number, or on overflow
  bool overflow = false;   // the number does not fit a 64-bit float
  std::size_t length = 0;  // characters consumed, leading blanks included
};
Leading leading(std::string_view text);
// Convenience: the value of the leading number, 0 on overflow.
double leadingValue(std::string_view text);

// Round half to even, as every computed coordinate and count is rounded.
double roundHalfEven(double value);

// Surrounding blanks (spaces) removed.
std::string trim(std::string_view text);

}  // namespace velmira::num
