// The flight's three records for one known flight, against golden files typed from the
// layouts; the shared rules as tables; the records that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "datafiles/flight_report.h"
#include "datafiles/pro_fixture.h"
#include "platform/paths.h"
#include "platform/virtual_time.h"
#include "runtime/cp932.h"
#include "support/same_text.h"
#include "support/temp_dir.h"

namespace vx::datafiles {
namespace {

// JAL 1234 from Haneda to New Chitose on 1 May 2024: a scheduled 1:40, flown in 1:50
// (GMT times), nine hours ahead of GMT at both ends; rain at departure, clouds at the
// arrival; the centre tanks refuelled on the way.
FlightReportInputs KnownFlight() {
  FlightReportInputs in;
  in.captainName = "山田太郎";
  in.tob.FsYear = 2024;
  in.tob.FsMonth = 5;
  in.tob.FsDay = 1;
  in.tob.ShipName = "JA8089";
  in.tob.AirlineName = "日本航空";
  in.tob.FlightNumber = "1234";
  in.tob.CruiseAltitude = 28000;
  in.tob.TakeoffRunway = " 16N ";
  in.tob.WeatherWordText = "雨";
  in.tob.RainRateText = "強";
  in.tob.LowCloudCoverText = "3/8";
  in.tob.HighCloudCoverText = "7/8";
  in.tob.TemperatureText = "15";
  in.tob.WindDirectionText = "340";
  in.tob.WindSpeedText = "12";
  in.times.events[0] = {10, 30, 1, 30};
  in.times.events[1] = {12, 10, 3, 10};
  in.times.events[2] = {10, 35, 1, 35};
  in.times.events[3] = {12, 25, 3, 25};
  in.times.departureTimeDifference = -540;
  in.times.arrivalTimeDifference = -540;
  in.route[0].icao = "RJTT";
  in.route[0].name = "東京国際空港";
  in.route[1].icao = "RJCC";
  in.route[1].name = "新千歳空港";
  in.routeDistanceKm = 1000.6;
  in.departureFuel = {90, 13400, 2000, 91, 13467, 2010, 50, 15410, 2300, 70, 42277, 6310};
  in.fuel = {.leftPercent = 60, .rightPercent = 61, .centrePercent = 55, .totalPercent = 40,
             .leftGallons = 1333, .rightGallons = 1343, .centreGallons = 2530, .totalGallons = 5206,
             .leftLbs = 8931, .rightLbs = 9000, .centreLbs = 16950, .FuelTotalLbs = 34881};
  in.clouds.low.cover = 3;
  in.clouds.high.cover = 7;
  in.outsideTemperature = 8;
  in.wind = {5, 7};
  in.landingRunway = "34L";
  in.approachType = "ILS";
  in.approachVariant = "Y";
  in.maxima = {37000, 320, 480, 910, 84};
  in.timeDiffCorrection = "ON";
  return in;
}

class FlightReportTest : public ::testing::Test {
 protected:
  FlightReportTest() { std::filesystem::create_directories(dir.Path() / "FlightReport"); }
  std::string Bytes(const std::string& name) const { return dir.ReadBytes("FlightReport/" + name); }

  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::VirtualClock clock{{2026, 12, 10, 14, 5, 30, 0}};
  FlightReportInputs in = KnownFlight();
};

TEST_F(FlightReportTest, TheReportOfTheKnownFlight) {
  const ReportWritten r = WriteFlightReport(paths, clock, in);
  ASSERT_TRUE(r.Written()) << r.fault;
  EXPECT_EQ(r.path, dir.Path() / "FlightReport" / "Report_20261210_1405.txt");
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("Report_20261210_1405.txt"), test::GoldenBytes("report/Report.txt")));
}

TEST_F(FlightReportTest, TheValuesFileOfTheKnownFlight) {
  const ReportWritten r = WriteFlightReportValues(paths, clock, in);
  ASSERT_TRUE(r.Written()) << r.fault;
  EXPECT_EQ(r.path, dir.Path() / "FlightReport" / "FlightReport.txt");
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("FlightReport.txt"), test::GoldenBytes("report/FlightReport.txt")));
}

TEST_F(FlightReportTest, TheLogIsCreatedWithItsHeaderAndThenGrowsByOneLine) {
  const std::string golden = test::GoldenBytes("report/FlightReport.csv");
  const std::string firstTwo = golden.substr(0, golden.find("\r\n", golden.find("\r\n") + 2) + 2);
  ASSERT_TRUE(AppendFlightCsv(paths, clock, in).Written());
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("FlightReport.csv"), firstTwo));
  clock.Advance(std::chrono::minutes(1));
  ASSERT_TRUE(AppendFlightCsv(paths, clock, in).Written());
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("FlightReport.csv"), golden));
}

TEST_F(FlightReportTest, ACommaInATextBecomesAWideCommaSoItsFieldStaysWhole) {
  in.route[0].name = "Tokyo,Haneda";
  const std::string record = FlightCsvRecord(in, clock.Now());
  EXPECT_NE(record.find(",Tokyo，Haneda,"), std::string::npos);
  EXPECT_EQ(std::count(record.begin(), record.end(), ','), 81);
}

