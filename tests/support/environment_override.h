#pragma once
// Sets an environment variable for the life of the object (programs the test starts
// inherit it), then puts back what was there.
#include <cstdlib>
#include <optional>
#include <string>

namespace vx::test {

class EnvironmentOverride {
 public:
  EnvironmentOverride(std::string name, const std::string& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    ::setenv(name_.c_str(), value.c_str(), 1);
  }
  ~EnvironmentOverride() {
    if (old_) ::setenv(name_.c_str(), old_->c_str(), 1);
    else ::unsetenv(name_.c_str());
  }
  EnvironmentOverride(const EnvironmentOverride&) = delete;
  EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace vx::test
