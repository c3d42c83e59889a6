#include "simlink/main_channels.h"

#include "simlink/channels.h"
#include "simlink/eye_keys.h"
#include "state/pro_context.h"

namespace vx::simlink {

void OpenMainChannels(state::ProContext& pro) {
  const std::string& prefix = pro.svc.sharedMemoryPrefix;
  state::ChannelHandleSet& h = pro.sim.ChannelHandles;
  OpenEyeChannel(prefix, h.eye);
  OpenVolChannel(prefix, h.vol);
  OpenStabChannel(prefix, h.stab);
  OpenDataChannel(prefix, h.data);
}

void CloseMainChannels(state::ProContext& pro) {
  DropWaitingEyeKeys(pro);
  state::ChannelHandleSet& h = pro.sim.ChannelHandles;
  CloseSharedMapping(h.eye);
  CloseSharedMapping(h.vol);
  CloseSharedMapping(h.stab);
  CloseSharedMapping(h.data);
}

bool SendViewStepCommand(state::ProContext& pro) {
  pro.sim.VolRecord.QuietSound = pro.engine.QuietSound;
  pro.sim.VolRecord.VolCommandCode = kVolViewStepCommand;
  return WriteVolChannel(pro.sim.VolRecord, pro.sim.ChannelHandles.vol);
}

bool SendQuietSound(state::ProContext& pro) {
  pro.sim.VolRecord.QuietSound = pro.engine.QuietSound;
  return WriteVolWord(kVolQuietWordOffset, pro.sim.VolRecord.QuietSound, pro.sim.ChannelHandles.vol);
}

bool WriteTakeoffStarted(state::ProContext& pro, std::int16_t flag) {
  pro.sim.TakeoffStartedFlag = flag;
  return WriteLongToChannel(static_cast<std::uint16_t>(flag), pro.sim.ChannelHandles.stab);
}

}  // namespace vx::simlink
