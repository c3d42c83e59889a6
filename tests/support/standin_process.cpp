#include "support/standin_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace vx::test {
namespace {

std::vector<char*> Argv(const std::filesystem::path& program, const std::vector<std::string>& args,
                        std::vector<std::string>& storage) {
  storage.clear();
  storage.push_back(program.string());
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& s : storage) argv.push_back(s.data());
  argv.push_back(nullptr);
  return argv;
}

// Reads what is there without blocking; false once the writer has closed its end.
bool ReadSome(int fd, std::string& into) {
  char buf[4096];
  const ssize_t n = read(fd, buf, sizeof buf);
  if (n > 0) into.append(buf, static_cast<std::size_t>(n));
  return n > 0 || (n < 0 && errno == EINTR);
}

}  // namespace

std::filesystem::path StandinBinary() {
  if (const char* build = std::getenv("VX_BUILD_DIR"); build && *build) {
    return std::filesystem::path(build) / "bin" / "fs-standin";
  }
  return VX_STANDIN_BINARY;
}

static bool Answers(const std::filesystem::path& socket) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string p = socket.string();
  if (p.size() >= sizeof(addr.sun_path)) return false;
  std::memcpy(addr.sun_path, p.c_str(), p.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  const bool ok = fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0;
  if (fd >= 0) close(fd);
  return ok;
}

CommandResult RunCommand(const std::filesystem::path& program, const std::vector<std::string>& args,
                         std::optional<std::chrono::milliseconds> limit) {
  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  std::vector<std::string> storage;
  auto argv = Argv(program, args, storage);
  pid_t pid;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  CommandResult result;
  if (rc == 0) {
    // Both pipes are read as they fill, until both are closed or the limit passes.
    const auto deadline = std::chrono::steady_clock::now() + limit.value_or(std::chrono::hours(24 * 365));
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* into[2] = {&result.out, &result.err};
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) {
        result.timedOut = true;
        kill(pid, SIGKILL);
        break;
      }
      if (poll(fds, 2, static_cast<int>(std::min<long long>(left.count(), 1000))) < 0 && errno != EINTR) break;
      for (int i = 0; i < 2; ++i) {
        if (fds[i].fd >= 0 && fds[i].revents != 0 && !ReadSome(fds[i].fd, *into[i])) fds[i].fd = -1;
      }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = !result.timedOut && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  close(out[0]);
  close(err[0]);
  return result;
}

StandinProcess::StandinProcess(std::vector<std::string> options) {
  std::string tmpl = (std::filesystem::temp_directory_path() / "vxsim-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  folder_ = tmpl;
  prefix_ = "t" + std::to_string(getpid()) + "_";
  Start(std::move(options));
}

StandinProcess::StandinProcess(std::filesystem::path folder, std::string prefix, std::vector<std::string> options)
    : folder_(std::move(folder)), prefix_(std::move(prefix)) {
  std::filesystem::create_directories(folder_);
  std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);  // only the user's own folders are used
  Start(std::move(options));
}

void StandinProcess::Start(std::vector<std::string> options) {
  for (std::size_t i = 0; i + 1 < options.size(); ++i) {
    if (options[i] == "--class") className_ = options[i + 1];
  }
  std::vector<std::string> args = BaseOptions();
  args.insert(args.end(), options.begin(), options.end());
  std::vector<std::string> storage;
  auto argv = Argv(StandinBinary(), args, storage);
  if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    pid_ = -1;
    throw std::runtime_error("cannot start " + StandinBinary().string());
  }
  // Registered once its socket takes a connection.
  const auto socket = folder_ / (prefix_ + className_ + ".sock");
  for (int i = 0; i < 500; ++i) {
    if (Answers(socket)) return;
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      throw std::runtime_error("fs-standin ended at start");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  throw std::runtime_error("fs-standin did not register");
}

StandinProcess::~StandinProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGCONT);
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

std::vector<std::string> StandinProcess::BaseOptions() const {
  return {"--folder", folder_.string(), "--prefix", prefix_};
}

CommandResult StandinProcess::Ctl(const std::vector<std::string>& args,
                                  std::optional<std::chrono::milliseconds> limit) const {
  std::vector<std::string> all = BaseOptions();
  all.insert(all.end(), {"--class", className_, "ctl"});
  all.insert(all.end(), args.begin(), args.end());
  return RunCommand(StandinBinary(), all, limit);
}

void StandinProcess::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

void StandinProcess::Freeze() {
  if (pid_ <= 0) return;
  kill(pid_, SIGSTOP);
  // The signal arrives on its own time: wait until every thread of it has stopped.
  int status = 0;
  waitpid(pid_, &status, WUNTRACED);
}

void StandinProcess::Thaw() {
  if (pid_ > 0) kill(pid_, SIGCONT);
}

}  // namespace vx::test
