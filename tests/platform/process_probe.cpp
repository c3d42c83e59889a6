// Child program of the process tests.
//   process_probe record <file> <args...>: writes each argument and VX_NO_FOCUS, one a line
//   process_probe stubborn <file>: ignores SIGTERM, writes "ready", then sleeps
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::ofstream out(argv[2]);
  if (std::strcmp(argv[1], "record") == 0) {
    for (int i = 3; i < argc; ++i) out << argv[i] << '\n';
    const char* focus = std::getenv("VX_NO_FOCUS");
    out << "VX_NO_FOCUS=" << (focus ? focus : "(unset)") << '\n';
    return 0;
  }
  if (std::strcmp(argv[1], "stubborn") == 0) {
    signal(SIGTERM, SIG_IGN);
    out << "ready" << std::endl;
    for (;;) pause();
  }
  return 2;
}
