// WAV files as a user may have dropped into the Wav tree: parsing never reads outside the
// image, a length declared past its end lies past its end, and a parsed plain-PCM file
// converts at every device rate without overflow.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/wav_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> image(data, size);
  if (const auto declared = vx::platform::WavDeclaredLengthPastEnd(image); declared && *declared <= size) __builtin_trap();
  const auto format = vx::platform::ParseWav(image);
  if (!format) return 0;
  (void)format->DurationSeconds();
  for (const int deviceRate : {11025, 22050, 44100, 48000}) {
    const auto count = vx::platform::StereoSampleCount(*format, deviceRate);
    if (!count || *count > (std::size_t{1} << 24)) continue;
    std::vector<std::int16_t> out(*count);
    vx::platform::ConvertWavToStereo16(*format, image, deviceRate, out);
  }
  return 0;
}
