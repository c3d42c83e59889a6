#pragma once
// A form of the programs: the object lives as long as the program, its window only
// between Load and Unload. A form loads only when the program says so (Load, Show);
// touching one of its controls never loads it. Each Load builds the controls from their
// design values (Design()), then runs the load handler.
//
//   class FrmCabin : public ui::Form {
//    public:
//     explicit FrmCabin(ui::UiEnv& env) : Form(env, "frmCabin") {
//       button切替.onClick = [this] { tbxCockpit.SetText(tbxCockpit.Text() == "Cockpit" ? "Cabin" : "Cockpit"); };
//       tbxDest.onMouseDown = [this](const ui::MouseArgs&) { StartWindowDrag(); };
//     }
//     ui::TextBox tbxCockpit{*this, "tbxCockpit"};
//     ui::TextBox tbxDest{*this, "tbxDest"};
//     ui::CommandButton button切替{*this, "button切替"};
//    protected:
//     void Design() override {
//       SetBorderStyle(ui::BorderStyle::None);
//       tbxCockpit.Move(360, 0, 735, 315);
//       tbxCockpit.SetText("Cockpit");
//     }
//   };
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/window_registry.h"

class QMenuBar;
class QPoint;
class QWidget;
template <class T>
class QPointer;

namespace vx::ui {

class FormSession;
class FormWindow;
class Menu;
class Timer;
struct UiEnv;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, FixedToolWindow = 4 };
// Why a form unloads: its window's close button, or the program's code.
enum class UnloadMode { ControlMenu = 0, Code = 1 };

class Form : public Container {
 public:
  Form(UiEnv& env, std::string name);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  UiEnv& Env() const { return env_; }
  Form& OwnerForm() override { return *this; }

  // Creates the window and its controls from the design values, then runs onLoad.
  // Nothing happens when the form is already loaded.
  void Load();
  // Runs onQueryUnload (which may cancel) and onUnload, then destroys the window and
  // its controls. Returns false when cancelled.
  bool Unload(UnloadMode mode = UnloadMode::Code);
  bool Loaded() const { return loaded_; }

  // Loads the form when needed and shows it without waiting.
  void Show();
  // Loads and shows the form, and pumps the program's events until it is hidden or
  // unloaded; the program's other windows do not take input meanwhile.
  void ShowModal();
  void Hide();

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Visible() const { return visible_; }
  // SetVisible(true) is Show().
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  WindowState State() const { return state_; }
  void SetWindowState(WindowState state);
  BorderStyle Border() const { return border_; }
  // Takes effect at the next Load; set it in Design().
  void SetBorderStyle(BorderStyle style);
  Colour BackColor() const { return backSet_ ? back_ : DefaultBackColor(); }
  void SetBackColor(Colour c);

  // Window position and size in twips, read back exactly as set.
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double twips);
  void SetTop(double twips);
  void SetWidth(double twips);
  void SetHeight(double twips);
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);

  // Keeps the window above other windows (until it unloads).
  void SetTopmost(bool topmost);
  bool Topmost() const { return topmost_; }
  // The window's handle while loaded, 0 otherwise.
  WindowHandle Handle() const { return handle_; }
  // Brings the window to the front and gives it the focus.
  void Activate();
  // Lets the mouse drag the window: called from a mouse-down handler, the window follows
  // the mouse until the button is released.
  void StartWindowDrag();
  // Shows `menu`'s entries at the mouse and runs the chosen entry's onClick.
  void PopupMenu(Menu& menu);

  // Form events, each run at the event boundary.
  std::function<void()> onLoad;
  std::function<void(bool& cancel, UnloadMode mode)> onQueryUnload;
  std::function<void()> onUnload;
  std::function<void(int keyCode, int shift)> onKeyDown;
  std::function<void(const MouseArgs&)> onMouseDown;

  // The top-level window while loaded, else null (tests, special cases).
  QWidget* Window() const;

 protected:
  // Sets the design values of the form and its controls; runs at every Load, before the
  // window exists, with events off.
  virtual void Design() {}
  QWidget* ChildArea() const override;

 private:
  friend class Control;
  friend class Timer;
  friend class Menu;
  friend class FormWindow;
  friend class FormSession;

  void ResetProperties();
  void BuildWindow();
  void DestroyWindow();
  void BuildMenuBar();
  void ApplyGeometry();
  void LayoutClient();
  bool FixedSize() const;
  void ApplyFlags();
  void ApplyBackColor();
  void ShowWindow();
  Colour DefaultBackColor() const;
  bool Designing() const { return designing_; }
  QObject* SessionObject() const;
  // Window-system notifications.
  void WindowMoved(int x, int y);
  void WindowResized(int w, int h);
  void WindowStateChanged();
  void WindowCloseRequested();
  void WindowMousePressed(const MouseArgs& args, const QPoint& globalPixels);
  void WindowKeyPressed(int keyCode, int shift);
  void NoteMousePress(const QPoint& globalPixels);

  UiEnv& env_;
  std::string name_;
  std::vector<Timer*> timers_;
  std::vector<Menu*> menus_;  // menus of the menu bar

  std::string caption_;
  bool visible_ = false;
  bool enabled_ = true;
  WindowState state_ = WindowState::Normal;
  BorderStyle border_ = BorderStyle::Sizable;
  Colour back_;
  bool backSet_ = false;
  double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  bool topmost_ = false;

  bool loaded_ = false;
  bool loading_ = false;
  bool unloading_ = false;
  bool designing_ = false;
  bool applyingGeometry_ = false;
  bool focusGiven_ = false;  // a control of this load has had the focus
  WindowHandle handle_ = 0;
  FormWindow* window_ = nullptr;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  FormSession* session_ = nullptr;
  int requestedX_ = 0, requestedY_ = 0, requestedW_ = 0, requestedH_ = 0;
  int lastPressX_ = 0, lastPressY_ = 0;
  // Windows of earlier loads, deleted by the window system's loop (or at the end).
  std::vector<std::unique_ptr<QPointer<QWidget>>> retired_;
};

}  // namespace vx::ui
