// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixture's bench: the bench's instruments with the volume entries V1
// and V2 (`Text1` 4 and 5), the beaker at the mixture's level and the
// precipitate notice over the page (`Frame9`, `Label9`).
#include "ui/BenchPanel.h"

class QFrame;
class QLabel;

namespace velmira::ui {

class EntryField;

class MixturePanel : public BenchPanel {
  Q_OBJECT
 public:
  MixturePanel(model::Workbench& wb, TabStrip* strip);

  // model::Volume1 or model::Volume2.
  EntryField* volumeField(int entry) const { return volumeFields_[entry == model::Volume2]; }
  QFrame* precipitateFrame() const { return precipitateFrame_; }
  QLabel* precipitateLabel() const { return precipitateLabel_; }

  // The readings, the precipitate notice, and the page's texts when what
  // they were drawn from changed.
  void show(const model::Workbench& wb) override;
  // `niveaubecher`: the beaker at the level of V1 + V2.
  void updateBeakerLevel();
  // The notice stays above the bench's controls.
  void raiseNotice();

  std::vector<std::pair<QWidget*, QString>> hints() const override;
  void nameControls() override;

 protected:
  void placeEntries() override;

 private:
  std::array<EntryField*, 2> volumeFields_{};
  QFrame* precipitateFrame_ = nullptr;
  QLabel* precipitateLabel_ = nullptr;
  // What the page's texts were last drawn from.
  int paintedSolute1_ = -1, paintedSolute2_ = -1;
  bool paintedMixturePossible_ = true;
  // The beaker was last drawn with a precipitate.
  bool drawnPrecipitate_ = false;
};

}  // namespace velmira::ui
