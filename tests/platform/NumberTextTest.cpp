// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: masks, general format, comma-decimal reading, plain text,
// leading-number rule, rounding and trimming.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "platform/core/NumberText.h"

namespace num = velmira::num;

namespace {

const char* const kThousands = "# ##0.0##";
const char* const kEntry = "###0.0## ### #";
const char* const kVolume = "###0.0#";
const char* const kSortMask = "#############################0.##############################";
const char* const kCalculator = "#.#######E+00";

std::string fmt(double v, const char* mask) { return num::format(v, mask); }

}  // namespace

// ---- format: integer parts and literal blanks ----

TEST(FormatInteger, BlankLiteralStandsWhereItIsEvenWithoutDigitBefore) {
  EXPECT_EQ(fmt(800, "## ##0"), " 800");
  EXPECT_EQ(fmt(1200, "## ##0"), "1 200");
  EXPECT_EQ(fmt(12345, "## ##0"), "12 345");
  EXPECT_EQ(fmt(0, "## ##0"), " 0");
  EXPECT_EQ(fmt(7, "## ##0"), " 7");
}

TEST(FormatInteger, SurplusDigitsGoBeforeTheFirstPlaceholder) {
  EXPECT_EQ(fmt(1234567, "## ##0"), "1234 567");
  EXPECT_EQ(fmt(123456, "## ##0"), "123 456");
  EXPECT_EQ(fmt(12345, "0"), "12345");
  EXPECT_EQ(fmt(42, "x0"), "x42");
}

TEST(FormatInteger, GeneratorDisplayText) {
  EXPECT_EQ("ƒ = " + fmt(800, "## ##0") + " Hz", "ƒ =  800 Hz");
  EXPECT_EQ("ƒ = " + fmt(1200, "## ##0") + " Hz", "ƒ = 1 200 Hz");
}

TEST(FormatInteger, ZerosForceLeadingDigits) {
  EXPECT_EQ(fmt(3, "0"), "3");
  EXPECT_EQ(fmt(3, "000"), "003");
  EXPECT_EQ(fmt(5, "#0#"), "05");
  EXPECT_EQ(fmt(0.4, "#"), "");  // no digit placeholder forced, rounds to 0
  EXPECT_EQ(fmt(0.6, "#"), "1");
}

TEST(FormatInteger, RoundsHalfAwayFromZero) {
  EXPECT_EQ(fmt(2.5, "0"), "3");
  EXPECT_EQ(fmt(3.5, "0"), "4");
  EXPECT_EQ(fmt(-2.5, "0"), "-3");
  EXPECT_EQ(fmt(2.4999, "0"), "2");
  EXPECT_EQ(fmt(999.5, "## ##0"), "1 000");
}

TEST(FormatInteger, HugeValuesWriteEveryDigit) {
  const std::string s = fmt(1e300, kThousands);
  ASSERT_EQ(s.size(), 301u + 1u + 2u);  // digits, one blank, ",0"
  EXPECT_EQ(s.substr(0, 16), "1000000000000000");
  EXPECT_EQ(s.substr(s.size() - 9), "000 000,0");
  // The largest double: 15 digits rounded up would pass it, so they are cut.
  const std::string m = fmt(-std::numeric_limits<double>::max(), kThousands);
  EXPECT_EQ(m.substr(0, 17), "-1797693134862310");
  auto back = num::readDouble(m);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, -1.79769313486231e308);
  EXPECT_EQ(num::general(std::numeric_limits<double>::max()), "1,79769313486231E+308");
}

// ---- format: decimals ----

TEST(FormatDecimals, ConductimeterMask) {
  EXPECT_EQ(fmt(298, kThousands), " 298,0");
  EXPECT_EQ(num::trim(fmt(298, kThousands)), "298,0");
  EXPECT_EQ(fmt(0.4118 * 1000, kThousands), " 411,8");
  EXPECT_EQ(num::trim(fmt(0.411 * 1000, kThousands)), "411,0");
  EXPECT_EQ(num::trim(fmt(0.411, kThousands)), "0,411");
  EXPECT_EQ(fmt(0, kThousands), " 0,0");
  EXPECT_EQ(fmt(0.00004, kThousands), " 0,0");
  EXPECT_EQ(fmt(0.00005, kThousands), " 0,0");
  EXPECT_EQ(fmt(0.0005, kThousands), " 0,001");
  EXPECT_EQ(fmt(1234.5678, kThousands), "1 234,568");
  EXPECT_EQ(fmt(12.34, kThousands), " 12,34");
}

