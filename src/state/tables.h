#pragma once
// The airport and airline tables: 201 slots each, fields named by the columns of
// their files (空港db.csv, 会社db.csv).
#include <array>
#include <cstdint>
#include <string>

namespace vx::state {

inline constexpr int kTableSlots = 201;      // slots 0 to 200
inline constexpr int kNoSlot = 999;          // the pickers' mark for "no slot"
inline constexpr int kImportDepartureSlot = 198;
inline constexpr int kImportArrivalSlot = 199;
inline constexpr int kImportAirlineSlot = 139;
// Slots from here on are international ones, in both tables.
inline constexpr int kFirstInternationalSlot = 100;

// Slots 0 to 99 domestic, 100 to 199 international; 198 and 199 take the airports of
// an imported random flight.
struct AirportRecord {
  std::int16_t 音声 = 0;  // 1: the airport has recorded name voices
  std::string チャイム;    // lobby chime file in "\Wav\Lob\"
  std::string ICAO;
  std::string 選択ボタン;  // button name; empty means the slot is free
  std::string 空港名パタパタ;
  std::string 空港名詳細;
  std::int32_t 緯度 = 0;  // simulator units (degrees = units × 8.9984275577e-6)
  std::int32_t 経度 = 0;  // simulator units (degrees = units × 8.381903171539e-8)
  std::int16_t 高度 = 0;  // feet
  std::int16_t DEF時差 = 0;   // minutes, GMT minus local
  std::int16_t 修正時差 = 0;  // minutes, GMT minus local

  bool operator==(const AirportRecord&) const = default;
};

// Slots 0 to 49 domestic, 100 to 149 international.
struct AirlineRecord {
  std::int16_t 音声 = 0;
  std::string 選択ボタン;  // empty means the slot is free
  std::string 会社名詳細;
  std::string 安全放送;  // the airline's own safety announcement in "\Wav\Etc\安全放送\"

  bool operator==(const AirlineRecord&) const = default;
};

using AirportTableArray = std::array<AirportRecord, kTableSlots>;
using AirlineTableArray = std::array<AirlineRecord, kTableSlots>;

}  // namespace vx::state
