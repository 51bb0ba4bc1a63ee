// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts read back: every text a mask writes is read again by the
// comma-decimal reading, to the value the mask shows, and rewriting it gives
// the same text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "platform/core/NumberText.h"

namespace num = velmira::num;

namespace {

constexpr int kSamples = 4000;

std::mt19937_64& rng() {
  static std::mt19937_64 r(20261208);
  return r;
}

float uniformFloat(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng()); }

// Log-uniform magnitude in 10^lo..10^hi, random sign.
double logUniform(double lo, double hi) {
  double v = std::pow(10.0, std::uniform_real_distribution<double>(lo, hi)(rng()));
  return std::bernoulli_distribution(0.5)(rng()) ? -v : v;
}

double randomFiniteDouble() {
  for (;;) {
    std::uint64_t bits = rng()();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) return v;
  }
}

float randomFiniteFloat() {
  for (;;) {
    std::uint32_t bits = static_cast<std::uint32_t>(rng()());
    float v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) return v;
  }
}

int decimalsIn(const std::string& mask) {
  auto point = mask.find('.');
  if (point == std::string::npos) return 0;
  int n = 0;
  for (std::size_t i = point + 1; i < mask.size() && mask[i] != 'E'; ++i)
    if (mask[i] == '0' || mask[i] == '#') ++n;
  return n;
}

// Decimals written in a text, blanks skipped, up to the exponent.
int decimalsWritten(const std::string& text) {
  auto comma = text.find(',');
  if (comma == std::string::npos) return 0;
  int n = 0;
  for (std::size_t i = comma + 1; i < text.size() && text[i] != 'E'; ++i)
    if (text[i] >= '0' && text[i] <= '9') ++n;
  return n;
}

// Checks one float through a fixed-decimal mask: readable, within the
// rounding of the last shown decimal (and of the 7 significant digits),
// and rewritten to the same text.
void checkFixedSingle(float x, const std::string& mask) {
  const std::string s = num::trim(num::formatSingle(x, mask));
  auto r = num::readSingle(s);
  ASSERT_TRUE(r.has_value()) << x << " -> \"" << s << '"';
  const double tol = 0.5 * std::pow(10.0, -decimalsIn(mask)) * (1 + 1e-9) + std::fabs(x) * 6e-7;
  EXPECT_LE(std::fabs(double(*r) - double(x)), tol) << x << " -> \"" << s << '"';
  EXPECT_EQ(num::trim(num::formatSingle(*r, mask)), s) << x;
}

void checkScientificSingle(float x, const std::string& mask, int digits) {
  const std::string s = num::trim(num::formatSingle(x, mask));
  auto r = num::readSingle(s);
  ASSERT_TRUE(r.has_value()) << x << " -> \"" << s << '"';
  const double tol = std::fabs(x) * (0.5 * std::pow(10.0, 1 - digits) * 1.0000001 + 6e-7);
  EXPECT_LE(std::fabs(double(*r) - double(x)), tol) << x << " -> \"" << s << '"';
  EXPECT_EQ(num::trim(num::formatSingle(*r, mask)), s) << x;
}

}  // namespace

// ---- entry fields ----

TEST(RoundTripEntry, ConcentrationDistanceAreaAndVolumes) {
  const std::string entry = "###0.0## ### #", volume = "###0.0#";
  for (int i = 0; i < kSamples; ++i) {
    const float c = static_cast<float>(std::fabs(logUniform(-5, -1)));
    checkFixedSingle(c, entry);
    checkFixedSingle(uniformFloat(0.5f, 5.0f), entry);
    checkFixedSingle(uniformFloat(0.5f, 10.0f), entry);
    checkFixedSingle(uniformFloat(0.0f, 250.0f), volume);
    if (HasFailure()) return;
  }
}

TEST(RoundTripEntry, EntryTextsHaveTheMaskLayout) {
  const std::string entry = "###0.0## ### #";
  for (int i = 0; i < kSamples; ++i) {
    const float x = uniformFloat(0.0f, 10.0f);
    const std::string s = num::trim(num::formatSingle(x, entry));
    const int d = decimalsWritten(s);
    EXPECT_GE(d, 1) << s;
    EXPECT_LE(d, 7) << s;
    ASSERT_FALSE(s.empty());
    EXPECT_NE(s.back(), ' ') << '"' << s << '"';
    EXPECT_EQ(s.find("  "), std::string::npos) << s;
    // Blanks only inside the decimals, after each group of three.
    const auto comma = s.find(',');
    ASSERT_NE(comma, std::string::npos) << s;
    for (std::size_t k = 0; k < s.size(); ++k)
      if (s[k] == ' ') {
        EXPECT_EQ((k - comma - 1) % 4, 3u) << '"' << s << '"';
      }
    const std::string v = num::trim(num::formatSingle(x, "###0.0#"));
    EXPECT_GE(decimalsWritten(v), 1) << v;
    EXPECT_LE(decimalsWritten(v), 2) << v;
  }
}

