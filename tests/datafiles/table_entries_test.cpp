// Table entries named by a number from a file or the user: a slot inside the table reads
// its record; a number outside it, or a text that is no number, reads as no entry.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "datafiles/table_entries.h"

namespace vx::datafiles {
namespace {

TEST(TableEntries, ASlotTextNamesASlotOnlyWithinTheTable) {
  struct Case {
    const char* text;
    std::optional<int> slot;
  };
  const Case cases[] = {
      {"0", 0},           {"200", 200},         {" 12 ", 12},          {"105", 105},
      {"-1", std::nullopt}, {"201", std::nullopt}, {"30000", std::nullopt}, {"40000", std::nullopt},
      {"999", std::nullopt}, {"200.6", std::nullopt}, {"1e9", std::nullopt}, {"", std::nullopt},
      {"JL", std::nullopt},  {"東京", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TableSlot(c.text), c.slot) << c.text;
  for (int slot : {-1, 201, 30000}) EXPECT_EQ(TableSlot(slot), std::nullopt) << slot;
  EXPECT_EQ(TableSlot(200), 200);
}

TEST(TableEntries, NoEntryReadsAsTheEmptyRecord) {
  state::AirportTableArray airports;
  state::AirlineTableArray airlines;
  airports[200].ICAO = "ZZZZ";
  airlines[3].安全放送 = "jal.wav";
  EXPECT_EQ(AirportEntry(airports, TableSlot("200")).ICAO, "ZZZZ");
  EXPECT_EQ(AirlineEntry(airlines, TableSlot("3")).安全放送, "jal.wav");
  for (const char* text : {"-1", "201", "30000", "x"}) {
    EXPECT_EQ(AirportEntry(airports, TableSlot(text)), state::AirportRecord{}) << text;
    EXPECT_EQ(AirlineEntry(airlines, TableSlot(text)), state::AirlineRecord{}) << text;
  }
  // A slot number that did not come through TableSlot is checked all the same.
  EXPECT_EQ(AirlineEntry(airlines, 30000), state::AirlineRecord{});
  EXPECT_EQ(AirportEntry(airports, -1), state::AirportRecord{});
}

TEST(TableEntries, OnlyOneToFourIsAFixedCabinAttendant) {
  for (int choice : {1, 2, 3, 4}) EXPECT_EQ(FixedCabinAttendant(choice), choice);
  for (int choice : {0, -1, 5, 30000}) EXPECT_EQ(FixedCabinAttendant(choice), std::nullopt) << choice;
}

}  // namespace
}  // namespace vx::datafiles
