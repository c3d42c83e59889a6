// The random-flight import: a whole, checked file reaches the briefing, the tables and the
// route; anything else is reported and leaves everything as it was.
#include "datafiles/random_flight.h"

#include <gtest/gtest.h>

#include "datafiles/random_flight_sample.h"
#include "runtime/cp932.h"

namespace vx::datafiles::test {
namespace {

TEST(ResolveImportedAirportSlot, SearchesDomesticThenInternationalSlots) {
  state::AirportTableArray table;
  table[150].ICAO = "KLAX";
  table[198].ICAO = "KLAX";
  EXPECT_EQ(ResolveImportedAirportSlot("KLAX", 198, table), 150);
  EXPECT_EQ(ResolveImportedAirportSlot("klax", 198, table), 198);  // exact comparison
  EXPECT_EQ(ResolveImportedAirportSlot("", 199, table), 199);
}

TEST(ParseRandomFlight, ItemsAfterTheThirtySecondAndCommaItemsCount) {
  std::string text;
  for (const auto& item : SampleItems()) text += item + "\n";
  text += "=whatever,=more\n";
  const RandomFlight f = ParseRandomFlight(text);
  EXPECT_EQ(f.arrival.elevation, 82);

  // A comma in the header adds an item and shifts the rest: the year is then ";".
  EXPECT_THROW(ParseRandomFlight(";Random,Flight\n" + text.substr(text.find('\n') + 1)), RandomFlightError);
}

TEST(ParseRandomFlight, DepartureTimeTakesAsciiAndFullWidthDigits) {
  struct Case {
    const char* item;
    int hour, minute;  // -1: refused
  };
  const Case cases[] = {{"=0930", 9, 30}, {"=０９３０", 9, 30}, {"=2３5９", 23, 59},
                        {"=2400", -1, -1}, {"=093", -1, -1}, {"=09:3", -1, -1}, {"=０９３", -1, -1}};
  for (const auto& c : cases) {
    auto items = SampleItems();
    items[10] = c.item;
    std::string text;
    for (const auto& item : items) text += item + "\n";
    if (c.hour < 0) {
      EXPECT_THROW(ParseRandomFlight(text), RandomFlightError) << c.item;
      continue;
    }
    const RandomFlight f = ParseRandomFlight(text);
    EXPECT_EQ(f.departureHour, c.hour) << c.item;
    EXPECT_EQ(f.departureMinute, c.minute) << c.item;
  }
}

}  // namespace
}  // namespace vx::datafiles::test
