// Bytes as an editor or another program may have left a text file: where the reader finds
// them not CP932 text, and what it reads when they are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/cp932.h"
#include "runtime/runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx::runtime;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t bad = FirstNonCp932Byte(bytes);
  const std::string text = Cp932ToUtf8(bytes);
  // A text with no byte CP932 lacks reads without a replacement character, and every
  // character read writes back.
  if (bad == std::string_view::npos) {
    if (text.find("\xEF\xBF\xBD") != std::string::npos) std::abort();
    try {
      Utf8ToCp932Exact(text);
    } catch (const RuntimeError&) {
      std::abort();
    }
  } else if (bad >= size || text.find("\xEF\xBF\xBD") == std::string::npos) {
    std::abort();
  }
  // UTF-8 beyond ASCII is found at its first byte beyond ASCII.
  const std::size_t utf8 = FirstNonAsciiOfUtf8Text(bytes);
  if (utf8 != std::string_view::npos) {
    if (utf8 >= size || static_cast<unsigned char>(bytes[utf8]) < 0x80) std::abort();
    for (std::size_t i = 0; i < utf8; ++i) {
      if (static_cast<unsigned char>(bytes[i]) >= 0x80) std::abort();
    }
  }
  return 0;
}
