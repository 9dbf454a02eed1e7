#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/console_windows.h"
#include "app/tmain_form.h"
#include "support/fake_services.h"

namespace tarnwick::testing {

// Google Test fixture for window tests: fake services and a main window built
// on demand, so a test can set up settings and stations first.
//
//   TEST_F(WindowTest, ReadsFamily2) {
//     services.sim.bus.Add<Family2Station>();
//     Start();                       // or Start({"workshop"}) for factory mode
//     Click("ReadButton");
//     EXPECT_TRUE(Widget<QWidget>("SW2TabSheet")->isVisible());
//   }
class WindowTest : public ::testing::Test {
 protected:
  // Builds and shows the main window with the given command-line arguments.
  TMainForm& Start(const QStringList& arguments = {}) {
    form = CreateConsoleWindows(services.Services(), arguments);
    form->show();
    QApplication::processEvents();
    return *form;
  }

  // Closes the main window as the close box does (runs FormClose).
  void Close() {
    form->close();
    QApplication::processEvents();
  }

  // Closes the window and builds a new one on the same services: a restart.
  TMainForm& Restart(const QStringList& arguments = {}) {
    Close();
    form.reset();
    return Start(arguments);
  }

  template <typename T>
  T* Widget(const char* objectName) const {
    T* widget = form->findChild<T*>(QString::fromLatin1(objectName));
    EXPECT_NE(widget, nullptr) << "no widget " << objectName;
    return widget;
  }

  QAction* Action(const char* objectName) const { return Widget<QAction>(objectName); }

  // Clicks a button by object name with the mouse, as a user would; a
  // disabled button ignores it.
  void Click(const char* objectName) {
    QTest::mouseClick(Widget<QAbstractButton>(objectName), Qt::LeftButton);
  }

  FakeServices services;
  std::unique_ptr<TMainForm> form;
};

}  // namespace tarnwick::testing
