#include "announce/engine_program.h"

#include <algorithm>
#include <cmath>

#include "announce/flight_lifecycle.h"
#include "announce/request_dispatcher.h"
#include "announce/sound_slots.h"
#include "datafiles/volume_table.h"
#include "simlink/channels.h"
#include "simlink/main_channels.h"
#include "support/sound_files.h"

namespace vx::announce::test {

void WakingSoundDevice::Play(std::int32_t buffer, int volume, int pan) {
  inner_.Play(buffer, volume, pan);
  if (const auto* b = inner_.Find(buffer); b && !b->freed) {
    const auto end = pump_.Clock().MonotonicNanos() + static_cast<std::int64_t>(std::llround(b->durationSeconds * 1e9));
    pump_.At(end, [] {});
  }
}

EngineProgram::EngineProgram() {
  pump.SetPumpStep(std::chrono::nanoseconds(0));
  pro.svc.paths = &paths;
  pro.svc.sound = &wakingSound;
  pro.svc.processes = &processes;
  pro.svc.addon = &addon;
  pro.svc.sharedMemoryPrefix = vx::test::UniqueName("vxeng");
  pro.sim.cabinStrip = &strip;
  pro.engine.mainWindow = &mainWindow;
  pro.engine.briefingCard = &card;
  simlink::OpenMainChannels(pro);
  pump.SetExtraPump([this] {
    if (alsoOnPump) alsoOnPump();
    for (const std::string& literal : watched_) {
      const bool now = paths.Exists(literal);
      if (now != present_[literal]) {
        present_[literal] = now;
        fileMarks_.push_back({Ms(clock.MonotonicNanos()), (now ? "+" : "-") + literal});
      }
    }
  });
  origin = clock.MonotonicNanos();
}

EngineProgram::~EngineProgram() { simlink::CloseMainChannels(pro); }

void EngineProgram::Wav(const std::string& literal, double seconds) const {
  std::string relative = literal;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  if (!relative.empty() && relative.front() == '/') relative.erase(0, 1);
  dir.WriteBytes(relative, vx::test::AsBytes(vx::test::MakeToneWav({.sampleRate = 8000, .bitsPerSample = 8, .seconds = seconds})));
}

void EngineProgram::File(const std::string& literal, const std::string& bytes) const {
  std::string relative = literal;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  if (!relative.empty() && relative.front() == '/') relative.erase(0, 1);
  dir.WriteBytes(relative, bytes);
}

void EngineProgram::WriteFlightData(std::int32_t heightAboveGroundFt, std::int32_t altitudeFt) {
  state::FlightDataRecord r;
  r.heightAboveGroundFt = heightAboveGroundFt;
  r.altitudeFt = altitudeFt;
  simlink::WriteDataChannel(r, pro.sim.ChannelHandles.data);
  pro.sim.HeightAboveGround = heightAboveGroundFt;
}

void EngineProgram::StartFlight() {
  pro.engine.FlightWindowClosed = false;
  BeginNewFlight(pro);
  pro.engine.FlightWindowReady = true;
  pro.flight.AtcChatterState = 0;
  datafiles::BuildVolumeTable(pro.engine, pro.briefing.VolumeSettings);
  LoadSoundEffects(pro);
}

void EngineProgram::Watch(std::vector<std::string> literals) {
  watched_ = std::move(literals);
  for (const auto& l : watched_) present_[l] = paths.Exists(l);
}

std::string EngineProgram::Literal(const std::string& label) const {
  const std::string base = paths.BaseText();
  std::string literal = label.rfind(base, 0) == 0 ? label.substr(base.size()) : label;
  std::replace(literal.begin(), literal.end(), '/', '\\');
  return literal;
}

std::vector<Played> EngineProgram::Timeline() const {
  using Op = platform::RecordingSoundDevice::Op;
  std::vector<Played> out;
  const auto& calls = sound.calls;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const auto& c = calls[i];
    if (c.op != Op::Play && c.op != Op::PlayLooping) continue;
    const auto* b = sound.Find(c.buffer);
    if (!b) continue;
    const bool loop = c.op == Op::PlayLooping;
    std::int64_t end = loop ? INT64_MAX : c.atNanos + static_cast<std::int64_t>(std::llround(b->durationSeconds * 1e9));
    for (std::size_t k = i + 1; k < calls.size(); ++k) {
      const auto& later = calls[k];
      if (later.buffer != c.buffer || later.atNanos >= end) continue;
      if (later.op == Op::Stop || later.op == Op::Free || later.op == Op::Play || later.op == Op::PlayLooping ||
          later.op == Op::Quit) {
        end = later.atNanos;
        break;
      }
    }
    const double endMs = end == INT64_MAX ? -1 : Ms(end);
    out.push_back({Literal(b->label), Ms(c.atNanos), endMs, c.volume, c.pan, loop});
  }
  // Effects of slots 0 to 4 are not part of a group's timeline (the engines and the
  // pushback's words, also under "\Wav\Etc", are).
  std::erase_if(out, [](const Played& p) {
    for (std::string_view folder : {"\\Wav\\Etc\\スイッチ音\\", "\\Wav\\Etc\\ワイパー音\\", "\\Wav\\Etc\\エアコン\\"})
      if (p.file.rfind(folder, 0) == 0) return true;
    return false;
  });
  return out;
}

std::vector<Mark> EngineProgram::Marks() const {
  std::vector<Mark> out;
  for (const auto& w : window.history)
    if (w.box == FlightBox::tbx処理内容) out.push_back({Ms(w.atNanos), w.text});
  out.insert(out.end(), fileMarks_.begin(), fileMarks_.end());
  out.insert(out.end(), card.moves.begin(), card.moves.end());
  std::stable_sort(out.begin(), out.end(), [](const Mark& a, const Mark& b) { return a.atMs < b.atMs; });
  return out;
}

void ExpectTimeline(const std::vector<Played>& actual, const std::vector<Played>& expected, double toleranceMs) {
  ASSERT_EQ(actual.size(), expected.size()) << "sounds played";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Played& a = actual[i];
    const Played& e = expected[i];
    SCOPED_TRACE("sound " + std::to_string(i) + " " + e.file);
    EXPECT_EQ(a.file, e.file);
    EXPECT_NEAR(a.startMs, e.startMs, toleranceMs);
    EXPECT_NEAR(a.endMs, e.endMs, toleranceMs);
    EXPECT_EQ(a.volume, e.volume);
    EXPECT_EQ(a.pan, e.pan);
    EXPECT_EQ(a.loop, e.loop);
  }
}

std::vector<std::pair<double, int>> EngineProgram::MusicLevels() const {
  std::vector<std::pair<double, int>> out;
  for (const auto& c : music.CallsOf(platform::RecordingMusicDevice::Op::MasterVolume))
    if (c.atNanos >= origin) out.emplace_back(Ms(c.atNanos), c.value);
  return out;
}

void EngineProgram::Serve(std::int16_t request) {
  pro.engine.AnnounceRequest = request;
  ServiceAnnouncementRequest(pro);
}

}  // namespace vx::announce::test
