#include "runtime/runtime_error.h"

namespace vx::runtime {

std::string ErrorText(int number) {
  switch (number) {
    case kInvalidProcedureCall: return "プロシージャの呼び出し、または引数が不正です。";
    case kOverflow: return "オーバーフローしました。";
    case kOutOfMemory: return "メモリが不足しています。";
    case kSubscriptOutOfRange: return "インデックスが有効範囲にありません。";
    case kDivisionByZero: return "0 で除算しました。";
    case kTypeMismatch: return "型が一致しません。";
    case kBadFileNameOrNumber: return "ファイル名または番号が不正です。";
    case kFileNotFound: return "ファイルが見つかりません。";
    case kBadFileMode: return "ファイル モードが不正です。";
    case kFileAlreadyOpen: return "ファイルは既に開かれています。";
    case kDeviceIoError: return "デバイス I/O エラーです。";
    case kFileAlreadyExists: return "既に同名のファイルが存在しています。";
    case kDiskFull: return "ディスクの空き容量が不足しています。";
    case kInputPastEndOfFile: return "ファイルにこれ以上データがありません。";
    case kPermissionDenied: return "書き込みできません。";
    case kPathFileAccessError: return "パス名が無効です。";
    case kPathNotFound: return "パスが見つかりません。";
    case kInvalidFileFormat: return "ファイル形式が不正です。";
    case kCancelSelected: return "[キャンセル] が選択されました。";
    default: return "アプリケーション定義またはオブジェクト定義のエラーです。";
  }
}

}  // namespace vx::runtime
