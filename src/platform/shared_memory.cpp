#include "platform/shared_memory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vx::platform {
namespace {

int FlockRetrying(int fd, int operation) {
  int rc;
  do {
    rc = flock(fd, operation);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

// Opens or creates the object readable and writable by this user only; -1 when it cannot,
// or when an object of that name belongs to someone else or is open to others.
int OpenPrivateObject(const std::string& name) {
  const int fd = shm_open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || st.st_uid != geteuid() || (st.st_mode & 077) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Whether `fd` is still the object the name stands for (the last closer may have removed
// the name while this process waited for the object's lock).
bool StillNamed(int fd, const std::string& name) {
  const int now = shm_open(name.c_str(), O_RDONLY | O_CLOEXEC, 0);
  if (now < 0) return false;
  struct stat a {}, b {};
  const bool same = fstat(fd, &a) == 0 && fstat(now, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
  ::close(now);
  return same;
}

// Holds the exclusive lock of the "<object>.init" object for one open or close.
class InitGuard {
 public:
  explicit InitGuard(const std::string& initName) : name_(initName) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      const int fd = OpenPrivateObject(initName);
      if (fd < 0) return;
      if (FlockRetrying(fd, LOCK_EX) != 0) {
        ::close(fd);
        return;
      }
      if (StillNamed(fd, initName)) {
        fd_ = fd;
        return;
      }
      ::close(fd);  // removed meanwhile: take the one that stands now
    }
  }
  ~InitGuard() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  bool Held() const { return fd_ >= 0; }
  // Removes the lock object while it is held: waiting openers then make a new one.
  void RemoveName() const {
    if (fd_ >= 0) shm_unlink(name_.c_str());
  }

 private:
  std::string name_;
  int fd_ = -1;
};

}  // namespace

std::string SharedMemory::UserNameStem() { return "vexlor-" + std::to_string(geteuid()) + "-"; }

std::string SharedMemory::ObjectName(std::string_view prefix, std::string_view name) {
  std::string s = "/" + UserNameStem();
  s += prefix;
  s += name;
  return s;
}

std::unique_ptr<SharedMemory> SharedMemory::Open(std::string_view prefix, std::string_view name, std::size_t size) {
  if (size == 0 || name.empty()) return nullptr;
  std::unique_ptr<SharedMemory> m(new SharedMemory());
  m->objectName_ = ObjectName(prefix, name);
  m->initName_ = m->objectName_ + ".init";

  InitGuard guard(m->initName_);
  if (!guard.Held()) return nullptr;

  const int fd = OpenPrivateObject(m->objectName_);
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
  {
    InitGuard guard(initName_);
    // The last holder removes the object and its lock object; a later opener starts afresh.
    // A holder that failed half-way through its open may be the last one, too.
    if (guard.Held() && FlockRetrying(fd_, LOCK_EX | LOCK_NB) == 0) {
      shm_unlink(objectName_.c_str());
      guard.RemoveName();
    }
    ::close(fd_);
  }
}

bool SharedMemory::Flush() const { return data_ && msync(data_, size_, MS_SYNC) == 0; }

}  // namespace vx::platform
