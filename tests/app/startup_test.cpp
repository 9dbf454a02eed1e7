#include <QMainWindow>
#include <QWidget>

#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, MainWindowHasItsFixedClientArea) {
  Start();
  const QWidget* client = form->centralWidget();
  EXPECT_EQ(client->size(), QSize(765, 523));
}

}  // namespace
}  // namespace tarnwick::testing
