#include "simlink/wave_buffer.h"

#include <span>

#include "platform/paths.h"
#include "platform/sound_device.h"
#include "platform/text_file.h"
#include "runtime/runtime_error.h"
#include "ui/message_box.h"

namespace vx::simlink {

std::int32_t LoadWaveBuffer(platform::SoundDevice& sound, ui::MessageBoxes& boxes, std::string_view path,
                            std::int32_t flags) {
  const auto file = platform::ResolvePath(path);
  if (!platform::FileExists(file)) return 0;
  try {
    const std::string bytes = platform::ReadBinaryFile(file);
    // An empty file leaves no byte to hand over, as sizing the byte array to the
    // file's length less one failed in the original.
    if (bytes.empty()) throw runtime::RuntimeError(runtime::kSubscriptOutOfRange);
    const auto image = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return sound.CreateBuffer(image, flags, path);
  } catch (const runtime::RuntimeError& e) {
    boxes.Show(e.Text(), ui::Buttons::Ok, ui::Icon::Exclamation);
    return 0;
  }
}

}  // namespace vx::simlink
