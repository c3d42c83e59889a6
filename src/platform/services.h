#pragma once
// The operating-system services and outside-library stand-ins one program uses.
// The program's start-up owns the implementations; tests plug in doubles.
#include <string>

namespace vx::platform {

class Clock;
class EventPump;
class TimerScheduler;
class Random;
class Paths;
class ProcessLauncher;
class KeyInjector;
class TextViewer;
class SoundDevice;
class MusicDevice;
class Mp3Player;
class AddonLink;
class SimIpcClient;
class SimWindowFinder;
class KeyHook;
class SimFocus;
class ForeignWindows;

struct Services {
  Clock* clock = nullptr;
  EventPump* pump = nullptr;
  TimerScheduler* timers = nullptr;
  Random* random = nullptr;
  Paths* paths = nullptr;
  ProcessLauncher* processes = nullptr;
  KeyInjector* keys = nullptr;
  TextViewer* textViewer = nullptr;
  SoundDevice* sound = nullptr;
  MusicDevice* music = nullptr;
  Mp3Player* mp3 = nullptr;
  AddonLink* addon = nullptr;
  SimIpcClient* sim = nullptr;
  SimWindowFinder* simWindows = nullptr;
  KeyHook* keyHook = nullptr;
  SimFocus* simFocus = nullptr;  // is the simulator's window in front
  ForeignWindows* foreignWindows = nullptr;  // other programs' windows
  // Prefix of the named shared memories ("" in the programs; unique per test).
  std::string sharedMemoryPrefix;
};

}  // namespace vx::platform
