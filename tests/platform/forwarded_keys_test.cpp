// Keys handed to the key hook over the forwarded-keys socket.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/forwarded_key_inbox.h"
#include "platform/forwarded_keys.h"
#include "platform/key_hook.h"
#include "support/temp_dir.h"

namespace vx::platform {
namespace {

TEST(ForwardedKeysTest, AKeyEventTravelsAsFiveBytes) {
  const std::vector<KeyEvent> cases = {KeyPress(67), KeyRelease(67), KeyPress(0x1B), KeyRelease(0x7FFFFFFF)};
  for (const KeyEvent& event : cases) {
    const auto bytes = EncodeForwardedKey(event);
    EXPECT_EQ(DecodeForwardedKey(bytes), event);
  }
  EXPECT_EQ(EncodeForwardedKey(KeyRelease(0x0141)), (std::array<std::uint8_t, 5>{0x41, 0x01, 0, 0, 1}));
  // A repeat travels as a press.
  EXPECT_EQ(DecodeForwardedKey(EncodeForwardedKey(KeyRepeat(65))), KeyPress(65));
}

TEST(ForwardedKeysTest, OtherDatagramsAreNoKeyEvents) {
  const std::vector<std::vector<std::uint8_t>> cases = {{}, {67, 0, 0, 0}, {67, 0, 0, 0, 0, 0}, {67, 0, 0, 0, 2}};
  for (const auto& bytes : cases) EXPECT_EQ(DecodeForwardedKey(bytes), std::nullopt) << bytes.size();
}

class ForwardedKeyInboxTest : public testing::Test {
 protected:
  // Runs the event loop until `count` keys have arrived or a second has passed.
  void WaitForKeys(std::size_t count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (received.size() < count && std::chrono::steady_clock::now() < end) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
  }
  void SendRaw(const std::vector<std::uint8_t>& bytes) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, path.c_str());
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_GE(fd, 0);
    sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    close(fd);
  }

  int argc = 1;
  char name[8] = "test";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  test::TempDir dir;
  std::filesystem::path path = ForwardedKeysSocketPath(dir.Path() / "sim", "t_");
  RecordingKeyHook hook;
  std::vector<KeyEvent> received;
};

TEST_F(ForwardedKeyInboxTest, KeysSentReachTheHookInOrderWhileItIsEnabled) {
  EXPECT_EQ(path, dir.Path() / "sim" / "t_keyhook.sock");
  hook.SetHandler([this](const KeyEvent& e) {
    received.push_back(e);
    return true;
  });
  auto inbox = ForwardedKeyInbox::Open(path, [this](const KeyEvent& e) { hook.Send(e); });
  ASSERT_NE(inbox, nullptr);

  EXPECT_EQ(SendForwardedKey(path, KeyPress(67)), ForwardedKeySent::Delivered);  // while the hook is off: dropped
  inbox->ProcessPending();
  EXPECT_TRUE(received.empty());

  hook.Enable();
  SendRaw({1, 2, 3});  // not a key event: dropped
  for (const KeyEvent& e : {KeyPress(67), KeyRelease(67), KeyPress(65), KeyRelease(65), KeyPress(48), KeyRelease(48)})
    ASSERT_EQ(SendForwardedKey(path, e), ForwardedKeySent::Delivered);
  WaitForKeys(6);
  EXPECT_EQ(received, (std::vector<KeyEvent>{KeyPress(67), KeyRelease(67), KeyPress(65), KeyRelease(65),
                                             KeyPress(48), KeyRelease(48)}));
}

// A sink busy at a key pumps the events: the keys that come meanwhile reach it from
// inside, in their order, when they come, not after it has returned.
TEST_F(ForwardedKeyInboxTest, ASinkThatPumpsTheEventsGetsTheKeysThatComeMeanwhile) {
  std::vector<int> depths;
  int depth = 0;
  auto inbox = ForwardedKeyInbox::Open(path, [&](const KeyEvent& e) {
    ++depth;
    received.push_back(e);
    depths.push_back(depth);
    if (e == KeyPress(67)) {
      for (int vk : {65, 48}) EXPECT_EQ(SendForwardedKey(path, KeyPress(vk)), ForwardedKeySent::Delivered);
      WaitForKeys(3);
    }
    --depth;
  });
  ASSERT_NE(inbox, nullptr);
  ASSERT_EQ(SendForwardedKey(path, KeyPress(67)), ForwardedKeySent::Delivered);
  WaitForKeys(3);
  EXPECT_EQ(received, (std::vector<KeyEvent>{KeyPress(67), KeyPress(65), KeyPress(48)}));
  EXPECT_EQ(depths, (std::vector<int>{1, 2, 2}));
}

// A listener that has not read its keys yet: the key that finds its queue full is told
// apart from one that nobody takes, and goes once the listener has read the others.
TEST_F(ForwardedKeyInboxTest, AKeyThatFindsTheQueueFullIsToldSo) {
  auto inbox = ForwardedKeyInbox::Open(path, [this](const KeyEvent& e) { received.push_back(e); });
  ASSERT_NE(inbox, nullptr);
  std::size_t queued = 0;
  ForwardedKeySent sent = ForwardedKeySent::Delivered;
  while (queued < 1000 && (sent = SendForwardedKey(path, KeyPress(65))) == ForwardedKeySent::Delivered) ++queued;
  EXPECT_EQ(sent, ForwardedKeySent::QueueFull);
  WaitForKeys(queued);
  EXPECT_EQ(SendForwardedKey(path, KeyPress(66)), ForwardedKeySent::Delivered);
  WaitForKeys(queued + 1);
  EXPECT_EQ(received.size(), queued + 1);
}

TEST_F(ForwardedKeyInboxTest, OneListenerAtATimeAndNoneAfterItsEnd) {
  auto first = ForwardedKeyInbox::Open(path, [this](const KeyEvent& e) { received.push_back(e); });
  ASSERT_NE(first, nullptr);
  // A second running program does not take the socket over.
  EXPECT_EQ(ForwardedKeyInbox::Open(path, [](const KeyEvent&) {}), nullptr);
  ASSERT_EQ(SendForwardedKey(path, KeyPress(67)), ForwardedKeySent::Delivered);
  WaitForKeys(1);
  EXPECT_EQ(received, std::vector<KeyEvent>{KeyPress(67)});

  first.reset();
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(SendForwardedKey(path, KeyPress(65)), ForwardedKeySent::NobodyListens);

  // A socket file left by a program that ended without removing it is taken over.
  {
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    close(fd);
  }
  ASSERT_TRUE(std::filesystem::exists(path));
  auto next = ForwardedKeyInbox::Open(path, [this](const KeyEvent& e) { received.push_back(e); });
  ASSERT_NE(next, nullptr);
  ASSERT_EQ(SendForwardedKey(path, KeyRelease(67)), ForwardedKeySent::Delivered);
  WaitForKeys(2);
  EXPECT_EQ(received, (std::vector<KeyEvent>{KeyPress(67), KeyRelease(67)}));
}

}  // namespace
}  // namespace vx::platform
