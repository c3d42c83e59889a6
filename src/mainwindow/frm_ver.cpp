#include "mainwindow/frm_ver.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace vx::mainwindow {
namespace {

using K = ui::ControlKind;

constexpr ui::ControlRow kRows[] = {
    {"Image1", K::Image, 240, 240, 1440, 1440},
    {"Label3", K::Label, 1920, 300, 3000, 480, "VexlorPro 3", 14, true},
    {"Label2", K::Label, 1920, 900, 3000, 300, "v 3.02"},
    {"buttonExit", K::CommandButton, 3600, 1560, 1320, 420, "Exit"},
};

constexpr double kWidth = 5280, kHeight = 2640;

// The program's logo: a wing over the evening sky.
ui::Picture Logo() {
  QImage image(96, 96, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 96);
  sky.setColorAt(0, QColor(0x10, 0x2a, 0x6b));
  sky.setColorAt(1, QColor(0xf0, 0x8a, 0x24));
  p.setBrush(sky);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(0, 0, 96, 96, 16, 16);
  p.setBrush(QColor(0xff, 0xff, 0xff));
  const QPointF wing[] = {{12, 62}, {84, 34}, {88, 40}, {30, 70}};
  p.drawPolygon(wing, 4);
  QFont font;
  font.setBold(true);
  font.setPixelSize(26);
  p.setFont(font);
  p.setPen(QColor(0xff, 0xff, 0xff));
  p.drawText(QRectF(0, 8, 96, 30), Qt::AlignCenter, "VX");
  p.end();
  return ui::Picture::FromImage(image);
}

}  // namespace

ui::FormLayout FrmVer::Layout() { return {"frmVer", kWidth, kHeight, kRows}; }

FrmVer::FrmVer(ui::UiEnv& env) : Form(env, "frmVer") {
  buttonExit.onClick = [this] { frmVer_buttonExit_Click(); };
}

void FrmVer::Design() {
  SetCaption("Version");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kWidth, kHeight);
  ui::ApplyLayout(*this, kRows);
  Image1.SetStretch(true);
  Image1.SetPicture(Logo());
}

void FrmVer::frmVer_buttonExit_Click() { Unload(); }

}  // namespace vx::mainwindow
