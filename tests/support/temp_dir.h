#pragma once
// A fresh folder for one test, removed at the end.
#include <filesystem>
#include <string>

namespace vx::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string Str() const { return path_.string(); }
  // Writes raw bytes to a file under the folder (parents created); returns its path.
  std::filesystem::path WriteBytes(const std::string& relative, const std::string& bytes) const;
  std::string ReadBytes(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

// A name unique to this process and call, for shared memories and sockets of one test;
// it starts with the build's test tag ($VX_TEST_TAG) when there is one.
std::string UniqueName(const std::string& stem);

// A copy of an installation of its own: the folders linked file by file where the file
// system allows it, the files of the base folder (which the programs rewrite) copied.
void CopyInstallation(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace vx::test
