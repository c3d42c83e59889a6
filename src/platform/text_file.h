#pragma once
// Text files as the programs keep them: CP932 bytes, CR LF line ends.
// Texts inside the programs are UTF-8. Decoding never fails (bad bytes become U+FFFD);
// writes go to a temporary name in the same folder and are renamed into place, so
// another process never sees a half-written file; a file marked read-only (no write
// permission for anyone) is not replaced (error 70). File errors raise the runtime's errors.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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
// ReadTextFile for a file the user may have edited (the settings and table files): one
// that an editor saved in UTF-8 with its byte-order mark raises RuntimeError 321 instead
// of being taken for CP932.
std::string ReadCp932TextFile(const std::filesystem::path& path);

// Writes the UTF-8 text encoded in CP932 (characters CP932 lacks become "?") whole,
// through a temporary name renamed into place; line ends are written as given.
void WriteTextFileAtomic(const std::filesystem::path& path, std::string_view utf8Text);
// Each line followed by CR LF.
void WriteTextLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines);
// Appends the text (CP932, line ends as given) at the end of the file, creating it
// when missing (its folder must exist).
void AppendTextFile(const std::filesystem::path& path, std::string_view utf8Text);

// Reads a whole file as bytes (WAV images and the like). Missing: RuntimeError 53.
std::string ReadBinaryFile(const std::filesystem::path& path);

}  // namespace vx::platform
