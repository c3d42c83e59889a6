#pragma once
// Named shared memory with the lifetime the programs rely on: the memory exists while any
// program holds it; the first holder finds it zero-filled, also when an earlier holder
// crashed without closing it.
//
// POSIX shared memory: each holder keeps a shared flock on the memory object; an opener
// that can take the exclusive lock holds it alone and zeroes it. Openers and the last
// closer are serialised by a second object, "<name>.init". Two holders in one process
// are two holders.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vx::platform {

class SharedMemory {
 public:
  // Opens the memory `name` (`prefix` first: "" in the programs, unique per test), creating
  // it zero-filled of `size` bytes when no program holds it. Nothing when it cannot be opened
  // or when the memory that other holders have is smaller than `size`.
  static std::unique_ptr<SharedMemory> Open(std::string_view prefix, std::string_view name, std::size_t size);
  // Removes the named objects left in the system (tests clean up their prefixes).
  static void Remove(std::string_view prefix, std::string_view name);

  ~SharedMemory();
  SharedMemory(const SharedMemory&) = delete;
  SharedMemory& operator=(const SharedMemory&) = delete;

  std::byte* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  // Makes the bytes written so far visible to the other holders; true on success.
  bool Flush() const;
  // Whether this holder found the memory unheld and zeroed it.
  bool Created() const { return created_; }

 private:
  SharedMemory() = default;
  std::string objectName_;
  std::string initName_;
  int fd_ = -1;
  std::byte* data_ = nullptr;
  std::size_t size_ = 0;
  bool created_ = false;
};

// The prefix of the shared memories of one desktop session ($XDG_RUNTIME_DIR, else the
// user): the three programs of a session meet in their own channels, as they meet the
// simulator in the session's folder, and a second session on the machine (another user, a
// test beside a flight) neither reads nor writes them.
std::string SessionSharedMemoryPrefix();

}  // namespace vx::platform
