#include "platform/standin_link.h"

#include <poll.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/private_folder.h"
#include "platform/sim_wire.h"

namespace vx::platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

int RemainingMs(SteadyClock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return left < 0 ? 0 : static_cast<int>(left) + 1;
}

}  // namespace

bool SpinningHelps() {
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  return sched_getaffinity(0, sizeof cpus, &cpus) == 0 && CPU_COUNT(&cpus) > 1;
}

std::filesystem::path DefaultStandinFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    return std::filesystem::path(runtime) / "vexlor-sim";
  }
  return std::filesystem::path("/tmp") / ("vexlor-sim-" + std::to_string(getuid()));
}

std::filesystem::path StandinSocketPath(const std::filesystem::path& folder, std::string_view prefix,
                                        std::string_view className) {
  return folder / (std::string(prefix) + std::string(className) + ".sock");
}

bool StandinConnection::Connect(const std::filesystem::path& socketPath, int timeoutMs) {
  Close();
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string p = socketPath.string();
  if (p.size() >= sizeof(addr.sun_path)) return false;
  std::memcpy(addr.sun_path, p.c_str(), p.size() + 1);

  const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0) break;
    // A full backlog: the stand-in is busy; try again until the deadline.
    if ((errno == EAGAIN || errno == EINTR) && SteadyClock::now() < deadline) {
      poll(nullptr, 0, 1);
      continue;
    }
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void StandinConnection::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool StandinConnection::PeerClosed() {
  if (fd_ < 0) return true;
  pollfd p{fd_, POLLIN | POLLRDHUP, 0};
  int n;
  do n = poll(&p, 1, 0);
  while (n < 0 && errno == EINTR);
  if (n <= 0 || (p.revents & (POLLHUP | POLLRDHUP | POLLERR | POLLNVAL)) == 0) return false;
  Close();
  return true;
}

bool StandinConnection::Transact(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& reply,
                                 int timeoutMs) {
  if (fd_ < 0 || request.size() < 5) return false;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);

  for (;;) {
    if (send(fd_, request.data(), request.size(), MSG_NOSIGNAL) >= 0) break;
    if (errno == EINTR) continue;
    if (errno == EAGAIN) {
      pollfd p{fd_, POLLOUT, 0};
      if (poll(&p, 1, RemainingMs(deadline)) <= 0 && SteadyClock::now() >= deadline) return false;
      continue;
    }
    Close();
    return false;
  }

  const auto spinEnd = SteadyClock::now() + std::chrono::microseconds(spinMicros_);
  reply.resize(simwire::kMaxMessage);
  for (;;) {
    const ssize_t n = recv(fd_, reply.data(), reply.size(), MSG_DONTWAIT | MSG_TRUNC);
    if (n == 0) {
      Close();  // the stand-in has gone
      return false;
    }
    if (n > 0) {
      if (static_cast<std::size_t>(n) > reply.size()) continue;  // oversized: not ours
      if (n >= 5 && reply[0] == request[0] && std::memcmp(&reply[1], &request[1], 4) == 0) {
        reply.resize(static_cast<std::size_t>(n));
        return true;
      }
      continue;  // a late reply to an earlier request
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN) {
      Close();
      return false;
    }
    const auto now = SteadyClock::now();
    if (now >= deadline) return false;
    if (now < spinEnd) continue;
    pollfd p{fd_, POLLIN, 0};
    poll(&p, 1, RemainingMs(deadline));
  }
}

std::int64_t StandinWindowFinder::FindTopLevelWindow(std::string_view className) {
  // A simulator registered in a folder that others may write to could be anyone's.
  if (std::string problem = PrivateFolderProblem(folder_, false); !problem.empty()) {
    if (std::error_code ec; std::filesystem::exists(folder_, ec) && problem != problem_) {
      std::fprintf(stderr, "the simulator link is not used: %s\n", problem.c_str());
    }
    problem_ = std::move(problem);
    return 0;
  }
  problem_.clear();
  const auto path = StandinSocketPath(folder_, prefix_, className);
  StandinConnection c;
  if (!c.Connect(path, 500)) return 0;
  std::vector<std::uint8_t> request, reply;
  simwire::Writer w(request);
  w.Header(simwire::Type::Hello, c.NextSeq());
  if (!c.Transact(request, reply, 1000)) return 0;
  simwire::Reader r(reply);
  r.SkipHeader();
  const std::uint32_t pid = r.U32();
  const std::string registered = r.Str();
  if (!r.Ok() || registered != className) return 0;
  const std::int64_t handle = pid == 0 ? 1 : static_cast<std::int64_t>(pid);
  found_[handle] = path;
  return handle;
}

