// The route's two airports taken from the airport table, and its length.
#include <gtest/gtest.h>

#include "announce/pro_route.h"
#include "datafiles/route_airports.h"
#include "runtime/runtime_error.h"
#include "state/files_state.h"

namespace vx::announce::test {
using namespace datafiles;
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
  int ErrorOf(const std::string& departure, const std::string& arrival) {
    files.RouteAirports[0].slot = departure;
    files.RouteAirports[1].slot = arrival;
    try {
      ApplyRouteAirports(files);
    } catch (const runtime::RuntimeError& e) {
      return e.Number();
    }
    return 0;
  }
  state::FilesState files;
};

TEST_F(RouteAirportsTest, TheTablesRecordsReplaceWhateverTheSettingsFileNamed) {
  ASSERT_EQ(ErrorOf("1", "80"), 0);
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
  ASSERT_EQ(ErrorOf("200", "5"), 0);
  EXPECT_EQ(files.RouteAirports[0].name, "最後の枠");
  EXPECT_EQ(files.RouteAirports[0].elevation, -5);
  EXPECT_EQ(files.RouteAirports[1].icao, "");
  EXPECT_EQ(files.RouteAirports[1].latitude, 0);
  EXPECT_NEAR(files.RouteDistance, 111.12, 0.01);

  ASSERT_EQ(ErrorOf("80", "80"), 0);
  EXPECT_EQ(files.RouteAirports[0].icao, files.RouteAirports[1].icao);
  EXPECT_EQ(files.RouteDistance, 0);
}

TEST_F(RouteAirportsTest, ABadSlotOnEitherSideChangesNothing) {
  struct Case {
    std::string departure, arrival;
    int error;
  };
  const Case cases[] = {{"1", "201", runtime::kSubscriptOutOfRange}, {"-1", "80", runtime::kSubscriptOutOfRange},
                        {"1", "999", runtime::kSubscriptOutOfRange}, {"1", "", runtime::kTypeMismatch},
                        {"東京", "80", runtime::kTypeMismatch},     {"1", "40000", runtime::kOverflow}};
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf(c.departure, c.arrival), c.error) << c.departure << " " << c.arrival;
    EXPECT_EQ(files.RouteAirports[0].icao, "OLD0");
    EXPECT_EQ(files.RouteAirports[1].icao, "OLD1");
    EXPECT_EQ(files.RouteAirports[0].latitude, 7);
    EXPECT_EQ(files.RouteDistance, 999);
  }
}

}  // namespace
}  // namespace vx::announce::test
