#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace vx::platform {
namespace {

constexpr std::string_view kNoFocusVariable = "VX_NO_FOCUS";

// Our environment less VX_NO_FOCUS, plus VX_NO_FOCUS=1 when the child must not take the focus.
std::vector<std::string> ChildEnvironment(bool takeFocus) {
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) {
    const std::string_view entry(*e);
    if (entry.size() > kNoFocusVariable.size() && entry.substr(0, kNoFocusVariable.size()) == kNoFocusVariable &&
        entry[kNoFocusVariable.size()] == '=')
      continue;
    env.emplace_back(entry);
  }
  if (!takeFocus) env.push_back(std::string(kNoFocusVariable) + "=1");
  return env;
}

std::vector<char*> PointersOf(std::vector<std::string>& strings) {
  std::vector<char*> ptrs;
  ptrs.reserve(strings.size() + 1);
  for (auto& s : strings) ptrs.push_back(s.data());
  ptrs.push_back(nullptr);
  return ptrs;
}

// Reaps the child when it has ended; true when it has (or is no child of ours any more).
bool Reaped(int pid) {
  int status = 0;
  pid_t r;
  do r = ::waitpid(pid, &status, WNOHANG);
  while (r < 0 && errno == EINTR);
  return r == pid || (r < 0 && errno == ECHILD);
}

class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawnattr_init(&attr_);
    posix_spawn_file_actions_init(&actions_);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr_, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int sig : {SIGPIPE, SIGCHLD, SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM})
      sigaddset(&defaults, sig);
    posix_spawnattr_setsigdefault(&attr_, &defaults);
    posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
#endif
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attr_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  const posix_spawnattr_t* Attr() const { return &attr_; }
  const posix_spawn_file_actions_t* Actions() const { return &actions_; }

 private:
  posix_spawnattr_t attr_;
  posix_spawn_file_actions_t actions_;
};

}  // namespace

PosixProcessLauncher::~PosixProcessLauncher() { ReapEnded(); }

void PosixProcessLauncher::ReapEnded() {
  for (auto it = children_.begin(); it != children_.end();) {
    if (Reaped(*it))
      it = children_.erase(it);
    else
      ++it;
  }
}

std::optional<int> PosixProcessLauncher::Start(const std::filesystem::path& program,
                                               const std::vector<std::string>& args, bool takeFocus) {
  ReapEnded();
  const std::string path = program.string();
  if (path.empty()) return std::nullopt;
  std::vector<std::string> argvStrings;
  argvStrings.reserve(args.size() + 1);
  argvStrings.push_back(path);
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  auto argv = PointersOf(argvStrings);
  auto envStrings = ChildEnvironment(takeFocus);
  auto envp = PointersOf(envStrings);

  SpawnSetup setup;
  pid_t pid = 0;
  const bool searchPath = path.find('/') == std::string::npos;
  const int err = searchPath ? ::posix_spawnp(&pid, path.c_str(), setup.Actions(), setup.Attr(), argv.data(), envp.data())
                             : ::posix_spawn(&pid, path.c_str(), setup.Actions(), setup.Attr(), argv.data(), envp.data());
  if (err != 0) return std::nullopt;
  children_.insert(pid);
  return static_cast<int>(pid);
}

bool PosixProcessLauncher::IsRunning(int pid) {
  if (!children_.count(pid)) return false;
  if (!Reaped(pid)) return true;
  children_.erase(pid);
  return false;
}

void PosixProcessLauncher::Close(int pid) {
  if (!children_.count(pid)) return;
  if (Reaped(pid)) {
    children_.erase(pid);
    return;
  }
  ::kill(pid, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Reaped(pid)) {
      children_.erase(pid);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ::kill(pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  children_.erase(pid);
}

}  // namespace vx::platform
