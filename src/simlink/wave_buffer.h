#pragma once
// Loading a WAV file into a sound buffer.
#include <cstdint>
#include <string_view>

namespace vx::platform {
class SoundDevice;
}
namespace vx::ui {
class MessageBoxes;
}

namespace vx::simlink {

// Reads the whole file at `path` ("\" or "/" separators, matched case-insensitively) and
// makes a buffer of it. 0 without a message when no such file exists; 0 after a message
// box (exclamation icon, the program's title) when the file cannot be read, is empty or
// is a WAV cut short before its first sample: the runtime's error text, then the file,
// the reason and that the sound will not play. A WAV whose data runs past the end of
// the file plays the samples that are there. 0 without a message when the device refuses
// the image (not a WAV it can play).
std::int32_t LoadWaveBuffer(platform::SoundDevice& sound, ui::MessageBoxes& boxes, std::string_view path,
                            std::int32_t flags);

}  // namespace vx::simlink
