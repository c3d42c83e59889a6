// The first flight as a person flies it: the real VexlorPro on the sample installation and
// fs-standin with the aircraft parked at a gate. The captain's name is typed and Start
// pressed, the briefing sheet closed, and C, A, 0 typed while another program's window has
// the focus: the boarding guidance plays (SDL's dummy audio) and the caption box follows
// it, as the program's played timeline records. Then the same keys handed on by the
// stand-in start it once more.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/shared_memory.h"
#include "platform/text_file.h"
#include "platform/wav_image.h"
#include "support/processes.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "support/x11_desktop.h"
#include "support/x11_typist.h"

#include <X11/keysym.h>

namespace vx::mainwindow {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Where the windows' controls are, in pixels from the window's top left (15 twips each).
constexpr int kNameBoxX = 184, kNameBoxY = 32;      // frmPass.tbxUserName
constexpr int kStartX = 212, kStartY = 300;         // frmMain.buttonStart, below the menu bar
constexpr int kSignX = 746, kSignY = 574;           // frmTOB.buttonOK, "Captain Signature"

struct TimelineEntry {
  double t = 0;
  std::string kind;
  int buffer = 0;
  std::string file;  // as the program named it
  std::string text;  // of a caption
};

// The text of a string field of a JSON line, escapes undone; empty when absent.
std::string StringField(const std::string& line, const std::string& name) {
  const std::string key = "\"" + name + "\":\"";
  const auto at = line.find(key);
  if (at == std::string::npos) return {};
  std::string out;
  for (std::size_t i = at + key.size(); i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) {
      const char c = line[++i];
      out += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    } else {
      out += line[i];
    }
  }
  return out;
}

double NumberField(const std::string& line, const std::string& name) {
  const std::string key = "\"" + name + "\":";
  const auto at = line.find(key);
  return at == std::string::npos ? 0 : std::strtod(line.c_str() + at + key.size(), nullptr);
}

