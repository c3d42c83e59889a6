#include "briefing/frm_ca.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include "briefing/cabin_attendant_pictures.h"
#include "platform/paths.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

class FrmCATest : public ::testing::Test {
 protected:
  FrmCATest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.paths = &paths;
  }
  // A picture file of one colour, told apart by its red part.
  void WritePicture(int n, int red) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(red, 10, 10));
    std::filesystem::create_directories(dir.Path() / "Image");
    ASSERT_TRUE(image.save(QString::fromStdString((dir.Path() / "Image" / ("x00" + std::to_string(n) + ".jpg")).string()),
                           "JPG", 100));
  }
  static int RedOf(const ui::Picture& picture) {
    return picture.Image() ? QColor(picture.Image()->pixel(16, 16)).red() : -1;
  }
  int ShownRed() const { return RedOf(form.PictureDisplay.Picture()); }

  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  state::ProContext pro;
  FrmCA form{ui.env, pro};
};

TEST_F(FrmCATest, ShowsTheStoredChoiceWithItsPicture) {
  for (int n = 1; n <= 5; ++n) WritePicture(n, 40 * n);
  pro.briefing.CabinAttendantChoice = 3;
  form.Show();
  EXPECT_TRUE(form.selectCA3.Value());
  EXPECT_NEAR(ShownRed(), 120, 4);
  EXPECT_EQ(form.Caption(), "CAさん選択");
  EXPECT_NEAR(RedOf(form.PictureCAALL.Picture()), 200, 4);
  EXPECT_NEAR(RedOf(form.PictureCA5.Picture()), 200, 4);
}

TEST_F(FrmCATest, ThePictureBoxIsSquareSoPicturesAreNotStretched) {
  form.Show();
  EXPECT_EQ(form.PictureDisplay.Width(), form.PictureDisplay.Height());
  // On screen too, and the picture shown in it.
  const QWidget* box = form.PictureDisplay.Widget();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->width(), box->height());
  const auto* shown = qobject_cast<const QLabel*>(box);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->pixmap().width(), shown->pixmap().height());
}

TEST_F(FrmCATest, AChoiceOutOfRangeOpensOnRandomAndBecomesZero) {
  for (int n = 1; n <= 5; ++n) WritePicture(n, 40 * n);
  pro.briefing.CabinAttendantChoice = 7;
  form.Show();
  EXPECT_EQ(pro.briefing.CabinAttendantChoice, 0);
  EXPECT_TRUE(form.selectCA0.Value());
  EXPECT_NEAR(ShownRed(), 200, 4);  // "\Image\x005.jpg"
}

TEST_F(FrmCATest, ChoosingShowsThePictureAndOkStoresTheChoice) {
  for (int n = 1; n <= 5; ++n) WritePicture(n, 40 * n);
  form.Show();
  form.selectCA2.SetValue(true);
  EXPECT_NEAR(ShownRed(), 80, 4);
  EXPECT_EQ(pro.briefing.CabinAttendantChoice, 0);  // nothing stored before the window closes
  form.selectCA3.SetValue(true);
  form.buttonOK.PerformClick();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(pro.briefing.CabinAttendantChoice, 3);

  form.Show();
  EXPECT_TRUE(form.selectCA3.Value());
  EXPECT_NEAR(ShownRed(), 120, 4);
  // Closed by its close button: the choice is stored as well.
  form.selectCA0.SetValue(true);
  form.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(pro.briefing.CabinAttendantChoice, 0);
}

TEST_F(FrmCATest, MissingOrBrokenPictureFilesGivePlaceholders) {
  WritePicture(1, 250);
  dir.WriteBytes("Image/x002.jpg", "not a picture");
  const CabinAttendantPictureSet set = LoadCabinAttendantPictures(paths);
  EXPECT_NEAR(RedOf(set[0]), 250, 4);
  for (int i = 1; i < 5; ++i) {
    EXPECT_FALSE(set[static_cast<std::size_t>(i)].Empty()) << i;
    EXPECT_EQ(set[static_cast<std::size_t>(i)].WidthPixels(), CabinAttendantPlaceholder(i + 1).WidthPixels());
  }
  pro.briefing.CabinAttendantChoice = 2;
  form.Show();
  EXPECT_FALSE(form.PictureDisplay.Picture().Empty());
}

}  // namespace
}  // namespace vx::briefing
