#include "datafiles/pro_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "runtime/cp932.h"

namespace vx::datafiles::test {

std::string GoldenText(const std::string& name) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  const std::filesystem::path root = source ? source : VX_SOURCE_DIR_FALLBACK;
  std::ifstream in(root / "tests/datafiles/golden" / name, std::ios::binary);
  if (!in) throw std::runtime_error("missing golden file " + name);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string GoldenBytes(const std::string& name) {
  std::string crlf;
  for (char c : GoldenText(name)) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return runtime::Utf8ToCp932(crlf);
}

}  // namespace vx::datafiles::test