TEST_F(FlightReportTest, ASecondReportInTheSameMinuteGetsANumberInsteadOfReplacingTheFirst) {
  for (const char* name : {"Report_20261210_1405.txt", "Report_20261210_1405_2.txt", "Report_20261210_1405_3.txt"}) {
    const ReportWritten r = WriteFlightReport(paths, clock, in);
    ASSERT_TRUE(r.Written()) << r.fault;
    EXPECT_EQ(r.path.filename(), name);
  }
}

TEST_F(FlightReportTest, WithoutTheFolderEachWriterReportsItsFileAndWritesNothing) {
  std::filesystem::remove_all(dir.Path() / "FlightReport");
  for (const ReportWritten& r : {WriteFlightReport(paths, clock, in), WriteFlightReportValues(paths, clock, in),
                                 AppendFlightCsv(paths, clock, in)}) {
    EXPECT_FALSE(r.Written()) << r.path;
    EXPECT_EQ(r.path.parent_path(), dir.Path() / "FlightReport");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "FlightReport"));
}

TEST_F(FlightReportTest, ALogThatCannotBeOpenedIsReportedAndLeftAlone) {
  std::filesystem::create_directory(dir.Path() / "FlightReport" / "FlightReport.csv");
  const ReportWritten r = AppendFlightCsv(paths, clock, in);
  EXPECT_FALSE(r.Written());
  EXPECT_TRUE(std::filesystem::is_directory(r.path));
}

TEST(FlightReportRules, WeatherSummary) {
  struct Case {
    std::uint8_t type, rate;
    std::int16_t low, high;
    const char* text;
  };
  const Case cases[] = {
      {1, 0, 0, 0, "雨 / --"}, {2, 4, 8, 8, "雪 / 強"}, {0, 0, 0, 0, "快晴"},
      {0, 3, 2, 1, "晴"},      {0, 0, 0, 3, "曇り"},    {3, 1, -1, 0, "快晴"},
  };
  for (const Case& c : cases) {
    state::CloudLayerSet clouds;
    clouds.low.cover = c.low;
    clouds.high.cover = c.high;
    clouds.storm.cover = 8;  // never considered
    EXPECT_EQ(WeatherSummaryText(c.type, c.rate, clouds), c.text) << int(c.type) << " " << c.low << " " << c.high;
  }
}

TEST(FlightReportRules, TimeDifferencesKeepTheirSign) {
  const std::pair<int, const char*> cases[] = {
      {-540, "-09：00"}, {0, "00：00"}, {300, "05：00"}, {-330, "-05：30"}, {-30, "-00：30"}, {45, "00：45"}};
  for (const auto& [minutes, text] : cases) EXPECT_EQ(TimeDifferenceText(minutes, "："), text) << minutes;
  EXPECT_EQ(TimeDifferenceText(-30, ":"), "-00:30");
}

TEST(FlightReportRules, FlightTimesAndTheirDifference) {
  // Local times of events 0 to 3 and their GMT times; the option; planned, actual, result.
  struct Case {
    std::array<state::BriefingEventTime, 4> events;
    const char* correction;
    const char* planned;
    const char* actual;
    const char* result;
  };
  const Case cases[] = {
      // 23:30 to 01:10 across midnight, flown exactly so.
      {{{{23, 30, 14, 30}, {1, 10, 16, 10}, {23, 30, 14, 30}, {1, 10, 16, 10}}}, "ON", "01：40", "01：40", "00：00 遅れ"},
      // Ten minutes late, five minutes early.
      {{{{9, 0, 0, 0}, {10, 0, 1, 0}, {9, 0, 0, 0}, {10, 10, 1, 10}}}, "ON", "01：00", "01：10", "00：10 遅れ"},
      {{{{9, 0, 0, 0}, {10, 0, 1, 0}, {9, 0, 0, 0}, {9, 55, 0, 55}}}, "ON", "01：00", "00：55", "00：05 早着"},
      // Tokyo 9:00 to Bangkok 13:00 local (2 h behind): 6 h on the GMT times, 4 h with "OFF".
      {{{{9, 0, 0, 0}, {13, 0, 6, 0}, {9, 0, 0, 0}, {13, 0, 6, 0}}}, "ON", "06：00", "06：00", "00：00 遅れ"},
      {{{{9, 0, 0, 0}, {13, 0, 6, 0}, {9, 0, 0, 0}, {13, 0, 6, 0}}}, "OFF", "04：00", "04：00", "00：00 遅れ"},
  };
  for (const Case& c : cases) {
    state::BriefingTimesValues times;
    times.events = c.events;
    const FlightDurations d = FlightDurationsOf(times, c.correction);
    EXPECT_EQ(DurationText(d.planned, "："), c.planned);
    EXPECT_EQ(DurationText(d.actual, "："), c.actual);
    EXPECT_EQ(DelayText(d, "："), c.result);
  }
}

TEST(FlightReportRules, Runways) {
  const std::pair<const char*, const char*> cases[] = {{"16N", "16"}, {" 34L ", "34L"}, {"", ""}, {"N", ""}, {"09C", "09C"}};
  for (const auto& [stored, printed] : cases) EXPECT_EQ(RunwayText(stored), printed) << stored;
}

}  // namespace
}  // namespace vx::datafiles
