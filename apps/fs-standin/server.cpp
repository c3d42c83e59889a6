#include "server.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/forwarded_keys.h"
#include "platform/sim_wire.h"
#include "platform/private_folder.h"
#include "platform/standin_link.h"

namespace vx::standin {
namespace {

namespace simwire = platform::simwire;

using simwire::Type;
using SteadyClock = std::chrono::steady_clock;

double RealSeconds() {
  return std::chrono::duration<double>(SteadyClock::now().time_since_epoch()).count();
}

struct Connection {
  int fd;
  int id;
  bool started = false;
  std::string Name() const { return (started ? "client " : "ctl ") + std::to_string(id); }
};

bool MakeAddress(const std::filesystem::path& path, sockaddr_un& addr) {
  addr = {};
  addr.sun_family = AF_UNIX;
  const std::string p = path.string();
  if (p.size() >= sizeof(addr.sun_path)) return false;
  std::memcpy(addr.sun_path, p.c_str(), p.size() + 1);
  return true;
}

// True when another stand-in answers on the path.
bool SomeoneListens(const sockaddr_un& addr) {
  const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0;
  close(fd);
  return ok;
}

class Server {
 public:
  Server(Simulator& sim, const ServerSettings& settings) : sim_(sim), settings_(settings) {}

  int Run(std::string& error);

 private:
  bool Handle(Connection& c, const std::uint8_t* data, std::size_t size);
  bool HandleBatch(Connection& c, simwire::Reader& r, simwire::Writer& w);

  Simulator& sim_;
  const ServerSettings& settings_;
  std::vector<Connection> connections_;
  std::vector<std::uint8_t> reply_;
  std::vector<std::uint8_t> readBuffer_;
  int nextId_ = 1;
  bool stop_ = false;
};

int Server::Run(std::string& error) {
  sockaddr_un addr;
  if (!MakeAddress(settings_.socketPath, addr)) {
    error = "socket path too long: " + settings_.socketPath.string();
    return 2;
  }
  // Only a folder of the user's own that nobody else may write to; a missing one is made so.
  if (const std::string problem = platform::PrivateFolderProblem(settings_.socketPath.parent_path(), true);
      !problem.empty()) {
    error = "refusing to register: " + problem;
    return 1;
  }
  if (SomeoneListens(addr)) {
    error = "a simulator is already registered at " + settings_.socketPath.string();
    return 1;
  }
  unlink(settings_.socketPath.c_str());

  const int listenFd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listenFd < 0 || bind(listenFd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) != 0 ||
      listen(listenFd, 64) != 0) {
    error = "cannot listen on " + settings_.socketPath.string() + ": " + std::strerror(errno);
    if (listenFd >= 0) close(listenFd);
    return 1;
  }

  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  sigprocmask(SIG_BLOCK, &signals, nullptr);
  const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
  signal(SIGPIPE, SIG_IGN);

  readBuffer_.resize(simwire::kMaxMessage);
  sim_.Update(RealSeconds());  // the clock runs from now
  const bool spin = platform::SpinningHelps();
  std::vector<pollfd> fds;
  auto spinUntil = SteadyClock::time_point{};
  while (!stop_) {
    fds.clear();
    fds.push_back({signalFd, POLLIN, 0});
    fds.push_back({listenFd, POLLIN, 0});
    for (const Connection& c : connections_) fds.push_back({c.fd, POLLIN, 0});
    const int timeout = SteadyClock::now() < spinUntil ? 0 : -1;
    if (poll(fds.data(), fds.size(), timeout) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents) break;  // asked to end
    if (fds[1].revents & POLLIN) {
      for (;;) {
        const int fd = accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) break;
        connections_.push_back({fd, nextId_++});
      }
    }
    bool served = false;
    std::vector<int> dead;
    for (std::size_t i = 2; i < fds.size(); ++i) {
      if (!fds[i].revents) continue;
      Connection& c = connections_[i - 2];
      for (;;) {
        const ssize_t n = recv(c.fd, readBuffer_.data(), readBuffer_.size(), MSG_DONTWAIT | MSG_TRUNC);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) break;
        if (n <= 0 || static_cast<std::size_t>(n) > readBuffer_.size() ||
            !Handle(c, readBuffer_.data(), static_cast<std::size_t>(n))) {
          dead.push_back(c.fd);  // closed, broken or malformed
          break;
        }
        served = true;
      }
    }
    for (int fd : dead) {
      close(fd);
      std::erase_if(connections_, [fd](const Connection& c) { return c.fd == fd; });
    }
    if (served && spin) spinUntil = SteadyClock::now() + std::chrono::microseconds(settings_.spinMicros);
  }

  for (const Connection& c : connections_) close(c.fd);
  connections_.clear();
  close(listenFd);
  if (signalFd >= 0) close(signalFd);
  unlink(settings_.socketPath.c_str());
  return 0;
}