std::vector<std::string> Lines(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<TimelineEntry> ReadTimeline(const fs::path& file) {
  std::vector<TimelineEntry> entries;
  for (const std::string& line : Lines(file)) {
    entries.push_back({NumberField(line, "t"), StringField(line, "kind"), static_cast<int>(NumberField(line, "buffer")),
                       StringField(line, "file"), StringField(line, "text")});
  }
  return entries;
}

// The last part of a path as the program writes it ("<base>\Wav\Lob\x.wav").
std::string Leaf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

using test::Await;

fs::path MakeTempFolder(const fs::path& parent, const std::string& stem) {
  std::string tmpl = (parent / (stem + "-XXXXXX")).string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed in " + parent.string());
  return tmpl;
}

class FirstFlightTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    const char* build = std::getenv("VX_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    const fs::path sample = fs::path(build) / "sample-installation";
    if (!fs::exists(sample / "ExePro" / "VexlorPro"))
      GTEST_SKIP() << "no sample installation in " << sample << " (it needs espeak-ng, sox and lame)";
    test::KeepDisplayOpen();
    desktop = test::X11Desktop::Open();
    ASSERT_NE(desktop, nullptr) << "display without XTEST";

    work = MakeTempFolder(build, "first-flight");
    run = MakeTempFolder(fs::temp_directory_path(), "vxff");  // sockets want a short path
    base = work / "base";
    test::CopyInstallation(sample, base);
    standin.emplace(run / "vexlor-sim", "",
                    std::vector<std::string>{"--start", "2024-05-01 10:05:00", "--script",
                                             (base / "flight" / "parked-at-gate.txt").string(), "--log",
                                             (work / "fs-standin.log").string()});
    StartVexlorPro();
  }

  void TearDown() override {
    EndPrograms();
    if (!work.empty()) {
      EXPECT_EQ(test::SanitizerReports(work / "vexlorpro.out"), "");
    }
    for (const char* name : {"VEXLORPRO_EYE", "VEXLORPRO_VOL", "VEXLORPRO_STAB", "VEXLORPRO_DATA"}) {
      platform::SharedMemory::Remove(channelPrefix, name);  // what a program ended by force left
    }
    standin.reset();
    if (HasFailure() && !work.empty()) {
      std::cout << "--- timeline\n" << ReadAll(work / "timeline.jsonl") << "--- fs-standin log\n"
                << ReadAll(work / "fs-standin.log") << "--- VexlorPro output\n" << ReadAll(work / "vexlorpro.out");
    }
    std::error_code ec;
    if (!work.empty()) fs::remove_all(work, ec);
    if (!run.empty()) fs::remove_all(run, ec);
  }

  static std::string ReadAll(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  void StartVexlorPro() {
    const std::map<std::string, std::string> overrides = {
        {"XDG_RUNTIME_DIR", run.string()},
        {"VX_TIMELINE", (work / "timeline.jsonl").string()},
        {"VOVU_STANDIN_LOG", (work / "board.log").string()},
        {"SDL_AUDIODRIVER", "dummy"},
        {"QT_QPA_PLATFORM", "xcb"},
        {"QT_ENABLE_HIGHDPI_SCALING", "0"},
        {"QT_SCALE_FACTOR", "1"},
        {"VX_CHANNEL_PREFIX", channelPrefix},
    };
    const fs::path program = base / "ExePro" / "VexlorPro";
    proPid = test::StartProgram(program, overrides, work / "vexlorpro.out");
    ASSERT_GT(proPid, 0) << "cannot start " << program;
  }

  // VexlorPro by its process id, then what it started from the installation.
  void EndPrograms() {
    if (proPid > 0) {
      kill(proPid, SIGTERM);
      int status = 0;
      if (!Await([&] { return waitpid(proPid, &status, WNOHANG) == proPid; }, 5s)) {
        kill(proPid, SIGKILL);
        waitpid(proPid, &status, 0);
      }
      proPid = -1;
    }
    if (base.empty()) return;
    for (const pid_t pid : test::ProcessesUnder(base)) kill(pid, SIGTERM);
  }

  std::vector<TimelineEntry> Timeline() const { return ReadTimeline(work / "timeline.jsonl"); }
  int CaptionsOf(const std::string& text) const {
    int n = 0;
    for (const auto& e : Timeline()) n += e.kind == "caption" && e.text == text ? 1 : 0;
    return n;
  }
  bool Loaded(const std::string& leaf) const {
    for (const auto& e : Timeline())
      if (e.kind == "load" && Leaf(e.file) == leaf) return true;
    return false;
  }
  // The entries from the group's first caption to the emptying of the caption box.
  std::vector<TimelineEntry> BoardingEntries() const {
    std::vector<TimelineEntry> out;
    bool in = false;
    for (const auto& e : Timeline()) {
      if (e.kind == "caption" && e.text == "Ｇ０：空港案内") in = true;
      if (!in) continue;
      out.push_back(e);
      if (e.kind == "caption" && e.text.empty()) return out;
    }
    return {};
  }
  double WavSeconds(const std::string& programPath) const {
    std::string path = programPath;
    for (char& c : path) c = c == '\\' ? '/' : c;
    const std::string bytes = platform::ReadBinaryFile(path);
    const auto format =
        platform::ParseWav(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    return format ? format->DurationSeconds() : 0;
  }
  std::vector<std::string> StandinLog() const { return Lines(work / "fs-standin.log"); }

  std::unique_ptr<test::X11Desktop> desktop;
  fs::path work, run, base;
  std::optional<test::StandinProcess> standin;
  pid_t proPid = -1;
  const std::string channelPrefix = test::UniqueName("vxff") + "_";
};

TEST_F(FirstFlightTest, TheCaptainStartsTheFlightAndCA0PlaysTheBoardingGuidance) {
  // frmPass: the captain's name into its box, Enter for START (again while the window
  // was not yet taking input).
  const auto pass = desktop->WaitForWindow("VexlorPro", 30s);
  ASSERT_NE(pass, 0u) << "no start-up window";
  test::X11Desktop::WindowId main = 0;
  for (int attempt = 0; attempt < 3 && !main; ++attempt) {
    std::this_thread::sleep_for(300ms);
    desktop->Focus(pass);
    desktop->Click(pass, kNameBoxX, kNameBoxY);
    desktop->Type(XK_a, XK_Control_L);
    desktop->TypeText("Yamada");
    desktop->Type(XK_Return);
    main = desktop->WaitForWindow("VEXLOR-PRO  v3.02", 10s);
  }
  ASSERT_NE(main, 0u) << "no main window";

  // frmMain: Start, until the flight window has loaded its sounds.
  std::this_thread::sleep_for(300ms);
  bool flightWindow = false;
  for (int attempt = 0; attempt < 3 && !flightWindow; ++attempt) {
    desktop->Click(main, kStartX, kStartY);
    flightWindow = Await([&] { return Loaded("-ss1.wav"); }, 10s);
  }
  ASSERT_TRUE(flightWindow) << "the flight window did not open";

  // The briefing sheet takes typed input: the flight's keys work once the captain has
  // signed it (Yes to "ＴＯＢ確定", OK to the time prompt on the ground).
  for (int attempt = 0; attempt < 3; ++attempt) {
    const auto tob = desktop->WaitForWindow("Takeoff Briefing", 10s);
    if (!tob) break;
    desktop->Raise(tob);
    desktop->Click(tob, kSignX, kSignY);
    for (const char* title : {"ＴＯＢ確定", "時刻設定"}) {
      const auto box = desktop->WaitForWindow(title, 5s);
      if (!box) break;
      desktop->Focus(box);
      std::this_thread::sleep_for(150ms);
      desktop->Type(XK_Return);
      Await([&] { return desktop->FindWindow(title) == 0; }, 3s);
    }
    Await([&] { return desktop->FindWindow("Takeoff Briefing") == 0; }, 3s);
  }
  ASSERT_EQ(desktop->FindWindow("Takeoff Briefing"), 0u) << "the briefing sheet stayed open";

  // C, A, 0 typed once while another program's window has the focus. No key is lost
  // however slowly the program reads them, and a second sequence typed into a guidance
  // that starts late would add its clicks to it: the one sequence is waited for.
  auto typist = test::X11Typist::Open();
  ASSERT_NE(typist, nullptr);
  for (unsigned long key : {XK_c, XK_a, XK_0}) {
    typist->Type(key);
    std::this_thread::sleep_for(150ms);
  }
  ASSERT_TRUE(Await([&] { return CaptionsOf("Ｇ０：空港案内") >= 1; }, 30s)) << "the boarding guidance did not start";
  ASSERT_TRUE(Await([&] { return !BoardingEntries().empty(); }, 90s)) << "the boarding guidance did not end";

  // The caption box followed the call and its repeat, and was emptied at the end.
  const auto entries = BoardingEntries();
  std::vector<std::string> captions;
  for (const auto& e : entries)
    if (e.kind == "caption") captions.push_back(e.text);
  EXPECT_EQ(captions, (std::vector<std::string>{"Ｇ０：空港案内", "Ｇ０：チャイム", "Ｇ０：出発案内１",
                                                "Ｇ０：航空会社名", "Ｇ０：到着空港", "Ｇ０：出発案内２",
                                                "Ｇ０：出発案内３", "Ｇ０：繰返し", "Ｇ０：航空会社名",
                                                "Ｇ０：到着空港", "Ｇ０：出発案内２", "Ｇ０：出発案内３",
                                                "Ｇ０：チャイム", ""}));

  // The sample flight: airline slot 0 from Haneda (its own chime) to New Chitose (slot 80),
  // 10:30, flight 1234, gate 5.
  const std::vector<std::string> details = {"LCOMP_00.wav", "10時.wav",     "30分発.wav",  "lo_nk1.wav",
                                            "lo_nh2.wav",   "lo_nj3.wav",   "lo_bs4.wav",  "LAPT_80.wav",
                                            "お客様は.wav", "lo_gs5.wav",   "お急ぎ下さい.wav"};
  std::vector<std::string> expected = {"loop zawazawa_m.wav", "play チャイム羽田.wav", "play 出発最終案内.wav"};
  for (const auto& d : details) expected.push_back("play " + d);
  expected.push_back("play 繰返しお知らせ.wav");
  for (const auto& d : details) expected.push_back("play " + d);
  expected.insert(expected.end(), {"play チャイム羽田.wav", "play zawazawa_e.wav"});
  std::vector<std::string> played;
  for (const auto& e : entries)
    if (e.kind == "play" || e.kind == "loop") played.push_back(e.kind + " " + Leaf(e.file));
  EXPECT_EQ(played, expected);

  // Every part played to its end, for about as long as its recording; the murmur loop
  // ran until its end part had started.
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& e = entries[i];
    if (e.kind != "play") continue;
    const auto end = std::find_if(entries.begin() + static_cast<std::ptrdiff_t>(i) + 1, entries.end(),
                                  [&](const TimelineEntry& x) { return x.buffer == e.buffer && x.kind != "load"; });
    ASSERT_NE(end, entries.end()) << Leaf(e.file) << " has no end";
    EXPECT_EQ(end->kind, "end") << Leaf(e.file);
    EXPECT_GE(end->t - e.t, 0.8 * WavSeconds(e.file)) << Leaf(e.file);
  }
  std::vector<std::string> murmur;
  for (const auto& e : entries)
    if (Leaf(e.file).starts_with("zawazawa") && e.kind != "load" && e.kind != "end") murmur.push_back(e.kind + " " + Leaf(e.file));
  EXPECT_EQ(murmur, (std::vector<std::string>{"loop zawazawa_m.wav", "play zawazawa_e.wav", "stop zawazawa_m.wav"}));

  // The stand-in's log: VexlorPro's link to the simulator.
  const auto log = StandinLog();
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& l) {
    return l.find("\"kind\":\"start\"") != std::string::npos && l.find("\"accepted\":true") != std::string::npos;
  }));
  // The departure board of the installation was shown and closed again.
  const std::string board = ReadAll(work / "board.log");
  EXPECT_NE(board.find("closed"), std::string::npos) << board;

  // The same keys handed on by the stand-in start the guidance once more.
  const auto typed = standin->Ctl({"key", "C", "A", "0"});
  ASSERT_EQ(typed.exitCode, 0) << typed.err;
  EXPECT_TRUE(Await([&] { return CaptionsOf("Ｇ０：空港案内") == 2; }, 10s));
  std::vector<std::string> handedOn;
  for (const auto& l : StandinLog()) {
    if (l.find("\"kind\":\"hook-key\"") == std::string::npos) continue;
    handedOn.push_back(std::to_string(static_cast<int>(NumberField(l, "vk"))) +
                       (l.find("\"down\":true") != std::string::npos ? " down" : " up") +
                       (l.find("\"delivered\":true") != std::string::npos ? "" : " undelivered"));
  }
  EXPECT_EQ(handedOn, (std::vector<std::string>{"67 down", "67 up", "65 down", "65 up", "48 down", "48 up"}));
}

}  // namespace
}  // namespace vx::mainwindow
