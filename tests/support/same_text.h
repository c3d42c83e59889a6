#pragma once
// Byte-for-byte comparison of a file the programs wrote (CP932 with CR LF) with its
// golden bytes; on a difference it says where: the first differing line, decoded, with
// the line before it, instead of both files whole.
#include <gtest/gtest.h>

#include <string>

namespace vx::test {

::testing::AssertionResult SameFileBytes(const std::string& actual, const std::string& expected);

}  // namespace vx::test
