#include "announce/unreadable_file.h"

#include <string>

#include "runtime/runtime_error.h"

namespace vx::announce {
namespace {

std::string Reason(int number) {
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
    default: return "読み込みに失敗しました（エラー番号 " + std::to_string(number) + "）。";
  }
}

}  // namespace

void ReadNamingTheFile(const std::filesystem::path& file, std::string_view remedy, const std::function<void()>& read) {
  try {
    read();
  } catch (const runtime::RuntimeError& e) {
    throw runtime::RuntimeError(e.Number(), e.Text() + "\n\nファイル「 " + file.string() + " 」を読み込めません。\n" +
                                                Reason(e.Number()) + "\n\n" + std::string(remedy));
  }
}

}  // namespace vx::announce