// Typed entries that carry at most six significant digits come back exactly
// as typed (trailing zeros dropped, one decimal kept).
TEST(RoundTripEntry, TypedEntriesComeBackAsTyped) {
  std::uniform_int_distribution<int> digit(0, 9);
  auto expect = [](std::string typed, const std::string& mask) {
    auto f = num::readSingle(typed);
    ASSERT_TRUE(f.has_value()) << typed;
    std::string shown = num::formatSingle(*f, mask);
    std::string compact;
    for (char ch : shown)
      if (ch != ' ') compact += ch;
    while (typed.back() == '0' && typed[typed.size() - 2] != ',') typed.pop_back();
    EXPECT_EQ(compact, typed);
  };
  for (int i = 0; i < kSamples; ++i) {
    std::string c = "0,0";  // 0,0xxxxxx: up to six significant digits
    for (int k = 0; k < 6; ++k) c += char('0' + digit(rng()));
    expect(c, "###0.0## ### #");
    std::string l = std::to_string(1 + digit(rng()) % 4) + ",";
    for (int k = 0; k < 5; ++k) l += char('0' + digit(rng()));
    expect(l, "###0.0## ### #");
    std::string v = std::to_string(digit(rng()) * 10 + digit(rng())) + ",";
    v += char('0' + digit(rng()));
    v += char('0' + digit(rng()));
    expect(v, "###0.0#");
    if (HasFailure()) return;
  }
}

// ---- table masks ----

TEST(RoundTripTable, StandardMasks) {
  for (int i = 0; i < kSamples; ++i) {
    const float x = static_cast<float>(logUniform(-6, 9));
    checkFixedSingle(x, "########0.00");
    checkFixedSingle(x, "########0.000");
    if (HasFailure()) return;
  }
}

TEST(RoundTripTable, ScientificMasks) {
  for (int i = 0; i < kSamples; ++i) {
    const float x = static_cast<float>(logUniform(-37, 38));
    checkScientificSingle(x, "0.00E+00", 3);
    checkScientificSingle(x, "0.000E+00", 4);
    if (HasFailure()) return;
  }
  checkScientificSingle(std::numeric_limits<float>::max(), "0.00E+00", 3);
  checkScientificSingle(-std::numeric_limits<float>::max(), "0.00E+00", 3);
  checkScientificSingle(std::numeric_limits<float>::min(), "0.000E+00", 4);
  // Rounded at its fourth digit the largest float passes the range: the text
  // is written, and reading it refuses it like any other out-of-range entry.
  EXPECT_EQ(num::formatSingle(-std::numeric_limits<float>::max(), "0.000E+00"), "-3,403E+38");
  EXPECT_FALSE(num::readSingle("-3,403E+38").has_value());
}

TEST(RoundTripTable, GeneralFormat) {
  for (int i = 0; i < kSamples; ++i) {
    const float x = randomFiniteFloat();
    checkScientificSingle(x, "", 7);
    if (HasFailure()) return;
  }
}

TEST(RoundTripTable, SortMaskKeepsTheValueExactly) {
  // The plain decimal mask carries all seven digits of a float inside its
  // range, so a sort pass gives back the same number.
  const std::string sortMask = "#############################0.##############################";
  for (int i = 0; i < kSamples; ++i) {
    const float x = static_cast<float>(logUniform(-20, 20));
    const std::string general = num::formatSingle(x, "");
    const std::string s = num::formatSingle(x, sortMask);
    auto r = num::readSingle(s);
    ASSERT_TRUE(r.has_value()) << s;
    EXPECT_EQ(num::formatSingle(*r, ""), general) << s;
    EXPECT_EQ(num::formatSingle(*r, sortMask), s);
  }
}

// ---- exact reading ----

TEST(RoundTripExact, DoublesWithSeventeenDigits) {
  for (int i = 0; i < kSamples; ++i) {
    const double x = randomFiniteDouble();
    auto g = num::readDouble(num::general(x, 17));
    ASSERT_TRUE(g.has_value()) << num::general(x, 17);
    EXPECT_EQ(*g, x) << num::general(x, 17);
    const std::string s = num::format(x, "0.0000000000000000E+00", 17);
    auto m = num::readDouble(s);
    ASSERT_TRUE(m.has_value()) << s;
    EXPECT_EQ(*m, x) << s;
  }
}

TEST(RoundTripExact, FloatsWithNineDigits) {
  for (int i = 0; i < kSamples; ++i) {
    const float x = randomFiniteFloat();
    const std::string s = num::format(x, "0.00000000E+00", 9);
    auto r = num::readSingle(s);
    ASSERT_TRUE(r.has_value()) << s;
    EXPECT_EQ(*r, x) << s;
    EXPECT_EQ(num::readSingle(num::general(x, 9)), x);
  }
}

