// The route's two airports taken from the airport table, and its length.
#include <gtest/gtest.h>

#include "mainfiles/route.h"
#include "state/files_state.h"

namespace vx::mainfiles::test {
namespace {

// One degree in the table's units (degrees = units × 8.9984275577e-6 and × 8.381903171539e-8).
constexpr std::int32_t kLatitudeDegree = 111131;
constexpr std::int32_t kLongitudeDegree = 11930465;

class RouteAirportsTest : public ::testing::Test {
 protected:
  RouteAirportsTest() {
    auto& t = files.AirportTable;
    t[1] = {1, "c.wav", "RJTT", "羽田", "東京", "東京国際空港　羽田", 0, 0, 21, -540, -540};
    t[80] = {1, "c.wav", "RJCC", "新千歳", "千歳", "新千歳国際空港", 0, kLongitudeDegree, 82, -540, -540};
    t[200] = {0, "", "ZZZZ", "", "", "最後の枠", kLatitudeDegree, 0, -5, 0, 0};
    files.RouteAirports[0] = {"0", "OLD0", "前の出発", 7, 7, 7};
    files.RouteAirports[1] = {"0", "OLD1", "前の到着", 8, 8, 8};
    files.RouteDistance = 999;
  }
  void Apply(const std::string& departure, const std::string& arrival) {
    files.RouteAirports[0].slot = departure;
    files.RouteAirports[1].slot = arrival;
    ApplyRouteAirports(files);
  }
  state::FilesState files;
};

TEST_F(RouteAirportsTest, TheTablesRecordsReplaceWhateverTheSettingsFileNamed) {
  Apply("1", "80");
  const auto& r = files.RouteAirports;
  EXPECT_EQ(r[0].slot, "1");
  EXPECT_EQ(r[0].icao, "RJTT");
  EXPECT_EQ(r[0].name, "東京国際空港　羽田");
  EXPECT_EQ(r[0].elevation, 21);
  EXPECT_EQ(r[1].icao, "RJCC");
  EXPECT_EQ(r[1].name, "新千歳国際空港");
  EXPECT_EQ(r[1].longitude, kLongitudeDegree);
  EXPECT_EQ(r[1].elevation, 82);
  EXPECT_NEAR(files.RouteDistance, 111.12, 0.001);  // one degree of the equator: 60 nautical miles
}

TEST_F(RouteAirportsTest, LastSlotEmptySlotAndTheSameAirportTwice) {
  Apply("200", "5");
  EXPECT_EQ(files.RouteAirports[0].name, "最後の枠");
  EXPECT_EQ(files.RouteAirports[0].elevation, -5);
  EXPECT_EQ(files.RouteAirports[1].icao, "");
  EXPECT_EQ(files.RouteAirports[1].latitude, 0);
  EXPECT_NEAR(files.RouteDistance, 111.12, 0.01);

  Apply("80", "80");
  EXPECT_EQ(files.RouteAirports[0].icao, files.RouteAirports[1].icao);
  EXPECT_EQ(files.RouteDistance, 0);
}

// A slot text that names no entry of the table (outside 0 to 200, or no number) reads as
// no airport on its side, and the route has no length.
TEST_F(RouteAirportsTest, ASlotOfNoEntryGivesItsSideNoAirportAndTheRouteNoLength) {
  struct Case {
    std::string departure, arrival;
  };
  const Case cases[] = {{"1", "201"}, {"1", "-1"},  {"1", "999"},    {"1", ""},
                        {"1", "東京"}, {"1", "40000"}, {"1", "30000"}, {"1", "200.6"}};
  for (const Case& c : cases) {
    for (const bool swapped : {false, true}) {
      SCOPED_TRACE(c.arrival + (swapped ? " departing" : " arriving"));
      files.RouteDistance = 999;
      if (swapped)
        Apply(c.arrival, c.departure);
      else
        Apply(c.departure, c.arrival);
      const auto& known = files.RouteAirports[swapped ? 1 : 0];
      const auto& none = files.RouteAirports[swapped ? 0 : 1];
      EXPECT_EQ(known.icao, "RJTT");
      EXPECT_EQ(known.name, "東京国際空港　羽田");
      EXPECT_EQ(none.icao, "");
      EXPECT_EQ(none.name, "");
      EXPECT_EQ(none.latitude, 0);
      EXPECT_EQ(none.longitude, 0);
      EXPECT_EQ(none.elevation, 0);
      EXPECT_EQ(files.RouteDistance, 0);
    }
  }
}

}  // namespace
}  // namespace vx::mainfiles::test
