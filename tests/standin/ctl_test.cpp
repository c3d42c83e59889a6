// `fs-standin ctl` refuses what the variable area cannot hold before it reaches a stand-in.
#include "ctl.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vx::standin {
namespace {

TEST(CtlTest, ValuesAndSizesBeyondAVariableAreRefusedWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* message;
  } cases[] = {
      {{"set", "0x0238", "2", "70000"}, 2, "fs-standin ctl: 70000 does not fit in 2 bytes (-32768 to 65535)\n"},
      {{"set", "0x0238", "1", "-129"}, 2, "fs-standin ctl: -129 does not fit in 1 byte (-128 to 255)\n"},
      {{"set", "0x0238", "4", "4294967296"}, 2,
       "fs-standin ctl: 4294967296 does not fit in 4 bytes (-2147483648 to 4294967295)\n"},
      {{"set", "0x0238", "3", "1"}, 2, "fs-standin ctl: set writes a variable of 1, 2 or 4 bytes, not 3\n"},
      {{"get", "0x0238", "8"}, 2, "fs-standin ctl: get reads a variable of 1, 2 or 4 bytes, not 8\n"},
      {{"get", "0x0238", "0"}, 2, "fs-standin ctl: get reads a variable of 1, 2 or 4 bytes, not 0\n"},
      {{"get", "0x100000000", "2"}, 1, "fs-standin ctl: rejected: outside the variable area\n"},
      {{"advance", "1e300"}, 2, "fs-standin ctl: advance takes 0 to 31622400 seconds (one year), not 1e300\n"},
      {{"advance", "-1"}, 2, "fs-standin ctl: advance takes 0 to 31622400 seconds (one year), not -1\n"},
      {{"advance", "nan"}, 2, "fs-standin ctl: advance takes 0 to 31622400 seconds (one year), not nan\n"},
      {{"scale", "1e300"}, 2, "fs-standin ctl: scale takes a factor from 0 to 1000, not 1e300\n"},
      {{"scale", "-inf"}, 2, "fs-standin ctl: scale takes a factor from 0 to 1000, not -inf\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCtl("/nonexistent/fs-standin.sock", c.args, out, err), c.exitCode) << c.args.back();
    EXPECT_EQ(err.str(), c.message);
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace vx::standin
