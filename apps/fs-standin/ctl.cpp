#include "ctl.h"

#include <climits>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <thread>

#include "platform/private_folder.h"
#include "platform/sim_variable_area.h"
#include "platform/sim_wire.h"
#include "platform/standin_link.h"
#include "flight_script.h"
#include "sim_clock.h"

namespace vx::standin {
namespace {

namespace simwire = platform::simwire;

using simwire::Type;

constexpr int kTimeoutMs = 5000;

// A script of the largest size, named by a path of the longest (longer paths do not open),
// fits in one message.
static_assert(1 + 4 + 4 + PATH_MAX + 4 + kMaxScriptBytes <= simwire::kMaxMessage);

bool ParseInt(const std::string& s, long long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  out = std::strtoll(s.c_str(), &end, 0);
  return *end == 0 && errno == 0;
}

// A key of `ctl key`: one letter or digit stands for its own key ("C", "0"), anything
// longer is a virtual-key code (decimal, or hexadecimal with 0x).
bool ParseKey(const std::string& s, long long& out) {
  if (s.size() == 1 && std::isalnum(static_cast<unsigned char>(s[0]))) {
    out = std::toupper(static_cast<unsigned char>(s[0]));
    return true;
  }
  return ParseInt(s, out) && out > 0 && out < 256;
}

bool ParseDouble(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return *end == 0;
}

// The values a variable of `size` bytes holds: unsigned or signed, as either is written.
bool FitsSize(long long value, long long size) {
  const long long low = -(1LL << (8 * size - 1));
  const long long high = (1LL << (8 * size)) - 1;
  return value >= low && value <= high;
}

bool IsVariableSize(long long size) { return size == 1 || size == 2 || size == 4; }

const char* StatusText(std::uint8_t status) {
  switch (static_cast<platform::SimEntryStatus>(status)) {
    case platform::SimEntryStatus::Ok: return "ok";
    case platform::SimEntryStatus::OutsideArea: return "rejected: outside the variable area";
    case platform::SimEntryStatus::BadSize: return "rejected: the size must be 0, 1, 2 or 4";
  }
  return "rejected";
}

class Ctl {
 public:
  Ctl(const std::filesystem::path& socketPath, std::ostream& out, std::ostream& err)
      : path_(socketPath), out_(out), err_(err) {}

  int Run(const std::vector<std::string>& args);

 private:
  bool Exchange(std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& reply) {
    if (!link_.Connected()) {
      const std::string problem = platform::PrivateFolderProblem(path_.parent_path(), false);
      if (std::error_code ec; !problem.empty() && std::filesystem::exists(path_.parent_path(), ec)) {
        err_ << "fs-standin ctl: refusing to talk to a stand-in there: " << problem << "\n";
        return false;
      }
    }
    if (!link_.Connected() && !link_.Connect(path_, kTimeoutMs)) {
      err_ << "fs-standin ctl: no simulator stand-in at " << path_.string() << "\n";
      return false;
    }
    if (!link_.Transact(request, reply, kTimeoutMs)) {
      err_ << "fs-standin ctl: the stand-in did not answer\n";
      return false;
    }
    return true;
  }
  simwire::Writer Begin(Type type) {
    simwire::Writer w(request_);
    w.Header(type, link_.NextSeq());
    return w;
  }
  // The reply of a script or time command: whether it was taken, and the stand-in's words.
  bool Outcome(std::string& message) {
    simwire::Reader r(reply_);
    r.SkipHeader();
    const bool ok = r.U8() != 0;
    message = r.Str();
    return r.Ok() && ok;
  }
  int Usage() {
    err_ << "usage: fs-standin [options] ctl get OFFSET SIZE | set OFFSET SIZE VALUE | log | script FILE |"
            " scale FACTOR | advance SECONDS | key KEY... | focus [on|off] | eye | stop\n";
    return 2;
  }
  // An offset the wire can carry; anything else is outside the area by far.
  bool Addressable(long long offset) {
    if (offset >= 0 && offset <= std::numeric_limits<std::int32_t>::max()) return true;
    err_ << "fs-standin ctl: " << StatusText(static_cast<std::uint8_t>(platform::SimEntryStatus::OutsideArea)) << "\n";
    return false;
  }
  int Get(long long offset, long long size);
  int Set(long long offset, long long size, long long value);
  int Log();
  int Script(const std::string& file);
  int Time(std::uint8_t what, double value);
  int HookKey(const std::vector<long long>& keys);
  int Focus(std::uint8_t what);
  int Eye();
  bool SendHookKey(long long key, bool down);

