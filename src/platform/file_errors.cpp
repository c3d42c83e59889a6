#include "platform/file_errors.h"

#include <cerrno>
#include <system_error>

namespace vx::platform {

int FileErrorNumber(int err, const std::filesystem::path& path) {
  using namespace vx::runtime;
  switch (err) {
    case ENOENT: {
      std::error_code ec;
      const auto parent = path.parent_path();
      if (parent.empty() || std::filesystem::is_directory(parent, ec)) return kFileNotFound;
      return kPathNotFound;
    }
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM:
    case ETXTBSY: return kPermissionDenied;
    case EROFS:
    case EISDIR:
    case ELOOP: return kPathFileAccessError;
    case ENAMETOOLONG: return kBadFileNameOrNumber;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case ENOMEM: return kOutOfMemory;
    case EEXIST: return kFileAlreadyExists;
    case EIO: return kDeviceIoError;
    default: return kPathFileAccessError;
  }
}

void ThrowFileError(int err, const std::filesystem::path& path) {
  throw runtime::RuntimeError(FileErrorNumber(err, path));
}

std::string FileErrorReason(int number) {
  using namespace vx::runtime;
  switch (number) {
    case kPermissionDenied: return "読み取りが許可されていません（ファイルのアクセス権）。";
    case kPathFileAccessError: return "ファイルとして開けません。";
    case kDeviceIoError: return "ディスクから読み取れません。";
    case kFileNotFound:
    case kPathNotFound: return "ファイルがありません。";
    case kTypeMismatch: return "数であるべき値が数ではありません。";
    case kOverflow: return "値が大きすぎます。";
    case kInputPastEndOfFile: return "ファイルが途中で終わっています。";
    case kOutOfMemory: return "メモリが足りません。";
    default: return "読み込みに失敗しました（エラー番号 " + std::to_string(number) + "）。";
  }
}

}  // namespace vx::platform
