#pragma once
// Paths as the original platform spelled them: "\" separators and case-insensitive
// names, resolved on this file system.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vx::platform {

// The installation folder of a program: its own folder less a final "ExePro"
// component (compared case-insensitively); any other folder is its own base.
std::filesystem::path BaseFolderFromProgramFolder(const std::filesystem::path& programFolder);

// Resolves a path written with "\" or "/" separators: each component that exists
// with another letter case is taken as it exists on disk (ASCII letters compared
// case-insensitively); from the first component that does not exist at all, the
// rest is used as written. Never fails.
std::filesystem::path ResolvePath(std::string_view path);

// Lists the files matching a pattern such as "/base\midi\*.mid": the folder part is
// resolved as above, "*" and "?" match in the last component case-insensitively.
// Result sorted case-insensitively by name, as full paths.
std::vector<std::filesystem::path> ListMatching(std::string_view pattern);

class Paths {
 public:
  Paths() = default;
  explicit Paths(std::filesystem::path baseFolder) : base_(std::move(baseFolder)) {}
  void SetBaseFolder(std::filesystem::path baseFolder) { base_ = std::move(baseFolder); }
  const std::filesystem::path& BaseFolder() const { return base_; }
  // `BaseFolder` as the programs concatenate it with literals ("\Wav\CA1\G3.wav").
  std::string BaseText() const { return base_.string(); }
  // `BaseFolder` & literal, resolved.
  std::filesystem::path Under(std::string_view literal) const { return ResolvePath(BaseText() + std::string(literal)); }
  // Whether a file (not a folder) exists there.
  bool Exists(std::string_view literal) const;
  // Deletes the file when it exists; true when it was there. A file that cannot be
  // deleted raises the runtime's file error.
  bool DeleteIfExists(std::string_view literal) const;

 private:
  std::filesystem::path base_;
};

// Whether a regular file (or a link to one) is there.
bool FileExists(const std::filesystem::path& p);

// Whether a file name taken from a table or a setting can only name a file of the folder
// it is meant for: not empty, no "\" or "/", no "..". Any other name counts as no file.
bool IsBareFileName(std::string_view name);

}  // namespace vx::platform
