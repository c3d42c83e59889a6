#include "platform/shared_memory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vx::platform {
namespace {

std::string ObjectName(std::string_view prefix, std::string_view name) {
  std::string s = "/";
  s += prefix;
  s += name;
  return s;
}

int FlockRetrying(int fd, int operation) {
  int rc;
  do {
    rc = flock(fd, operation);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

// Holds the exclusive lock of the "<name>.init" object for one open or close.
class InitGuard {
 public:
  explicit InitGuard(const std::string& initName) {
    fd_ = shm_open(initName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && FlockRetrying(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~InitGuard() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace

std::unique_ptr<SharedMemory> SharedMemory::Open(std::string_view prefix, std::string_view name, std::size_t size) {
  if (size == 0 || name.empty()) return nullptr;
  std::unique_ptr<SharedMemory> m(new SharedMemory());
  m->objectName_ = ObjectName(prefix, name);
  m->initName_ = m->objectName_ + ".init";

  InitGuard guard(m->initName_);
  if (!guard.Held()) return nullptr;

  const int fd = shm_open(m->objectName_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return nullptr;
  m->fd_ = fd;  // the destructor closes it from here on

  if (FlockRetrying(fd, LOCK_EX | LOCK_NB) == 0) {
    // No other holder: whatever is left (a crashed holder's bytes) goes; start from zeros.
    if (ftruncate(fd, 0) != 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) return nullptr;
    if (FlockRetrying(fd, LOCK_SH) != 0) return nullptr;
    m->created_ = true;
  } else {
    // Other holders keep only shared locks, and nobody converts while we hold the init lock.
    if (FlockRetrying(fd, LOCK_SH) != 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_size < static_cast<off_t>(size)) return nullptr;
  }

  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (p == MAP_FAILED) return nullptr;
  m->data_ = static_cast<std::byte*>(p);
  m->size_ = size;
  return m;
}

void SharedMemory::Remove(std::string_view prefix, std::string_view name) {
  const std::string object = ObjectName(prefix, name);
  shm_unlink(object.c_str());
  shm_unlink((object + ".init").c_str());
}

SharedMemory::~SharedMemory() {
  if (data_) munmap(data_, size_);
  if (fd_ < 0) return;
  InitGuard guard(initName_);
  // The last holder removes the object; a later opener starts from a fresh one.
  if (guard.Held() && FlockRetrying(fd_, LOCK_EX | LOCK_NB) == 0) shm_unlink(objectName_.c_str());
  ::close(fd_);
}

bool SharedMemory::Flush() const { return data_ && msync(data_, size_, MS_SYNC) == 0; }

std::string SessionSharedMemoryPrefix() {
  std::string session;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    session = runtime;
  } else {
    session = "uid " + std::to_string(getuid());
  }
  // FNV-1a of the session's name: a short, fixed name for the same session in every program.
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : session) {
    h ^= c;
    h *= 1099511628211ull;
  }
  char text[32];
  std::snprintf(text, sizeof text, "vx%016llx_", static_cast<unsigned long long>(h));
  return text;
}

}  // namespace vx::platform
