// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipboard: a picture put on it, replacing whatever it held.
class QImage;

namespace velmira::qtp {

void copyImage(const QImage& image);

}  // namespace velmira::qtp
