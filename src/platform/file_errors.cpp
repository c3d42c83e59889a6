#include "platform/file_errors.h"

#include <cerrno>
#include <system_error>

#include "platform/text_file.h"

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
    case kInvalidFileFormat: return "UTF-8 で保存されています。Shift-JIS (CP932) で保存し直してください。";
    default: return "読み込みに失敗しました（エラー番号 " + std::to_string(number) + "）。";
  }
}

std::string FileErrorReason(const runtime::RuntimeError& e) {
  const auto* notCp932 = dynamic_cast<const NotCp932TextError*>(&e);
  if (!notCp932) return FileErrorReason(e.Number());
  const std::string line = std::to_string(notCp932->Line()) + " 行目";
  const std::string_view saveAgain = "Shift-JIS (CP932) で保存し直してください。";
  if (notCp932->Utf8()) {
    return "UTF-8 で保存されています（" + line + "から Shift-JIS (CP932) として読めません）。" + std::string(saveAgain);
  }
  return line + "が Shift-JIS (CP932) として読めません。" + std::string(saveAgain);
}

std::string FileWriteErrorReason(const runtime::RuntimeError& e) {
  using namespace vx::runtime;
  switch (e.Number()) {
    case kPermissionDenied: return "書き込みが許可されていません（フォルダーまたはファイルのアクセス権）。";
    case kPathFileAccessError: return "書き込めない場所です（読み取り専用のディスク、同じ名前のフォルダーなど）。";
    case kPathNotFound: return "フォルダーがありません。";
    case kDiskFull: return "ディスクの空き容量が不足しています。";
    case kDeviceIoError: return "ディスクに書き込めません。";
    case kOutOfMemory: return "メモリが足りません。";
    default: return e.Text();
  }
}

void ReadNamingTheFile(const std::filesystem::path& file, std::string_view remedy, const std::function<void()>& read) {
  try {
    read();
  } catch (const runtime::RuntimeError& e) {
    throw runtime::RuntimeError(e.Number(), e.Text() + "\n\nファイル「 " + file.string() + " 」を読み込めません。\n" +
                                                FileErrorReason(e) + (remedy.empty() ? "" : "\n\n" + std::string(remedy)));
  }
}

}  // namespace vx::platform
