#include "platform/forwarded_key_inbox.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <cstring>
#include <span>
#include <string>

#include "platform/forwarded_keys.h"
#include "platform/private_folder.h"

namespace vx::platform {
namespace {

// Whether a live socket is bound at the address (a second running copy of the program).
bool SomeoneListens(const sockaddr_un& addr) {
  const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool live = connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0;
  close(fd);
  return live;
}

}  // namespace

std::unique_ptr<ForwardedKeyInbox> ForwardedKeyInbox::Open(const std::filesystem::path& socketPath, Sink sink,
                                                            std::string* problem) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string p = socketPath.string();
  if (p.size() >= sizeof(addr.sun_path)) return nullptr;
  std::memcpy(addr.sun_path, p.c_str(), p.size() + 1);
  if (std::string why = PrivateFolderProblem(socketPath.parent_path(), true); !why.empty()) {
    if (problem) *problem = std::move(why);
    return nullptr;
  }
  if (SomeoneListens(addr)) return nullptr;
  unlink(p.c_str());
  const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return nullptr;
  if (bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) != 0) {
    close(fd);
    return nullptr;
  }
  return std::unique_ptr<ForwardedKeyInbox>(new ForwardedKeyInbox(fd, socketPath, std::move(sink)));
}

ForwardedKeyInbox::ForwardedKeyInbox(int fd, std::filesystem::path socketPath, Sink sink)
    : fd_(fd), socketPath_(std::move(socketPath)), sink_(std::move(sink)) {
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ProcessPending(); });
}

ForwardedKeyInbox::~ForwardedKeyInbox() {
  notifier_.reset();
  close(fd_);
  unlink(socketPath_.c_str());
}

void ForwardedKeyInbox::ProcessPending() {
  // Each key goes to the sink as soon as it is read, also while the sink is still at an
  // earlier one and reads the socket again from its own pump: the key handler knows what
  // it is doing then (a box of its own up, or busy) and stamps each key when it comes.
  std::array<std::uint8_t, 64> buffer{};
  for (;;) {
    const ssize_t n = recv(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    const auto event = DecodeForwardedKey(std::span(buffer.data(), static_cast<std::size_t>(n)));
    if (event && sink_) sink_(*event);
  }
}

}  // namespace vx::platform
