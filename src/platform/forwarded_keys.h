#pragma once
// Keys handed to the main program's key hook by another program: fs-standin forwards the
// keys that a person or a test gives it (`fs-standin ctl key`) as one datagram per key
// event to the socket "<folder>/<prefix>keyhook.sock", where the main program listens
// (forwarded_key_inbox.h). A datagram is five bytes: the virtual-key code (32-bit,
// little-endian) and 1 for a release or 0 for a press.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "platform/key_event.h"

namespace vx::platform {

inline constexpr std::size_t kForwardedKeySize = 5;

std::filesystem::path ForwardedKeysSocketPath(const std::filesystem::path& folder, std::string_view prefix);

std::array<std::uint8_t, kForwardedKeySize> EncodeForwardedKey(const KeyEvent& event);
// Nothing for a datagram of another size or with another release byte.
std::optional<KeyEvent> DecodeForwardedKey(std::span<const std::uint8_t> datagram);

// What became of a key event sent: taken into the listener's queue, not sent because that
// queue is full (the listener has not read the earlier ones yet; the key may be sent
// again), or not sent because nobody listens at the path.
enum class ForwardedKeySent { Delivered, QueueFull, NobodyListens };

// Sends one key event without waiting.
ForwardedKeySent SendForwardedKey(const std::filesystem::path& socketPath, const KeyEvent& event);

}  // namespace vx::platform