  std::filesystem::path path_;
  std::ostream& out_;
  std::ostream& err_;
  platform::StandinConnection link_;
  std::vector<std::uint8_t> request_, reply_;
};

int Ctl::Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& cmd = args[0];
  long long a = 0, b = 0, c = 0;
  double d = 0;
  if (cmd == "get" && args.size() == 3 && ParseInt(args[1], a) && ParseInt(args[2], b)) return Get(a, b);
  if (cmd == "set" && args.size() == 4 && ParseInt(args[1], a) && ParseInt(args[2], b) && ParseInt(args[3], c)) {
    return Set(a, b, c);
  }
  if (cmd == "log" && args.size() == 1) return Log();
  if (cmd == "script" && args.size() == 2) return Script(args[1]);
  if (cmd == "scale" && args.size() == 2 && ParseDouble(args[1], d)) {
    if (!(d >= 0 && d <= kMaxTimeScale)) {
      err_ << "fs-standin ctl: scale takes a factor from 0 to " << kMaxTimeScale << ", not " << args[1] << "\n";
      return 2;
    }
    return Time(0, d);
  }
  if (cmd == "advance" && args.size() == 2 && ParseDouble(args[1], d)) {
    if (!(d >= 0 && d <= kMaxAdvanceSeconds)) {
      err_ << "fs-standin ctl: advance takes 0 to " << static_cast<long>(kMaxAdvanceSeconds)
           << " seconds (one year), not " << args[1] << "\n";
      return 2;
    }
    return Time(1, d);
  }
  if (cmd == "key" && args.size() >= 2) {
    std::vector<long long> keys;
    for (std::size_t i = 1; i < args.size(); ++i) {
      if (!ParseKey(args[i], a)) return Usage();
      keys.push_back(a);
    }
    return HookKey(keys);
  }
  if (cmd == "focus" && args.size() == 2 && (args[1] == "on" || args[1] == "off")) {
    return Focus(args[1] == "on" ? simwire::kFocusToFront : simwire::kFocusToBack);
  }
  if (cmd == "focus" && args.size() == 1) return Focus(simwire::kFocusAsk);
  if (cmd == "eye" && args.size() == 1) return Eye();
  if (cmd == "stop" && args.size() == 1) {
    Begin(Type::Stop);
    return Exchange(request_, reply_) ? 0 : 1;
  }
  return Usage();
}

int Ctl::Get(long long offset, long long size) {
  if (!IsVariableSize(size)) {
    err_ << "fs-standin ctl: get reads a variable of 1, 2 or 4 bytes, not " << size << "\n";
    return 2;
  }
  if (!Addressable(offset)) return 1;
  simwire::Writer w = Begin(Type::Batch);
  w.U32(1);
  w.U8(simwire::kRead);
  w.I32(static_cast<std::int32_t>(offset));
  w.I32(static_cast<std::int32_t>(size));
  w.U8(0);
  if (!Exchange(request_, reply_)) return 1;
  simwire::Reader r(reply_);
  r.SkipHeader();
  r.U32();
  const std::uint8_t status = r.U8();
  if (status != 0) {
    err_ << "fs-standin ctl: " << StatusText(status) << "\n";
    return 1;
  }
  auto bytes = r.Bytes(static_cast<std::size_t>(size));
  if (!r.Ok()) return 1;
  out_ << platform::LittleEndianValue(bytes.data(), static_cast<std::int32_t>(size), size != 1) << "\n";
  return 0;
}

int Ctl::Set(long long offset, long long size, long long value) {
  if (!IsVariableSize(size)) {
    err_ << "fs-standin ctl: set writes a variable of 1, 2 or 4 bytes, not " << size << "\n";
    return 2;
  }
  if (!FitsSize(value, size)) {
    err_ << "fs-standin ctl: " << value << " does not fit in " << size << (size == 1 ? " byte" : " bytes")
         << " (" << -(1LL << (8 * size - 1)) << " to " << (1LL << (8 * size)) - 1 << ")\n";
    return 2;
  }
  if (!Addressable(offset)) return 1;
  simwire::Writer w = Begin(Type::Batch);
  w.U32(1);
  w.U8(simwire::kWrite);
  w.I32(static_cast<std::int32_t>(offset));
  w.I32(static_cast<std::int32_t>(size));
  const std::uint8_t length = size > 0 && size <= 4 ? static_cast<std::uint8_t>(size) : 0;
  w.U8(length);
  for (std::uint8_t i = 0; i < length; ++i) w.U8(static_cast<std::uint8_t>(static_cast<unsigned long long>(value) >> (8 * i)));
  if (!Exchange(request_, reply_)) return 1;
  simwire::Reader r(reply_);
  r.SkipHeader();
  r.U32();
  const std::uint8_t status = r.U8();
  if (!r.Ok() || status != 0) {
    err_ << "fs-standin ctl: " << StatusText(status) << "\n";
    return 1;
  }
  return 0;
}

// The log as it stands, in parts by byte offset: a line longer than one reply comes whole
// in several.
int Ctl::Log() {
  std::uint64_t next = 0;
  for (;;) {
    simwire::Writer w = Begin(Type::Log);
    w.U64(next);
    if (!Exchange(request_, reply_)) return 1;
    simwire::Reader r(reply_);
    r.SkipHeader();
    const std::uint64_t after = r.U64();
    const std::uint64_t total = r.U64();
    const std::string text = r.Str();
    if (!r.Ok()) return 1;
    out_ << text;
    if (after >= total || after == next) return 0;
    next = after;
  }
}

// The script goes whole in one message, with its name: a file the message cannot carry is
// refused here, before the stand-in is asked.
int Ctl::Script(const std::string& file) {
  std::string text, error;
  if (!ReadScriptFile(file, text, error)) {
    err_ << "fs-standin ctl: " << file << ": " << error << "\n";
    return 1;
  }
  simwire::Writer w = Begin(Type::Script);
  w.Str(file);
  w.Str(text);
  std::string message;
  if (!Exchange(request_, reply_)) return 1;
  if (!Outcome(message)) {
    err_ << "fs-standin ctl: " << file << ": " << message << "\n";
    return 1;
  }
  out_ << file << ": " << message << "\n";
  return 0;
}

int Ctl::Time(std::uint8_t what, double value) {
  simwire::Writer w = Begin(Type::Time);
  w.U8(what);
  w.F64(value);
  std::string message;
  if (!Exchange(request_, reply_)) return 1;
  if (!Outcome(message)) {
    err_ << "fs-standin ctl: " << message << "\n";
    return 1;
  }
  return 0;
}

int Ctl::Focus(std::uint8_t what) {
  simwire::Writer w = Begin(Type::Focus);
  w.U8(what);
  if (!Exchange(request_, reply_)) return 1;
  simwire::Reader r(reply_);
  r.SkipHeader();
  const bool inFront = r.U8() != 0;
  if (!r.Ok()) return 1;
  out_ << (inFront ? "on" : "off") << "\n";
  return 0;
}

int Ctl::Eye() {
  Begin(Type::Eye);
  if (!Exchange(request_, reply_)) return 1;
  simwire::Reader r(reply_);
  r.SkipHeader();
  const std::string text = r.Str();
  if (!r.Ok()) return 1;
  out_ << text << "\n";
  return 0;
}

// Each key is typed: pressed and released, in the order given, however many there are.
int Ctl::HookKey(const std::vector<long long>& keys) {
  for (const long long key : keys) {
    if (!SendHookKey(key, true) || !SendHookKey(key, false)) return 1;
  }
  return 0;
}

// How long a key waits for room in the key hook's queue, and how often it is sent again.
constexpr int kHookKeyRoomWaitMs = 10000;
constexpr int kHookKeyRetryMs = 5;

// A key that finds the key hook's queue full is sent again once the program has read some
// of it; a program that reads none for kHookKeyRoomWaitMs takes no key.
bool Ctl::SendHookKey(long long key, bool down) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHookKeyRoomWaitMs);
  for (;;) {
    simwire::Writer w = Begin(Type::HookKey);
    w.I32(static_cast<std::int32_t>(key));
    w.U8(down ? 1 : 0);
    if (!Exchange(request_, reply_)) return false;
    simwire::Reader r(reply_);
    r.SkipHeader();
    const std::uint8_t sent = r.U8();
    if (r.Ok() && sent == simwire::kHookKeyDelivered) return true;
    if (!r.Ok() || sent != simwire::kHookKeyQueueFull || std::chrono::steady_clock::now() >= giveUp) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(kHookKeyRetryMs));
  }
  err_ << "fs-standin ctl: no key hook took key " << key << "\n";
  return false;
}

}  // namespace

int RunCtl(const std::filesystem::path& socketPath, const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err) {
  Ctl ctl(socketPath, out, err);
  return ctl.Run(args);
}

}  // namespace vx::standin
