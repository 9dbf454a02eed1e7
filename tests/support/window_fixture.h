#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "console/shell/console_windows.h"
#include "console/shell/tmain_form.h"
#include "support/fake_services.h"

namespace tarnwick::testing {

using Names = std::vector<std::string>;
using TextsByName = std::map<std::string, std::string>;

// A widget or menu item by object name and the text it should show.
struct Shows {
  const char* name;
  std::string text;
};

// Google Test fixture for window tests: fake services and a main window built
// on demand, so a test can set up settings and stations first.
//
//   TEST_F(WindowTest, ReadsFamily2) {
//     services.sim.bus.Add<Family2Station>(std::uint8_t{1});
//     Start();                       // or Start({"workshop"}) for factory mode
//     ReadOut();
//     EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
//     EXPECT_THAT(Hidden({"QM4Image", "SerialNumberLabel"}), IsEmpty());
//   }
//
// "Shown" and "hidden" are a widget's own visibility, as the console sets it:
// a widget on a page that is not in front still counts as shown.
class WindowTest : public ::testing::Test {
 protected:
  // Builds and shows the main window with the given command-line arguments.
  TMainForm& Start(const QStringList& arguments = {}) {
    form = CreateConsoleWindows(services.Services(), arguments);
    QObject::connect(Widget<QProgressBar>("ActivityProgressBar"), &QProgressBar::valueChanged,
                     form.get(), [this](int position) { progress.push_back(position); });
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

  template <typename T = QWidget>
  T* Widget(const char* objectName) const {
    T* widget = form->findChild<T*>(QString::fromLatin1(objectName));
    EXPECT_NE(widget, nullptr) << "no widget " << objectName;
    return widget;
  }

  QAction* Action(const char* objectName) const { return Widget<QAction>(objectName); }

  // Clicks a button by object name with the mouse, as a user would: a push
  // button in its middle, a radio button on its round mark. A disabled button
  // ignores it. Runs what the click queued.
  void Click(const char* objectName) {
    auto* button = Widget<QAbstractButton>(objectName);
    const bool markAtLeft = qobject_cast<QRadioButton*>(button) != nullptr;
    const int middle = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {}, markAtLeft ? QPoint(middle, middle) : QPoint());
    QApplication::processEvents();
  }

  // Chooses a menu item by object name.
  void Choose(const char* actionName) {
    Action(actionName)->trigger();
    QApplication::processEvents();
  }

  // A session from the records' point of view: requests, sleeps, progress and
  // boxes start afresh, then Read out is pressed.
  void ReadOut() {
    services.sim.ClearRecords();
    services.dialogs.boxes.clear();
    progress.clear();
    Click("ReadButton");
  }

  Names Shown(std::initializer_list<const char*> names) const {
    return Filter(names, [this](const char* name) { return !Widget(name)->isHidden(); });
  }
  Names Hidden(std::initializer_list<const char*> names) const {
    return Filter(names, [this](const char* name) { return Widget(name)->isHidden(); });
  }
  Names Enabled(std::initializer_list<const char*> names) const {
    return Filter(names, [this](const char* name) { return Widget(name)->isEnabled(); });
  }
  Names Disabled(std::initializer_list<const char*> names) const {
    return Filter(names, [this](const char* name) { return !Widget(name)->isEnabled(); });
  }

  // The pages of PageControl whose tabs are shown, in tab order.
  Names ShownTabs() const {
    const auto* pages = Widget<QTabWidget>("PageControl");
    Names names;
    for (int index = 0; index < pages->count(); ++index) {
      if (pages->isTabVisible(index))
        names.push_back(pages->widget(index)->objectName().toStdString());
    }
    return names;
  }
  std::string TabText(const char* pageName) const {
    const auto* pages = Widget<QTabWidget>("PageControl");
    return pages->tabText(pages->indexOf(Widget(pageName))).toStdString();
  }
  std::string FrontPage() const {
    return Widget<QTabWidget>("PageControl")->currentWidget()->objectName().toStdString();
  }

  // What a label, edit, button, list or menu item shows, or a group box's or
  // menu's caption.
  std::string Text(const char* objectName) const {
    QObject* object = form->findChild<QObject*>(QString::fromLatin1(objectName));
    if (auto* label = qobject_cast<QLabel*>(object)) return label->text().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(object)) return list->currentText().toStdString();
    if (auto* box = qobject_cast<QGroupBox*>(object)) return box->title().toStdString();
    if (auto* menu = qobject_cast<QMenu*>(object)) return menu->title().toStdString();
    if (auto* action = qobject_cast<QAction*>(object)) return action->text().toStdString();
    ADD_FAILURE() << objectName << " shows no text";
    return {};
  }
  TextsByName Texts(std::initializer_list<const char*> names) const {
    TextsByName texts;
    for (const char* name : names) texts[name] = Text(name);
    return texts;
  }
  void ExpectTexts(std::initializer_list<Shows> expected) const {
    for (const Shows& shows : expected) EXPECT_EQ(Text(shows.name), shows.text) << shows.name;
  }

  // The marked items among the given menu items.
  Names Marked(std::initializer_list<const char*> actionNames) const {
    return Filter(actionNames, [this](const char* name) { return Action(name)->isChecked(); });
  }

  // Whether each widget of the window is hidden, by object name: what a
  // change of language or unit must leave alone.
  std::map<std::string, bool> HiddenStates() const {
    std::map<std::string, bool> states;
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
      if (!widget->objectName().isEmpty()) {
        states[widget->objectName().toStdString()] = widget->isHidden();
      }
    }
    return states;
  }

  std::vector<RequestFrame> Wire() const { return services.sim.bus.LoggedFrames(); }

  FakeServices services;
  std::unique_ptr<TMainForm> form;
  // Every position ActivityProgressBar moved to.
  std::vector<int> progress;

 private:
  template <typename Keep>
  static Names Filter(std::initializer_list<const char*> names, Keep keep) {
    Names kept;
    for (const char* name : names) {
      if (keep(name)) kept.emplace_back(name);
    }
    return kept;
  }
};

}  // namespace tarnwick::testing
