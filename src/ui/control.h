#pragma once
// Controls on a form: the persistent object a form declares, and the window-system widget
// that exists only while the form is loaded. Properties live in the object, so reading or
// setting one never loads the form; each Load starts again from the design values.
#include <functional>
#include <string>
#include <vector>

#include "ui/colour.h"

class QEvent;
class QObject;
class QWidget;

namespace vx::ui {

class Control;
class Form;
struct UiEnv;

// Mouse buttons and shift states as the event handlers get them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

struct MouseArgs {
  int button = 0;  // one of MouseButton
  int shift = 0;   // ShiftState bits
  double x = 0;    // twips from the control's (or form's) top left corner
  double y = 0;
};

// A form or a frame: the controls placed on it.
class Container {
 public:
  virtual ~Container() = default;
  virtual Form& OwnerForm() = 0;
  const std::vector<Control*>& Children() const { return children_; }

 protected:
  friend class Control;
  friend class Form;
  // Where the children's widgets go while loaded.
  virtual QWidget* ChildArea() const = 0;
  std::vector<Control*> children_;
};

class Control {
 public:
  // `index` is the control's index in a control array, -1 for a control on its own.
  Control(Container& parent, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  Container& Parent() const { return parent_; }
  Form& OwnerForm() const { return form_; }

  // Position and size in twips, relative to the container; read back exactly as set.
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

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text);
  Colour ForeColor() const { return foreSet_ ? fore_ : DefaultForeColor(); }
  Colour BackColor() const { return backSet_ ? back_ : DefaultBackColor(); }
  void SetForeColor(Colour c);
  void SetBackColor(Colour c);
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points);
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool bold);
  // The face as the system's forms name it (ui/fonts.h); "ＭＳ Ｐゴシック" unless set.
  const std::string& FontName() const { return fontName_; }
  void SetFontName(std::string name);

  // Gives the keyboard focus to the control (nothing while the form is not loaded).
  void SetFocus();
  bool HasFocus() const;

  // Event handlers. Each runs at the event boundary (see event_boundary.h).
  std::function<void()> onClick;
  std::function<void()> onChange;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(int keyCode, int shift)> onKeyDown;
  std::function<void(const MouseArgs&)> onMouseDown;
  std::function<void(const MouseArgs&)> onMouseUp;

  // The widget while the form is loaded, else null (tests, special cases).
  QWidget* Widget() const { return widget_; }

 protected:
  // Builds the widget from the control's properties.
  virtual QWidget* CreateWidget(QWidget* parent) = 0;
  // Back to the defaults, before the form's design step sets its values.
  virtual void ResetProperties();
  virtual Colour DefaultForeColor() const;
  virtual Colour DefaultBackColor() const;
  virtual void ApplyColours();
  virtual void ApplyGeometry();
  // Widgets besides Widget() whose input counts as the control's (a text area's viewport).
  virtual std::vector<QWidget*> ExtraEventWidgets() const { return {}; }
  // Labels and pictures take their mouse presses, so they do not reach the form as well.
  virtual bool TakesMouse() const { return false; }
  // A label or picture is clicked when the left button is released over it.
  virtual bool ClickOnRelease() const { return false; }
  virtual Container* AsContainer() { return nullptr; }

  // Runs an event that the program's own code caused (a property set in code).
  void RaiseFromCode(const std::function<void()>& handler);
  // Runs an event that the user caused.
  void RaiseFromUser(const std::function<void()>& handler);
  // True while events may run: the form is loaded and not in its design step.
  bool EventsLive() const;
  // The object that window-system connections of this load hang on.
  QObject* Session() const;
  UiEnv& Env() const;

  QWidget* widget_ = nullptr;
  bool ForeColorSet() const { return foreSet_; }
  bool BackColorSet() const { return backSet_; }

 private:
  friend class Form;
  friend class FormSession;
  void Materialise(QWidget* parent);
  void Dematerialise();
  void Reset();
  void ApplyFont();
  bool HandleWidgetEvent(QWidget* watched, QEvent* event);

  Container& parent_;
  Form& form_;
  std::string name_;
  int index_;

  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string toolTip_;
  Colour fore_, back_;
  bool foreSet_ = false, backSet_ = false;
  double fontSize_ = 9;
  bool fontBold_ = false;
  std::string fontName_;
};

}  // namespace vx::ui
