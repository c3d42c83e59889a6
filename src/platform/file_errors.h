#pragma once
// The runtime's file error for a failed system call on a path.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/runtime_error.h"

namespace vx::platform {

// The runtime error number closest to `err` (an errno value). A missing file whose
// folder exists is "file not found", a missing folder "path not found".
int FileErrorNumber(int err, const std::filesystem::path& path);

[[noreturn]] void ThrowFileError(int err, const std::filesystem::path& path);

// Why a file could not be read, in a sentence for the user, by the runtime error that
// reading it raised (the file errors above, and the number errors of its contents).
std::string FileErrorReason(int number);
// The same for the error itself: a file that is not CP932 text names the first line that
// does not read.
std::string FileErrorReason(const runtime::RuntimeError& e);
// Why a file could not be written or deleted, in a sentence for the user; errors that
// are not the file errors keep their own text.
std::string FileWriteErrorReason(const runtime::RuntimeError& e);

// Runs `read`; a runtime error that comes out of it comes out again with the same
// number, its text followed by "ファイル「 path 」を読み込めません。", the reason and, when
// given, what the user can do about it.
void ReadNamingTheFile(const std::filesystem::path& file, std::string_view remedy, const std::function<void()>& read);

}  // namespace vx::platform
