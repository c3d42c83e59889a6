#include "announce/group_table.h"

#include "announce/arrival_phase.h"
#include "announce/boarding_phase.h"
#include "announce/captain_greeting.h"
#include "announce/inflight_groups.h"
#include "announce/landing_briefing.h"
#include "announce/landing_call.h"
#include "announce/pushback_phase.h"
#include "announce/taxi_phase.h"
#include "announce/takeoff_briefing.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// Each row's runner is the procedure that the dispatcher runs for the group; it uses GroupRun
// (group_run.h) with the row's caption, volume index, channel and ducking. The rows marked
// "within" are parts of a larger group, run by that group's procedure: the dispatcher never
// starts them, so they have no runner of their own.
constexpr GroupTable kGroups = {{
    {GroupId::G0, "Ｇ０：空港案内", 0, kRadioUnchanged, true, RunBoardingPhase},
    {GroupId::G1, "Ｇ１：ＴＯＢ１１", 1, kRadioUnchanged, true, RunTakeoffBriefing},
    {GroupId::G2, "Ｇ２：プッシュバック", 2, 1, true, RunPushbackPhase},
    {GroupId::G2Welcome, "Ｇ２：挨拶１", 20, kRadioUnchanged, false, nullptr},             // within G2
    {GroupId::EngineStart, "", 22, kRadioUnchanged, false, nullptr},                // within G2
    {GroupId::G3, "Ｇ３：Ｔａｘｉ", 3, 2, true, RunTaxiPhase},
    {GroupId::G4, "Ｇ４：離陸", 4, 3, false, RunTakeoffPhase},
    {GroupId::G5, "Ｇ５：到着放送１", 5, 1, true, AnnounceArrival},
    {GroupId::G6, "Ｇ６：最終放送１", 6, 1, true, RunArrivalFinal},
    {GroupId::G6Guidance, "Ｇ６：チャイム", 6, kRadioUnchanged, false, nullptr},  // within G6
    {GroupId::G9, "Ｇ９：離陸待ち", 9, 2, true, AnnounceTakeoffWait},
    {GroupId::A1, "Ａ１：ベルトＯＦＦ", 11, 4, true, AnnounceBeltSignOff},
    {GroupId::A2, "Ａ２：機長挨拶１", 12, 4, true, RunCaptainGreeting},
    {GroupId::A3, "Ａ３：サービス開始", 13, 4, true, AnnounceServiceStart},
    {GroupId::A4, "Ａ４：ＬＤＢ－１", 14, 5, true, AnnounceLdb},
    {GroupId::A5, "Ａ５：１時間前放送１", 15, 4, true, AnnounceOneHourToArrival},
    {GroupId::A6, "Ａ６：サービス終了", 16, 4, true, AnnounceServiceEnd},
    {GroupId::A7, "Ａ７：アプローチ", 17, 5, true, AnnounceApproach},
    {GroupId::A8, "Ａ８：最終着陸態勢", 18, 2, false, AnnounceFinalLanding},
    {GroupId::A9, "Ａ９：気流注意", 19, kRadioUnchanged, true, AnnounceTurbulence},
    {GroupId::LandingIn15Min, "着陸１５分前", 23, kRadioUnchanged, true, AnnounceLandingIn15Min},
    {GroupId::Wiper, "", 29, kRadioUnchanged, false, nullptr},                      // a sound command
    {GroupId::Aircon, "", 30, kRadioUnchanged, false, nullptr},                     // a sound command
}};

constexpr bool RowsInOrder() {
  for (std::size_t i = 0; i < kGroups.size(); ++i)
    if (static_cast<std::size_t>(kGroups[i].id) != i) return false;
  return true;
}
static_assert(RowsInOrder(), "the group table is indexed by GroupId");

}  // namespace

const GroupTable& BuiltInGroups() { return kGroups; }

const GroupSpec& GroupSpecOf(const state::ProContext& pro, GroupId id) {
  const GroupSpec* table = pro.engine.groupTable ? pro.engine.groupTable : kGroups.data();
  return table[static_cast<std::size_t>(id)];
}

}  // namespace vx::announce