bool Server::Handle(Connection& c, const std::uint8_t* data, std::size_t size) {
  simwire::Reader r({data, size});
  const auto type = static_cast<Type>(r.U8());
  const std::uint32_t seq = r.U32();
  if (!r.Ok()) return false;
  simwire::Writer w(reply_);
  w.Header(type, seq);
  switch (type) {
    case Type::Hello:
      w.U32(static_cast<std::uint32_t>(getpid()));
      w.Str(sim_.WindowClass());
      w.U8(sim_.RefusesStart() ? 0 : 1);
      break;
    case Type::Start: {
      const std::int32_t areaSize = r.I32();
      r.I32();
      if (!r.Ok()) return false;
      sim_.Update(RealSeconds());
      c.started = sim_.StartLink("client " + std::to_string(c.id), areaSize);
      w.U8(c.started ? 1 : 0);
      break;
    }
    case Type::Batch:
      if (!HandleBatch(c, r, w)) return false;
      sim_.NoteViewChange();
      break;
    case Type::Focus: {
      const std::uint8_t what = r.U8();
      if (!r.Ok() || what > simwire::kFocusToBack) return false;
      sim_.Update(RealSeconds());
      if (what != simwire::kFocusAsk) sim_.SetInFront(c.Name(), what == simwire::kFocusToFront);
      w.U8(sim_.InFront() ? 1 : 0);
      break;
    }
    case Type::Eye:
      sim_.Update(RealSeconds());
      w.Str("{" + sim_.EyeFields() + "}");
      break;
    case Type::Key: {
      const std::int32_t vk = r.I32();
      const bool down = r.U8() != 0;
      if (!r.Ok()) return false;
      sim_.Update(RealSeconds());
      sim_.Key(c.Name(), vk, down);
      break;
    }
    case Type::HookKey: {
      const std::int32_t vk = r.I32();
      const bool down = r.U8() != 0;
      if (!r.Ok()) return false;
      sim_.Update(RealSeconds());
      const auto sent =
          platform::SendForwardedKey(settings_.keyHookPath, down ? platform::KeyPress(vk) : platform::KeyRelease(vk));
      // A key that waits for room in the listener's queue is logged once it has gone or failed.
      if (sent == platform::ForwardedKeySent::QueueFull) {
        w.U8(simwire::kHookKeyQueueFull);
        break;
      }
      const bool delivered = sent == platform::ForwardedKeySent::Delivered;
      sim_.HookKey(c.Name(), vk, down, delivered);
      w.U8(delivered ? simwire::kHookKeyDelivered : simwire::kHookKeyNobodyListens);
      break;
    }
    case Type::Log: {
      // From a byte offset of the log: its next bytes, the offset after them, the log's size.
      const std::uint64_t from = r.U64();
      if (!r.Ok()) return false;
      std::uint64_t next = from;
      const std::string text = sim_.ReadLog(from, simwire::kMaxMessage / 2, next);
      w.U64(next);
      w.U64(sim_.LogSize());
      w.Str(text);
      break;
    }
    case Type::Script: {
      const std::string name = r.Str();
      const std::string text = r.Str();
      if (!r.Ok()) return false;
      sim_.Update(RealSeconds());
      std::string message;
      const bool ok = sim_.LoadScript(name, text, message);
      w.U8(ok ? 1 : 0);
      w.Str(message);
      break;
    }
    case Type::Time: {
      const std::uint8_t what = r.U8();
      const double value = r.F64();
      if (!r.Ok()) return false;
      sim_.Update(RealSeconds());
      std::string message = "unknown time command";
      const bool ok = (what == 0 && sim_.SetTimeScale(value, message)) || (what == 1 && sim_.AdvanceTime(value, message));
      w.U8(ok ? 1 : 0);
      w.Str(ok ? "" : message);
      break;
    }
    case Type::Stop:
      stop_ = true;
      break;
    default:
      return false;
  }
  send(c.fd, reply_.data(), reply_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  return true;
}

bool Server::HandleBatch(Connection& c, simwire::Reader& r, simwire::Writer& w) {
  struct Entry {
    bool write;
    std::int32_t offset, size;
    std::span<const std::uint8_t> data;
  };
  // The whole request is checked before any entry is applied.
  const std::uint32_t count = r.U32();
  if (!r.Ok() || count > r.Remaining() / 10) return false;
  std::vector<Entry> entries;
  entries.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t op = r.U8();
    Entry e{op == simwire::kWrite, r.I32(), r.I32(), {}};
    e.data = r.Bytes(r.U8());
    if (!r.Ok() || (op != simwire::kRead && op != simwire::kWrite)) return false;
    entries.push_back(e);
  }
  if (!r.AtEnd()) return false;

  sim_.Update(RealSeconds());
  const std::string from = c.Name();
  w.U32(count);
  std::uint8_t value[4];
  for (const Entry& e : entries) {
    if (e.write) {
      w.U8(static_cast<std::uint8_t>(sim_.Write(from, e.offset, e.size, e.data)));
    } else {
      const auto status = sim_.Read(from, e.offset, e.size, value);
      w.U8(static_cast<std::uint8_t>(status));
      if (status == platform::SimEntryStatus::Ok) w.Bytes(value, static_cast<std::size_t>(e.size));
    }
  }
  return true;
}

}  // namespace

int RunServer(Simulator& sim, const ServerSettings& settings, std::string& error) {
  Server server(sim, settings);
  return server.Run(error);
}

}  // namespace vx::standin