TEST(FormatDecimals, MetersMasks) {
  EXPECT_EQ(fmt(0.000598, "0.000"), "0,001");
  EXPECT_EQ(fmt(0.598, "##0.0"), "0,6");
  EXPECT_EQ(fmt(200, "##0.0"), "200,0");
  EXPECT_EQ(fmt(0.2, "#0.00"), "0,20");
  EXPECT_EQ(fmt(0.2, "0.000"), "0,200");
  EXPECT_EQ(fmt(12.3456, "#0.00"), "12,35");
}

TEST(FormatDecimals, EntryMaskGroupsDecimalsWithoutTrailingBlanks) {
  EXPECT_EQ(num::trim(fmt(0.00001, kEntry)), "0,000 01");
  EXPECT_EQ(num::trim(fmt(0.05, kEntry)), "0,05");
  EXPECT_EQ(num::trim(fmt(0.01, kEntry)), "0,01");
  EXPECT_EQ(num::trim(fmt(1, kEntry)), "1,0");
  EXPECT_EQ(num::trim(fmt(0.5, kEntry)), "0,5");
  EXPECT_EQ(num::trim(fmt(0.1234567, kEntry)), "0,123 456 7");
  EXPECT_EQ(num::trim(fmt(0.123, kEntry)), "0,123");
  EXPECT_EQ(num::trim(fmt(0.1234, kEntry)), "0,123 4");
  EXPECT_EQ(num::trim(fmt(0.123456, kEntry)), "0,123 456");
  EXPECT_EQ(num::trim(fmt(0.12345678, kEntry)), "0,123 456 8");
  EXPECT_EQ(fmt(0.1, kEntry), "0,1");  // "###0": no blank before the digits
}

TEST(FormatDecimals, VolumeMask) {
  EXPECT_EQ(fmt(50, kVolume), "50,0");
  EXPECT_EQ(fmt(12.25, kVolume), "12,25");
  EXPECT_EQ(fmt(12.255, kVolume), "12,26");
  EXPECT_EQ(fmt(0, kVolume), "0,0");
}

TEST(FormatDecimals, RoundsTheDecimalFormHalfAwayFromZero) {
  EXPECT_EQ(fmt(1.005, "0.00"), "1,01");  // 1.00499999999999989... in binary
  EXPECT_EQ(fmt(0.125, "0.00"), "0,13");
  EXPECT_EQ(fmt(-0.125, "0.00"), "-0,13");
  EXPECT_EQ(fmt(2.675, "0.00"), "2,68");
  EXPECT_EQ(fmt(0.0049, "0.00"), "0,00");
}

TEST(FormatDecimals, CarryCreatesANewIntegerDigit) {
  EXPECT_EQ(fmt(9.9996, "0.000"), "10,000");
  EXPECT_EQ(fmt(99.96, "##0.0"), "100,0");
  EXPECT_EQ(fmt(999.9999, kThousands), "1 000,0");
  EXPECT_EQ(fmt(0.96, "#.0"), "1,0");
}

TEST(FormatDecimals, NegativeSignAndNoNegativeZero) {
  EXPECT_EQ(fmt(-32135.35, "########0.00"), "-32135,35");
  EXPECT_EQ(fmt(-0.001, "0.00"), "0,00");
  EXPECT_EQ(fmt(-0.0, "0.00"), "0,00");
  EXPECT_EQ(fmt(-0.004, "###0.0#"), "0,0");
  EXPECT_EQ(fmt(-0.4, "0"), "0");
  EXPECT_EQ(fmt(-0.006, "0.00"), "-0,01");
  EXPECT_EQ(fmt(-800, "## ##0"), "- 800");  // before the first written character
  EXPECT_EQ(fmt(-1200, "## ##0"), "-1 200");
}

TEST(FormatDecimals, TableStandardMasks) {
  EXPECT_EQ(fmt(-32135.35, "########0.00"), "-32135,35");
  EXPECT_EQ(fmt(0.0258, "########0.00"), "0,03");
  EXPECT_EQ(fmt(-32135.35, "########0.000"), "-32135,350");
  EXPECT_EQ(fmt(0.0258, "########0.000"), "0,026");
  EXPECT_EQ(num::formatSingle(12.5f, "########0.00"), "12,50");
}

