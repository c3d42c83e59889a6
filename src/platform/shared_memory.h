#pragma once
// Named shared memory with the lifetime the programs rely on: the memory exists while any
// program holds it; the first holder finds it zero-filled, also when an earlier holder
// crashed without closing it.
//
// POSIX shared memory: each holder keeps a shared flock on the memory object; an opener
// that can take the exclusive lock holds it alone and zeroes it. Openers and the last
// closer are serialised by a second object, "<object>.init", which the last closer removes
// together with the memory. Two holders in one process are two holders.
//
// The objects belong to one user: their names carry the user's id ("/vexlor-<uid>-<prefix>
// <name>"), they are made readable and writable by that user only, and an object of that
// name that another user owns is not used.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vx::platform {

class SharedMemory {
 public:
  // Opens the memory `name` (`prefix` first: "" in the programs, unique per test), creating
  // it zero-filled of `size` bytes when no program holds it. Nothing when it cannot be opened,
  // when the object is not the user's own, or when the memory that other holders have is
  // smaller than `size`.
  static std::unique_ptr<SharedMemory> Open(std::string_view prefix, std::string_view name, std::size_t size);
  // Removes the named objects left in the system (tests clean up their prefixes).
  static void Remove(std::string_view prefix, std::string_view name);
  // The system's name of the memory object ("/vexlor-<uid>-<prefix><name>"); its lock object
  // is this name followed by ".init".
  static std::string ObjectName(std::string_view prefix, std::string_view name);
  // The start of the names of every object of this user: "vexlor-<uid>-" (without the "/").
  static std::string UserNameStem();

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

}  // namespace vx::platform
