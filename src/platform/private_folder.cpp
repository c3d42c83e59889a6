#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vx::platform {

FolderCheck CheckPrivateFolder(const std::filesystem::path& folder, bool create) {
  const std::string name = folder.string();
  if (create) {
    std::error_code ec;
    if (folder.has_parent_path()) std::filesystem::create_directories(folder.parent_path(), ec);
    if (mkdir(name.c_str(), 0700) != 0 && errno != EEXIST) return {FolderFault::CannotMake, errno};
  }
  struct stat st {};
  if (lstat(name.c_str(), &st) != 0) return {FolderFault::Missing, errno};
  if (!S_ISDIR(st.st_mode)) return {FolderFault::NotAFolder};
  if (st.st_uid != geteuid()) return {FolderFault::OtherOwner};
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return {FolderFault::OthersMayWrite};
  return {};
}

std::string PrivateFolderProblem(const std::filesystem::path& folder, bool create) {
  const std::string name = folder.string();
  const FolderCheck check = CheckPrivateFolder(folder, create);
  switch (check.fault) {
    case FolderFault::None: return {};
    case FolderFault::CannotMake: return "cannot make the folder " + name + ": " + std::strerror(check.error);
    case FolderFault::Missing: return "no folder " + name + ": " + std::strerror(check.error);
    case FolderFault::NotAFolder: return name + " is not a folder";
    case FolderFault::OtherOwner: return "the folder " + name + " belongs to another user";
    case FolderFault::OthersMayWrite: return "the folder " + name + " may be written by other users";
  }
  return {};
}

}  // namespace vx::platform
