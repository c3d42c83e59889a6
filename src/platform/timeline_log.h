#pragma once
// The played timeline of a run, for a person checking what the program did and for the
// end-to-end tests: one JSON object per line, written through at once, such as
//   {"t":12.345,"clock":"09:30:12.345","kind":"play","buffer":3,"file":"...","volume":0,"pan":0}
// `t` is seconds since the log was opened, `clock` the time of day.
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <variant>

#include "platform/clock.h"

namespace vx::platform {

class TimelineLog {
 public:
  struct Field {
    std::string_view name;
    std::variant<std::string_view, long long> value;
  };

  // Starts the file afresh; null when it cannot be written.
  static std::unique_ptr<TimelineLog> Open(const std::filesystem::path& file, const Clock& clock);
  ~TimelineLog();
  TimelineLog(const TimelineLog&) = delete;
  TimelineLog& operator=(const TimelineLog&) = delete;

  void Add(std::string_view kind, std::initializer_list<Field> fields = {});

 private:
  TimelineLog(std::FILE* file, const Clock& clock);
  std::FILE* file_;
  const Clock& clock_;
  std::int64_t originNanos_;
};

}  // namespace vx::platform
