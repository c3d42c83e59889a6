#include "simlink/main_channels.h"

#include "mainwindow/pro_context.h"

namespace vx::simlink {

void OpenMainChannels(mainwindow::ProContext& pro) {
  const std::string& prefix = pro.svc.sharedMemoryPrefix;
  ChannelHandleSet& h = pro.sim.ChannelHandles;
  OpenEyeChannel(prefix, h.eye);
  OpenVolChannel(prefix, h.vol);
  OpenStabChannel(prefix, h.stab);
  OpenDataChannel(prefix, h.data);
}

void CloseMainChannels(mainwindow::ProContext& pro) {
  ChannelHandleSet& h = pro.sim.ChannelHandles;
  CloseSharedMapping(h.eye);
  CloseSharedMapping(h.vol);
  CloseSharedMapping(h.stab);
  CloseSharedMapping(h.data);
}

bool SendEyeKey(mainwindow::ProContext& pro, std::int16_t keyCode) {
  pro.sim.EyeKeyCode = keyCode;
  return WriteLongToChannel(static_cast<std::uint16_t>(keyCode), pro.sim.ChannelHandles.eye);
}

bool SendViewStepCommand(mainwindow::ProContext& pro) {
  pro.sim.VolRecord.QuietSound = pro.engine.QuietSound;
  pro.sim.VolRecord.VolCommandCode = kVolViewStepCommand;
  return WriteVolChannel(pro.sim.VolRecord, pro.sim.ChannelHandles.vol);
}

bool SendQuietSound(mainwindow::ProContext& pro) {
  pro.sim.VolRecord.QuietSound = pro.engine.QuietSound;
  return WriteVolWord(kVolQuietWordOffset, pro.sim.VolRecord.QuietSound, pro.sim.ChannelHandles.vol);
}

bool WriteTakeoffStarted(mainwindow::ProContext& pro, std::int16_t flag) {
  pro.sim.TakeoffStartedFlag = flag;
  return WriteLongToChannel(static_cast<std::uint16_t>(flag), pro.sim.ChannelHandles.stab);
}

}  // namespace vx::simlink
