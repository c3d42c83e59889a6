#pragma once
// Open and save dialogs. A dialog returns the chosen file's full path, or nothing when
// the user cancelled; the caller decides whether a cancel raises the runtime's
// cancel error (32755). Tests answer dialogs from a script; one the script does not
// expect fails the test.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vx::ui {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  std::string title;
  // Pairs of description and pattern joined by "|": "VexlorPro ファイル (*.cfg)|*.cfg".
  std::string filter;
  std::string initialFolder;
  std::string fileName;  // name offered at the start (may be empty)
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual std::optional<std::string> Show(FileDialogKind kind, const FileDialogRequest& request) = 0;
  std::optional<std::string> Open(const FileDialogRequest& request) { return Show(FileDialogKind::Open, request); }
  std::optional<std::string> Save(const FileDialogRequest& request) { return Show(FileDialogKind::Save, request); }
};

// Test double: every shown dialog is kept; answers come from the script in order.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  struct Shown {
    FileDialogKind kind;
    FileDialogRequest request;
  };
  // The next dialog must be of this kind and title; it returns `answer` (nothing = cancelled).
  void Expect(FileDialogKind kind, std::string title, std::optional<std::string> answer) {
    script_.push_back({kind, std::move(title), std::move(answer)});
  }
  // Called with a description when a dialog comes that the script does not expect
  // (tests route it to a test failure). The dialog is then cancelled.
  std::function<void(const std::string&)> onUnexpected;

  std::optional<std::string> Show(FileDialogKind kind, const FileDialogRequest& request) override;

  std::vector<Shown> shown;
  std::size_t PendingExpectations() const { return script_.size(); }

 private:
  struct Step {
    FileDialogKind kind;
    std::string title;
    std::optional<std::string> answer;
  };
  std::deque<Step> script_;
};

// The filter in the window system's form: "VexlorPro ファイル (*.cfg)" for the example
// above; several pairs are joined by ";;" and several patterns of one pair by blanks.
std::string ToQtFileFilter(const std::string& filter);

}  // namespace vx::ui
