#pragma once
// Text files as the programs keep them: CP932 bytes, CR LF line ends.
// Texts inside the programs are UTF-8. ReadTextFile never fails to decode (bad bytes
// become U+FFFD); ReadCp932TextFile refuses what is not CP932 text. Writes keep every
// character (one CP932 lacks refuses the write before the file is touched) and go to a
// temporary name in the same folder, renamed into place, so another process never sees
// a half-written file; a file marked read-only (no write permission for anyone) is not
// replaced (error 70). File errors raise the runtime's errors.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/runtime_error.h"

namespace vx::platform {

// The whole file decoded to UTF-8. Missing file: RuntimeError 53 (76 when its folder
// is missing); other failures raise the closest file error (70, 75, 57, 61 ...).
std::string ReadTextFile(const std::filesystem::path& path);
// The file's lines, split at CR LF, a lone CR or a lone LF; no line-end characters kept.
// A final line end does not start another line.
std::vector<std::string> ReadTextLines(const std::filesystem::path& path);

// Whether the bytes begin with the UTF-8 byte-order mark (EF BB BF), as a file that an
// editor saved in UTF-8 does.
bool StartsWithUtf8Bom(std::string_view bytes);
// A file that is not CP932 text: RuntimeError 321 with the first line (counted from 1)
// that does not read, and whether the file is UTF-8 (its byte-order mark, or valid
// UTF-8 beyond ASCII).
class NotCp932TextError : public runtime::RuntimeError {
 public:
  NotCp932TextError(std::size_t line, bool utf8)
      : RuntimeError(runtime::kInvalidFileFormat), line_(line), utf8_(utf8) {}
  std::size_t Line() const { return line_; }
  bool Utf8() const { return utf8_; }

 private:
  std::size_t line_;
  bool utf8_;
};

// ReadTextFile for a file a user or another program may have written (settings, tables,
// hand-over files): one that is not CP932 text raises NotCp932TextError instead of being
// read as other characters. Not CP932 text: a byte sequence CP932 does not define, the
// UTF-8 byte-order mark, or valid UTF-8 that holds characters beyond ASCII. ASCII and
// CP932 files read as ReadTextFile reads them.
std::string ReadCp932TextFile(const std::filesystem::path& path);

// Writes the UTF-8 text encoded in CP932 whole, through a temporary name renamed into
// place; line ends are written as given. A character CP932 lacks raises RuntimeError 5
// naming it, and the file stays as it was.
void WriteTextFileAtomic(const std::filesystem::path& path, std::string_view utf8Text);
// Each line followed by CR LF.
void WriteTextLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines);
// WriteTextLinesAtomic for the reports the program writes for reading (flight reports,
// lists): a character CP932 lacks becomes "?" there rather than losing the report.
void WriteReportLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines);
// Appends the report text (CP932, characters it lacks as "?", line ends as given) at the
// end of the file, creating it when missing (its folder must exist).
void AppendTextFile(const std::filesystem::path& path, std::string_view utf8Text);

// Reads a whole file as bytes (WAV images and the like). Missing: RuntimeError 53.
std::string ReadBinaryFile(const std::filesystem::path& path);

}  // namespace vx::platform
