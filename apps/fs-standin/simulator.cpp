#include "simulator.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

namespace vx::standin {
namespace {

std::string Hex(std::int64_t v) {
  char buf[32];
  if (v < 0) {
    std::snprintf(buf, sizeof buf, "-0x%04llX", static_cast<unsigned long long>(-v));
  } else {
    std::snprintf(buf, sizeof buf, "0x%04llX", static_cast<unsigned long long>(v));
  }
  return buf;
}

std::string EntryFields(std::string_view from, std::int32_t offset, std::int32_t size) {
  return "\"from\":" + JsonString(from) + ",\"offset\":\"" + Hex(offset) + "\",\"size\":" + std::to_string(size);
}

// The view variables: the mode byte, the preset view and tower zoom block, the tower eye point.
struct ViewRange {
  std::int32_t offset, size;
};
constexpr ViewRange kViewRanges[] = {{0x8320, 1}, {0x8330, 0x1C}, {0x0D50, 0x18}};
constexpr std::int32_t kViewMode = 0x8320;
constexpr std::int32_t kPresetAngle = 0x833C;
constexpr int kVkBackspace = 8, kVkShift = 16, kVkCtrl = 17, kVkAlt = 18;
constexpr int kVkC = 67, kVkM = 77, kVkS = 83, kVkV = 86;

std::vector<std::uint8_t> ViewBytes(const platform::SimVariableArea& area) {
  std::vector<std::uint8_t> out;
  for (const ViewRange& r : kViewRanges) out.insert(out.end(), area.Data() + r.offset, area.Data() + r.offset + r.size);
  return out;
}

// A number as `format` writes it, whatever its length: no line of the log is cut.
std::string Number(const char* format, double v) {
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, format, v);
  if (n < 0) return "null";
  if (static_cast<std::size_t>(n) < sizeof buf) return buf;
  std::string out(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, v);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

// Degrees of a 64-bit position (high half signed, low half unsigned).
double Degrees(const platform::SimVariableArea& area, std::int32_t lowOffset, double degreesPerUnit) {
  const double high = static_cast<double>(area.GetSigned(lowOffset + 4, 4));
  const double low = static_cast<double>(area.GetUnsigned(lowOffset, 4));
  return (high + low / 4294967296.0) * degreesPerUnit;
}

}  // namespace

Simulator::Simulator(const SimulatorSettings& settings)
    : settings_(settings), clock_(settings.localStart, settings.gmtMinusLocalMinutes, settings.timeScale) {
  if (std::FILE* f = std::tmpfile()) {
    logFd_ = ::dup(::fileno(f));
    std::fclose(f);  // the dup keeps the unlinked file
  }
  WriteDefaultState(area_);
  clock_.WriteTo(area_);
  area_.Set(kViewMode, 1, 1);
  lastView_ = ViewBytes(area_);
}

void Simulator::Update(double realSeconds) {
  clock_.RunTo(realSeconds, Paused());
  clock_.WriteTo(area_);
  StepWorld();
  NoteViewChange();
}

void Simulator::StepWorld() {
  ApplyScript();
  const double now = clock_.SimSeconds();
  const bool wasMoving = motion_.Moving();
  motion_.Apply(area_);
  motion_.Run(area_, now - motionSeconds_);
  motion_.Apply(area_);
  motionSeconds_ = now;
  if (motion_.Moving() != wasMoving) {
    Log("motion", Number("\"north\":%.2f", motion_.NorthMetres()) + Number(",\"east\":%.2f", motion_.EastMetres()) +
                      Number(",\"turn\":%.2f", motion_.TurnDegrees()) + ",\"moving\":" + (motion_.Moving() ? "true" : "false"));
  }
}

void Simulator::ApplyScript() {
  if (script_.Empty()) return;
  const double t = clock_.SimSeconds() - scriptStart_;
  script_.RunRawWritesUpTo(t, area_);
  FieldTarget target{area_, tankLevelShift_};
  script_.ApplyAt(t, target);
  // Once past its last keyframe the script holds its values; the log says so once, so that
  // whoever drives the flight can load the next one.
  if (!scriptEndLogged_ && t >= script_.Duration()) {
    scriptEndLogged_ = true;
    Log("script-end", "\"name\":" + JsonString(scriptName_));
  }
}

platform::SimEntryStatus Simulator::Read(std::string_view from, std::int32_t offset, std::int32_t size,
                                         std::uint8_t* out) {
  const auto status = platform::CheckSimEntry(offset, size);
  if (status != platform::SimEntryStatus::Ok) {
    Log("reject", "\"op\":\"read\"," + EntryFields(from, offset, size) + ",\"reason\":\"" +
                      (status == platform::SimEntryStatus::BadSize ? "size" : "outside") + "\"");
    return status;
  }
  area_.Read(offset, size, out);
  return status;
}

platform::SimEntryStatus Simulator::Write(std::string_view from, std::int32_t offset, std::int32_t size,
                                          std::span<const std::uint8_t> bytes) {
  auto status = platform::CheckSimEntry(offset, size);
  if (status == platform::SimEntryStatus::Ok && bytes.size() != static_cast<std::size_t>(size)) {
    status = platform::SimEntryStatus::BadSize;
  }
  const std::uint8_t* data = bytes.data();
  if (status != platform::SimEntryStatus::Ok) {
    Log("reject", "\"op\":\"write\"," + EntryFields(from, offset, size) + ",\"reason\":\"" +
                      (status == platform::SimEntryStatus::BadSize ? "size" : "outside") + "\"");
    return status;
  }
  const std::int64_t value = platform::LittleEndianValue(data, size, size != 1);
  // A tank level written while the script drives that tank moves the script's level for it.
  if (size == 4) {
    for (std::size_t i = 0; i < kFuelTanks.size(); ++i) {
      if (kFuelTanks[i].levelOffset != offset) continue;
      if (auto pct = script_.TankPercentAt(i, clock_.SimSeconds() - scriptStart_)) {
        tankLevelShift_[i] = value - std::llround(*pct * kFullTankLevel / 100.0);
      }
    }
  }
  area_.Write(offset, size, data);
  Log("write", EntryFields(from, offset, size) + ",\"value\":" + std::to_string(value));
  return status;
}

void Simulator::Key(std::string_view from, int virtualKey, bool down) {
  Log("key", "\"from\":" + JsonString(from) + ",\"vk\":" + std::to_string(virtualKey) +
                 ",\"down\":" + (down ? "true" : "false"));
  switch (virtualKey) {
    case kVkShift: shift_ = down; return;
    case kVkCtrl: ctrl_ = down; return;
    case kVkAlt: alt_ = down; return;
    default: break;
  }
  if (!down || !inFront_) return;
  if (DoorKey(virtualKey)) return;
  const auto mode = static_cast<int>(area_.GetUnsigned(kViewMode, 1));
  const int menu = viewMenu_;
  viewMenu_ = 0;
  if (virtualKey == kVkS && !ctrl_ && !alt_) {
    const int next = shift_ ? (mode >= 2 && mode <= 4 ? mode - 1 : 4) : (mode >= 1 && mode <= 3 ? mode + 1 : 1);
    area_.Set(kViewMode, 1, next);
  } else if (virtualKey == kVkV && alt_ && !shift_ && !ctrl_) {
    viewMenu_ = 1;
  } else if (virtualKey == kVkM && menu == 1) {
    viewMenu_ = 2;
  } else if (virtualKey == kVkC && menu == 2) {
    area_.Set(kViewMode, 1, 1);
  } else if (virtualKey == kVkBackspace && shift_ && ctrl_ && !alt_ && mode == 4) {
    area_.Set(kPresetAngle, 2, static_cast<std::int64_t>((area_.GetUnsigned(kPresetAngle, 2) + kWalkaroundStep) & 0xFFFF));
  }
  NoteViewChange();
}

bool Simulator::DoorKey(int virtualKey) {
  constexpr int kVkW = 87, kVkF6 = 117, kVk0 = 48, kVk9 = 57;
  const double now = clock_.SimSeconds();
  if (shift_ || ctrl_ || alt_) {
    chordPending_ = true;
    chordAt_ = now;
    jetwayChord_ = virtualKey == kVkW && shift_ && ctrl_ && !alt_;
    return false;
  }
  const bool inTime = chordPending_ && now - chordAt_ <= kDoorKeySeconds;
  chordPending_ = false;
  if (!inTime) return false;
  if (virtualKey >= kVk0 && virtualKey <= kVk9) {
    const int door = virtualKey - kVk0;
    doorOpen_[static_cast<std::size_t>(door)] = !doorOpen_[static_cast<std::size_t>(door)];
    Log("door", "\"door\":" + std::to_string(door) + ",\"open\":" + (doorOpen_[static_cast<std::size_t>(door)] ? "true" : "false"));
    return true;
  }
  if (virtualKey == kVkF6 && jetwayChord_) {
    jetwayAttached_ = !jetwayAttached_;
    Log("jetway", std::string("\"attached\":") + (jetwayAttached_ ? "true" : "false"));
    return true;
  }
  return false;
}

void Simulator::SetInFront(std::string_view from, bool inFront) {
  inFront_ = inFront;
  Log("focus", "\"from\":" + JsonString(from) + ",\"front\":" + (inFront ? "true" : "false"));
}

void Simulator::NoteViewChange() {
  auto now = ViewBytes(area_);
  if (now == lastView_) return;
  lastView_ = std::move(now);
  Log("eye", EyeFields());
}

std::string Simulator::EyeFields() const {
  const auto& a = area_;
  return "\"mode\":" + std::to_string(a.GetUnsigned(kViewMode, 1)) +
         ",\"preset\":{\"altitude\":" + Number("%g", static_cast<double>(a.GetSigned(0x8348, 4)) / 256.0) +
         ",\"distance\":" + Number("%g", static_cast<double>(a.GetSigned(0x8340, 4)) / 256.0) +
         ",\"zoom\":" + std::to_string(a.GetSigned(0x8334, 2)) + ",\"angle\":" + std::to_string(a.GetUnsigned(kPresetAngle, 2)) +
         ",\"code\":" + std::to_string(a.GetUnsigned(0x8345, 1)) + "},\"tower\":{\"lat\":" +
         Number("%.7f", Degrees(a, 0x0D50, 8.9984275577e-6)) + ",\"lon\":" +
         Number("%.7f", Degrees(a, 0x0D58, 8.381903171539e-8)) + ",\"alt\":" + std::to_string(a.GetSigned(0x0D64, 4)) +
         ",\"zoom\":" + std::to_string(a.GetSigned(0x8330, 2)) + "}";
}

void Simulator::HookKey(std::string_view from, int virtualKey, bool down, bool delivered) {
  Log("hook-key", "\"from\":" + JsonString(from) + ",\"vk\":" + std::to_string(virtualKey) +
                      ",\"down\":" + (down ? "true" : "false") + ",\"delivered\":" + (delivered ? "true" : "false"));
}

bool Simulator::StartLink(std::string_view from, std::int32_t size) {
  const bool accepted = !settings_.refuseStart;
  Log("start", "\"from\":" + JsonString(from) + ",\"size\":" + std::to_string(size) +
                   ",\"accepted\":" + (accepted ? "true" : "false"));
  return accepted;
}

bool Simulator::LoadScript(std::string_view name, std::string_view text, std::string& message) {
  FlightScript parsed;
  bool ok = FlightScript::Parse(text, parsed, message);
  // A script without a keyframe (an empty or wrong file) would stop the running flight
  // where it stands; it is refused and the flight goes on.
  if (ok && parsed.Empty()) {
    message = "no keyframes: a script needs at least one \"at TIME\" line";
    ok = false;
  }
  if (!ok) {
    Log("script", "\"name\":" + JsonString(name) + ",\"error\":" + JsonString(message));
    return false;
  }
  // "here" is where the aircraft stands now, after whatever moved it since the last script.
  parsed.ResolveHere(area_);
  script_ = std::move(parsed);
  scriptStart_ = clock_.SimSeconds();
  scriptName_ = std::string(name);
  scriptEndLogged_ = false;
  tankLevelShift_ = {};
  motion_.Reset();
  ApplyScript();
  message = std::to_string(script_.KeyframeCount()) + " keyframes, " + std::to_string(script_.Duration()) + " s";
  Log("script", "\"name\":" + JsonString(name) + ",\"keyframes\":" + std::to_string(script_.KeyframeCount()));
  return true;
}

bool Simulator::SetTimeScale(double scale, std::string& message) {
  if (!(scale >= 0 && scale <= kMaxTimeScale)) {
    message = "the time scale is a number from 0 to " + std::to_string(static_cast<int>(kMaxTimeScale));
    return false;
  }
  clock_.SetScale(scale);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", clock_.Scale());
  Log("time", std::string("\"scale\":") + buf);
  return true;
}

bool Simulator::AdvanceTime(double seconds, std::string& message) {
  if (!(seconds >= 0 && seconds <= kMaxAdvanceSeconds)) {
    message = "the clock moves on by 0 to " + std::to_string(static_cast<long>(kMaxAdvanceSeconds)) +
              " seconds (one year) at a time";
    return false;
  }
  clock_.Advance(seconds);
  clock_.WriteTo(area_);
  StepWorld();
  NoteViewChange();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", seconds);
  Log("time", std::string("\"advance\":") + buf);
  return true;
}

Simulator::~Simulator() {
  if (logFd_ >= 0) ::close(logFd_);
}

void Simulator::Log(std::string_view kind, const std::string& fields) {
  const CivilTime local = clock_.Local();
  std::string line = "{\"n\":" + std::to_string(logLines_ + 1) + Number(",\"sim\":%.3f", clock_.SimSeconds()) +
                     ",\"clock\":\"" + Number("%02.0f", local.hour) + ":" + Number("%02.0f", local.minute) + ":" +
                     Number("%02.0f", local.second) + "\",\"kind\":" + JsonString(kind) + "," + fields + "}";
  ++logLines_;
  if (sink_) sink_(line);
  if (logFd_ < 0) return;
  line += '\n';
  std::size_t done = 0;
  while (done < line.size()) {
    const ssize_t n = ::pwrite(logFd_, line.data() + done, line.size() - done, static_cast<off_t>(logBytes_ + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the line stays unstored; the next goes after the last whole one
    done += static_cast<std::size_t>(n);
  }
  logBytes_ += line.size();
}

std::string Simulator::ReadLog(std::uint64_t from, std::size_t maxBytes, std::uint64_t& next) const {
  next = from;
  if (logFd_ < 0 || from >= logBytes_ || maxBytes == 0) return {};
  std::string text(static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes, logBytes_ - from)), '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const ssize_t n = ::pread(logFd_, text.data() + got, text.size() - got, static_cast<off_t>(from + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  text.resize(got);
  if (from + got < logBytes_) {
    const auto lastLineEnd = text.rfind('\n');
    if (lastLineEnd != std::string::npos) text.resize(lastLineEnd + 1);
  }
  next = from + text.size();
  return text;
}

std::vector<std::string> Simulator::LogLines() const {
  std::vector<std::string> lines;
  std::string all;
  for (std::uint64_t at = 0, next = 0; at < logBytes_; at = next) {
    all += ReadLog(at, 1 << 20, next);
    if (next == at) break;
  }
  std::size_t start = 0;
  for (std::size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(all.substr(start, end - start));
  }
  return lines;
}

}  // namespace vx::standin
