#include "platform/standin_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "support/standin_process.h"
#include "support/temp_dir.h"

namespace vx::platform {
namespace {

using Clock = std::chrono::steady_clock;
using test::StandinProcess;

double SecondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

struct Link {
  explicit Link(const StandinProcess& standin) : finder(standin.Folder(), standin.Prefix()), client(finder) {}
  StandinWindowFinder finder;
  StandinSimIpcClient client;
};

TEST(StandinLinkTest, NoStandinNoWindow) {
  test::TempDir dir;
  StandinWindowFinder finder(dir.Path(), "none_");
  EXPECT_EQ(finder.FindTopLevelWindow("FS98MAIN"), 0);
  StandinSimIpcClient client(finder);
  EXPECT_EQ(client.Start(1234, 65536, 2000), 0);
  std::int16_t v = -1;
  client.BeginRequest();
  client.ReadStateData(0x0238, 1, &v);
  EXPECT_FALSE(client.SendRequest());
  EXPECT_EQ(v, -1);
}

TEST(StandinLinkTest, WindowFoundByItsClassOnly) {
  StandinProcess standin({"--class", "FS6MAIN"});
  Link link(standin);
  EXPECT_EQ(link.finder.FindTopLevelWindow("FS98MAIN"), 0);
  const std::int64_t window = link.finder.FindTopLevelWindow("FS6MAIN");
  EXPECT_EQ(window, standin.Pid());
  EXPECT_NE(link.client.Start(window, 65536, 2000), 0);
}

TEST(StandinLinkTest, RefusedStartGivesZero) {
  StandinProcess standin({"--refuse-start"});
  Link link(standin);
  const std::int64_t window = link.finder.FindTopLevelWindow("FS98MAIN");
  ASSERT_NE(window, 0);
  EXPECT_EQ(link.client.Start(window, 65536, 2000), 0);
  EXPECT_FALSE(link.client.Connected());
  EXPECT_NE(standin.Ctl({"log"}).out.find("\"kind\":\"start\""), std::string::npos);
}

TEST(StandinLinkTest, BatchInQueueOrderWithRejectedEntries) {
  StandinProcess standin({"--start", "2024-05-01 09:30:00", "--time-scale", "0"});
  Link link(standin);
  ASSERT_NE(link.client.Start(link.finder.FindTopLevelWindow("FS98MAIN"), 65536, 2000), 0);

  std::uint8_t hour = 0;
  std::int16_t before = -1, after = -1, zone = 0;
  std::int32_t outside = -1, badSize = -1;
  const std::int16_t value = 4321;
  link.client.BeginRequest();
  link.client.ReadStateData(0x0238, 1, &hour);
  link.client.ReadStateData(0x2F00, 2, &before);
  link.client.WriteStateData(0x2F00, 2, &value);
  link.client.ReadStateData(0x2F00, 2, &after);
  link.client.ReadStateData(65534, 4, &outside);
  link.client.ReadStateData(0x0238, 3, &badSize);
  link.client.ReadStateData(0x0246, 2, &zone);
  EXPECT_FALSE(link.client.SendRequest());  // not every entry was accepted
  EXPECT_EQ(hour, 9);
  EXPECT_EQ(before, 0);
  EXPECT_EQ(after, 4321);
  EXPECT_EQ(outside, -1);
  EXPECT_EQ(badSize, -1);
  EXPECT_EQ(zone, -540);

  const test::CommandResult get = standin.Ctl({"get", "0x2F00", "2"});
  EXPECT_EQ(get.exitCode, 0);
  EXPECT_EQ(get.out, "4321\n");
  const std::string log = standin.Ctl({"log"}).out;
  EXPECT_NE(log.find("\"kind\":\"write\",\"from\":\"client "), std::string::npos) << log;
  EXPECT_NE(log.find("\"offset\":\"0x2F00\",\"size\":2,\"value\":4321"), std::string::npos) << log;
  EXPECT_NE(log.find("\"offset\":\"0xFFFE\",\"size\":4,\"reason\":\"outside\""), std::string::npos) << log;
  EXPECT_NE(log.find("\"offset\":\"0x0238\",\"size\":3,\"reason\":\"size\""), std::string::npos) << log;
}

TEST(StandinLinkTest, KeysAreLogged) {
  StandinProcess standin;
  Link link(standin);
  ASSERT_NE(link.client.Start(link.finder.FindTopLevelWindow("FS98MAIN"), 65536, 2000), 0);
  StandinKeyInjector keys(link.client);
  keys.KeyDown(16);
  keys.KeyDown(83);
  keys.KeyUp(83);
  keys.KeyUp(16);
  const std::string log = standin.Ctl({"log"}).out;
  const auto shiftDown = log.find("\"vk\":16,\"down\":true");
  const auto sDown = log.find("\"vk\":83,\"down\":true");
  const auto sUp = log.find("\"vk\":83,\"down\":false");
  const auto shiftUp = log.find("\"vk\":16,\"down\":false");
  ASSERT_NE(shiftUp, std::string::npos) << log;
  EXPECT_LT(shiftDown, sDown);
  EXPECT_LT(sDown, sUp);
  EXPECT_LT(sUp, shiftUp);
}

TEST(StandinLinkTest, FocusAskedAndSetOverTheLink) {
  StandinProcess standin;
  Link link(standin);
  StandinSimFocus focus(link.client);
  const std::int64_t window = link.finder.FindTopLevelWindow("FS98MAIN");
  EXPECT_FALSE(focus.SimulatorInFront(window));  // no link yet
  ASSERT_NE(link.client.Start(window, 65536, 2000), 0);
  EXPECT_TRUE(focus.SimulatorInFront(window));  // in front at start
  EXPECT_FALSE(focus.SimulatorInFront(window + 1));
  EXPECT_EQ(standin.Ctl({"focus", "off"}).out, "off\n");
  EXPECT_FALSE(focus.SimulatorInFront(window));
  focus.BringSimulatorToFront(window);
  EXPECT_TRUE(focus.SimulatorInFront(window));
  EXPECT_EQ(standin.Ctl({"focus"}).out, "on\n");
  const std::string log = standin.Ctl({"log"}).out;
  const auto off = log.find("\"kind\":\"focus\",\"from\":\"ctl ");
  const auto on = log.find("\"kind\":\"focus\",\"from\":\"client ");
  ASSERT_NE(off, std::string::npos) << log;
  EXPECT_NE(log.find("\"front\":false", off), std::string::npos);
  ASSERT_NE(on, std::string::npos) << log;
  EXPECT_LT(off, on);
  EXPECT_NE(log.find("\"front\":true", on), std::string::npos);
}

TEST(StandinLinkTest, KilledSimulatorAnswersAtOnceAndChangesNothing) {
  StandinProcess standin;
  Link link(standin);
  ASSERT_NE(link.client.Start(link.finder.FindTopLevelWindow("FS98MAIN"), 65536, 2000), 0);
  standin.Kill();
  std::int32_t value = -7;
  const auto start = Clock::now();
  link.client.BeginRequest();
  link.client.ReadStateData(0x0B74, 4, &value);
  EXPECT_FALSE(link.client.SendRequest());
  EXPECT_LT(SecondsSince(start), 2.0);
  EXPECT_EQ(value, -7);
}

// The link sees its stand-in end without sending anything; a stand-in started again on the
// same socket is another window, and a Start to it links again.
TEST(StandinLinkTest, AnEndedStandinShowsWithoutARequestAndOneOnTheSameSocketLinksAgain) {
  test::TempDir dir;
  auto first = std::make_unique<StandinProcess>(dir.Path() / "sim", "same_",
                                                std::vector<std::string>{"--start", "2024-05-01 09:30:00", "--time-scale", "0"});
  StandinWindowFinder finder(first->Folder(), first->Prefix());
  StandinSimIpcClient client(finder);
  EXPECT_FALSE(client.Linked()) << "not before a Start";
  const std::int64_t window = finder.FindTopLevelWindow("FS98MAIN");
  ASSERT_NE(client.Start(window, 65536, 2000), 0);
  EXPECT_TRUE(client.Linked());
  EXPECT_TRUE(client.Linked()) << "asking changes nothing";

  first->Kill();
  EXPECT_FALSE(client.Linked());
  EXPECT_EQ(client.Window(), 0);

  StandinProcess second(dir.Path() / "sim", "same_", {"--start", "2024-05-01 11:15:00", "--time-scale", "0"});
  const std::int64_t again = finder.FindTopLevelWindow("FS98MAIN");
  ASSERT_NE(again, 0);
  EXPECT_NE(again, window);
  ASSERT_NE(client.Start(again, 65536, 2000), 0);
  EXPECT_TRUE(client.Linked());
  std::uint8_t hour = 0, minute = 0;
  client.BeginRequest();
  client.ReadStateData(0x0238, 1, &hour);
  client.ReadStateData(0x0239, 1, &minute);
  EXPECT_TRUE(client.SendRequest());
  EXPECT_EQ(hour, 11);
  EXPECT_EQ(minute, 15);
  client.Stop();
  EXPECT_FALSE(client.Linked());
}

TEST(StandinLinkTest, HungSimulatorTimesOutAndItsLateReplyIsDropped) {
  StandinProcess standin({"--time-scale", "0"});
  Link link(standin);
  ASSERT_NE(link.client.Start(link.finder.FindTopLevelWindow("FS98MAIN"), 65536, 300), 0);
  std::int16_t first = -1;
  standin.Freeze();
  const auto start = Clock::now();
  link.client.BeginRequest();
  link.client.ReadStateData(0x0246, 2, &first);
  EXPECT_FALSE(link.client.SendRequest());
  const double waited = SecondsSince(start);
  EXPECT_GE(waited, 0.29);
  EXPECT_LT(waited, 1.5);
  EXPECT_EQ(first, -1);

  // Thawed, the stand-in answers the old request first; the client takes only the new reply.
  standin.Thaw();
  std::uint8_t hour = 99;
  std::int16_t zone = 0;
  link.client.BeginRequest();
  link.client.ReadStateData(0x0238, 1, &hour);
  link.client.ReadStateData(0x0246, 2, &zone);
  EXPECT_TRUE(link.client.SendRequest());
  EXPECT_LT(hour, 24);
  EXPECT_EQ(zone, -540);
  EXPECT_EQ(first, -1);
}

// A folder that others may write to is used by neither side: the stand-in does not
// register there, and no window is found there.
TEST(StandinLinkTest, AFolderOpenToOthersIsNotUsed) {
  test::TempDir dir;
  const std::filesystem::path open = dir.Path() / "open";
  std::filesystem::create_directory(open);
  std::filesystem::permissions(open, std::filesystem::perms::all);
  const auto refused = test::RunCommand(test::StandinBinary(), {"--folder", open.string(), "--prefix", "x_"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "fs-standin: refusing to register: the folder " + open.string() +
                             " may be written by other users\n");
  EXPECT_TRUE(std::filesystem::is_empty(open));

  StandinProcess standin(dir.Path() / "private", "p_", {});
  StandinWindowFinder finder(standin.Folder(), standin.Prefix());
  EXPECT_NE(finder.FindTopLevelWindow("FS98MAIN"), 0);
  std::filesystem::permissions(standin.Folder(), std::filesystem::perms::others_write, std::filesystem::perm_options::add);
  EXPECT_EQ(finder.FindTopLevelWindow("FS98MAIN"), 0);
  EXPECT_EQ(finder.FolderProblem(), "the folder " + standin.Folder().string() + " may be written by other users");
  std::filesystem::permissions(standin.Folder(), std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  EXPECT_NE(finder.FindTopLevelWindow("FS98MAIN"), 0);
}

}  // namespace
}  // namespace vx::platform
