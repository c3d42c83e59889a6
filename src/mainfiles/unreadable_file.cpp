#include "mainfiles/unreadable_file.h"

#include <string>

#include "platform/file_errors.h"
#include "runtime/runtime_error.h"

namespace vx::mainfiles {

void ReadNamingTheFile(const std::filesystem::path& file, std::string_view remedy, const std::function<void()>& read) {
  try {
    read();
  } catch (const runtime::RuntimeError& e) {
    throw runtime::RuntimeError(e.Number(), e.Text() + "\n\nファイル「 " + file.string() + " 」を読み込めません。\n" +
                                                platform::FileErrorReason(e) + "\n\n" + std::string(remedy));
  }
}

}  // namespace vx::mainfiles
