#pragma once
// The stand-in's socket loop: registers the window class as a Unix-domain socket and serves
// every connection's requests, one message each, on a single thread.
#include <filesystem>
#include <string>

#include "simulator.h"

namespace vx::standin {

struct ServerSettings {
  std::filesystem::path socketPath;
  // Where the main program's key hook listens for the keys handed on to it.
  std::filesystem::path keyHookPath;
  // After a request, keep polling this long before sleeping (a fast reply to the next one);
  // only when the stand-in may run on more than one processor.
  int spinMicros = 200;
};

// Serves until a stop request, SIGINT or SIGTERM; returns the exit code (with a message in
// `error` when the socket could not be set up).
int RunServer(Simulator& sim, const ServerSettings& settings, std::string& error);

}  // namespace vx::standin
