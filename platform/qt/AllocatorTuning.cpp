// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/AllocatorTuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmira::qtp {

void keepPictureMemory() {
#if defined(__GLIBC__)
  constexpr int kKeep = 64 << 20;  // well above every picture of the program
  mallopt(M_MMAP_THRESHOLD, kKeep);
  mallopt(M_TRIM_THRESHOLD, kKeep);
#endif
}

}  // namespace velmira::qtp
