#pragma once
// Errors of the original runtime: a number and the runtime's Japanese text.
// Message boxes that show "the runtime error text" use Text().
#include <stdexcept>
#include <string>

namespace vx::runtime {

enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kOutOfMemory = 7,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
  kTypeMismatch = 13,
  kBadFileNameOrNumber = 52,
  kFileNotFound = 53,
  kBadFileMode = 54,
  kFileAlreadyOpen = 55,
  kDeviceIoError = 57,
  kFileAlreadyExists = 58,
  kDiskFull = 61,
  kInputPastEndOfFile = 62,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kInvalidFileFormat = 321,
  kCancelSelected = 32755,
};

// The runtime's text for an error number ("アプリケーション定義またはオブジェクト定義のエラーです。" for unknown ones).
std::string ErrorText(int number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number) : RuntimeError(number, ErrorText(number)) {}
  RuntimeError(int number, const std::string& text) : std::runtime_error(text), number_(number), text_(text) {}
  int Number() const { return number_; }
  const std::string& Text() const { return text_; }

 private:
  int number_;
  std::string text_;
};

}  // namespace vx::runtime
