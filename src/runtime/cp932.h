#pragma once
// The ANSI code page of the original system (CP932), to and from UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace vx::runtime {

// UTF-8 to CP932 bytes; a character CP932 lacks becomes "?". Never fails.
std::string Utf8ToCp932(std::string_view utf8);
// CP932 bytes to UTF-8; a byte sequence that is not CP932 becomes U+FFFD. Never fails.
std::string Cp932ToUtf8(std::string_view bytes);
// The characters of a UTF-8 text that CP932 cannot keep: those it lacks and those that
// come back from it as another character. Each once, in the order of the text.
std::vector<std::string> Cp932LostCharacters(std::string_view utf8);

}  // namespace vx::runtime
