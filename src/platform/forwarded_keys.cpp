#include "platform/forwarded_keys.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace vx::platform {

std::filesystem::path ForwardedKeysSocketPath(const std::filesystem::path& folder, std::string_view prefix) {
  return folder / (std::string(prefix) + "keyhook.sock");
}

std::array<std::uint8_t, kForwardedKeySize> EncodeForwardedKey(const KeyEvent& event) {
  const auto vk = static_cast<std::uint32_t>(event.virtualKey);
  return {static_cast<std::uint8_t>(vk), static_cast<std::uint8_t>(vk >> 8), static_cast<std::uint8_t>(vk >> 16),
          static_cast<std::uint8_t>(vk >> 24), static_cast<std::uint8_t>(event.release ? 1 : 0)};
}

std::optional<KeyEvent> DecodeForwardedKey(std::span<const std::uint8_t> datagram) {
  if (datagram.size() != kForwardedKeySize || datagram[4] > 1) return std::nullopt;
  std::uint32_t vk = 0;
  for (int i = 3; i >= 0; --i) vk = (vk << 8) | datagram[static_cast<std::size_t>(i)];
  return KeyEvent{static_cast<int>(vk), datagram[4] == 1, false};
}

ForwardedKeySent SendForwardedKey(const std::filesystem::path& socketPath, const KeyEvent& event) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string p = socketPath.string();
  if (p.size() >= sizeof(addr.sun_path)) return ForwardedKeySent::NobodyListens;
  std::memcpy(addr.sun_path, p.c_str(), p.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return ForwardedKeySent::NobodyListens;
  const auto bytes = EncodeForwardedKey(event);
  ssize_t sent = -1;
  do {
    sent = sendto(fd, bytes.data(), bytes.size(), MSG_DONTWAIT | MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&addr),
                  sizeof(addr));
  } while (sent < 0 && errno == EINTR);
  const int error = errno;
  close(fd);
  if (sent == static_cast<ssize_t>(bytes.size())) return ForwardedKeySent::Delivered;
  return sent < 0 && (error == EAGAIN || error == EWOULDBLOCK) ? ForwardedKeySent::QueueFull
                                                                : ForwardedKeySent::NobodyListens;
}

}  // namespace vx::platform
