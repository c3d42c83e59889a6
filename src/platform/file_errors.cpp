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

}  // namespace vx::platform
