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

std::string FolderFaultText(const FolderCheck& check, const std::filesystem::path& folder, FolderWording wording) {
  const std::string name = folder.string();
  const bool japanese = wording == FolderWording::Japanese;
  switch (check.fault) {
    case FolderFault::None: return {};
    case FolderFault::CannotMake:
    case FolderFault::Missing:
      if (japanese) return "フォルダー「 " + name + " 」を作成できません。";
      return (check.fault == FolderFault::Missing ? "no folder " : "cannot make the folder ") + name + ": " +
             std::strerror(check.error);
    case FolderFault::NotAFolder:
      return japanese ? "「 " + name + " 」はフォルダーではありません。" : name + " is not a folder";
    case FolderFault::OtherOwner:
      return japanese ? "フォルダー「 " + name + " 」の所有者が別のユーザーです。"
                      : "the folder " + name + " belongs to another user";
    case FolderFault::OthersMayWrite:
      return japanese ? "フォルダー「 " + name + " 」には他のユーザーも書き込めます。"
                      : "the folder " + name + " may be written by other users";
  }
  return {};
}

std::string PrivateFolderProblem(const std::filesystem::path& folder, bool create) {
  return FolderFaultText(CheckPrivateFolder(folder, create), folder, FolderWording::English);
}

}  // namespace vx::platform
