#include "ui/line_control.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "ui/twips.h"

namespace vx::ui {
namespace {

// Paints the line inside a transparent widget that covers its bounding box.
class LineWidget final : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  QPoint from, to;
  QColor colour;
  int width = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(colour, width));
    p.drawLine(from, to);
  }
};

}  // namespace

void Line::ResetProperties() {
  Control::ResetProperties();
  x1_ = y1_ = x2_ = y2_ = 0;
  borderColor_ = Colour();
  borderWidth_ = 1;
}

QWidget* Line::CreateWidget(QWidget* parent) { return new LineWidget(parent); }

void Line::SetPoints(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  ApplyGeometry();
}

void Line::SetBorderColor(Colour c) {
  borderColor_ = c;
  ApplyGeometry();
}

void Line::SetBorderWidth(int pixels) {
  borderWidth_ = std::max(1, pixels);
  ApplyGeometry();
}

void Line::ApplyGeometry() {
  auto* w = static_cast<LineWidget*>(widget_);
  if (!w) return;
  const int ax = TwipsToPixels(x1_), ay = TwipsToPixels(y1_), bx = TwipsToPixels(x2_), by = TwipsToPixels(y2_);
  const int left = std::min(ax, bx) - borderWidth_, top = std::min(ay, by) - borderWidth_;
  w->setGeometry(left, top, std::abs(ax - bx) + 2 * borderWidth_ + 1, std::abs(ay - by) + 2 * borderWidth_ + 1);
  w->from = QPoint(ax - left, ay - top);
  w->to = QPoint(bx - left, by - top);
  w->colour = QColor(borderColor_.Red(), borderColor_.Green(), borderColor_.Blue());
  w->width = borderWidth_;
  w->update();
}

}  // namespace vx::ui
