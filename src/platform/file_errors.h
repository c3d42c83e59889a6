#pragma once
// The runtime's file error for a failed system call on a path.
#include <filesystem>

#include "runtime/runtime_error.h"

namespace vx::platform {

// The runtime error number closest to `err` (an errno value). A missing file whose
// folder exists is "file not found", a missing folder "path not found".
int FileErrorNumber(int err, const std::filesystem::path& path);

[[noreturn]] void ThrowFileError(int err, const std::filesystem::path& path);

}  // namespace vx::platform
