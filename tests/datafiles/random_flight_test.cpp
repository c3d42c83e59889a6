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

}  // namespace
}  // namespace vx::datafiles::test
