// The quiet word and the take-off call of the main program's shared words.
#include <gtest/gtest.h>

#include <cstdint>

#include "callout/channel_commands.h"
#include "callout/exp_link.h"
#include "exp_fixture.h"
#include "simlink/channels.h"
#include "support/sound_files.h"

namespace vx::callout {
namespace {

class ChannelCommandsTest : public ::testing::Test, public test::ExpProgram {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sound.Init());
    const auto image = test::MakeToneWav({.sampleRate = 22050, .seconds = 5.0});
    for (int i = 0; i < state::kCallSoundCount; ++i) {
      exp.sound.CallSoundBuffer[i] = sound.CreateBuffer(image, 1, "call" + std::to_string(i));
      exp.sound.CallVolumeTable[i] = static_cast<std::int16_t>(-100 * (i % 10));
      exp.sound.CallVolumes[i] = exp.sound.CallVolumeTable[i];
    }
  }
  int VolumeOf(int index) const { return sound.Find(exp.sound.CallSoundBuffer[index])->volume; }
};

TEST_F(ChannelCommandsTest, QuietWordMutesPlayingCallsAndUnmuteRestoresTheTable) {
  sound.Play(exp.sound.CallSoundBuffer[5], exp.sound.CallVolumes[5], 0);
  exp.sim.VolRecord.QuietSound = 1;
  ApplyMuteWord(exp);
  EXPECT_EQ(exp.sound.MuteApplied, -1);
  EXPECT_EQ(VolumeOf(5), -3000) << "the playing call goes quiet";
  // A call started while muted plays at its own volume.
  exp.sound.CallVolumes[7] = -200;
  sound.Play(exp.sound.CallSoundBuffer[7], exp.sound.CallVolumes[7], 0);
  EXPECT_EQ(VolumeOf(7), -200);
  ApplyMuteWord(exp);  // the word still set: nothing again
  EXPECT_EQ(VolumeOf(7), -200);
  exp.sim.VolRecord.QuietSound = 0;
  ApplyMuteWord(exp);
  EXPECT_EQ(exp.sound.MuteApplied, 0);
  for (int i : {0, 5, 7, 74}) {
    EXPECT_EQ(exp.sound.CallVolumes[i], exp.sound.CallVolumeTable[i]) << i;
    EXPECT_EQ(VolumeOf(i), exp.sound.CallVolumeTable[i]) << i;
  }
}

TEST_F(ChannelCommandsTest, TakeoffCallOnlyFromN1Of9039) {
  ASSERT_TRUE(simlink::OpenStabChannel(exp.svc.sharedMemoryPrefix, exp.sim.stab));
  finder.windows["FS98MAIN"] = 77;
  ASSERT_TRUE(ConnectSimulatorExp(exp));
  area.Set(0x2F80, 1, 1);
  ASSERT_TRUE(simlink::WriteLongToChannel(1, exp.sim.stab));
  struct Case {
    std::int16_t n1;
    bool calls;
  };
  for (const Case& c : {Case{9038, false}, Case{9039, true}}) {
    exp.sim.Engine1N1Raw = c.n1;
    const auto before = sound.Find(exp.sound.CallSoundBuffer[39])->plays;
    HandleStabTrigger(exp);
    std::int32_t word = -1;
    simlink::ReadLongFromChannel(word, exp.sim.stab);
    EXPECT_EQ(sound.Find(exp.sound.CallSoundBuffer[39])->plays - before, c.calls ? 1 : 0) << c.n1;
    EXPECT_EQ(word, c.calls ? 0 : 1) << c.n1;
    EXPECT_EQ(area.GetUnsigned(0x2F80, 1), c.calls ? 0u : 1u) << c.n1;
  }
  // The word taken: no second call.
  const auto before = sound.Find(exp.sound.CallSoundBuffer[39])->plays;
  HandleStabTrigger(exp);
  EXPECT_EQ(sound.Find(exp.sound.CallSoundBuffer[39])->plays, before);
}

}  // namespace
}  // namespace vx::callout
