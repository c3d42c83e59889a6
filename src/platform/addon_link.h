#pragma once
// The aircraft add-on's interface: a session opened at the start of a flight and reads
// of the add-on's data record. The add-on does not exist on this platform.
#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace vx::platform {

// Results of the add-on's calls.
inline constexpr std::int32_t kAddonOk = 1;
inline constexpr std::int32_t kAddonNotRunning = 0;
inline constexpr std::int32_t kAddonRequestError = -1;
inline constexpr std::int32_t kAddonVersionError = -2;

// The session argument the programs give.
inline constexpr std::int32_t kAddonSessionVersion = 202;

// The add-on's data record: 32-bit signed fields addressed by byte offset.
struct AddonDataRecord {
  static constexpr int kFuelControl1 = 0;
  static constexpr int kFuelControl2 = 4;
  static constexpr int kStartSwitch1 = 8;
  static constexpr int kStartSwitch2 = 12;
  static constexpr int kCruiseAltitudeFt = 20;
  static constexpr int kV1 = 36;
  static constexpr int kVr = 40;
  static constexpr int kV2 = 44;
  static constexpr int kVref30 = 48;

  std::array<std::int32_t, 64> fields{};
  std::int32_t At(int byteOffset) const { return fields.at(static_cast<std::size_t>(byteOffset / 4)); }
  void Set(int byteOffset, std::int32_t value) { fields.at(static_cast<std::size_t>(byteOffset / 4)) = value; }
};

class AddonLink {
 public:
  virtual ~AddonLink() = default;
  // Opens (open 1) or closes (open 0) the session; kAddonOk on success.
  virtual std::int32_t Session(std::int32_t open, std::int32_t version) = 0;
  // Fills the record; kAddonOk on success, the record untouched otherwise.
  virtual std::int32_t ReadData(AddonDataRecord& record) = 0;
};

// This platform: no add-on, so the session never opens and reads answer "not running".
class UnavailableAddonLink final : public AddonLink {
 public:
  std::int32_t Session(std::int32_t, std::int32_t) override { return kAddonNotRunning; }
  std::int32_t ReadData(AddonDataRecord&) override { return kAddonNotRunning; }
};

// Test double: answers from queues; when a queue is empty the last answer repeats
// (kAddonOk and an all-zero record before any was queued).
class ScriptedAddonLink final : public AddonLink {
 public:
  struct Read {
    std::int32_t result = kAddonOk;
    AddonDataRecord record;
  };
  struct SessionCall {
    std::int32_t open;
    std::int32_t version;
  };

  void QueueSession(std::int32_t result) { sessionResults_.push_back(result); }
  void QueueRead(std::int32_t result, const AddonDataRecord& record = {}) { reads_.push_back({result, record}); }

  std::int32_t Session(std::int32_t open, std::int32_t version) override {
    sessions.push_back({open, version});
    if (!sessionResults_.empty()) {
      lastSession_ = sessionResults_.front();
      sessionResults_.pop_front();
    }
    return lastSession_;
  }
  std::int32_t ReadData(AddonDataRecord& record) override {
    ++readCount;
    if (!reads_.empty()) {
      lastRead_ = reads_.front();
      reads_.pop_front();
    }
    if (lastRead_.result == kAddonOk) record = lastRead_.record;
    return lastRead_.result;
  }

  std::vector<SessionCall> sessions;
  int readCount = 0;

 private:
  std::deque<std::int32_t> sessionResults_;
  std::deque<Read> reads_;
  std::int32_t lastSession_ = kAddonOk;
  Read lastRead_;
};

}  // namespace vx::platform
