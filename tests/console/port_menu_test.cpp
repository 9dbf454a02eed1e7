#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "console/ports/port_dialog.h"
#include "console/ports/port_watcher.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

constexpr char kSetComPort[] = "Set COM-Port...";
constexpr DeviceEvent kPortArrival{DeviceChange::kArrival, kPortDeviceType};

PublishedPort Port(int n) {
  return {"\\Device\\Serial" + std::to_string(n), "COM" + std::to_string(n)};
}

class PortMenuTest : public WindowTest {
 protected:
  void Present(std::initializer_list<int> numbers) {
    services.ports.ports.clear();
    for (const int n : numbers) services.ports.ports.push_back(Port(n));
  }
  void StartWithStored(int comPortNumber) {
    services.settings.values["COM-Port"] = comPortNumber;
    Start();
  }
  // The machine announces `events`; the console takes them on its event loop.
  void DevicesChange(std::vector<DeviceEvent> events = {kPortArrival}) {
    services.ports.Announce(std::move(events));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !services.ports.NewsWaiting(); }, 2000));
  }

  QList<QAction*> Items() const { return Widget<QMenu>("PortMenuItem")->actions(); }
  Names Captions(bool onlyMarked = false) const {
    Names captions;
    for (const QAction* item : Items()) {
      if (item->isChecked() || !onlyMarked) captions.push_back(item->text().toStdString());
    }
    return captions;
  }
  Names MarkedCaptions() const { return Captions(true); }

  // Opens the port dialog from the menu and lets `act` close it once shown.
  void InPortDialog(const std::function<void(TPortDlg&)>& act) {
    QTimer::singleShot(0, form.get(), [this, act] {
      auto* dialog = form->findChild<TPortDlg*>();
      ASSERT_TRUE(dialog && dialog->isVisible());
      act(*dialog);
    });
    Choose("SetComPortMenuItem");
  }
};

TEST_F(PortMenuTest, StartUpListsThePortsByNumberAndMarksTheStoredOne) {
  Present({10, 1, 3});
  StartWithStored(3);
  EXPECT_THAT(Captions(), ElementsAre(kSetComPort, "COM &1", "COM &3", "COM &10"));
  EXPECT_THAT(MarkedCaptions(), ElementsAre("COM &3"));
  EXPECT_EQ(form->ComPortNumber(), 3);
  ASSERT_NE(form->PortWatcher(), nullptr);
  EXPECT_THAT(form->PortWatcher()->PortViews(), ElementsAre("my_com_ports"));
  EXPECT_EQ(Widget<QComboBox>("my_com_ports")->count(), 3);

  Items()[1]->trigger();
  EXPECT_THAT(MarkedCaptions(), ElementsAre("COM &1"));
  EXPECT_EQ(form->ComPortNumber(), 1);
}

TEST_F(PortMenuTest, AStoredPortThatIsNotPresentBecomesNoneAndReadingSaysSo) {
  Present({1, 3});
  StartWithStored(5);
  EXPECT_THAT(MarkedCaptions(), ElementsAre(kSetComPort));
  EXPECT_EQ(form->ComPortNumber(), 0);
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("Unable to open the COM-Port: It doesn't exist or is currently used by "
                          "another program."));
  EXPECT_THAT(services.dialogs.Reasons(),
              ElementsAre("No COM port is chosen: choose one in the Port menu."));
}

TEST_F(PortMenuTest, WithoutPortsNothingIsMarkedAndTheStoredPortStays) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start();
  EXPECT_THAT(Captions(), ElementsAre(kSetComPort));
  EXPECT_THAT(MarkedCaptions(), IsEmpty());
  EXPECT_EQ(form->ComPortNumber(), SimEnvironment::kSimCom);
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), IsEmpty());
}

