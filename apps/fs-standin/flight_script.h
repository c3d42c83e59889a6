#pragma once
// A flight script: keyframes of named values at script times, interpolated between them.
//
//   # comment
//   at 0      lat=35.5494 lon=139.7798 alt=21 agl=0 hdg=337 onground=1 fuel=60
//   at 2:00   gs=15 hdg=337
//   at 1:05:00 alt=37000 agl=36980 0x2F80:1=1
//
// A time is seconds, m:ss or h:mm:ss from the moment the script is loaded. Each field is
// interpolated between the keyframes that name it, held before the first and after the last
// one. "0xOFFSET:SIZE=VALUE" writes a raw variable once, when the script passes its time.
// The value "here" (lat, lon, alt and hdg only) is the value the aircraft has when the
// script is loaded, so a script can go on from wherever the aircraft was left.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim_fields.h"

namespace vx::standin {

// The largest flight script, in bytes: with its file's name it goes to a running stand-in
// in one message.
inline constexpr std::size_t kMaxScriptBytes = 120 * 1024;

// The text of a flight script file, read no further than one byte past `kMaxScriptBytes`.
// Only a plain file is read: a folder, a named pipe, a device or a socket is refused at
// once with its own reason, as is a file larger than that or one that cannot be read.
bool ReadScriptFile(const std::filesystem::path& file, std::string& text, std::string& error);

class FlightScript {
 public:
  // Parses the text; on failure gives a message naming the line and leaves `out` alone.
  static bool Parse(std::string_view text, FlightScript& out, std::string& error);

  // Gives the "here" values the area's values of their fields (once, at loading).
  void ResolveHere(const platform::SimVariableArea& area);
  // Writes every field the script drives, as it stands at script time `t`.
  void ApplyAt(double t, FieldTarget& target) const;
  // Performs the raw writes whose keyframes lie at or before `t` and have not run yet.
  void RunRawWritesUpTo(double t, platform::SimVariableArea& area);
  // The tank's scripted fill in percent at `t`, when the script drives that tank.
  std::optional<double> TankPercentAt(std::size_t tank, double t) const;

  std::size_t KeyframeCount() const { return keyframes_; }
  double Duration() const { return duration_; }
  bool Empty() const { return keyframes_ == 0; }

 private:
  struct Point {
    double time;
    double value;
    bool here = false;
  };
  struct Track {
    const SimField* field;
    std::vector<Point> points;
  };
  struct RawWrite {
    double time;
    std::int32_t offset;
    std::int32_t size;
    std::int64_t value;
  };
  const Track* FindTrack(std::string_view name) const;
  static double Sample(const Track& track, double t);

  std::vector<Track> tracks_;  // in the order of SimFields()
  std::vector<RawWrite> raw_;
  std::size_t nextRaw_ = 0;
  std::size_t keyframes_ = 0;
  double duration_ = 0;
};

// Seconds, m:ss or h:mm:ss.
bool ParseScriptTime(std::string_view text, double& seconds);

}  // namespace vx::standin
