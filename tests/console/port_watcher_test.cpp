#include "console/ports/port_watcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "support/scripted_port_source.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;

TEST(PortWatcher, FillsEachListViewOnceAndShowsAPickInAllOfThem) {
  ScriptedPortSource source;
  source.ports = {{"\\Device\\Serial0", "COM1"}, {"\\Device\\VCP0", "COM4"}};
  QComboBox list;
  list.setObjectName("my_com_ports");
  QListWidget box;
  box.setObjectName("ports_box");
  QLabel label;
  label.setObjectName("not_a_list");
  T_Dev_Handler watcher(source);
  for (QWidget* view : std::initializer_list<QWidget*>{&list, &box, &label, &list}) {
    watcher.RegisterView(view);
  }
  EXPECT_THAT(watcher.PortViews(), ElementsAre("my_com_ports", "ports_box"));
  EXPECT_EQ(box.count(), 2);
  EXPECT_EQ(watcher.SelectedPort(), std::nullopt);

  emit list.activated(1);
  EXPECT_EQ(watcher.SelectedPort(),
            (T_Com_Port_Description{"\\Device\\VCP0", "COM4", 4, true, true}));
  EXPECT_TRUE(watcher.PortList()[1].selected);
  EXPECT_EQ(box.currentRow(), 1);
  EXPECT_EQ(list.currentIndex(), 1);
}

}  // namespace
}  // namespace tarnwick::testing
