#include "flight_script.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "sim_clock.h"

namespace vx::standin {
namespace {

bool ParseNumber(std::string_view text, double& out) {
  if (text.empty()) return false;
  const std::string s(text);
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && std::isfinite(out);
}

bool ParseInteger(std::string_view text, std::int64_t& out) {
  if (text.empty()) return false;
  const std::string s(text);
  char* end = nullptr;
  errno = 0;
  out = std::strtoll(s.c_str(), &end, 0);
  return end == s.c_str() + s.size() && errno == 0;
}

// Why a file of this type is no flight script; nothing for a plain file.
const char* NotAScript(mode_t mode) {
  if (S_ISREG(mode)) return nullptr;
  if (S_ISDIR(mode)) return "a folder, not a flight script";
  if (S_ISFIFO(mode)) return "a named pipe, not a flight script";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device, not a flight script";
  return "not a plain file, not a flight script";
}

}  // namespace

// Opened without waiting (a named pipe with no writer would hold the open forever) and
// read only when it is a plain file.
bool ReadScriptFile(const std::filesystem::path& file, std::string& text, std::string& error) {
  const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = errno == ENXIO ? "not a plain file, not a flight script" : std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    error = std::string("cannot read: ") + std::strerror(errno);
    close(fd);
    return false;
  }
  if (const char* reason = NotAScript(st.st_mode)) {
    close(fd);
    error = reason;
    return false;
  }
  std::string read(kMaxScriptBytes + 1, '\0');
  std::size_t have = 0;
  while (have < read.size()) {
    const ssize_t n = ::read(fd, read.data() + have, read.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = std::string("cannot read: ") + std::strerror(errno);
      close(fd);
      return false;
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  close(fd);
  if (have > kMaxScriptBytes) {
    error = "too large for a flight script (at most " + std::to_string(kMaxScriptBytes) + " bytes)";
    return false;
  }
  read.resize(have);
  text = std::move(read);
  return true;
}

bool ParseScriptTime(std::string_view text, double& seconds) {
  double total = 0;
  std::size_t parts = 0;
  while (true) {
    const std::size_t colon = text.find(':');
    const std::string_view part = text.substr(0, colon);
    double v;
    if (!ParseNumber(part, v) || v < 0) return false;
    if (parts > 0 && v >= 60) return false;
    total = total * 60 + v;
    if (++parts > 3) return false;
    if (colon == std::string_view::npos) break;
    text.remove_prefix(colon + 1);
  }
  if (total > kMaxAdvanceSeconds) return false;
  seconds = total;
  return true;
}

bool FlightScript::Parse(std::string_view text, FlightScript& out, std::string& error) {
  FlightScript s;
  for (const SimField& f : SimFields()) s.tracks_.push_back({&f, {}});
  std::istringstream in{std::string(text)};
  std::string line;
  int lineNo = 0;
  double lastTime = 0;
  auto fail = [&](const std::string& what) {
    error = "line " + std::to_string(lineNo) + ": " + what;
    return false;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string word;
    if (!(words >> word)) continue;
    if (word != "at") return fail("a keyframe starts with \"at TIME\"");
    std::string timeText;
    double time;
    if (!(words >> timeText) || !ParseScriptTime(timeText, time)) return fail("bad time \"" + timeText + "\"");
    if (time < lastTime) return fail("keyframes must not go back in time");
    lastTime = time;
    ++s.keyframes_;
    s.duration_ = time;
    while (words >> word) {
      const auto eq = word.find('=');
      if (eq == std::string::npos || eq == 0) return fail("expected NAME=VALUE, got \"" + word + "\"");
      const std::string name = word.substr(0, eq);
      const std::string valueText = word.substr(eq + 1);
      if (name.rfind("0x", 0) == 0 || name.rfind("0X", 0) == 0) {
        const auto colon = name.find(':');
        std::int64_t offset, size, value;
        if (colon == std::string::npos || !ParseInteger(name.substr(0, colon), offset) ||
            !ParseInteger(name.substr(colon + 1), size) || !ParseInteger(valueText, value)) {
          return fail("expected 0xOFFSET:SIZE=VALUE, got \"" + word + "\"");
        }
        if (platform::CheckSimEntry(offset, size) != platform::SimEntryStatus::Ok) {
          return fail("variable " + name + " is outside the area or not 1, 2 or 4 bytes");
        }
        // Signed or unsigned, as either is written; nothing is cut to fit.
        const std::int64_t lowest = -(std::int64_t{1} << (8 * size - 1));
        const std::int64_t highest = (std::int64_t{1} << (8 * size)) - 1;
        if (value < lowest || value > highest) {
          return fail("variable " + name + " takes " + std::to_string(lowest) + " to " + std::to_string(highest) +
                      ", not " + valueText);
        }
        s.raw_.push_back({time, static_cast<std::int32_t>(offset), static_cast<std::int32_t>(size), value});
        continue;
      }
      const SimField* field = FindSimField(name);
      if (!field) return fail("unknown value \"" + name + "\"");
      if (valueText == "here") {
        if (!field->read) return fail("only lat, lon, alt and hdg take \"here\", not " + name);
        for (Track& t : s.tracks_) {
          if (t.field == field) t.points.push_back({time, 0, true});
        }
        continue;
      }
      double value;
      if (!ParseNumber(valueText, value)) return fail("bad number \"" + valueText + "\" for " + name);
      if (value < field->lowest || value > field->highest) {
        std::ostringstream range;
        range << name << " takes " << field->lowest << " to " << field->highest << ", not " << valueText;
        return fail(range.str());
      }
      for (Track& t : s.tracks_) {
        if (t.field == field) t.points.push_back({time, value});
      }
    }
  }
  std::erase_if(s.tracks_, [](const Track& t) { return t.points.empty(); });
  out = std::move(s);
  return true;
}

void FlightScript::ResolveHere(const platform::SimVariableArea& area) {
  for (Track& track : tracks_) {
    for (Point& p : track.points) {
      if (!p.here) continue;
      p.value = track.field->read(area);
      p.here = false;
    }
  }
}

double FlightScript::Sample(const Track& track, double t) {
  const auto& p = track.points;
  if (t <= p.front().time) return p.front().value;
  if (t >= p.back().time) return p.back().value;
  // The last point at or before t; the next one is after t.
  auto next = std::upper_bound(p.begin(), p.end(), t, [](double v, const Point& q) { return v < q.time; });
  const Point& a = *(next - 1);
  const Point& b = *next;
  if (track.field->kind == FieldKind::Step || b.time <= a.time) return a.value;
  const double f = (t - a.time) / (b.time - a.time);
  if (track.field->kind == FieldKind::Angle) {
    double diff = std::fmod(b.value - a.value, 360.0);
    if (diff > 180) diff -= 360;
    if (diff < -180) diff += 360;
    return a.value + diff * f;
  }
  return a.value + (b.value - a.value) * f;
}

void FlightScript::ApplyAt(double t, FieldTarget& target) const {
  for (const Track& track : tracks_) track.field->apply(target, Sample(track, t));
}

void FlightScript::RunRawWritesUpTo(double t, platform::SimVariableArea& area) {
  while (nextRaw_ < raw_.size() && raw_[nextRaw_].time <= t) {
    const RawWrite& w = raw_[nextRaw_++];
    area.Set(w.offset, w.size, w.value);
  }
}

const FlightScript::Track* FlightScript::FindTrack(std::string_view name) const {
  for (const Track& t : tracks_) {
    if (t.field->name == name) return &t;
  }
  return nullptr;
}

std::optional<double> FlightScript::TankPercentAt(std::size_t tank, double t) const {
  if (tank >= kFuelTanks.size()) return std::nullopt;
  if (const Track* own = FindTrack("fuel_" + std::string(kFuelTanks[tank].name))) return Sample(*own, t);
  if (const Track* all = FindTrack("fuel")) return Sample(*all, t);
  return std::nullopt;
}

}  // namespace vx::standin
