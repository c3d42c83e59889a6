#pragma once
// How a program follows its simulator link through a flight: whether the link has been up,
// whether its loss has been told, and when a lost link is next tried again.
#include <cstdint>

namespace vx::state {

struct SimLinkWatch {
  bool started = false;           // the program's link start succeeded once
  bool lost = false;              // gone and told; cleared when a new start succeeds
  std::int64_t nextTryNanos = 0;  // monotonic time of the next new start while lost
};

}  // namespace vx::state