TEST_F(PortMenuTest, ADeviceChangeRebuildsTheMenuInTheListsOrder) {
  Present({10});
  StartWithStored(3);
  const QPointer<QAction> firstAtStart = Items().first();
  Present({10, 3});
  DevicesChange();
  EXPECT_THAT(Captions(), ElementsAre(kSetComPort, "COM &10", "COM &3"));
  EXPECT_TRUE(firstAtStart.isNull()) << "the first item is made anew";
  EXPECT_EQ(Items().first(), Action("SetComPortMenuItem"));
  // The stored 3 fell back to 0 at start-up, when COM3 was missing.
  EXPECT_THAT(MarkedCaptions(), ElementsAre(kSetComPort));
  EXPECT_THAT(form->PortWatcher()->LastDeviceEvent().toStdString(),
              EndsWith("\tserial/parallel port device connected"));

  Items()[2]->trigger();
  Present({3, 10});
  DevicesChange({{DeviceChange::kArrival, 2}});  // a memory stick: the list stays
  EXPECT_THAT(Captions(), ElementsAre(kSetComPort, "COM &10", "COM &3"));
  EXPECT_THAT(MarkedCaptions(), ElementsAre("COM &3"));
  EXPECT_THAT(form->PortWatcher()->LastDeviceEvent().toStdString(),
              EndsWith("\tnew media detected"));

  Present({10});
  DevicesChange({{DeviceChange::kRemoval, kPortDeviceType}});
  EXPECT_THAT(MarkedCaptions(), ElementsAre(kSetComPort));
  EXPECT_EQ(form->ComPortNumber(), 0);

  Items()[1]->trigger();
  Present({});
  DevicesChange({{DeviceChange::kRemoval, kPortDeviceType}});
  EXPECT_THAT(Captions(), ElementsAre(kSetComPort));
  EXPECT_THAT(MarkedCaptions(), IsEmpty());
  EXPECT_EQ(form->ComPortNumber(), 10);
  Close();
  EXPECT_EQ(form->PortWatcher(), nullptr);
}

TEST_F(PortMenuTest, TheDialogPreselectsTheChosenPortAndClosesThreeWays) {
  const auto choose = [](int index) {
    return [index](TPortDlg& dialog) {
      dialog.findChild<QComboBox*>("ComPortComboBox")->setCurrentIndex(index);
      QTest::keyClick(&dialog, Qt::Key_Return);
    };
  };
  const struct {
    const char* how;
    std::initializer_list<int> present;
    int stored;
    const char* preselected;
    std::function<void(TPortDlg&)> close;
    int chosen;
  } cases[] = {
      {"OK", {1, 3}, 3, "3", choose(15), 16},
      {"OK on a listed port", {1, 3}, 1, "1", choose(2), 3},
      {"Cancel",
       {},
       20,
       "1",
       [](TPortDlg& dialog) {
         QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
       },
       20},
      {"Escape", {}, 0, "1", [](TPortDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, 0},
      {"close box", {}, 7, "7", [](TPortDlg& dialog) { dialog.close(); }, 7},
  };
  services.settings.values["Language"] = kLanguageGerman;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Present(c.present);
    StartWithStored(c.stored);
    InPortDialog([&](TPortDlg& dialog) {
      EXPECT_EQ(dialog.findChild<QComboBox*>("ComPortComboBox")->currentText().toStdString(),
                c.preselected);
      EXPECT_EQ(dialog.windowTitle().toStdString(), "COM-Port setzten");
      EXPECT_EQ(dialog.findChild<QPushButton*>("CancelButton")->text().toStdString(), "Abbrechen");
      EXPECT_LE(
          (dialog.frameGeometry().center() - form->frameGeometry().center()).manhattanLength(), 4);
      c.close(dialog);
    });
    EXPECT_THAT(MarkedCaptions(), ElementsAre("COM-Port setzten..."));
    EXPECT_EQ(form->ComPortNumber(), c.chosen);
    form.reset();
  }
}

// The rebuild replaces the item whose click opened the dialog.
TEST_F(PortMenuTest, ARebuildWhileTheDialogIsOpenKeepsTheDialogsChoice) {
  Present({1});
  Start();
  InPortDialog([this](TPortDlg& dialog) {
    Present({1, 2});
    DevicesChange();
    dialog.findChild<QComboBox*>("ComPortComboBox")->setCurrentIndex(4);
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_THAT(Captions(), ElementsAre(kSetComPort, "COM &1", "COM &2"));
  EXPECT_EQ(form->ComPortNumber(), 5);
}

// The language changes after a rebuild, whose first item is new.
TEST_F(PortMenuTest, EntriesTellTheDeviceBehindTheirNumberInTheLanguageOfTheMoment) {
  Present({2, 5, 9});
  services.ports.devices = {
      {.comNumber = 2, .devicePath = "/dev/ttyUSB0", .product = "FT232R USB UART"},
      {.comNumber = 5, .devicePath = "/dev/pts/3", .virtualPort = true},
  };
  Start();
  EXPECT_EQ(Items()[1]->toolTip().toStdString(), "FT232R USB UART, /dev/ttyUSB0");
  EXPECT_EQ(Items()[2]->statusTip().toStdString(), "simulated port /dev/pts/3");
  EXPECT_EQ(Items()[3]->statusTip().toStdString(), "");
  DevicesChange();
  Choose("FrenchMenuItem");
  EXPECT_EQ(Items()[0]->text().toStdString(), "Paraméter Com-Port...");
  EXPECT_EQ(Items()[2]->toolTip().toStdString(), "port simulé /dev/pts/3");
}

}  // namespace
}  // namespace tarnwick::testing
