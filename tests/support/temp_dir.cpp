#include "support/temp_dir.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vx::test {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "vxtest-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::WriteBytes(const std::string& relative, const std::string& bytes) const {
  const auto p = path_ / relative;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out << bytes;
  return p;
}

std::string TempDir::ReadBytes(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string UniqueName(const std::string& stem) {
  static std::atomic<int> counter{0};
  const char* tag = std::getenv("VX_TEST_TAG");
  const std::string head = tag && *tag ? std::string(tag) + "_" : std::string();
  return head + stem + "_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
}

void CopyInstallation(const std::filesystem::path& from, const std::filesystem::path& to) {
  namespace fs = std::filesystem;
  fs::create_directories(to);
  for (const auto& entry : fs::directory_iterator(from)) {
    const fs::path target = to / entry.path().filename();
    if (entry.is_regular_file()) {
      fs::copy_file(entry.path(), target);
      continue;
    }
    std::error_code ec;
    fs::copy(entry.path(), target, fs::copy_options::recursive | fs::copy_options::create_hard_links, ec);
    if (ec) fs::copy(entry.path(), target, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
}

}  // namespace vx::test