TEST(FormatDecimals, SortMaskWritesPlainDecimals) {
  EXPECT_EQ(fmt(1e-20, kSortMask), "0,00000000000000000001");
  EXPECT_EQ(fmt(12.5, kSortMask), "12,5");
  EXPECT_EQ(fmt(-0.25, kSortMask), "-0,25");
  EXPECT_EQ(fmt(1e-31, kSortMask), "0,");  // below the last decimal
  EXPECT_EQ(num::formatSingle(1e20f, kSortMask), "100000000000000000000,");
  EXPECT_EQ(num::formatSingle(0.1f, kSortMask), "0,1");
}

TEST(FormatDecimals, SeparatorKeptWithOptionalDecimalsOnly) {
  EXPECT_EQ(fmt(10, kSortMask), "10,");
  EXPECT_EQ(fmt(0, kSortMask), "0,");
  EXPECT_EQ(fmt(0.5, "#.##"), ",5");
  EXPECT_EQ(fmt(10, "#.##"), "10,");
  for (const char* t : {"10,", "0,", ",5"}) EXPECT_TRUE(num::readDouble(t).has_value()) << t;
  EXPECT_EQ(*num::readDouble("10,"), 10);
}

TEST(FormatDecimals, LiteralsAfterTheLastPlaceholderAreAlwaysWritten) {
  EXPECT_EQ(fmt(1.5, "0.00 V"), "1,50 V");
  EXPECT_EQ(fmt(1.5, "0.## V"), "1,5 V");
  EXPECT_EQ(fmt(2, "0.## V"), "2, V");
  EXPECT_EQ(fmt(2, "0 \"Hz\""), "2 Hz");
  EXPECT_EQ(fmt(2, "0\\#"), "2#");
}

TEST(FormatDecimals, CommaAndSectionsNeverMisplaceDigits) {
  EXPECT_EQ(fmt(1.5, "0,00"), "002");
  EXPECT_EQ(fmt(1234.5, "#,##0.00"), "1234,50");
  EXPECT_EQ(fmt(-1.5, "0.00;(0.00)"), "-1,50");
  EXPECT_EQ(fmt(1.5, "0.00;;"), "1,50");
  EXPECT_EQ(fmt(1.5, ";0.00"), "1,5");  // empty first section: general format
}

TEST(FormatDecimals, NoIntegerPlaceholder) {
  EXPECT_EQ(fmt(12.5, ".00"), "12,50");
  EXPECT_EQ(fmt(0.5, ".00"), ",50");
}

TEST(FormatDecimals, SignificantDigitsComeFirst) {
  // 15 digits for a double: the digits beyond are zeros.
  EXPECT_EQ(fmt(0.1, "0.00000000000000000000"), "0,10000000000000000000");
  EXPECT_EQ(fmt(1.0 / 3, "0.000000000000000000"), "0,333333333333333000");
  // 7 for a float: 0.1f is 0.100000001490116...
  EXPECT_EQ(num::formatSingle(0.1f, "0.0000000000"), "0,1000000000");
  EXPECT_EQ(num::format(0.1f, "0.0000000000"), "0,1000000015");
  EXPECT_EQ(num::format(2.0 / 3, "0.0000", 3), "0,6670");
  // 0.0001245 as a double is slightly below; at 15 digits it is the exact half.
  EXPECT_EQ(fmt(0.0001245, "0.000000"), "0,000125");
}

// ---- format: exponent form ----

TEST(FormatScientific, TableMasks) {
  EXPECT_EQ(fmt(0.0123, "0.00E+00"), "1,23E-02");
  EXPECT_EQ(fmt(1.5, "0.00E+00"), "1,50E+00");
  EXPECT_EQ(fmt(0.001, "0.00E+00"), "1,00E-03");
  EXPECT_EQ(fmt(0, "0.00E+00"), "0,00E+00");
  EXPECT_EQ(fmt(-0.0, "0.00E+00"), "0,00E+00");
  EXPECT_EQ(fmt(-32135.35, "0.00E+00"), "-3,21E+04");
  EXPECT_EQ(fmt(-32135.35, "0.000E+00"), "-3,214E+04");
  EXPECT_EQ(fmt(0.0258, "0.000E+00"), "2,580E-02");
  EXPECT_EQ(fmt(2.5, "0.00E+00"), "2,50E+00");
  EXPECT_EQ(num::formatSingle(5.0f, "0.00E+00"), "5,00E+00");
}

