#pragma once
// The values the main program hands to the call-out program in its hand-over files, as
// the call-out program keeps them (the files' layouts bind their positions to these fields).
#include <array>
#include <cstdint>
#include <string>

namespace vx::state {

// vexlorSD.cfg: volumes, window position and the call-out thresholds.
struct ExpSoundValues {
  std::array<std::int16_t, 7> CallVolumeLevels{};  // 0-6: volumes 1 to 10 of the seven groups
  std::int16_t GearNoiseIas = 0;                   // 7
  std::int16_t TouchdownSoundSize = 0;             // 8: 0 small, 1 large aircraft
  std::int16_t VnavCallSwitch = 0;                 // 9
  std::int16_t ClimbThrustCallSwitch = 0;          // 10
  std::int32_t ExpWindowTop = 0;                   // 11, twips
  std::int32_t ExpWindowLeft = 0;                  // 12, twips
  std::int16_t FlapCallVariant = 15;               // 13: 10 or 15
  std::int16_t TakeoffFlap = 0;                    // 14
  std::int32_t CallV1 = 0;                         // 15-17, knots
  std::int32_t CallVR = 0;
  std::int32_t CallV2 = 0;
  std::int32_t MinimumsHeight1 = 0;  // 18: approaching minimum, feet
  std::int32_t MinimumsHeight2 = 0;  // 19: minimum, feet
  std::array<std::int32_t, 3> AfterTakeoffHeights{};    // 20-22
  std::array<std::int32_t, 2> FlapUpSpeeds{};           // 23, 24
  std::int32_t ApproachCheckHeight = 0;                 // 25
  std::int32_t landingCheckHeight = 0;                  // 26 (the call-out program keeps it unused)
  std::array<std::int32_t, 6> ApproachFlapSpeeds{};     // 27-32
  std::array<std::int32_t, 6> SpeedReductionHeights{};  // 33-38
  std::int16_t DepartureElevationFt = 0;                // 39
  std::int16_t ArrivalElevationFt = 0;                  // 40
  std::int16_t GoAroundFlap = 0;                        // 41
  std::int32_t ArrivalLatitudeRaw = 0;                  // 42, simulator units
  std::int32_t ArrivalLongitudeRaw = 0;                 // 43
  std::int16_t SpecialEngineSoundSwitch = 0;            // 44
  // 45: the landing runway's two digits ("16"), read through a 16-bit number;
  // `LandingCourse` is that number × 10.
  std::string landingRunwayNumber = "16";
  std::int16_t AesDeparture = 0;     // 46
  std::int16_t AesArrival = 0;       // 47
  std::int16_t CallElevationFt = 0;  // 48
};

// vexlorPB.cfg: one pushback request.
struct ExpPushbackValues {
  std::int16_t pushbackOn = 0;            // value 0 (the call-out program does not use it)
  std::int16_t PushbackMode = 0;          // 1: the simulator's own pushback, else a slew push
  std::int16_t SlewStartByte = 0;         // pushback speed
  std::int16_t SlewTurnValue = 0;         // turn rate
  std::int16_t SlewTurnByte = 0;          // backward speed while turning
  std::int16_t PushbackDistance = 0;      // metres
  std::string PushbackSide;               // "左" or "右"
  std::int16_t PushbackTurnMode = 0;      // 1 by an angle, 2 to a compass word, 3 to a heading
  std::int16_t PushbackTurnAngle = 0;     // degrees
  std::string PushbackCompassWord;        // "北", "東", "南", ...
  std::int16_t PushbackFixedHeading = 0;  // degrees
};

// EyeCheck.cfg: the inspection view sequence and its departure board.
struct ExpInspectionValues {
  std::string InspectionDoorSwitch;       // value 0, "ON": open the doors during the inspection
  std::int16_t InspectionBoardFlag = 0;   // value 1, 1: show the departure board
  // Values 2 to 11: the departure board's values.
  std::string boardKind = "出発";
  std::int16_t gate = 0;
  std::string airlineSlot;    // read through a 16-bit number
  std::string flightNumber;   // read through a 16-bit number ("0123" arrives as "123")
  std::int16_t hour = 0;      // scheduled departure, local
  std::int16_t minute = 0;
  std::string departureSlot;  // `AirportTable` slots as texts
  std::string arrivalSlot;
  std::string departureBoardName;  // 空港名パタパタ of the two slots
  std::string arrivalBoardName;
};

}  // namespace vx::state
