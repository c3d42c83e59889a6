#include "support/processes.h"

#include <fcntl.h>
#include <spawn.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <thread>

extern char** environ;

namespace vx::test {

namespace fs = std::filesystem;

bool Await(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

char ProcessState(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return 0;
  const auto paren = line.rfind(')');  // the program's name in parentheses may hold anything
  return paren != std::string::npos && paren + 2 < line.size() ? line[paren + 2] : 0;
}

std::vector<pid_t> ProcessesUnder(const fs::path& path) {
  const std::string folder = path.string() + "/";
  std::vector<pid_t> pids;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/proc", ec)) {
    const std::string id = entry.path().filename().string();
    if (id.find_first_not_of("0123456789") != std::string::npos) continue;
    std::error_code linkError;
    const fs::path exe = fs::read_symlink(entry.path() / "exe", linkError);
    if (!linkError && (exe == path || exe.string().starts_with(folder))) pids.push_back(std::stoi(id));
  }
  return pids;
}

pid_t StartProgram(const fs::path& program, const std::map<std::string, std::string>& overrides,
                   const fs::path& output) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (!overrides.contains(entry.substr(0, entry.find('=')))) env.push_back(entry);
  }
  for (const auto& [name, value] : overrides) env.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string name = program.string();
  char* argv[] = {name.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, name.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

std::string SanitizerReports(const fs::path& output) {
  std::ifstream in(output, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The same as VX_SANITIZER_REPORT in cmake/project_options.cmake.
  static const std::regex kReport("ERROR: [A-Za-z]+Sanitizer|SUMMARY: [A-Za-z]+Sanitizer|: runtime error: ");
  std::smatch found;
  if (!std::regex_search(text, found, kReport)) return {};
  const std::size_t line = text.rfind('\n', static_cast<std::size_t>(found.position(0)));
  return text.substr(line == std::string::npos ? 0 : line + 1);
}

}  // namespace vx::test
