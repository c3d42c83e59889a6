#pragma once
// Message boxes of the programs: title, text, buttons with Japanese texts, an icon.
// Tests answer them from a script; a box the script does not expect fails the test.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::platform {
class EventPump;
}

namespace vx::ui {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

// The longest line a box shows, in characters, and the most lines. A box quotes values
// from files and from the user (settings values, table fields, file names); one of any
// length would make a box larger than the screen that takes seconds to lay out.
inline constexpr std::size_t kBoxLineChars = 120;
inline constexpr std::size_t kBoxLines = 40;
// Where a box's text was cut.
inline constexpr std::string_view kBoxCutMark = "…";

// `text` as a box shows it: a line longer than `kBoxLineChars` characters keeps its start
// and its end (so a quoted value keeps the sentence around it) with `kBoxCutMark` between;
// a text of more than `kBoxLines` lines keeps its first and last lines with a line of the
// mark between. Lines end at CR LF, LF or a lone CR, as the box breaks them. Characters
// are counted whole (UTF-8), never split; a byte that is no UTF-8 counts as one character,
// as the box shows it. Other texts are kept as they are.
// `lineChars` is a box's narrower limit on a small screen.
std::string FitBoxText(std::string_view text, std::size_t lineChars = kBoxLineChars);

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal box and returns the answer. An empty title shows the program's name.
  // Text and title are shown fitted (`FitBoxText`).
  Answer Show(std::string_view text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
              std::string_view title = {});
  // How many boxes are up now (a box shown while another is up counts too): a timer does
  // not run its handler again while a box that came up under it is up, and an ending
  // signal ends the program at once while a box is up.
  int OpenBoxes() const { return open_; }
  // How many boxes have come up so far: work that sees it grow knows that a box came up
  // meanwhile, even one already answered.
  std::uint64_t BoxesShown() const { return shown_; }
  // The pump whose end closes the boxes: a box that the program's end closes, or one asked
  // for after the end, answers nothing; Show unwinds as every pump then does
  // (platform::ProgramEnding), so that no work meant to follow the answer runs.
  void EndWith(const platform::EventPump& pump) { endingPump_ = &pump; }

 protected:
  virtual Answer ShowFitted(const std::string& text, Buttons buttons, Icon icon, const std::string& title) = 0;

 private:
  void ThrowIfEnded() const;

  int open_ = 0;
  std::uint64_t shown_ = 0;
  const platform::EventPump* endingPump_ = nullptr;
};

// Test double: every shown box is kept; answers come from the script in order.
class ScriptedMessageBoxes final : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    Buttons buttons;
    Icon icon;
    std::string title;
  };
  // The next box must have this title (and contain `textPart` when given); it gets `answer`.
  void Expect(std::string title, Answer answer, std::string textPart = {}) {
    script_.push_back({std::move(title), std::move(textPart), answer});
  }
  // Called with a description when a box comes that the script does not expect
  // (tests route it to a test failure). The box then gets the first button's answer.
  std::function<void(const std::string&)> onUnexpected;
  // What the user does while a box is up, before it is answered.
  std::function<void(const Shown&)> whileOpen;

  std::vector<Shown> shown;
  std::size_t PendingExpectations() const { return script_.size(); }
  // The program's name shown as the title of boxes without one.
  std::string programName = "VexlorPro";

 protected:
  Answer ShowFitted(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

 private:
  struct Step {
    std::string title;
    std::string textPart;
    Answer answer;
  };
  std::deque<Step> script_;
};

}  // namespace vx::ui
