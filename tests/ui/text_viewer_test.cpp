#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPlainTextEdit>

#include "runtime/runtime_error.h"
#include "support/temp_dir.h"
#include "ui/qt_text_viewer.h"

namespace vx::ui {
namespace {

TEST(QtTextViewer, ShowsACp932FileReadOnlyAndOptionallyOnTop) {
  vx::test::TempDir dir;
  // "機長：山田" CR LF "2行目" CR LF in CP932.
  const auto report = dir.WriteBytes("Report_20240101_1200.txt",
                                     "\x8b\x40\x92\xb7\x81\x46\x8e\x52\x93\x63\r\n2\x8d\x73\x96\xda\r\n");
  QtTextViewer viewer;
  viewer.Show(report, true);
  viewer.Show(report, false);
  const auto open = viewer.OpenWindows();
  ASSERT_EQ(open.size(), 2u);
  auto* view = qobject_cast<QPlainTextEdit*>(open[0]);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_TRUE(view->isReadOnly());
  EXPECT_EQ(view->toPlainText().toStdString(), "機長：山田\n2行目\n");
  EXPECT_EQ(view->windowTitle().toStdString(), "Report_20240101_1200.txt");
  EXPECT_TRUE(view->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(open[1]->windowFlags() & Qt::WindowStaysOnTopHint);

  open[1]->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(viewer.OpenWindows().size(), 1u) << "a closed window goes";

  try {
    viewer.Show(dir.Path() / "音声リスト.txt", false);
    ADD_FAILURE() << "a missing file opened a window";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::kFileNotFound);
  }
  EXPECT_EQ(viewer.OpenWindows().size(), 1u);
}

}  // namespace
}  // namespace vx::ui
