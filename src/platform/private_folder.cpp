#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vx::platform {

std::string PrivateFolderProblem(const std::filesystem::path& folder, bool create) {
  const std::string name = folder.string();
  if (create) {
    std::error_code ec;
    if (folder.has_parent_path()) std::filesystem::create_directories(folder.parent_path(), ec);
    if (mkdir(name.c_str(), 0700) != 0 && errno != EEXIST) {
      return "cannot make the folder " + name + ": " + std::strerror(errno);
    }
  }
  struct stat st {};
  if (lstat(name.c_str(), &st) != 0) return "no folder " + name + ": " + std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return name + " is not a folder";
  if (st.st_uid != geteuid()) return "the folder " + name + " belongs to another user";
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "the folder " + name + " may be written by other users";
  return {};
}

}  // namespace vx::platform
