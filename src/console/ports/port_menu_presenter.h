#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "console/ports/device_change_notifier.h"
#include "console/ports/port_watcher.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "ports/port_source.h"

class QAction;
class QComboBox;
class QMenu;
class QWidget;

namespace tarnwick {

class TPortDlg;

// Where the Port menu's clicks go: the window's handlers.
struct PortMenuHandlers {
  std::function<void()> setComPortClick;
  std::function<void(QAction*)> portItemClick;
};

// The Port menu: the item that opens the port dialog, then one entry per
// present port, at most one of them marked, and the port watcher that keeps
// the hidden list of present ports it is rebuilt from. The COM number chosen
// is ConsoleState::comPortNumber, 0 when no present port is.
class PortMenuPresenter {
 public:
  // Everything given outlives the presenter.
  PortMenuPresenter(QWidget& form, ConsoleState& state, PortSource& source,
                    const LanguageTexts& texts, PortMenuHandlers handlers);
  ~PortMenuPresenter();
  PortMenuPresenter(const PortMenuPresenter&) = delete;
  PortMenuPresenter& operator=(const PortMenuPresenter&) = delete;

  // The dialog the first item opens; it lives as long as the window.
  void SetPortDialog(TPortDlg* dialog) { dialog_ = dialog; }

  // Start-up: the present ports, in the order of their numbers, after the
  // first item, which the window's layout holds.
  void BuildPortMenu();
  // After a device change: a new first item, then the hidden list's ports in
  // its order.
  void RebuildPortMenu();
  // A port entry (or the first item) chosen: it alone is marked and its
  // number, in 16 bits, becomes the COM number.
  void SelectPortMenuItem(QAction* item);
  // The first item: it is marked and stays so, and the port dialog's number,
  // when one is chosen, becomes the COM number.
  void SetComPortMenuItemClick();
  // The entries' tips in the current language.
  void ApplyLanguage();

  // Start-up's last step: the watcher, with the hidden list registered, and
  // the news of devices on the event loop.
  void CreatePortWatcher();
  // Shut-down: no more news.
  void DestroyPortWatcher();
  // Arrivals and removals, each through the watcher, then one rebuild, also
  // when there were none (Windows' device-change messages of other kinds).
  void DeviceChange(const std::vector<DeviceEvent>& events);

  // None before start-up's end and after shut-down.
  const T_Dev_Handler* PortWatcher() const { return watcher_.get(); }

 private:
  QAction* AddItem(const QString& caption, int number);
  void AddPortEntries(const std::vector<std::string>& portNames);
  void ShowDeviceTips();

  ConsoleState& state_;
  PortSource& source_;
  const LanguageTexts& texts_;
  PortMenuHandlers handlers_;
  QMenu* menu_;
  QComboBox* presentPorts_;
  TPortDlg* dialog_ = nullptr;
  // The devices behind the entries when the menu was last built, for tips.
  std::vector<PortEntry> devices_;
  std::unique_ptr<T_Dev_Handler> watcher_;
  std::unique_ptr<DeviceChangeNotifier> news_;
};

}  // namespace tarnwick
