#pragma once
// Text rules of the original runtime. Texts are UTF-8; lengths and positions count
// characters (as the runtime's 16-bit characters did for the texts the system uses),
// the *B functions and AnsiByteLength count bytes of the text in CP932.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx::runtime {

// Trimming removes U+0020 only (not tabs, not the ideographic space).
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

std::size_t Len(std::string_view s);
std::string Left(std::string_view s, std::size_t n);
std::string Right(std::string_view s, std::size_t n);
// 1-based start (0 raises RuntimeError 5); `length` npos = to the end. A start past the
// end gives "".
std::string Mid(std::string_view s, std::size_t start, std::size_t length = std::string_view::npos);
// 1-based position of `what` in `s` from `start` (0 raises RuntimeError 5), 0 when absent;
// an empty `what` gives `start` while it is at most Len(s) + 1, an empty `s` gives 0.
std::size_t InStr(std::string_view s, std::string_view what, std::size_t start = 1);
std::string UCase(std::string_view s);  // ASCII letters
std::string LCase(std::string_view s);

// Byte length of the text in CP932 (full-width characters count 2).
std::size_t AnsiByteLength(std::string_view s);
// Byte-based Left, Mid (1-based; 0 raises RuntimeError 5) and Right on the CP932 form of
// the text; a character cut in half by the byte limit is dropped. The characters come back
// as they were (one CP932 lacks counts 1 byte, as its "?" would).
std::string LeftB(std::string_view s, std::size_t bytes);
std::string MidB(std::string_view s, std::size_t startByte, std::size_t bytes = std::string_view::npos);
std::string RightB(std::string_view s, std::size_t bytes);

}  // namespace vx::runtime
