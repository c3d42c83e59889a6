#pragma once
// The main program's end of the forwarded keys (forwarded_keys.h): a socket watched from
// the application's event loop (a QCoreApplication must exist) that hands every key event
// it receives to a sink, such as a RecordingKeyHook joined to the program's KeyHookGroup.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/key_event.h"

class QSocketNotifier;

namespace vx::platform {

class ForwardedKeyInbox {
 public:
  using Sink = std::function<void(const KeyEvent&)>;

  // Listens at the path (its folder is made when missing, private to the user; a socket
  // left there by an earlier run is replaced). Null when the socket cannot be made or
  // another running program listens there; also when the folder is not the user's own or
  // others may write to it, with the reason in `problem`.
  static std::unique_ptr<ForwardedKeyInbox> Open(const std::filesystem::path& socketPath, Sink sink,
                                                 std::string* problem = nullptr);
  ~ForwardedKeyInbox();
  ForwardedKeyInbox(const ForwardedKeyInbox&) = delete;
  ForwardedKeyInbox& operator=(const ForwardedKeyInbox&) = delete;

  // Reads every waiting datagram and hands its key event to the sink, in order, as soon
  // as it is read: a sink that pumps the events gets the keys that come meanwhile from
  // inside, as the desktop's key hook hands them on. Datagrams that are not key events
  // are dropped.
  void ProcessPending();

 private:
  ForwardedKeyInbox(int fd, std::filesystem::path socketPath, Sink sink);
  int fd_;
  std::filesystem::path socketPath_;
  Sink sink_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vx::platform
