// The positional settings text as the companion programs and the main program read it:
// items, values, and values stored into the records of the hand-over files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datafiles/eye_check_file.h"
#include "datafiles/ocumo_files.h"
#include "datafiles/positional_text.h"
#include "datafiles/sound_settings_file.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"

namespace {

template <class Record, class Store>
void StoreInto(const std::vector<std::string>& values, Store store) {
  Record record;
  try {
    store(values, record);
  } catch (const vx::runtime::RuntimeError&) {
    // conversion errors are the runtime's own
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx::datafiles;
  const std::string text = vx::runtime::Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
  const auto values = ExtractValues(text);
  StoreInto<VexlorSdCfg>(values, StoreVexlorSdCfgValues);
  StoreInto<OcumoCfg>(values, StoreOcumoCfgValues);
  StoreInto<EyeCheckCfg>(values, StoreEyeCheckCfgValues);

  // Whatever a value holds, the writer's form of it reads back as that one value.
  const std::string written = WritableValue(text);
  const auto back = ExtractValues("=" + written + "\r\n");
  if (back.size() != 1 || back[0] != written) std::abort();
  return 0;
}
