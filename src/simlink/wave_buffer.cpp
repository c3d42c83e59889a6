#include "simlink/wave_buffer.h"

#include <optional>
#include <span>
#include <string>

#include "platform/file_errors.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "platform/text_file.h"
#include "platform/wav_image.h"
#include "runtime/runtime_error.h"
#include "ui/message_box.h"

namespace vx::simlink {
namespace {

// The runtime's error text first, then the file, the reason and what it means for the sound.
void ShowUnreadable(ui::MessageBoxes& boxes, const std::string& errorText, const std::string& file,
                    const std::string& reason) {
  boxes.Show(errorText + "\n\n音声ファイル「 " + file + " 」を読み込めません。\n" + reason +
                 "\n\nこの音声は鳴りません。ファイルを入れ直してください。",
             ui::Buttons::Ok, ui::Icon::Exclamation);
}

}  // namespace

std::int32_t LoadWaveBuffer(platform::SoundDevice& sound, ui::MessageBoxes& boxes, std::string_view path,
                            std::int32_t flags) {
  const auto file = platform::ResolvePath(path);
  if (!platform::FileExists(file)) return 0;
  std::string bytes;
  try {
    bytes = platform::ReadBinaryFile(file);
  } catch (const runtime::RuntimeError& e) {
    ShowUnreadable(boxes, e.Text(), file.string(), platform::FileErrorReason(e.Number()));
    return 0;
  }
  // An empty file leaves no byte to hand over, as sizing the byte array to the file's
  // length less one failed in the original.
  if (bytes.empty()) {
    ShowUnreadable(boxes, runtime::ErrorText(runtime::kSubscriptOutOfRange), file.string(),
                   "ファイルが空です（0 バイト）。");
    return 0;
  }
  const auto image = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  // A file whose declared length runs past its end (recorders often write such headers,
  // and copies break off) plays the samples that are there; one cut before its first
  // sample has nothing to play and is told.
  const auto declared = platform::WavDeclaredLengthPastEnd(image);
  const auto format = declared ? platform::ParseWav(image) : std::nullopt;
  if (declared && (!format || format->Frames() == 0)) {
    ShowUnreadable(boxes, runtime::ErrorText(runtime::kInputPastEndOfFile), file.string(),
                   "ファイルが途中で切れています（" + std::to_string(*declared) + " バイトのはずが " +
                       std::to_string(bytes.size()) + " バイトしかありません）。");
    return 0;
  }
  return sound.CreateBuffer(image, flags, path);
}

}  // namespace vx::simlink
