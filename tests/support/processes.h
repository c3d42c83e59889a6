#pragma once
// Other processes as the integration tests see them: waited for, looked up in /proc,
// started with an environment of the test's choice.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vx::test {

// Asks `done` every 50 ms until it holds; false when `limit` passes first.
bool Await(const std::function<bool()>& done, std::chrono::milliseconds limit);

// The state letter of /proc/<pid>/stat ('R', 'S', 'Z' for a zombie, ...); 0 when the
// process has gone.
char ProcessState(pid_t pid);

// The running processes whose executable is `path`, or lies below it when it is a folder
// (the programs of an installation). A zombie has no executable and is not among them.
std::vector<pid_t> ProcessesUnder(const std::filesystem::path& path);

// Starts `program` without arguments, with this process's environment but for the names
// in `overrides`, which get the values given there; its standard output and error go to
// the file `output` (made afresh). Its process id, or -1 when it could not be started.
pid_t StartProgram(const std::filesystem::path& program, const std::map<std::string, std::string>& overrides,
                   const std::filesystem::path& output);

// What the address, leak and undefined-behaviour sanitizers reported in a program's
// output file, from their first report on; empty when they reported nothing (always so in
// a build without them). The programs that the program started write there too.
std::string SanitizerReports(const std::filesystem::path& output);

}  // namespace vx::test
