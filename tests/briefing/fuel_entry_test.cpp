#include "briefing/fuel_entry.h"

#include <gtest/gtest.h>

#include <map>

#include "state/sim_state.h"
#include "ui/message_box.h"

namespace vx::briefing {
namespace {

// The rows as plain texts; writes are counted per box.
class TableBoxes final : public FuelBoxes {
 public:
  std::string Text(int row, FuelColumn c) const override {
    auto it = texts.find({row, c});
    return it == texts.end() ? std::string() : it->second;
  }
  void SetText(int row, FuelColumn c, std::string text) override { texts[{row, c}] = std::move(text); }
  void CaretToEnd() override { ++carets; }
  void PumpEvents() override {}

  std::map<std::pair<int, FuelColumn>, std::string> texts;
  int carets = 0;
};

using C = FuelColumn;

// Row 0 holds 3,000 gallons at half (W = 1715); rows 1 and 2 hold 100 gallons full; the
// rest are empty tanks of no capacity.
class FuelEntryTest : public ::testing::Test {
 protected:
  FuelEntryTest() {
    sim.FuelWeightPerGallon = 1715;
    sim.TankFuel[state::kLeftMain] = {50, 3000, 1500, 10049};
    sim.TankFuel[state::kLeftAux] = {100, 100, 100, 670};
    sim.TankFuel[state::kLeftTip] = {100, 100, 100, 670};
    sim.FuelTotals.totalPercent = 53;
    sim.FuelTotals.totalCapacity = 3200;
    sim.FuelTotals.totalGallons = 1700;
    sim.FuelTotals.FuelTotalLbs = 11389;
    FillFuelRows(sim, st, boxes);
    st.FuelFormReady = 1;
    boxes.carets = 0;
    msg.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }
  std::array<std::string, 5> Row(int row) const {
    return {boxes.Text(row, C::Per), boxes.Text(row, C::Lbs), boxes.Text(row, C::LbsMax), boxes.Text(row, C::Gall),
            boxes.Text(row, C::GallMax)};
  }