std::filesystem::path StandinWindowFinder::SocketOf(std::int64_t window) const {
  auto it = found_.find(window);
  return it == found_.end() ? std::filesystem::path() : it->second;
}

std::int16_t StandinSimIpcClient::Start(std::int64_t window, std::int32_t size, std::int32_t timeoutMs) {
  link_.Close();
  window_ = 0;
  timeoutMs_ = timeoutMs > 0 ? timeoutMs : 2000;
  const auto path = finder_.SocketOf(window);
  if (window == 0 || path.empty()) return 0;
  if (!link_.Connect(path, timeoutMs_)) return 0;
  simwire::Writer w(request_);
  w.Header(simwire::Type::Start, link_.NextSeq());
  w.I32(size);
  w.I32(timeoutMs_);
  if (!link_.Transact(request_, reply_, timeoutMs_)) {
    link_.Close();
    return 0;
  }
  simwire::Reader r(reply_);
  r.SkipHeader();
  const bool accepted = r.U8() != 0;
  if (!r.Ok() || !accepted) {
    link_.Close();
    return 0;
  }
  window_ = window;
  return 1;
}

void StandinSimIpcClient::Stop() {
  window_ = 0;
  link_.Close();
  pending_.clear();
}

bool StandinSimIpcClient::SendRequest() {
  if (!link_.Connected()) {
    pending_.clear();
    return false;
  }
  simwire::Writer w(request_);
  w.Header(simwire::Type::Batch, link_.NextSeq());
  w.U32(static_cast<std::uint32_t>(pending_.size()));
  for (const SimBatchEntry& e : pending_) {
    w.U8(e.write ? simwire::kWrite : simwire::kRead);
    w.I32(e.offset);
    w.I32(e.size);
    const std::uint8_t dataLength = e.write && e.size > 0 && e.size <= 4 ? static_cast<std::uint8_t>(e.size) : 0;
    w.U8(dataLength);
    w.Bytes(e.data, dataLength);
  }
  const bool replied = link_.Transact(request_, reply_, timeoutMs_);
  if (!replied) {
    pending_.clear();
    return false;
  }

  // Check the whole reply before any destination is touched.
  simwire::Reader check(reply_);
  check.U8();
  check.U32();
  bool allOk = check.U32() == pending_.size();
  for (std::size_t i = 0; allOk && i < pending_.size(); ++i) {
    const auto status = static_cast<SimEntryStatus>(check.U8());
    if (status == SimEntryStatus::Ok && !pending_[i].write) check.Bytes(static_cast<std::size_t>(pending_[i].size));
    allOk = check.Ok();
  }
  if (!allOk || !check.AtEnd()) {
    pending_.clear();
    return false;
  }

  simwire::Reader r(reply_);
  r.SkipHeader();
  r.U32();
  bool everyEntry = true;
  for (const SimBatchEntry& e : pending_) {
    const auto status = static_cast<SimEntryStatus>(r.U8());
    if (status != SimEntryStatus::Ok) {
      everyEntry = false;
      continue;
    }
    if (!e.write) {
      auto bytes = r.Bytes(static_cast<std::size_t>(e.size));
      if (!bytes.empty()) std::memcpy(e.destination, bytes.data(), bytes.size());
    }
  }
  pending_.clear();
  return everyEntry;
}

bool StandinSimIpcClient::SendKey(int virtualKey, bool down) {
  if (!link_.Connected()) return false;
  std::vector<std::uint8_t> request, reply;
  simwire::Writer w(request);
  w.Header(simwire::Type::Key, link_.NextSeq());
  w.I32(virtualKey);
  w.U8(down ? 1 : 0);
  return link_.Transact(request, reply, timeoutMs_);
}

bool StandinSimIpcClient::SendFocus(std::uint8_t what) {
  if (!link_.Connected()) return false;
  std::vector<std::uint8_t> request, reply;
  simwire::Writer w(request);
  w.Header(simwire::Type::Focus, link_.NextSeq());
  w.U8(what);
  if (!link_.Transact(request, reply, timeoutMs_)) return false;
  simwire::Reader r(reply);
  r.SkipHeader();
  const bool inFront = r.U8() != 0;
  return r.Ok() && inFront;
}

bool StandinSimFocus::SimulatorInFront(std::int64_t simWindow) {
  return simWindow != 0 && simWindow == client_.Window() && client_.SendFocus(simwire::kFocusAsk);
}

void StandinSimFocus::BringSimulatorToFront(std::int64_t simWindow) {
  if (simWindow != 0 && simWindow == client_.Window()) client_.SendFocus(simwire::kFocusToFront);
}

}  // namespace vx::platform
