// The console's Port menu following the machine, on the real port source of
// a ports directory of its own: the time from a port link appearing there to
// the Port menu listing it (median of several), and the CPU the idle console
// takes with the watcher running, each as a ratio to its target. The
// platform is Qt's offscreen one unless QT_QPA_PLATFORM says otherwise.
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bus/clock.h"
#include "console/shell/console_windows.h"
#include "console/shell/qsettings_store.h"
#include "console/shell/qt_dialogs.h"
#include "ports/com_port_factory.h"
#include "ports/system_port_table.h"
#include "support/private_directories.h"
#include "support/temporary_directory.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kWarmUp = 2;
constexpr int kRuns = 11;
constexpr double kShownTargetMs = 250.0;
constexpr double kIdleCpuTargetPercent = 0.5;
constexpr std::chrono::seconds kIdleTime{10};
constexpr Millis kGiveUp{5000};
// A number no port of the machine has.
constexpr int kBenchCom = 200;

bool Listed(const QMenu& menu, const QString& caption) {
  const QList<QAction*> items = menu.actions();
  return std::any_of(items.begin(), items.end(),
                     [&](const QAction* item) { return item->text() == caption; });
}

// Runs the event loop until the menu does or does not list the caption; the
// time that took, or kGiveUp.
Millis UntilMenu(const QMenu& menu, const QString& caption, bool listed, Clock::time_point since) {
  while (Listed(menu, caption) != listed) {
    if (Clock::now() - since > kGiveUp) return kGiveUp;
    QApplication::processEvents();
    usleep(200);
  }
  return Clock::now() - since;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const char* Verdict(double ratio) { return ratio <= 1.0 ? "(met)" : "(MISSED)"; }

int Measure(const fs::path& scratch, QApplication& application) {
  tarnwick::SteadyClock clock;
  const tarnwick::UserPlaces places = tarnwick::UserPlacesFor(tarnwick::ReadUserEnvironment());
  const std::unique_ptr<tarnwick::PortTable> table = tarnwick::MakeSystemPortTable(places);
  const std::unique_ptr<tarnwick::PortSource> source = tarnwick::MakeSystemPortSource(*table);
  tarnwick::ComPortFactory ports(*table);
  tarnwick::BusLink link(ports, clock);
  tarnwick::QSettingsStore settings(QString::fromStdString((scratch / "settings.ini").string()));
  tarnwick::QtDialogs dialogs;
  const auto form = tarnwick::CreateConsoleWindows({link, settings, dialogs, *source, scratch}, {});
  form->show();
  QApplication::processEvents();
  const auto* menu = form->findChild<QMenu*>(QStringLiteral("PortMenuItem"));
  const QString caption = QStringLiteral("COM &%1").arg(kBenchCom);
  const fs::path linkPath = tarnwick::PortLinkPath(places.portsDirectory, kBenchCom);

  std::vector<Millis> shown;
  for (int i = 0; i < kWarmUp + kRuns; ++i) {
    const auto made = Clock::now();
    fs::create_symlink("/dev/null", linkPath);
    const Millis took = UntilMenu(*menu, caption, true, made);
    fs::remove(linkPath);
    if (took >= kGiveUp || UntilMenu(*menu, caption, false, Clock::now()) >= kGiveUp) {
      std::fprintf(stderr, "ports: the Port menu did not follow the link %s\n", linkPath.c_str());
      return 1;
    }
    if (i >= kWarmUp) shown.push_back(took);
  }
  std::sort(shown.begin(), shown.end());
  const Millis median = shown[shown.size() / 2];

  const double cpuBefore = CpuSeconds();
  const auto idleFrom = Clock::now();
  QTimer::singleShot(kIdleTime, &application, &QApplication::quit);
  QApplication::exec();
  const double wall = std::chrono::duration<double>(Clock::now() - idleFrom).count();
  const double idlePercent = 100.0 * (CpuSeconds() - cpuBefore) / wall;

  const double shownRatio = median.count() / kShownTargetMs;
  const double idleRatio = idlePercent / kIdleCpuTargetPercent;
  std::printf("ports: the console on the \"%s\" platform, its own ports directory\n",
              getenv("QT_QPA_PLATFORM"));
  std::printf(
      "  link made to Port menu listing it  median of %d  %7.2f ms  target %5.1f ms  ratio %.3f  "
      "%s\n",
      kRuns, median.count(), kShownTargetMs, shownRatio, Verdict(shownRatio));
  std::printf(
      "  idle console with the watcher      %2lld s        %7.3f %%   target %5.1f %%   ratio %.3f "
      " %s\n",
      static_cast<long long>(kIdleTime.count()), idlePercent, kIdleCpuTargetPercent, idleRatio,
      Verdict(idleRatio));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    const tarnwick::testing::TemporaryDirectory scratch("ports");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tarnwick::testing::UsePrivateDirectories(scratch.path());
    QApplication application(argc, argv);
    return Measure(scratch.path(), application);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ports: %s\n", e.what());
    return 1;
  }
}