  state::SimState sim;
  FuelEntryState st;
  TableBoxes boxes;
  ui::ScriptedMessageBoxes msg;
};

TEST_F(FuelEntryTest, TheFillShowsEveryColumnAndSavesTheOpeningValues) {
  EXPECT_EQ(FuelWeightText(1715), "6.6992");
  EXPECT_EQ(Row(0), (std::array<std::string, 5>{"50", "10,049", "20,098", "1,500", "3,000"}));
  EXPECT_EQ(Row(11), (std::array<std::string, 5>{"53", "11,389", "21,438", "1,700", "3,200"}));
  EXPECT_EQ(st.SavedTankPercent[0], 50);
  EXPECT_EQ(st.SavedTankPounds[0], 10049);
  EXPECT_EQ(st.SavedTankGallons[11], 1700);
  EXPECT_FALSE(FuelRowDisabled(boxes, 0));
  EXPECT_TRUE(FuelRowDisabled(boxes, 3));  // capacity 0
  EXPECT_TRUE(msg.shown.empty());
}

enum class Entry { Percent, Pounds, Gallons };

struct EntryCase {
  const char* name;
  Entry entry;
  const char* typed;
  const char* message;  // the check's message, or null
  std::array<const char*, 3> row;  // percent, pounds, gallons of row 0 afterwards
  const char* totalPercent;
};

class FuelEntryCases : public FuelEntryTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(FuelEntryCases, ConvertsClampsAndTotals) {
  const EntryCase& c = GetParam();
  const C column = c.entry == Entry::Percent ? C::Per : c.entry == Entry::Pounds ? C::Lbs : C::Gall;
  boxes.SetText(0, column, c.typed);
  if (c.message) msg.Expect(kFuelCheckTitle, ui::Answer::Ok, c.message);
  switch (c.entry) {
    case Entry::Percent: ApplyTankPercent(st, boxes, msg, 0); break;
    case Entry::Pounds: ApplyTankPounds(st, boxes, msg, 0); break;
    case Entry::Gallons: ApplyTankGallons(st, boxes, msg, 0); break;
  }
  EXPECT_EQ(msg.PendingExpectations(), 0u);
  ASSERT_EQ(msg.shown.size(), c.message ? 1u : 0u);
  if (c.message) {
    EXPECT_EQ(msg.shown[0].icon, ui::Icon::Critical);
  }
  EXPECT_EQ(boxes.Text(0, C::Per), c.row[0]);
  EXPECT_EQ(boxes.Text(0, C::Lbs), c.row[1]);
  EXPECT_EQ(boxes.Text(0, C::Gall), c.row[2]);
  EXPECT_EQ(boxes.Text(11, C::Per), c.totalPercent);
  EXPECT_EQ(st.FuelFormReady, 1);
  EXPECT_GE(boxes.carets, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FuelEntryCases,
    ::testing::Values(
        EntryCase{"Percent40", Entry::Percent, "40", nullptr, {"40", "8,039", "1,200"}, "44"},
        EntryCase{"Pounds10000", Entry::Pounds, "10000", nullptr, {"50", "10,000", "1,500"}, "53"},
        EntryCase{"Gallons1000", Entry::Gallons, "1000", nullptr, {"33", "6,632", "1,000"}, "38"},
        EntryCase{"Percent150", Entry::Percent, "150", "％が 100 より大きいです", {"100", "20,098", "3,000"}, "100"},
        EntryCase{"PercentMinus5", Entry::Percent, "-5", "％が 0 より小さいです", {"0", "0", "0"}, "6"},
        EntryCase{"Pounds25000", Entry::Pounds, "25000", "燃料（ポンド）がタンクの容量を越えています",
                  {"100", "20,098", "3,000"}, "100"},
        EntryCase{"PoundsMinus", Entry::Pounds, "-1", "燃料（ポンド）が 0 より小さいです", {"0", "0", "0"}, "6"},
        EntryCase{"GallonsOver", Entry::Gallons, "3001", "燃料（ガロン）がタンクの容量を越えています",
                  {"100", "20,098", "3,000"}, "100"},
        EntryCase{"Percent50Point5", Entry::Percent, "50.5", nullptr, {"50.5", "10,049", "1,500"}, "53"},
        EntryCase{"Percent51Point5", Entry::Percent, "51.5", nullptr, {"51.5", "10,451", "1,560"}, "55"},
        EntryCase{"SeparatorAnywhere", Entry::Pounds, "1,0000", nullptr, {"50", "10,000", "1,500"}, "53"},
        EntryCase{"DecimalPointInGallons", Entry::Gallons, "1500.", nullptr, {"50", "10,049", "1,500"}, "53"},
        EntryCase{"Emptied", Entry::Gallons, "", nullptr, {"0", "0", "0"}, "6"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FuelEntryTest, ATextThatIsNoNumberPutsTheRowBackAndKeepsTheTotals) {
  for (const char* typed : {"x", "-", "1e99"}) {
    SCOPED_TRACE(typed);
    boxes.SetText(0, C::Per, "40");
    ApplyTankPercent(st, boxes, msg, 0);  // accepted: the totals move
    ASSERT_EQ(boxes.Text(11, C::Per), "44");
    msg.Expect("VexlorPro", ui::Answer::Ok);
    boxes.SetText(0, C::Lbs, typed);
    msg.shown.clear();
    ApplyTankPounds(st, boxes, msg, 0);
    ASSERT_EQ(msg.shown.size(), 1u);
    EXPECT_EQ(msg.shown[0].icon, ui::Icon::None);
    EXPECT_EQ(msg.shown[0].title, "VexlorPro");  // the program's own title
    EXPECT_EQ(Row(0), (std::array<std::string, 5>{"50", "10,049", "20,098", "1,500", "3,000"}));
    EXPECT_EQ(boxes.Text(11, C::Per), "44");
    EXPECT_EQ(st.FuelFormReady, 1);
  }
}

TEST_F(FuelEntryTest, TypingIntoTheTotalRowIsRecomputedFromTheTanks) {
  boxes.SetText(11, C::Gall, "1000");
  ApplyTankGallons(st, boxes, msg, 11);
  EXPECT_EQ(boxes.Text(11, C::Gall), "1,700");
  EXPECT_EQ(boxes.Text(11, C::Lbs), "11,389");
}

TEST_F(FuelEntryTest, TheClosingWritesOnlyChangedWholePercents) {
  struct Case {
    const char* percent;
    std::vector<TankLevelWrite> writes;
  };
  const Case cases[] = {
      {"75", {{0, 6291456}}}, {"33", {{0, 2768241}}}, {"100", {{0, 8388608}}}, {"0", {{0, 0}}},
      {"50", {}},             {"50.4", {}},           {"", {}},                {"abc", {}},
      // Whole percents of 0 and 100 whose decimals lie beyond them: never below empty
      // nor above full.
      {"-0.4", {{0, 0}}},     {"-0.5", {{0, 0}}},     {"100.4", {{0, 8388608}}}, {"100.5", {{0, 8388608}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.percent);
    boxes.SetText(0, C::Per, c.percent);
    EXPECT_EQ(ClosingLevelWrites(st, boxes), c.writes);
  }
  // Pounds and gallons alone write nothing; the total row is never written.
  boxes.SetText(0, C::Per, "50");
  boxes.SetText(1, C::Lbs, "1");
  boxes.SetText(11, C::Per, "0");
  EXPECT_TRUE(ClosingLevelWrites(st, boxes).empty());
  EXPECT_EQ(LevelVarOfRow(0), state::SimVar::LeftMainLevel);
  EXPECT_EQ(LevelVarOfRow(10), state::SimVar::External2Level);
}

TEST_F(FuelEntryTest, LostFocusTextsAreWholeNumbers) {
  EXPECT_EQ(WholePercentText("50.5"), "50");
  EXPECT_EQ(WholePercentText("51.5"), "52");
  EXPECT_EQ(WholeAmountText("1,0000"), "10,000");
  EXPECT_EQ(WholeAmountText("-"), "-");
}

}  // namespace
}  // namespace vx::briefing