TEST(FormatScientific, FormatDialogExamplesThroughSinglePrecision) {
  struct Case {
    const char* mask;
    const char* negative;
    const char* small;
  } cases[] = {{"########0.00", "-32135,35", "0,03"},
               {"########0.000", "-32135,350", "0,026"},
               {"", "-32135,35", "0,0258"},
               {"0.00E+00", "-3,21E+04", "2,58E-02"},
               {"0.000E+00", "-3,214E+04", "2,580E-02"}};
  for (const Case& c : cases) {
    EXPECT_EQ(num::formatSingle(-32135.35f, c.mask), c.negative) << c.mask;
    EXPECT_EQ(num::formatSingle(0.0258f, c.mask), c.small) << c.mask;
  }
}

TEST(FormatScientific, CarryIntoTheExponent) {
  EXPECT_EQ(fmt(9.996, "0.00E+00"), "1,00E+01");
  EXPECT_EQ(fmt(9.995, "0.00E+00"), "1,00E+01");
  EXPECT_EQ(fmt(0.09999, "0.00E+00"), "1,00E-01");
  EXPECT_EQ(fmt(-9.9999e-10, "0.000E+00"), "-1,000E-09");
  EXPECT_EQ(fmt(1.2345, "0.00E+00"), "1,23E+00");
  EXPECT_EQ(fmt(1.235, "0.00E+00"), "1,24E+00");
}

TEST(FormatScientific, ExponentDigitsAndSign) {
  EXPECT_EQ(fmt(1e100, "0.00E+00"), "1,00E+100");
  EXPECT_EQ(fmt(1e-300, "0.00E+00"), "1,00E-300");
  EXPECT_EQ(fmt(5e-324, "0.00E+00"), "4,94E-324");
  EXPECT_EQ(fmt(1500, "0.0E-00"), "1,5E03");
  EXPECT_EQ(fmt(0.0015, "0.0E-00"), "1,5E-03");
  EXPECT_EQ(fmt(1500, "0.0E+0"), "1,5E+3");
  EXPECT_EQ(fmt(1500, "0.0e+000"), "1,5e+003");
  EXPECT_EQ(fmt(1500, "00.0E+00"), "15,0E+02");
  EXPECT_EQ(fmt(0.5, ".00E+00"), ",50E+00");
}

TEST(FormatScientific, CalculatorMask) {
  EXPECT_EQ(fmt(1.0 / 3, kCalculator), "3,3333333E-01");
  EXPECT_EQ(fmt(-2.0 / 3, kCalculator), "-6,6666667E-01");
  EXPECT_EQ(fmt(123456789, kCalculator), "1,2345679E+08");
  EXPECT_EQ(fmt(0.5, kCalculator), "5,E-01");  // optional decimals drop their zeros
  EXPECT_EQ(fmt(1.25, kCalculator), "1,25E+00");
  EXPECT_EQ(fmt(0, kCalculator), "0,E+00");
  EXPECT_EQ(fmt(99999999.5, kCalculator), "1,E+08");
  // The calculator writes its first "," as "."; the leading-number rule reads it back.
  std::string s = fmt(0.5, kCalculator);
  s[s.find(',')] = '.';
  EXPECT_EQ(num::leadingValue(s), 0.5);
  EXPECT_EQ(num::readDouble(fmt(0, kCalculator)), 0.0);
}

// ---- format: empty mask, odd masks, non-finite values ----

