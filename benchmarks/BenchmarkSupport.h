#pragma once
// What the benchmarks share: a message service that answers every message
// with its first button.
#include <benchmark/benchmark.h>

#include "platform/core/Messages.h"

namespace velmira::bench {

class SilentMessages : public MessageService {
 public:
  Answer show(const Message& m) override { return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok; }
};

}  // namespace velmira::bench
