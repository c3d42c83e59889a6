#pragma once
// Window-system side of a loaded form (used by the ui layer only): the top-level widget,
// and the per-load session that routes widget events to the controls.
#include <QObject>
#include <QWidget>
#include <map>

namespace vx::ui {

class Control;
class Form;

class FormWindow final : public QWidget {
 public:
  explicit FormWindow(Form& form);
  // The form lets go of its window at Unload; events after that are ignored.
  void Detach() { form_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Form* form_;
};

// Lives for one load: the context of every connection to the controls' widgets and the
// filter of their input events, so that unloading cuts them all at once.
class FormSession final : public QObject {
 public:
  void Watch(QWidget* widget, Control& control);
  void Forget(const Control& control);
  // Ends the load: no event reaches a control any more, and connections made with this
  // session as context find their control without a widget (the object itself goes
  // with its window).
  void Close();
  bool Closed() const { return closed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<QObject*, Control*> watched_;
  bool closed_ = false;
};

}  // namespace vx::ui
