// SPDX-License-Identifier: GPL-3.0-or-later
// The graph's settings in a work's items, and the figure they draw: the
// model on its range, the points it leaves out hollow, its points joined by
// segments.
#include <gtest/gtest.h>

#include <algorithm>

#include "files/ExtensionBlock.h"
#include "graph/GraphSettings.h"
#include "tests/support/TwoColumns.h"

using namespace velmira;
using namespace velmira::graph;

namespace {

files::ExtensionItems itemsOf(const std::vector<std::pair<const char*, const char*>>& pairs) {
  files::ExtensionItems items;
  for (auto [k, v] : pairs) EXPECT_TRUE(items.set(k, v)) << k;
  return items;
}

}  // namespace

TEST(GraphSettings, WrittenAsItemsAndReadBack) {
  GraphSettings s;
  s.abscissa = 2;
  s.ordinate = 4;
  s.options = {false, true, false};
  s.model = ModelChoice::TwoLines;
  s.range = RowRange{3, 9};
  files::ExtensionItems items = itemsOf({{"inconnue1", "oui"}});
  ASSERT_TRUE(writeGraphSettings(items, s));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"inconnue1", "oui"},     {"graphe_abscisse", "3"}, {"graphe_ordonnee", "5"},          {"graphe_lier", "non"},
      {"graphe_grille", "oui"}, {"graphe_croix", "non"},  {"graphe_modele", "deux-droites"}, {"graphe_points", "3-9"}};
  EXPECT_EQ(items.items(), expected);
  EXPECT_EQ(readGraphSettings(items), s);

  // No range any more: its item goes, the others stay in place.
  s.range.reset();
  s.model = ModelChoice::Affine;
  ASSERT_TRUE(writeGraphSettings(items, s));
  EXPECT_FALSE(items.find(kRangeKey));
  EXPECT_EQ(*items.find(kModelKey), "affine");
  EXPECT_EQ(items.items().front().first, "inconnue1");
  EXPECT_EQ(readGraphSettings(items), s);
}

TEST(GraphSettings, MissingOrBadItemsTakeTheDefaults) {
  EXPECT_FALSE(readGraphSettings(itemsOf({{"inconnue1", "oui"}})));

  // A model alone: "Lier les points" off, every other choice the window's.
  const auto model = readGraphSettings(itemsOf({{"graphe_modele", "origine"}}));
  ASSERT_TRUE(model);
  GraphSettings expected;
  expected.model = ModelChoice::ThroughOrigin;
  expected.options.join = false;
  EXPECT_EQ(*model, expected);
  EXPECT_TRUE(readGraphSettings(itemsOf({{"graphe_modele", "affine"}, {"graphe_lier", "oui"}}))->options.join);

  // Values a hand or an older version left: each read as missing.
  const auto bad = readGraphSettings(itemsOf({{"graphe_abscisse", "6"},
                                              {"graphe_ordonnee", "0"},
                                              {"graphe_grille", "Oui"},
                                              {"graphe_modele", "parabole"},
                                              {"graphe_points", "9-3"}}));
  ASSERT_TRUE(bad);
  EXPECT_EQ(*bad, GraphSettings{});
}

TEST(GraphSettings, ValuesTheToolAccepts) {
  for (const char* key : {kAbscissaKey, kOrdinateKey, kJoinKey, kGridKey, kCrossesKey, kModelKey, kRangeKey})
    EXPECT_TRUE(graphKey(key)) << key;
  EXPECT_FALSE(graphKey("graphe_titre"));
  const std::pair<const char*, const char*> good[] = {
      {kAbscissaKey, "1"},  {kOrdinateKey, "5"},  {kJoinKey, "oui"},           {kGridKey, "non"},
      {kCrossesKey, "oui"}, {kModelKey, "aucun"}, {kModelKey, "deux-droites"}, {kRangeKey, " 2 - 10 "}};
  for (auto [k, v] : good) EXPECT_FALSE(graphValueProblem(k, v)) << k << '=' << v;
  const std::pair<const char*, const char*> bad[] = {{kAbscissaKey, "0"}, {kOrdinateKey, "6"}, {kOrdinateKey, "2,0"},
                                                     {kJoinKey, "vrai"},  {kCrossesKey, ""},   {kModelKey, "Affine"},
                                                     {kRangeKey, "4"},    {kRangeKey, "0-3"}};
  for (auto [k, v] : bad) EXPECT_TRUE(graphValueProblem(k, v)) << k << '=' << v;
  EXPECT_EQ(*graphValueProblem(kJoinKey, "vrai"), "oui ou non");
  EXPECT_EQ(storedGraphValue(kRangeKey, " 2 - 10 "), "2-10");
  EXPECT_EQ(storedGraphValue(kModelKey, "affine"), "affine");
}

TEST(GraphSettings, TheFigureFitsTheRangeDrawsTheRestHollowAndJoinsBySegments) {
  // y = 2x on lines 1 to 3, line 4 far off it.
  const table::Table t = test::twoColumns({{"1", "2"}, {"2", "4"}, {"3", "6"}, {"4", "0"}});
  GraphSettings s;
  s.model = ModelChoice::Affine;
  s.range = RowRange{1, 3};
  const Figure f = settingsFigure(t, s);
  ASSERT_TRUE(f.fit && f.fit->possible);
  EXPECT_EQ(f.fit->n, 3);
  EXPECT_NEAR(f.fit->a, 2, 1e-12);
  EXPECT_NEAR(f.fit->b, 0, 1e-12);

  // Joined: one segment from each point to the next, in row order.
  const auto& pts = f.plot.points;
  std::vector<Stroke> curve;
  std::copy_if(f.strokes.begin(), f.strokes.end(), std::back_inserter(curve),
               [](const Stroke& st) { return st.ink == Ink::Curve; });
  ASSERT_EQ(curve.size(), pts.size() - 1);
  for (std::size_t k = 0; k + 1 < pts.size(); ++k) {
    EXPECT_EQ(curve[k].a, pts[k].at);
    EXPECT_EQ(curve[k].b, pts[k + 1].at);
  }

  // The point left out: a square around it, no cross through it.
  const PixelPoint out = pts[3].at;
  const int k = kHollowArm;
  const auto has = [&](PixelPoint a) {
    return std::any_of(f.strokes.begin(), f.strokes.end(),
                       [&](const Stroke& st) { return st.ink == Ink::Point && st.a == a; });
  };
  for (PixelPoint corner : {PixelPoint{out.x - k, out.y - k}, PixelPoint{out.x + k, out.y - k},
                            PixelPoint{out.x + k, out.y + k}, PixelPoint{out.x - k, out.y + k}})
    EXPECT_TRUE(has(corner)) << corner.x << ',' << corner.y;
  EXPECT_FALSE(has({out.x - 2, out.y}));  // the cross's arm
  EXPECT_TRUE(has({pts[0].at.x - 2, pts[0].at.y}));

  // Without a model: the smoothed curve through the four points.
  const Figure plain = settingsFigure(t, GraphSettings{});
  EXPECT_GT(
      std::count_if(plain.strokes.begin(), plain.strokes.end(), [](const Stroke& st) { return st.ink == Ink::Curve; }),
      3 * static_cast<long>(pts.size()));
}
