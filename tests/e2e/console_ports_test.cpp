// The console's Port menu on the machine's real ports (the test's own ports
// directory) while tarnwick-sim processes come and go.
#include <algorithm>
#include <chrono>
#include <thread>

#include "ports/com_port_factory.h"
#include "ports/linux_port_source.h"
#include "ports/user_places.h"
#include "support/private_ports_directory.h"
#include "support/scoped_environment.h"
#include "support/sim_process.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;

const std::string kSimProgram = TARNWICK_SIM_PROGRAM;
// How long the menu may take to follow a simulator, with the event loop running.
constexpr int kFollowLimitMs = 3000;

class ConsolePorts : public ::testing::Test {
 protected:
  void Start() {
    form = CreateConsoleWindows({link, settings, dialogs, source, ports.root()}, {});
    form->show();
    QApplication::processEvents();
  }

  // Runs the event loop until the Port menu does or does not list `sim`.
  bool MenuFollows(const SimProcess& sim, bool listed) const {
    const QString caption = QStringLiteral("COM &%1").arg(sim.com());
    const auto* menu = form->findChild<QMenu*>("PortMenuItem");
    return QTest::qWaitFor(
        [&] {
          const QList<QAction*> items = menu->actions();
          return std::any_of(items.begin(), items.end(), [&](const QAction* item) {
                   return item->text() == caption;
                 }) == listed;
        },
        kFollowLimitMs);
  }

  PrivatePortsDirectory ports;
  ScopedEnvironment configHome{"XDG_CONFIG_HOME", (ports.root() / "config").string()};
  LinuxPortTable table{UserPlacesFor(ReadUserEnvironment())};
  LinuxPortSource source{table};
  ComPortFactory factory{table};
  SteadyClock clock;
  BusLink link{factory, clock};
  ScriptedDialogs dialogs;
  MemorySettingsStore settings;
  std::unique_ptr<TMainForm> form;
};

TEST_F(ConsolePorts, ASimulatorThatStartsAndEndsComesAndGoesInThePortMenu) {
  Start();
  SimProcess sim(kSimProgram, {"--instant"});
  ASSERT_TRUE(MenuFollows(sim, true));
  ASSERT_NE(form->PortWatcher(), nullptr);
  EXPECT_THAT(form->PortWatcher()->LastDeviceEvent().toStdString(),
              ::testing::EndsWith("serial/parallel port device connected"));
  sim.Stop();
  EXPECT_TRUE(MenuFollows(sim, false));
}

// The read blocks the event loop, so the menu follows once it has ended.
TEST_F(ConsolePorts, APortThatVanishesDuringAReadEndsItWithItsMessage) {
  SimProcess sim(kSimProgram, {"--instant", "--busy-polls", "40"});
  settings.values["COM-Port"] = sim.com();
  Start();
  std::thread unplug([&sim] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    sim.Stop();
  });
  const auto pressed = std::chrono::steady_clock::now();
  QTest::mouseClick(form->findChild<QWidget*>("ReadButton"), Qt::LeftButton);
  const auto took = std::chrono::steady_clock::now() - pressed;
  unplug.join();
  EXPECT_THAT(dialogs.Errors(), ElementsAre("Error during reading!"));
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_TRUE(MenuFollows(sim, false));
}

}  // namespace
}  // namespace tarnwick::testing
