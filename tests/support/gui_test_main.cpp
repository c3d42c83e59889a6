// main() of the gui tests: one application object on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/test_outcome.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  // The programs' style, whatever the desktop's.
  QApplication::setStyle(QStringLiteral("Fusion"));
  ::testing::InitGoogleTest(&argc, argv);
  return vx::test::OutcomeExitCode(RUN_ALL_TESTS());
}
