#include "platform/timeline_log.h"

#include <string>

#include "platform/json_text.h"

namespace vx::platform {
std::unique_ptr<TimelineLog> TimelineLog::Open(const std::filesystem::path& file, const Clock& clock) {
  std::FILE* f = std::fopen(file.c_str(), "w");
  if (!f) return nullptr;
  return std::unique_ptr<TimelineLog>(new TimelineLog(f, clock));
}

TimelineLog::TimelineLog(std::FILE* file, const Clock& clock)
    : file_(file), clock_(clock), originNanos_(clock.MonotonicNanos()) {}

TimelineLog::~TimelineLog() { std::fclose(file_); }

void TimelineLog::Add(std::string_view kind, std::initializer_list<Field> fields) {
  const LocalDateTime now = clock_.Now();
  char head[96];
  std::snprintf(head, sizeof head, "{\"t\":%.3f,\"clock\":\"%02d:%02d:%02d.%03d\",\"kind\":",
                static_cast<double>(clock_.MonotonicNanos() - originNanos_) / 1e9, now.hour, now.minute, now.second,
                now.millisecond);
  std::string line = head;
  line += JsonString(kind);
  for (const Field& field : fields) {
    line += ',';
    line += JsonString(field.name);
    line += ':';
    if (const auto* text = std::get_if<std::string_view>(&field.value)) {
      line += JsonString(*text);
    } else {
      line += std::to_string(std::get<long long>(field.value));
    }
  }
  line += "}\n";
  std::fputs(line.c_str(), file_);
  std::fflush(file_);
}

}  // namespace vx::platform
