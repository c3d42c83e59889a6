// A plain window in place of one of the flight's windows: a person (or a run on a virtual
// display, which has no window manager) closes it with its button.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "announce/flight_form_set.h"
#include "ui/ui_test_env.h"

namespace vx::announce {
namespace {

TEST(StandInFormTest, ItsCloseButtonUnloadsItAndItShowsAgainLater) {
  ui::test::UiTestEnv t;
  StandInForm tob{t.env, "frmTOB", "TOB"};
  tob.Show();
  ASSERT_TRUE(tob.Loaded());
  EXPECT_EQ(tob.Label1.Caption(), "TOB（準備中）");
  EXPECT_EQ(tob.buttonClose.Caption(), "閉じる");

  auto* button = qobject_cast<QAbstractButton*>(tob.buttonClose.Widget());
  ASSERT_NE(button, nullptr);
  button->click();
  ui::test::Settle();
  EXPECT_FALSE(tob.Loaded());

  tob.Show();
  EXPECT_TRUE(tob.Loaded());
}

}  // namespace
}  // namespace vx::announce
