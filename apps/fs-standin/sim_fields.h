#pragma once
// The named values of a flight script and how each is written into the variable area.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/sim_variable_area.h"

namespace vx::standin {

// The eleven fuel tanks: level variable (100 % = 8388608) and, 4 bytes on, capacity in gallons.
struct FuelTank {
  std::string_view name;
  std::int32_t levelOffset;
};
inline constexpr std::array<FuelTank, 11> kFuelTanks = {{
    {"centre1", 0x0B74},
    {"centre2", 0x1244},
    {"centre3", 0x124C},
    {"ext1", 0x1254},
    {"ext2", 0x125C},
    {"left_main", 0x0B7C},
    {"left_aux", 0x0B84},
    {"left_tip", 0x0B8C},
    {"right_main", 0x0B94},
    {"right_aux", 0x0B9C},
    {"right_tip", 0x0BA4},
}};
inline constexpr std::int32_t kFullTankLevel = 8388608;
inline constexpr std::int32_t kPauseOffset = 0x0262;

// Where script values go: the area, and per tank the amount by which a program's write of
// the tank level has moved it away from the script.
struct FieldTarget {
  platform::SimVariableArea& area;
  std::array<std::int64_t, 11>& tankLevelShift;
};

enum class FieldKind {
  Linear,  // interpolated in time
  Angle,   // interpolated the short way round the circle
  Step,    // holds the earlier keyframe's value
};

struct SimField {
  std::string_view name;
  FieldKind kind;
  void (*apply)(FieldTarget&, double value);
  // The values a script may give; every conversion into the area stays in range within them.
  double lowest = -1e9;
  double highest = 1e9;
  // The value as the area holds it, for the fields a script may start where the aircraft
  // stands ("lat=here"); null for the others.
  double (*read)(const platform::SimVariableArea&) = nullptr;
};

// Every field, in the order they are applied (the height above ground after the altitude).
std::span<const SimField> SimFields();
const SimField* FindSimField(std::string_view name);

// The stand-in's area at start: an aircraft parked at Tokyo Haneda with half-full tanks in
// calm weather.
void WriteDefaultState(platform::SimVariableArea& area);

}  // namespace vx::standin