TEST(FormatGeneral, EmptyMaskIsTheGeneralFormat) {
  EXPECT_EQ(num::formatSingle(0.01f, ""), "0,01");
  EXPECT_EQ(fmt(0.01, ""), "0,01");
  EXPECT_EQ(fmt(-2.5, ""), "-2,5");
  EXPECT_EQ(fmt(0.00001, ""), "1E-05");
  EXPECT_EQ(fmt(0.0001, ""), "0,0001");
  EXPECT_EQ(fmt(0, ""), "0");
  EXPECT_EQ(fmt(-0.0, ""), "0");
  EXPECT_EQ(fmt(123456789, ""), "123456789");
  EXPECT_EQ(num::formatSingle(123456789.f, ""), "1,234568E+08");
  EXPECT_EQ(num::formatSingle(1234567.f, ""), "1234567");
  EXPECT_EQ(num::formatSingle(12345678.f, ""), "1,234568E+07");
  EXPECT_EQ(num::formatSingle(-32135.35f, ""), "-32135,35");
  EXPECT_EQ(num::formatSingle(0.0258f, ""), "0,0258");
}

TEST(FormatGeneral, ExponentRuleFollowsTheRoundedValue) {
  EXPECT_EQ(num::general(999999.95, 7), "999999,9");  // 999999.94999... in binary
  EXPECT_EQ(num::general(9999999.6, 7), "1E+07");
  EXPECT_EQ(num::general(0.000099999996, 7), "0,0001");
  EXPECT_EQ(num::general(1e15), "1E+15");
  EXPECT_EQ(num::general(999999999999999), "999999999999999");
  EXPECT_EQ(num::general(1.5e-300), "1,5E-300");
  EXPECT_EQ(num::general(0.1 + 0.2), "0,3");
  EXPECT_EQ(num::general(0.1 + 0.2, 17), "0,30000000000000004");
  EXPECT_EQ(num::general(-1.234567891e-7, 4), "-1,235E-07");
}

TEST(FormatGeneral, MaskWithoutDigitPlaceholderFallsBackToGeneral) {
  EXPECT_EQ(fmt(12.5, "abc"), "12,5");
  EXPECT_EQ(fmt(12.5, "E+00"), "12,5");
  EXPECT_EQ(fmt(12.5, "."), "12,5");
  EXPECT_EQ(fmt(12.5, " "), "12,5");
}

TEST(FormatGeneral, NonFiniteValuesGiveEmptyText) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const char* mask : {"", "0.00E+00", kThousands, kSortMask, kCalculator, "0"}) {
    EXPECT_EQ(fmt(inf, mask), "") << mask;
    EXPECT_EQ(fmt(-inf, mask), "") << mask;
    EXPECT_EQ(fmt(nan, mask), "") << mask;
  }
  EXPECT_EQ(num::general(nan), "");
  EXPECT_EQ(num::formatSingle(std::numeric_limits<float>::infinity(), "0.00"), "");
}

TEST(FormatGeneral, OutOfRangeSignificantDigitsAreClamped) {
  EXPECT_EQ(num::format(1.0 / 3, "0.00", 0), "0,30");
  EXPECT_EQ(num::format(1.0 / 3, "0.00", -5), "0,30");
  EXPECT_EQ(num::general(1.0 / 3, 100), "0,33333333333333331");
}

// ---- readDouble / readSingle ----

TEST(ReadDouble, AcceptedForms) {
  EXPECT_EQ(num::readDouble("1,5"), 1.5);
  EXPECT_EQ(num::readDouble("-1,5"), -1.5);
  EXPECT_EQ(num::readDouble("+1,5"), 1.5);
  EXPECT_EQ(num::readDouble(",5"), 0.5);
  EXPECT_EQ(num::readDouble("5,"), 5.0);
  EXPECT_EQ(num::readDouble("-,5"), -0.5);
  EXPECT_EQ(num::readDouble("42"), 42.0);
  EXPECT_EQ(num::readDouble("1E3"), 1000.0);
  EXPECT_EQ(num::readDouble("1e-3"), 0.001);
  EXPECT_EQ(num::readDouble("1,5E+00"), 1.5);
  EXPECT_EQ(num::readDouble("4D2"), 400.0);
  EXPECT_EQ(num::readDouble("4d-2"), 0.04);
  EXPECT_EQ(num::readDouble("0,000 01"), 0.00001);
  EXPECT_EQ(num::readDouble("007"), 7.0);
  EXPECT_EQ(num::readDouble("1E0000000000000000000003"), 1000.0);
}

