// SPDX-License-Identifier: GPL-3.0-or-later
// Every text legible on its background, disabled captions included: the
// palette's pairs, and the captions of the windows as they are shown.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "graph/ui/GraphWindow.h"
#include "platform/core/Contrast.h"
#include "tests/ui/WindowFixture.h"
#include "widgets/Colours.h"
#include "widgets/LegiblePalette.h"

namespace velmira::ui::testing {
namespace {

Rgb rgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

TEST(Palette, EveryTextPairIsLegible) {
  for (const widgets::TextPair& p : widgets::kTextPairs)
    EXPECT_TRUE(legible(rgb(p.text), rgb(p.background)))
        << p.text.name().toStdString() << " on " << p.background.name().toStdString() << ": "
        << contrastRatio(rgb(p.text), rgb(p.background));
}

// The captions of the shown labels and buttons under `root` that are not
// legible, as their palettes give them in their current state.
QStringList illegibleCaptions(QWidget* root) {
  QStringList bad;
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!w->isVisible()) continue;
    QString caption;
    if (auto* l = qobject_cast<QLabel*>(w); l && l->textFormat() != Qt::RichText) caption = l->text();
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
      caption = static_cast<QAbstractButton*>(w)->text();
    if (caption.trimmed().isEmpty()) continue;
    const QPalette::ColorGroup g = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor text = w->palette().color(g, QPalette::WindowText);
    const QColor back = w->palette().color(g, QPalette::Window);
    if (!legible(rgb(text), rgb(back)))
      bad << caption + QStringLiteral(" (") + text.name() + QStringLiteral(" on ") + back.name() + QLatin1Char(')');
  }
  return bad;
}

class LegibilityTest : public WindowTest {
 protected:
  void SetUp() override {
    widgets::applyLegiblePalette();
    WindowTest::SetUp();
  }
};

TEST_F(LegibilityTest, CaptionsOfTheMainAndGraphWindowsAreLegibleEnabledOrNot) {
  QStringList bad = illegibleCaptions(window.get());
  EXPECT_TRUE(bad.isEmpty()) << bad.join(QStringLiteral("; ")).toStdString();

  graph::ui::GraphWindow graph(window->table(), messages, window.get());
  graph.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&graph));
  // Without a model the fit's options are disabled: "passant par l'origine", "affine".
  QCheckBox* fit = graph.findChild<QCheckBox*>(QStringLiteral("modele"));
  ASSERT_NE(fit, nullptr);
  if (fit->isChecked()) fit->click();
  EXPECT_FALSE(graph.findChild<QRadioButton*>(QStringLiteral("affine"))->isEnabled());
  bad = illegibleCaptions(&graph);
  EXPECT_TRUE(bad.isEmpty()) << bad.join(QStringLiteral("; ")).toStdString();
}

}  // namespace
}  // namespace velmira::ui::testing
