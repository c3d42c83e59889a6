#pragma once
// The ANSI code page of the original system (CP932), to and from UTF-8.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx::runtime {

// UTF-8 to CP932 bytes; a character CP932 lacks becomes "?". Never fails.
std::string Utf8ToCp932(std::string_view utf8);
// UTF-8 to CP932 bytes, every character kept: a character CP932 lacks raises
// RuntimeError 5 whose text names it.
std::string Utf8ToCp932Exact(std::string_view utf8);
// The first character of a UTF-8 text that CP932 lacks; empty when it has them all.
std::string FirstCharacterCp932Lacks(std::string_view utf8);
// Raises RuntimeError 5 for a text holding a character CP932 lacks, naming the first.
void RefuseCharactersCp932Lacks(std::string_view utf8);
// CP932 bytes to UTF-8; a byte sequence that is not CP932 becomes U+FFFD. Never fails.
std::string Cp932ToUtf8(std::string_view bytes);
// The offset of the first byte that does not read as a character CP932 defines (a byte
// no character begins with, a lead byte without its trail, an unassigned pair); npos
// when all of them read.
std::size_t FirstNonCp932Byte(std::string_view bytes);
// When the bytes are valid UTF-8 and hold a character beyond ASCII: the offset of the
// first such character; else npos. Japanese saved in UTF-8 mostly reads as CP932 pairs
// too (other characters), while CP932 Japanese is almost never valid UTF-8.
std::size_t FirstNonAsciiOfUtf8Text(std::string_view bytes);
// The length of the well-formed UTF-8 sequence at the start of `s` (no overlong form, no
// surrogate, nothing beyond U+10FFFF); 0 when it is not one.
std::size_t WellFormedUtf8Length(std::string_view s);
// The characters of a UTF-8 text that CP932 cannot keep: those it lacks and those that
// come back from it as another character. Each once, in the order of the text.
std::vector<std::string> Cp932LostCharacters(std::string_view utf8);

}  // namespace vx::runtime