TEST(ReadDouble, BlanksAroundAndBetweenDigitsAreIgnored) {
  EXPECT_EQ(num::readDouble("  1 200  "), 1200.0);
  EXPECT_EQ(num::readDouble(" 298,0"), 298.0);
  EXPECT_EQ(num::readDouble("1\u00a0200,5"), 1200.5);
  EXPECT_EQ(num::readDouble("\u00a012\u00a0"), 12.0);
  EXPECT_EQ(num::readDouble("1\u202f200"), 1200.0);
  EXPECT_EQ(num::readDouble("- 800"), -800.0);
  EXPECT_EQ(num::readDouble("1,5 E -3"), 0.0015);
}

TEST(ReadDouble, UnreadableTexts) {
  for (const char* t :
       {"",    " ",    "-",   "+",   ",",  "-,",    "1.5",   ".5",   "E3",  "1E",  "1E+",  "1E-",  "abc",   "1,2,3",
        "12a", "1e5x", "--1", "+-1", "1-", "1E3,5", "1E1E1", "0x10", "inf", "nan", "1\t2", "\xc2", "1\xc2", "1,5%"})
    EXPECT_FALSE(num::readDouble(t).has_value()) << '"' << t << '"';
}

TEST(ReadDouble, RangeOfTheTargetType) {
  EXPECT_FALSE(num::readDouble("1E400").has_value());
  EXPECT_FALSE(num::readDouble("-1E309").has_value());
  EXPECT_FALSE(num::readDouble("1E99999999999").has_value());
  EXPECT_EQ(num::readDouble("1,7976931348623157E308"), std::numeric_limits<double>::max());
  EXPECT_EQ(num::readDouble("0E99999"), 0.0);
  EXPECT_EQ(num::readDouble("0,000E400"), 0.0);
  EXPECT_EQ(num::readDouble("1E-400"), 0.0);
  EXPECT_EQ(num::readDouble("1E-99999999999"), 0.0);
  auto denormal = num::readDouble("5E-324");
  ASSERT_TRUE(denormal.has_value());
  EXPECT_TRUE(*denormal == 0.0 || *denormal == std::numeric_limits<double>::denorm_min());
  // Long mantissas: the exponent of the first significant digit decides.
  EXPECT_EQ(num::readDouble("0," + std::string(320, '0') + "1E+600"), 1e279);
  EXPECT_FALSE(num::readDouble("1" + std::string(400, '0')).has_value());
}

TEST(ReadDouble, CorrectlyRounded) {
  EXPECT_EQ(num::readDouble("0,1"), 0.1);
  EXPECT_EQ(num::readDouble("0,30000000000000004"), 0.1 + 0.2);
  EXPECT_EQ(num::readDouble("2,2250738585072014E-308"), std::numeric_limits<double>::min());
  EXPECT_EQ(num::readDouble("9007199254740993"), 9007199254740992.0);  // tie to even
}

