#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>

#include "platform/file_errors.h"
#include "runtime/cp932.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

// Closes the descriptor on every path out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int Get() const { return fd_; }
  // Closes now; the errno of a failed close, or 0.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

int OpenRetrying(const char* name, int flags, mode_t mode = 0) {
  int fd;
  do fd = ::open(name, flags | O_CLOEXEC, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes every byte; errno on failure, 0 on success.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// A name beside the target that no other writer uses.
fs::path TemporaryNameFor(const fs::path& path) {
  std::random_device rd;
  const auto tag = std::to_string(::getpid()) + "-" + std::to_string(rd() % 1000000000u);
  return path.parent_path() / ("." + path.filename().string() + ".tmp-" + tag);
}

void WriteBytesAtomic(const fs::path& path, std::string_view bytes) {
  if (path.filename().empty()) ThrowFileError(EISDIR, path);
  // A file made read-only is not replaced (the rename would do it regardless); a file
  // that is replaced keeps its mode.
  struct stat old{};
  const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacing && (old.st_mode & 0222) == 0) ThrowFileError(EACCES, path);
  // Another program may take the file away meanwhile: then there is nothing to keep.
  if (replacing && ::access(path.c_str(), W_OK) != 0 && errno != ENOENT) ThrowFileError(EACCES, path);
  fs::path tmp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    tmp = TemporaryNameFor(path);
    fd = OpenRetrying(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0 && errno != EEXIST) ThrowFileError(errno, path);
  }
  if (fd < 0) ThrowFileError(EEXIST, path);
  Fd file(fd);
  int err = replacing && ::fchmod(file.Get(), old.st_mode & 07777) != 0 ? errno : 0;
  if (!err) err = WriteAll(file.Get(), bytes);
  if (!err && ::fsync(file.Get()) != 0 && errno != EINVAL) err = errno;
  const int closeErr = file.Close();
  if (!err) err = closeErr;
  if (!err && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(tmp.c_str());
    ThrowFileError(err, path);
  }
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

// The line (from 1) that holds the byte at `offset`, lines ending as SplitLines ends
// them (line ends are ASCII, and no CP932 trail byte is CR or LF).
std::size_t LineOfByte(std::string_view bytes, std::size_t offset) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++line;
  }
  return line;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace

std::string ReadBinaryFile(const fs::path& path) {
  Fd file(OpenRetrying(path.c_str(), O_RDONLY));
  if (file.Get() < 0) ThrowFileError(errno, path);
  struct stat st{};
  if (::fstat(file.Get(), &st) == 0 && S_ISDIR(st.st_mode)) ThrowFileError(EISDIR, path);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(errno, path);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

std::string ReadTextFile(const fs::path& path) { return runtime::Cp932ToUtf8(ReadBinaryFile(path)); }

bool StartsWithUtf8Bom(std::string_view bytes) { return bytes.starts_with("\xEF\xBB\xBF"); }

std::string ReadCp932TextFile(const fs::path& path) {
  const std::string bytes = ReadBinaryFile(path);
  if (StartsWithUtf8Bom(bytes)) throw NotCp932TextError(1, true);
  const std::size_t bad = runtime::FirstNonCp932Byte(bytes);
  const std::size_t utf8 = runtime::FirstNonAsciiOfUtf8Text(bytes);
  if (bad != std::string::npos || utf8 != std::string::npos) {
    throw NotCp932TextError(LineOfByte(bytes, std::min(bad, utf8)), utf8 != std::string::npos);
  }
  return runtime::Cp932ToUtf8(bytes);
}

std::vector<std::string> ReadTextLines(const fs::path& path) { return SplitLines(ReadTextFile(path)); }

void WriteTextFileAtomic(const fs::path& path, std::string_view utf8Text) {
  WriteBytesAtomic(path, runtime::Utf8ToCp932Exact(utf8Text));
}

void WriteTextLinesAtomic(const fs::path& path, const std::vector<std::string>& lines) {
  WriteTextFileAtomic(path, JoinLines(lines));
}

void WriteReportLinesAtomic(const fs::path& path, const std::vector<std::string>& lines) {
  WriteBytesAtomic(path, runtime::Utf8ToCp932(JoinLines(lines)));
}

void AppendTextFile(const fs::path& path, std::string_view utf8Text) {
  Fd file(OpenRetrying(path.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0666));
  if (file.Get() < 0) ThrowFileError(errno, path);
  int err = WriteAll(file.Get(), runtime::Utf8ToCp932(utf8Text));
  const int closeErr = file.Close();
  if (!err) err = closeErr;
  if (err) ThrowFileError(err, path);
}

}  // namespace vx::platform
