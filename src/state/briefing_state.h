#pragma once
// Module-level state of the take-off briefing and flight set-up.
#include <array>
#include <cstdint>
#include <string>

#include "state/picker_state.h"

namespace vx::state {

// Values committed from the take-off briefing sheet.
struct TobBriefingValues {
  std::int16_t FsYear = 0;
  std::int16_t FsMonth = 0;
  std::int16_t FsDay = 0;
  std::string AirlineName;
  std::string ShipName;
  std::string AircraftTypeText;        // such as "04 B75/76 2 Engines"
  std::int16_t AircraftTypeCode = 0;   // 0 the add-on 767, 1 to 9 the other types
  std::string FlightNumber;
  // The take-off runway as chosen on the sheet: first digit "0" to "3", second digit "0"
  // to "9", side word ("ライト(R)", "レフト(L)", "センター(C)" or another text); set by
  // the sheet's commit.
  std::string TakeoffRunwayDigit1;
  std::string TakeoffRunwayDigit2;
  std::string TakeoffRunwaySide;
  std::string TakeoffRunway;  // two digits and "L", "R", "C" or "N", such as "16R"
  // The weather at the aircraft as the sheet showed it when committed (texts as shown).
  std::string WindDirectionText;   // "000" to "360"
  std::string WindSpeedText;       // knots
  std::string TemperatureText;     // degrees, may be negative
  std::string DewPointText;
  std::string TurbulenceText;      // "--", "時々", "弱", "中", "強", "最悪"
  std::string QnhInHgText;         // inches of mercury x 100, four digits
  std::string QnhHpaText;          // hPa, four digits
  std::string WeatherWordText;     // "快晴", "晴", "曇り", "雨", "雪"
  std::string RainTypeText;        // "雨", "雪", "--"
  std::string RainRateText;        // "--", "微", "小", "中", "強", "暴"
  std::string LowCloudTopText;     // feet, "#,##0"
  std::string LowCloudBaseText;
  std::string LowCloudCoverText;   // eighths, such as "3/8"
  std::string HighCloudTopText;
  std::string HighCloudBaseText;
  std::string HighCloudCoverText;
  std::string StormTopText;
  std::string StormBaseText;
  std::string StormCoverText;
  std::string WindAngleText;       // wind to the runway in signed degrees, such as "+12"
  std::string WindWordText;        // such as "やや右よりの風", "ライトクロス"
  std::int16_t FlipBoardOn = 0;        // 1: show the split-flap departure board
  std::int16_t DepartureGate = 0;
  std::int16_t DepartureAesFlag = 0;
  std::int16_t ArrivalAesFlag = 0;
  std::int16_t TakeoffFlap = 0;
  std::string TakeoffThrust;  // "Take1", "Take2", "TO/CB"
  std::string ClimbThrust;    // "Climb1", "Climb2", "TO/GA"
  std::string ClimbMode;      // "LNAV/VNAV", "SPD/HDG/ALT"
  std::int32_t CruiseAltitude = 0;  // feet
  std::int16_t TakeoffV1 = 0;
  std::int16_t TakeoffVr = 0;
  std::int16_t TakeoffV2 = 0;
  std::int16_t EngineOutAccelerationHeight = 0;  // feet
  std::int16_t AccelerationHeight = 0;
  std::int16_t ReductionHeight = 0;
  std::string BeforeV1Action;  // what to do on an engine failure before V1
  std::string AfterV1Action;
  std::int16_t TroubleReturnAltitude = 0;  // feet
  std::string ReturnPattern;   // "ワイドパターン" or "ショートパターン"
  std::string ReturnApproach;  // "レーダーベクター" or "ビジュアル"
  std::int16_t MinimumAltitude = 0;
  std::int16_t ApproachingMinimumAltitude = 0;
  std::int16_t AircraftHeight = 0;  // height above ground when the briefing was signed
};

// Local and GMT clock of one briefing event: 0 scheduled departure, 1 scheduled
// arrival, 2 actual departure, 3 actual arrival at the gate.
struct BriefingEventTime {
  std::int16_t localHour = 0;
  std::int16_t localMinute = 0;
  std::int16_t gmtHour = 0;
  std::int16_t gmtMinute = 0;
};

struct BriefingTimesValues {
  std::array<BriefingEventTime, 4> events;
  std::int16_t departureTimeDifference = 0;  // minutes, GMT minus local
  std::int16_t arrivalTimeDifference = 0;
};

// The pushback window's options; values 4 to 14 go to the call-out program.
struct PushbackValues {
  std::int16_t cockpitConversation = 1;
  std::int16_t voiceFileSet = 1;
  std::int16_t engineStartSound = 1;
  std::int16_t engineStartTiming = 1;  // 0 before, 1 during, 2 after the pushback
  std::int16_t pushbackOn = 1;
  std::int16_t method = 1;  // 1 the FS2004 method, 0 the FS2000 method
  std::int16_t speed = 5;
  std::int16_t turnRate = 3;
  std::int16_t turnBackSpeed = 2;
  std::int16_t distance = 80;
  std::string turnDirection = "左";
  std::int16_t angleMode = 1;  // 1 to 3
  std::int16_t angle1 = 90;
  std::string angle2 = "北";
  std::int16_t angle3 = 340;
};

struct FlightTime {
  std::int16_t hours = 0;
  std::int16_t minutes = 0;
};

// Heights (ft) and speeds (kt) of the call-outs, set in the timing window.
struct TimingValues {
  std::array<std::int32_t, 3> takeoffAltitudes{25, 1500, 2500};
  std::array<std::int32_t, 2> takeoffFlapSpeeds{180, 200};
  std::int32_t approachCheckAltitude = 6000;
  std::int32_t landingCheckAltitude = 1500;
  std::array<std::int32_t, 6> approachFlapSpeeds{250, 230, 210, 190, 170, 160};
  std::array<std::int32_t, 6> reduceSpeedAltitudes{10000, 8000, 6000, 4500, 3500, 2500};
};

struct BriefingState {
  std::int16_t CabinAttendantChoice = 0;  // 0 random, 1 to 4 a fixed voice
  PickerState Pickers;
  TobBriefingValues TobBriefing;
  BriefingTimesValues BriefingTimes;
  FlightTime PlannedFlightTime;
  // The scheduled arrival's GMT hour counted on from the departure day (24 and more
  // after midnight).
  std::int16_t ArrivalHourUnwrapped = 0;
  std::int16_t TimeDisplayOption = 1;  // 1: the cabin strip shows scheduled and current times
  std::int16_t AutoPauseDistance = 0;  // km before the arrival at which to pause; 0 off
  // Fuel at departure: left, right, centre and all tanks, each percent, pounds, gallons.
  std::array<std::int32_t, 12> DepartureFuel{};
  std::string SelectedAirlineIndex = "0";  // `AirlineTable` slot as decimal text
  std::int16_t SpecialEngineSoundOn = 0;
  // 1 when the special engine recording "\Wav\himitu\ravikGE.wav" exists (set by each
  // loading of the briefing sheet).
  std::int16_t SpecialEngineSoundAvailable = 0;
  // Which route entry an airport picker opened from the sheet sets: 0 departure, 1 arrival.
  std::int16_t AirportSide = 0;
  // -1 while a window that takes typed input is loading or open (the briefing sheet, the
  // key and voice settings), 0 when it has closed.
  std::int16_t DialogOpenFlag = 0;
  PushbackValues PushbackSettings;
  TimingValues TimingSettings;
  std::array<std::int16_t, 31> VolumeSettings{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                                              10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                                              10, 10, 10, 10, 10, 8,  8,  10, 10};
  // The voice options of the volume window.
  std::int16_t GearWindIas = 80;
  std::int16_t LargeAircraftLanding = 0;
  std::int16_t VnavCallOn = 1;
  std::int16_t ClimbThrustCallOn = 1;
  bool PushbackFormFromFlight = false;  // frmPB was opened from the flight
  bool VoiceFormFromFlight = false;     // frm音声設定 was opened from the flight
};

}  // namespace vx::state
