#pragma once
// Texts as JSON string literals, for the line logs the programs write.
#include <string>
#include <string_view>

namespace vx::platform {

// The text in double quotes with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);

}  // namespace vx::platform
