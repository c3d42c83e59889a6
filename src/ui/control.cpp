#include "ui/control.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

#include "ui/event_boundary.h"
#include "ui/form.h"
#include "ui/fonts.h"
#include "ui/form_window.h"
#include "ui/key_codes.h"
#include "ui/twips.h"

namespace vx::ui {
namespace {

QColor ToQColor(Colour c) { return QColor(c.Red(), c.Green(), c.Blue()); }

int ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
  }
}

// Switching windows or opening a menu does not move the focus between controls; the
// focus a window gives its first control when it first becomes active does.
bool CountsAsFocusChange(const QFocusEvent* e, bool firstFocusOfLoad) {
  if (e->reason() == Qt::PopupFocusReason) return false;
  return e->reason() != Qt::ActiveWindowFocusReason || firstFocusOfLoad;
}

}  // namespace

Control::Control(Container& parent, std::string name, int index)
    : parent_(parent), form_(parent.OwnerForm()), name_(std::move(name)), index_(index) {
  parent_.children_.push_back(this);
}

Control::~Control() {
  auto& siblings = parent_.children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  if (form_.session_) form_.session_->Forget(*this);
}

UiEnv& Control::Env() const { return form_.Env(); }
QObject* Control::Session() const { return form_.SessionObject(); }
bool Control::EventsLive() const { return form_.Loaded() && !form_.Designing(); }

void Control::RaiseFromCode(const std::function<void()>& handler) {
  if (EventsLive()) RaiseEvent(Env(), handler);
}

void Control::RaiseFromUser(const std::function<void()>& handler) {
  if (EventsLive()) DispatchEvent(Env(), handler);
}

void Control::SetLeft(double twips) {
  left_ = twips;
  ApplyGeometry();
}
void Control::SetTop(double twips) {
  top_ = twips;
  ApplyGeometry();
}
void Control::SetWidth(double twips) {
  width_ = twips;
  ApplyGeometry();
}
void Control::SetHeight(double twips) {
  height_ = twips;
  ApplyGeometry();
}
void Control::Move(double left, double top) {
  left_ = left;
  top_ = top;
  ApplyGeometry();
}
void Control::Move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyGeometry();
}

void Control::ApplyGeometry() {
  if (!widget_) return;
  widget_->setGeometry(TwipsToPixels(left_), TwipsToPixels(top_), std::max(0, TwipsToPixels(width_)),
                       std::max(0, TwipsToPixels(height_)));
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void Control::SetToolTipText(std::string text) {
  toolTip_ = std::move(text);
  if (widget_) widget_->setToolTip(QString::fromStdString(toolTip_));
}

void Control::SetForeColor(Colour c) {
  fore_ = c;
  foreSet_ = true;
  if (widget_) ApplyColours();
}

void Control::SetBackColor(Colour c) {
  back_ = c;
  backSet_ = true;
  if (widget_) ApplyColours();
}

Colour Control::DefaultForeColor() const { return Colour::Rgb(0, 0, 0); }
Colour Control::DefaultBackColor() const { return Colour::Rgb(0xF0, 0xF0, 0xF0); }

void Control::ApplyColours() {
  QPalette p = widget_->palette();
  if (foreSet_) {
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) p.setColor(role, ToQColor(fore_));
  }
  if (backSet_) {
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) p.setColor(role, ToQColor(back_));
  }
  widget_->setPalette(p);
  widget_->setAutoFillBackground(backSet_);
}

void Control::SetFontSize(double points) {
  fontSize_ = points;
  if (widget_) ApplyFont();
}

void Control::SetFontBold(bool bold) {
  fontBold_ = bold;
  if (widget_) ApplyFont();
}

void Control::SetFontName(std::string name) {
  fontName_ = std::move(name);
  if (widget_) ApplyFont();
}

void Control::ApplyFont() {
  widget_->setFont(ProgramFont(fontName_.empty() ? kProportionalGothic : fontName_,
                               fontSize_ > 0 ? fontSize_ : kDefaultFontPoints, fontBold_));
}

void Control::SetFocus() {
  if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const { return widget_ && widget_->hasFocus(); }

void Control::ResetProperties() {
  left_ = top_ = width_ = height_ = 0;
  visible_ = enabled_ = true;
  toolTip_.clear();
  fore_ = back_ = Colour();
  foreSet_ = backSet_ = false;
  fontSize_ = kDefaultFontPoints;
  fontBold_ = false;
  fontName_.clear();
}

void Control::Reset() {
  ResetProperties();
  if (Container* c = AsContainer()) {
    for (Control* child : c->children_) child->Reset();
  }
}

void Control::Materialise(QWidget* parent) {
  widget_ = CreateWidget(parent);
  widget_->setObjectName(QString::fromStdString(name_));
  ApplyGeometry();
  ApplyFont();
  if (foreSet_ || backSet_) ApplyColours();
  widget_->setToolTip(QString::fromStdString(toolTip_));
  widget_->setEnabled(enabled_);
  widget_->setVisible(visible_);
  form_.session_->Watch(widget_, *this);
  for (QWidget* w : ExtraEventWidgets()) form_.session_->Watch(w, *this);
  if (Container* c = AsContainer()) {
    for (Control* child : c->children_) child->Materialise(c->ChildArea());
  }
}

void Control::Dematerialise() {
  if (Container* c = AsContainer()) {
    for (Control* child : c->children_) child->Dematerialise();
  }
  widget_ = nullptr;
}

bool Control::HandleWidgetEvent(QWidget* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
      const auto* me = static_cast<QMouseEvent*>(event);
      const bool press = event->type() == QEvent::MouseButtonPress;
      const QPoint local = watched == widget_ ? me->position().toPoint() : watched->mapTo(widget_, me->position().toPoint());
      const MouseArgs args{ButtonOf(me->button()), ShiftStateOf(static_cast<int>(me->modifiers())),
                           PixelsToTwips(local.x()), PixelsToTwips(local.y())};
      const bool inside = widget_->rect().contains(local);
      const bool takes = TakesMouse();
      if (press) {
        form_.NoteMousePress(me->globalPosition().toPoint());
        RaiseFromUser([&] {
          if (onMouseDown) onMouseDown(args);
        });
      } else {
        RaiseFromUser([&] {
          if (onMouseUp) onMouseUp(args);
        });
        if (ClickOnRelease() && args.button == kLeftButton && inside) RaiseFromUser(onClick);
      }
      return takes;
    }
    case QEvent::KeyPress: {
      // Keys that a child control left unhandled travel up to its frame; they are not the frame's.
      if (!watched->hasFocus()) return false;
      const auto* ke = static_cast<QKeyEvent*>(event);
      const int key = VirtualKeyOf(*ke);
      const int shift = ShiftStateOf(static_cast<int>(ke->modifiers()));
      if (key != 0) {
        RaiseFromUser([&] {
          if (onKeyDown) onKeyDown(key, shift);
        });
      }
      return false;
    }
    case QEvent::FocusIn: {
      const bool first = !form_.focusGiven_;
      form_.focusGiven_ = true;
      if (watched == widget_ && CountsAsFocusChange(static_cast<QFocusEvent*>(event), first)) {
        RaiseFromUser(onGotFocus);
      }
      return false;
    }
    case QEvent::FocusOut:
      if (watched == widget_ && CountsAsFocusChange(static_cast<QFocusEvent*>(event), false)) {
        RaiseFromUser(onLostFocus);
      }
      return false;
    default:
      return false;
  }
}

}  // namespace vx::ui
