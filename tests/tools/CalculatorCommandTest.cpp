// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil calcul, called directly.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/Commands.h"

namespace velmira::tools {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result calcul(const Args& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = calculatorCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandeCalcul, OneLinePerArgumentInDegreesByDefault) {
  Result r = calcul({"2+3*4", "sin 30", "(2+3", "2*/3", "1/0", ""});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0\t14\n0\t.5\n2\t\n3\t\n1\t\n0\t\n");
  EXPECT_EQ(r.err, "");
}

TEST(CommandeCalcul, AngleOptions) {
  EXPECT_EQ(calcul({"--radians", "invSIN 1"}).out, "0\t1.5707963267949\n");
  EXPECT_EQ(calcul({"--degres", "invSIN 1"}).out, "0\t90\n");
  EXPECT_EQ(calcul({"--radians", "--degres", "cos 60"}).out, "0\t.5\n");
}

TEST(CommandeCalcul, MaskWritesTheResultAsTheTableDoes) {
  EXPECT_EQ(calcul({"--masque", "0.00E+00", "2*0.0061", "1/0"}).out, "0\t1,22E-02\n1\t\n");
  EXPECT_EQ(calcul({"--masque", "# ##0.0", "12345.67"}).out, "0\t12 345,7\n");
  EXPECT_EQ(calcul({"--machine", "--masque", "0.0", "1"}).status, 2);
}

TEST(CommandeCalcul, ExpressionsMayStartWithSigns) {
  EXPECT_EQ(calcul({"-2^2", "--3"}).out, "0\t4\n0\t3\n");
  EXPECT_EQ(calcul({"--", "--degres"}).out, "0\tDEGRES\n");  // "--" folds to "+"
}

TEST(CommandeCalcul, ReadsStandardInputWithoutArguments) {
  Result r = calcul({}, "1E-3*1E+3\r\nln(12+13)\n\nX+1");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0\t1\n0\t3.2188758248682\n0\t\n0\t1\n");
  EXPECT_EQ(calcul({"--radians"}, "SIN 0\n").out, "0\t0\n");
}

TEST(CommandeCalcul, MachinePrintsTheCalculatorDisplay) {
  Result r = calcul({"--machine", "2*sin 30", "(2", "1E99999", "ABC"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0\t 1\n2\tErreur saisie: revoir les parenthèses\n4\tDépassement de capacité\n0\t 0\n");
  EXPECT_EQ(calcul({"--scientifique", "--machine", "--radians"}, "invCOS 0\n").out, "0\t1.5707963E+00\n");
  EXPECT_EQ(calcul({"--scientifique", "1/3"}).status, 2);  // only with --machine
}

TEST(CommandeCalcul, UnknownOptionIsRefused) {
  Result r = calcul({"--grades", "1+1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("option inconnue"), std::string::npos);
  EXPECT_NE(r.err.find("--grades"), std::string::npos);
}

}  // namespace
}  // namespace velmira::tools
