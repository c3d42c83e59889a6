#include "announce/unreadable_file.h"

#include <string>

#include "runtime/runtime_error.h"

namespace vx::announce {

std::string UnreadableReason(int number) {
  switch (number) {
    case runtime::kPermissionDenied: return "読み取りが許可されていません（ファイルのアクセス権）。";
    case runtime::kPathFileAccessError: return "ファイルとして開けません。";
    case runtime::kDeviceIoError: return "ディスクから読み取れません。";
    case runtime::kFileNotFound:
    case runtime::kPathNotFound: return "ファイルがありません。";
    case runtime::kTypeMismatch: return "数であるべき値が数ではありません。";
    case runtime::kOverflow: return "値が大きすぎます。";
    case runtime::kInputPastEndOfFile: return "ファイルが途中で終わっています。";
    case runtime::kOutOfMemory: return "メモリが足りません。";
    case runtime::kInvalidFileFormat: return "UTF-8 で保存されています。Shift-JIS (CP932) で保存し直してください。";
    default: return "読み込みに失敗しました（エラー番号 " + std::to_string(number) + "）。";
  }
}

std::string UnwritableReason(const runtime::RuntimeError& e) {
  switch (e.Number()) {
    case runtime::kPermissionDenied: return "書き込みが許可されていません（フォルダーまたはファイルのアクセス権）。";
    case runtime::kPathFileAccessError: return "書き込めない場所です（読み取り専用のディスク、同じ名前のフォルダーなど）。";
    case runtime::kPathNotFound: return "フォルダーがありません。";
    case runtime::kDiskFull: return "ディスクの空き容量が不足しています。";
    case runtime::kDeviceIoError: return "ディスクに書き込めません。";
    case runtime::kOutOfMemory: return "メモリが足りません。";
    default: return e.Text();
  }
}

void ReadNamingTheFile(const std::filesystem::path& file, std::string_view remedy, const std::function<void()>& read) {
  try {
    read();
  } catch (const runtime::RuntimeError& e) {
    throw runtime::RuntimeError(e.Number(), e.Text() + "\n\nファイル「 " + file.string() + " 」を読み込めません。\n" +
                                                UnreadableReason(e.Number()) + "\n\n" + std::string(remedy));
  }
}

}  // namespace vx::announce
