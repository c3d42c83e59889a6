#include "support/standin_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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

void Drain(int fd, std::string& into) {
  char buf[4096];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) into.append(buf, static_cast<std::size_t>(n));
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

CommandResult RunCommand(const std::filesystem::path& program, const std::vector<std::string>& args) {
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  std::vector<std::string> storage;
  auto argv = Argv(program, args, storage);
  pid_t pid;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  CommandResult result;
  if (rc == 0) {
    // Both pipes are small; read stdout then stderr (ctl writes little to either).
    Drain(out[0], result.out);
    Drain(err[0], result.err);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

CommandResult StandinProcess::Ctl(const std::vector<std::string>& args) const {
  std::vector<std::string> all = BaseOptions();
  all.insert(all.end(), {"--class", className_, "ctl"});
  all.insert(all.end(), args.begin(), args.end());
  return RunCommand(StandinBinary(), all);
}

void StandinProcess::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

void StandinProcess::Freeze() {
  if (pid_ > 0) kill(pid_, SIGSTOP);
}

void StandinProcess::Thaw() {
  if (pid_ > 0) kill(pid_, SIGCONT);
}

}  // namespace vx::test