TEST(RoundTripExact, GeneralFormatOfDoublesIsStable) {
  for (int i = 0; i < kSamples; ++i) {
    const double x = randomFiniteDouble();
    const std::string s = num::general(x);
    auto r = num::readDouble(s);
    ASSERT_TRUE(r.has_value()) << s;
    EXPECT_EQ(num::general(*r), s);
    EXPECT_LE(std::fabs(*r - x), std::fabs(x) * 5.000001e-15) << s;
    // The plain text has the same 15 digits.
    EXPECT_EQ(num::leadingValue(num::numberText(x)), *r) << s;
  }
}

// ---- any mask ----

// Random masks of placeholders, blanks and a point, with or without an
// exponent: the text reads back within the rounding the mask shows.
TEST(RoundTripAnyMask, PlaceholderMasksReadBack) {
  std::uniform_int_distribution<int> len(1, 12), pick(0, 9);
  for (int i = 0; i < kSamples; ++i) {
    std::string mask;
    const int n = len(rng());
    bool point = false;
    for (int k = 0; k < n; ++k) {
      const int c = pick(rng());
      if (c < 4)
        mask += '0';
      else if (c < 7)
        mask += '#';
      else if (c < 9)
        mask += ' ';
      else if (!point)
        mask += '.', point = true;
    }
    int places = 0, leading = 0, zeros = 0;
    for (std::size_t k = 0, seenPoint = 0; k < mask.size(); ++k) {
      if (mask[k] == '.')
        seenPoint = 1;
      else if (mask[k] == '0' || mask[k] == '#') {
        if (mask[k] == '0') ++zeros;
        seenPoint ? ++places : ++leading;
      }
    }
    if (zeros == 0) mask += '0', ++(point ? places : leading);
    const bool scientific = pick(rng()) < 3;
    if (scientific) mask += pick(rng()) < 5 ? "E+00" : "e-0";
    const double x = logUniform(-12, 12);
    const std::string s = num::format(x, mask);
    auto r = num::readDouble(s);
    ASSERT_TRUE(r.has_value()) << "mask \"" << mask << "\" value " << x << " -> \"" << s << '"';
    double tol;
    if (scientific)
      tol = std::fabs(x) * (0.5 * std::pow(10.0, 1 - (leading + places)) * 1.000001 + 1e-14);
    else
      tol = 0.5 * std::pow(10.0, -places) * (1 + 1e-9) + std::fabs(x) * 1e-14;
    EXPECT_LE(std::fabs(*r - x), tol) << "mask \"" << mask << "\" value " << x << " -> \"" << s << '"';
    EXPECT_EQ(num::format(*r, mask), s) << "mask \"" << mask << '"';
    if (HasFailure()) return;
  }
}

// Masks from a file may hold anything: no crash, no hang, texts of bounded size.
TEST(RoundTripAnyMask, ArbitraryMasksAreSafe) {
  const std::string alphabet = "0#.,E+-e \\\"x;%0#.";
  std::uniform_int_distribution<int> len(0, 40);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  const double specials[] = {0.0,
                             -0.0,
                             1e300,
                             -1e-300,
                             5e-324,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             std::nan(""),
                             0.5,
                             -9.9999999};
  for (int i = 0; i < kSamples; ++i) {
    std::string mask;
    const int n = len(rng());
    for (int k = 0; k < n; ++k) mask += alphabet[pick(rng())];
    for (double v : {specials[i % 10], logUniform(-300, 300)}) {
      const std::string s = num::format(v, mask);
      EXPECT_LE(s.size(), mask.size() + 330) << '"' << mask << '"';
      if (!std::isfinite(v)) {
        EXPECT_EQ(s, "");
      }
    }
  }
}

// Random texts: reading never crashes, and what reads is what was meant.
TEST(RoundTripAnyMask, RandomTextsReadConsistently) {
  const std::string alphabet = "0123456789,,--++EeDd  .x";
  std::uniform_int_distribution<int> len(0, 12);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int i = 0; i < kSamples * 4; ++i) {
    std::string t;
    const int n = len(rng());
    for (int k = 0; k < n; ++k) t += alphabet[pick(rng())];
    auto d = num::readDouble(t);
    auto f = num::readSingle(t);
    if (!d) {
      EXPECT_FALSE(f.has_value()) << '"' << t << '"';
      continue;
    }
    // A readable text is a number with a comma: the "C" text with a point
    // gives the same value through the leading rule.
    std::string c;
    for (char ch : t)
      if (ch != ' ') c += ch == ',' ? '.' : ch;
    num::Leading l = num::leading(c);
    EXPECT_EQ(l.length, c.size()) << '"' << t << '"';
    EXPECT_EQ(l.value, *d) << '"' << t << '"';
    if (f) {
      EXPECT_EQ(*f, static_cast<float>(*d)) << '"' << t << '"';
    }
  }
}
