#include "ui/form.h"

#include <QMenuBar>
#include <QPointer>
#include <chrono>

#include "platform/event_pump.h"
#include "ui/event_boundary.h"
#include "ui/fonts.h"
#include "ui/form_window.h"
#include "ui/menu.h"
#include "ui/popup_menu.h"
#include "ui/scope_guard.h"
#include "ui/timer_control.h"
#include "ui/twips.h"
#include "ui/ui_env.h"
#include "ui/window_drag.h"

namespace vx::ui {

Form::Form(UiEnv& env, std::string name) : env_(env), name_(std::move(name)) {}

Form::~Form() {
  // Controls, timers and menus (members of the derived form) are gone already; the
  // window goes without events.
  if (window_) {
    env_.windows.Remove(handle_);
    session_->Close();
    window_->Detach();
    delete window_;
  }
  for (auto& old : retired_) delete old->data();
}

QWidget* Form::Window() const { return window_; }
QWidget* Form::ChildArea() const { return client_; }
QObject* Form::SessionObject() const { return session_; }

void Form::ResetProperties() {
  caption_.clear();
  visible_ = false;
  enabled_ = true;
  state_ = WindowState::Normal;
  border_ = BorderStyle::Sizable;
  back_ = Colour();
  backSet_ = false;
  left_ = top_ = 0;
  width_ = 4800;
  height_ = 3600;
  topmost_ = false;
  for (Control* c : children_) c->Reset();
  for (Timer* t : timers_) t->Reset();
  for (Menu* m : menus_) m->Reset();
}

void Form::Load() {
  if (loaded_ || loading_) return;
  loading_ = true;
  ScopeGuard endLoading([this] { loading_ = false; });
  ResetProperties();
  {
    designing_ = true;
    ScopeGuard endDesign([this] { designing_ = false; });
    Design();
  }
  BuildWindow();
  focusGiven_ = false;
  loaded_ = true;
  handle_ = static_cast<WindowHandle>(window_->winId());
  env_.windows.Add(handle_, *this);
  for (Timer* t : timers_) t->Attach();
  RaiseEvent(env_, onLoad);
}

void Form::BuildWindow() {
  window_ = new FormWindow(*this);
  // The menu bar and whatever the controls do not set themselves draw in the forms' face.
  window_->setFont(ProgramFont());
  session_ = new FormSession();
  session_->setParent(window_);
  window_->setWindowTitle(QString::fromStdString(caption_));
  ApplyFlags();
  BuildMenuBar();
  client_ = new QWidget(window_);
  ApplyGeometry();
  ApplyBackColor();
  window_->setEnabled(enabled_);
  for (Control* c : children_) c->Materialise(client_);
}

void Form::BuildMenuBar() {
  if (menus_.empty()) return;
  menuBar_ = new QMenuBar(window_);
  menuBar_->setNativeMenuBar(false);
  for (Menu* m : menus_) m->MaterialiseOnBar(*menuBar_);
}

void Form::LayoutClient() {
  if (!window_) return;
  int barHeight = 0;
  if (menuBar_) {
    bool anyVisible = false;
    for (Menu* m : menus_) anyVisible = anyVisible || m->Visible();
    menuBar_->setVisible(anyVisible);
    if (anyVisible) {
      barHeight = menuBar_->sizeHint().height();
      menuBar_->setGeometry(0, 0, window_->width(), barHeight);
    }
  }
  client_->setGeometry(0, barHeight, window_->width(), std::max(0, window_->height() - barHeight));
}

void Form::DestroyWindow() {
  for (Timer* t : timers_) t->Detach();
  env_.windows.Remove(handle_);
  handle_ = 0;
  session_->Close();
  session_ = nullptr;
  for (Control* c : children_) c->Dematerialise();
  for (Menu* m : menus_) m->Dematerialise();
  // The window may be inside one of its own events (a button's click unloading the
  // form), so it is hidden now and deleted by the window system's loop.
  window_->Detach();
  window_->hide();
  window_->deleteLater();
  std::erase_if(retired_, [](const auto& p) { return p->isNull(); });
  retired_.push_back(std::make_unique<QPointer<QWidget>>(window_));
  window_ = nullptr;
  client_ = nullptr;
  menuBar_ = nullptr;
  loaded_ = false;
  visible_ = false;
  topmost_ = false;
}

bool Form::Unload(UnloadMode mode) {
  if (!loaded_ || unloading_) return true;
  unloading_ = true;
  ScopeGuard endUnloading([this] { unloading_ = false; });
  bool cancel = false;
  if (onQueryUnload) RaiseEvent(env_, [&] { onQueryUnload(cancel, mode); });
  if (cancel) return false;
  RaiseEvent(env_, onUnload);
  if (loaded_) DestroyWindow();
  return true;
}

void Form::Show() {
  Load();
  if (!loaded_) return;
  visible_ = true;
  ShowWindow();
  window_->raise();
  window_->activateWindow();
}

void Form::ShowWindow() {
  switch (state_) {
    case WindowState::Minimized: window_->showMinimized(); break;
    case WindowState::Maximized: window_->showMaximized(); break;
    case WindowState::Normal: window_->showNormal(); break;
  }
}

void Form::ShowModal() {
  Load();
  if (!loaded_) return;
  if (window_->isVisible()) window_->hide();
  window_->setWindowModality(Qt::ApplicationModal);
  QPointer<QWidget> window = window_;
  ScopeGuard endModal([window] {
    if (window && !window->isVisible()) window->setWindowModality(Qt::NonModal);
  });
  Show();
  while (loaded_ && visible_ && window_ == window) env_.pump.Idle(std::chrono::milliseconds(100));
}

void Form::Hide() {
  visible_ = false;
  if (window_) window_->hide();
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (window_) window_->setWindowTitle(QString::fromStdString(caption_));
}

void Form::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (window_) window_->setEnabled(enabled);
}

