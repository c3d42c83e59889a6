#include "briefing/cabin_attendant_pictures.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <exception>
#include <string>

#include "platform/paths.h"

namespace vx::briefing {

ui::Picture CabinAttendantPlaceholder(int n) {
  // One colour per attendant, from the 16-colour palette's light half.
  static const QColor kColours[] = {QColor(0x00, 0x80, 0x80), QColor(0x80, 0x00, 0x80), QColor(0x00, 0x00, 0x80),
                                    QColor(0x80, 0x80, 0x00), QColor(0x00, 0x80, 0x00)};
  const int index = (n >= 1 && n <= 5) ? n - 1 : 4;
  QImage image(160, 160, QImage::Format_RGB32);
  image.fill(kColours[index]);
  QPainter painter(&image);
  painter.setPen(Qt::white);
  painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
  painter.drawEllipse(55, 24, 50, 50);      // head
  painter.drawRoundedRect(35, 82, 90, 70, 20, 20);  // shoulders
  QFont font = painter.font();
  font.setPixelSize(22);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(0, 0, 160, 24), Qt::AlignCenter, n == 5 ? QStringLiteral("CA") : QStringLiteral("CA%1").arg(n));
  painter.end();
  return ui::Picture::FromImage(image);
}

CabinAttendantPictureSet LoadCabinAttendantPictures(const platform::Paths& paths) {
  CabinAttendantPictureSet set;
  for (int n = 1; n <= 5; ++n) {
    ui::Picture& picture = set[static_cast<std::size_t>(n - 1)];
    try {
      picture = ui::Picture::Load(paths.Under("\\Image\\x00" + std::to_string(n) + ".jpg"));
    } catch (const std::exception&) {
      picture = CabinAttendantPlaceholder(n);
    }
  }
  return set;
}

}  // namespace vx::briefing
