#include <gtest/gtest.h>

#include <QApplication>

#include "console/widgets/fonts.h"

// Window tests need one QApplication for the whole program, with the font the
// console gives it; without a display they run on the offscreen platform.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tarnwick::InstallApplicationFont();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