void Form::SetWindowState(WindowState state) {
  state_ = state;
  if (window_ && visible_) ShowWindow();
}

void Form::SetBorderStyle(BorderStyle style) { border_ = style; }

Colour Form::DefaultBackColor() const { return Colour::Rgb(0xF0, 0xF0, 0xF0); }

void Form::SetBackColor(Colour c) {
  back_ = c;
  backSet_ = true;
  ApplyBackColor();
}

void Form::ApplyBackColor() {
  if (!window_ || !backSet_) return;
  QPalette p = window_->palette();
  p.setColor(QPalette::Window, QColor(back_.Red(), back_.Green(), back_.Blue()));
  window_->setPalette(p);
  window_->setAutoFillBackground(true);
}

void Form::SetLeft(double twips) { Move(twips, top_, width_, height_); }
void Form::SetTop(double twips) { Move(left_, twips, width_, height_); }
void Form::SetWidth(double twips) { Move(left_, top_, twips, height_); }
void Form::SetHeight(double twips) { Move(left_, top_, width_, twips); }
void Form::Move(double left, double top) { Move(left, top, width_, height_); }

void Form::Move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyGeometry();
}

bool Form::FixedSize() const { return border_ != BorderStyle::Sizable; }

void Form::ApplyGeometry() {
  if (!window_) return;
  applyingGeometry_ = true;
  ScopeGuard done([this] { applyingGeometry_ = false; });
  const int w = std::max(1, TwipsToPixels(width_));
  const int h = std::max(1, TwipsToPixels(height_));
  window_->move(TwipsToPixels(left_), TwipsToPixels(top_));
  if (FixedSize()) {
    window_->setFixedSize(w, h);
  } else {
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->resize(w, h);
  }
  LayoutClient();
}

void Form::ApplyFlags() {
  Qt::WindowFlags flags = Qt::Window;
  switch (border_) {
    case BorderStyle::None: flags |= Qt::FramelessWindowHint; break;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog:
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
               Qt::WindowMinimizeButtonHint;
      break;
    case BorderStyle::FixedToolWindow:
      flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case BorderStyle::Sizable: break;
  }
  if (topmost_) flags |= Qt::WindowStaysOnTopHint;
  window_->setWindowFlags(flags);
}

void Form::SetTopmost(bool topmost) {
  if (!window_ || topmost == topmost_) return;
  topmost_ = topmost;
  const bool shown = window_->isVisible();
  ApplyFlags();  // the window system hides a window whose flags change
  ApplyGeometry();
  if (shown) ShowWindow();
}

void Form::Activate() {
  if (!window_) return;
  window_->raise();
  window_->activateWindow();
}

void Form::NoteMousePress(const QPoint& globalPixels) {
  lastPressX_ = globalPixels.x();
  lastPressY_ = globalPixels.y();
}

void Form::StartWindowDrag() {
  if (window_) vx::ui::StartWindowDrag(window_, QPoint(lastPressX_, lastPressY_));
}

void Form::PopupMenu(Menu& menu) {
  if (!loaded_) return;
  Menu* chosen = env_.popups.Choose(menu);
  if (chosen && chosen->Enabled()) RaiseEvent(env_, chosen->onClick);
}

void Form::WindowMoved(int x, int y) {
  if (applyingGeometry_) return;
  // Moved by the user or the window system: keep the twips value unless the pixels differ.
  if (x != TwipsToPixels(left_)) left_ = PixelsToTwips(x);
  if (y != TwipsToPixels(top_)) top_ = PixelsToTwips(y);
}

void Form::WindowResized(int w, int h) {
  LayoutClient();
  if (applyingGeometry_) return;
  if (w != std::max(1, TwipsToPixels(width_))) width_ = PixelsToTwips(w);
  if (h != std::max(1, TwipsToPixels(height_))) height_ = PixelsToTwips(h);
}

void Form::WindowStateChanged() {
  const Qt::WindowStates s = window_->windowState();
  if (s & Qt::WindowMinimized) {
    state_ = WindowState::Minimized;
  } else if (s & Qt::WindowMaximized) {
    state_ = WindowState::Maximized;
  } else {
    state_ = WindowState::Normal;
  }
}

void Form::WindowCloseRequested() {
  DispatchEvent(env_, [this] { Unload(UnloadMode::ControlMenu); });
}

void Form::WindowMousePressed(const MouseArgs& args, const QPoint& globalPixels) {
  NoteMousePress(globalPixels);
  if (onMouseDown) DispatchEvent(env_, [&] { onMouseDown(args); });
}

void Form::WindowKeyPressed(int keyCode, int shift) {
  if (onKeyDown) DispatchEvent(env_, [&] { onKeyDown(keyCode, shift); });
}

}  // namespace vx::ui