TEST(ReadSingle, RoundsDirectlyToFloat) {
  EXPECT_EQ(num::readSingle("0,1"), 0.1f);
  EXPECT_EQ(num::readSingle("1,5E+00"), 1.5f);
  EXPECT_EQ(num::readSingle("-32135,35"), -32135.35f);
  // 1.00000005960464477539062500001: just above the half-way point between
  // 1 and the next float; through a double it would round to 1.
  EXPECT_EQ(num::readSingle("1,00000005960464477539062500001"), std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(num::readSingle("1,000000059604644775390625"), 1.0f);  // exact tie to even
  EXPECT_EQ(num::readSingle("3,4028235E38"), std::numeric_limits<float>::max());
}

TEST(ReadSingle, RangeOfAFloat) {
  EXPECT_FALSE(num::readSingle("1E39").has_value());
  EXPECT_FALSE(num::readSingle("-3,5E38").has_value());
  EXPECT_FALSE(num::readSingle("1E400").has_value());
  EXPECT_EQ(num::readSingle("1E-50"), 0.0f);
  auto small = num::readSingle("1E-40");
  ASSERT_TRUE(small.has_value());
  EXPECT_LT(*small, 1.2e-38f);
  EXPECT_GE(*small, 0.0f);
  EXPECT_FALSE(num::readSingle("1.5").has_value());
  EXPECT_FALSE(num::readSingle("-").has_value());
}

TEST(ReadSingle, EntryAndTableTextsReadBack) {
  EXPECT_EQ(num::readSingle("0,000 01"), 0.00001f);
  EXPECT_EQ(num::readSingle("0,123 456 7"), 0.1234567f);
  EXPECT_EQ(num::readSingle("1,00E-03"), 0.001f);
  EXPECT_EQ(num::readSingle("5,E-01"), 0.5f);
  EXPECT_EQ(num::readSingle(",50E+00"), 0.5f);
}

// ---- plain / numberText ----

TEST(Plain, BlankBeforeNonNegativeAndNoZeroBeforeThePoint) {
  EXPECT_EQ(num::plain(0.3456), " .3456");
  EXPECT_EQ(num::plain(0), " 0");
  EXPECT_EQ(num::plain(-0.0), " 0");
  EXPECT_EQ(num::plain(13), " 13");
  EXPECT_EQ(num::plain(-0.5), "-.5");
  EXPECT_EQ(num::plain(0.00001), " 1E-05");
  EXPECT_EQ(num::plain(0.0001), " .0001");
  EXPECT_EQ(num::plain(0.12), " .12");
  EXPECT_EQ(num::plain(0.6), " .6");
  EXPECT_EQ(num::plain(2.5), " 2.5");
  EXPECT_EQ(num::plain(-1.25e-7), "-1.25E-07");
}

TEST(Plain, FifteenDigitsAndExponentFromE15) {
  EXPECT_EQ(num::plain(1.0 / 3), " .333333333333333");
  EXPECT_EQ(num::plain(0.1 + 0.2), " .3");
  EXPECT_EQ(num::plain(999999999999999), " 999999999999999");
  EXPECT_EQ(num::plain(1e15), " 1E+15");
  EXPECT_EQ(num::plain(1.5e300), " 1.5E+300");
  // The largest double is cut, not rounded past the limit, so its text reads back.
  EXPECT_EQ(num::plain(-1.7976931348623157e308), "-1.79769313486231E+308");
  EXPECT_FALSE(num::leading(num::plain(-1.7976931348623157e308)).overflow);
}

TEST(Plain, NumberTextDropsTheBlanks) {
  EXPECT_EQ(num::numberText(0.5), ".5");
  EXPECT_EQ(num::numberText(-0.5), "-.5");
  EXPECT_EQ(num::numberText(0.00001), "1E-05");
  EXPECT_EQ(num::numberText(12), "12");
  EXPECT_EQ(num::numberText(-2.5), "-2.5");
  // A 32-bit value with its own seven digits.
  EXPECT_EQ(num::numberText(0.1f, num::kSingleDigits), ".1");
  EXPECT_EQ(num::numberText(-1.5e-5f, num::kSingleDigits), "-1.5E-05");
  EXPECT_EQ(num::numberText(12345678.0f, num::kSingleDigits), "1.234568E+07");
}

TEST(Plain, NumberTextReadsBackWithTheLeadingRule) {
  // Both texts carry the same 15 significant digits.
  for (double v : {0.5, -0.5, 1e-5, 1.0 / 3, 12345.678, -9.87654321e-200, 1e300, 123456789012345.0}) {
    auto expected = num::readDouble(num::general(v, 15));
    ASSERT_TRUE(expected.has_value()) << v;
    EXPECT_EQ(num::leadingValue(num::numberText(v)), *expected) << v;
    EXPECT_EQ(num::leadingValue(num::plain(v)), *expected) << v;
  }
}

// ---- leading ----

TEST(Leading, ReadsTheLeadingNumber) {
  EXPECT_EQ(num::leadingValue("  -1.5E+3xyz"), -1500);
  EXPECT_EQ(num::leading("  -1.5E+3xyz").length, 9u);
  EXPECT_EQ(num::leadingValue("2,5"), 2);
  EXPECT_EQ(num::leading("2,5").length, 1u);
  EXPECT_EQ(num::leadingValue("4D2"), 400);
  EXPECT_EQ(num::leadingValue("4d-2"), 0.04);
  EXPECT_EQ(num::leadingValue(".5"), 0.5);
  EXPECT_EQ(num::leadingValue("-.5"), -0.5);
  EXPECT_EQ(num::leadingValue("+7"), 7);
  EXPECT_EQ(num::leadingValue("5."), 5);
  EXPECT_EQ(num::leadingValue("1.2.3"), 1.2);
  EXPECT_EQ(num::leading("1.2.3").length, 3u);
  EXPECT_EQ(num::leadingValue(" 13"), 13);
  EXPECT_EQ(num::leadingValue("1E-3*1E+3"), 0.001);
  EXPECT_EQ(num::leadingValue("5E-3"), 0.005);
}

TEST(Leading, NoNumberReadsAsZero) {
  for (const char* t : {"X", "", "   ", "-", ".", "-.", "E5", "+", "abc1"}) {
    num::Leading r = num::leading(t);
    EXPECT_EQ(r.value, 0) << t;
    EXPECT_FALSE(r.overflow) << t;
    EXPECT_EQ(r.length, 0u) << t;
  }
}

TEST(Leading, IncompleteExponentIsNotRead) {
  num::Leading r = num::leading("1E");
  EXPECT_EQ(r.value, 1);
  EXPECT_EQ(r.length, 1u);
  r = num::leading("1E+");
  EXPECT_EQ(r.value, 1);
  EXPECT_EQ(r.length, 1u);
  r = num::leading("2E-x");
  EXPECT_EQ(r.value, 2);
  EXPECT_EQ(r.length, 1u);
}

TEST(Leading, Overflow) {
  num::Leading r = num::leading("1E400");
  EXPECT_TRUE(r.overflow);
  EXPECT_EQ(r.value, 0);
  EXPECT_EQ(r.length, 5u);
  EXPECT_EQ(num::leadingValue("-1E400"), 0);
  EXPECT_TRUE(num::leading("-1E400").overflow);
  r = num::leading("1E-400");  // underflow is not an overflow
  EXPECT_FALSE(r.overflow);
  EXPECT_EQ(r.value, 0);
  EXPECT_FALSE(num::leading("1.7976931348623157E308").overflow);
  // Exponents past what a long holds still overflow, or underflow.
  EXPECT_TRUE(num::leading("1E99999999999999999999").overflow);
  EXPECT_TRUE(num::leading("0.001E99999999999999999999999999").overflow);
  EXPECT_FALSE(num::leading("1E-99999999999999999999").overflow);
  EXPECT_FALSE(num::readDouble("1E99999999999999999999").has_value());
}

TEST(Leading, IndependentOfTheProcessLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR") &&
      !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
    GTEST_SKIP() << "no comma-decimal locale installed";
  const double l = num::leadingValue("1.5");
  const auto r = num::readDouble("1,5");
  const std::string p = num::plain(0.25);
  const std::string f = num::format(0.25, "0.00E+00");
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(l, 1.5);
  EXPECT_EQ(r, 1.5);
  EXPECT_EQ(p, " .25");
  EXPECT_EQ(f, "2,50E-01");
}

// ---- roundHalfEven / trim ----

TEST(RoundHalfEven, HalvesGoToEven) {
  EXPECT_EQ(num::roundHalfEven(0.5), 0);
  EXPECT_EQ(num::roundHalfEven(1.5), 2);
  EXPECT_EQ(num::roundHalfEven(2.5), 2);
  EXPECT_EQ(num::roundHalfEven(-0.5), 0);
  EXPECT_EQ(num::roundHalfEven(-1.5), -2);
  EXPECT_EQ(num::roundHalfEven(-2.5), -2);
  EXPECT_EQ(num::roundHalfEven(2.4999999), 2);
  EXPECT_EQ(num::roundHalfEven(2.5000001), 3);
  EXPECT_EQ(num::roundHalfEven(-2.6), -3);
  EXPECT_EQ(num::roundHalfEven(0.49999999999999994), 0);
  EXPECT_EQ(num::roundHalfEven(4503599627370497.0), 4503599627370497.0);
  EXPECT_EQ(num::roundHalfEven(1e300), 1e300);
  EXPECT_TRUE(std::isnan(num::roundHalfEven(std::nan(""))));
  EXPECT_EQ(num::roundHalfEven(-std::numeric_limits<double>::infinity()), -std::numeric_limits<double>::infinity());
}

TEST(Trim, RemovesSurroundingSpacesOnly) {
  EXPECT_EQ(num::trim("  1 200  "), "1 200");
  EXPECT_EQ(num::trim(" 298,0"), "298,0");
  EXPECT_EQ(num::trim("   "), "");
  EXPECT_EQ(num::trim(""), "");
  EXPECT_EQ(num::trim("\t1\t"), "\t1\t");
  EXPECT_EQ(num::trim("x"), "x");
}
