#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/private_folder.h"
#include "platform/standin_link.h"

namespace vx::platform {

FileInstanceLock::~FileInstanceLock() {
  if (fd_ >= 0) close(fd_);
}

// The lock cannot be trusted: the program goes on as if it were the only copy, and the
// user is told why that is not sure.
bool FileInstanceLock::Distrust(std::string reason) {
  problem_ = "二重起動の確認に使うロックファイル「 " + file_.string() + " 」を使えません。\n" + reason +
             "\n\n二重起動を確かめずに起動します。";
  return true;
}

bool FileInstanceLock::Acquire() {
  if (fd_ >= 0) return true;
  problem_.clear();
  const FolderCheck folder = CheckPrivateFolder(file_.parent_path(), true);
  if (folder.fault != FolderFault::None) {
    return Distrust(FolderFaultText(folder, file_.parent_path(), FolderWording::Japanese));
  }
  // Never through a link, never waiting on something that is not a file.
  const int fd = open(file_.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) {
    return Distrust(errno == ELOOP ? "ロックファイルがシンボリックリンクになっています。" : "ロックファイルを開けません。");
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return Distrust("ロックファイルが通常のファイルではありません。");
  }
  if (st.st_uid != geteuid()) {
    close(fd);
    return Distrust("ロックファイルの所有者が別のユーザーです。");
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    close(fd);
    if (err == EWOULDBLOCK) return false;
    return Distrust("ロックファイルをロックできません。");
  }
  fd_ = fd;
  return true;
}

std::filesystem::path DefaultInstanceLockFile(std::string_view programName) {
  return DefaultStandinFolder() / (std::string(programName) + ".lock");
}

}  // namespace vx::platform
