#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "ports/com_port_description.h"
#include "ports/device_event.h"
#include "ports/port_source.h"

namespace tarnwick {

// The port watcher: the list of present ports, kept as the platform publishes
// it, refreshed when a port device comes or goes and copied into every list
// control registered with it. The main window owns the one instance.
class T_Dev_Handler {
 public:
  // `source` outlives the watcher.
  explicit T_Dev_Handler(PortSource& source);

  // Accepts drop-down lists (QComboBox) and list boxes (QListWidget) and
  // ignores any other widget; a view whose object name is registered already
  // is not added again. In every case the list is then refreshed and every
  // view filled. The views stay their window's.
  void RegisterView(QWidget* view);
  // The list as the platform publishes it now.
  void Refresh();
  // Every view holds the list's port names, in its order, nothing selected.
  void FillViews();
  // An arrival or removal: LastDeviceEvent tells it, and one of a port
  // device refreshes the list and fills the views.
  void DeviceChange(const DeviceEvent& event);

  const std::vector<T_Com_Port_Description>& PortList() const { return portList_; }
  // The object names of the views, in the order they were registered.
  std::vector<QString> PortViews() const;
  // The entry last picked in a view; none until one is picked.
  const std::optional<T_Com_Port_Description>& SelectedPort() const { return selectedPort_; }
  // Local date and time of the last arrival or removal, a tab and what it
  // was; empty until one comes. Shown nowhere, kept for a look in a debugger.
  const QString& LastDeviceEvent() const { return lastDeviceEvent_; }

 private:
  // A user picked item `index` of a view: that entry becomes the selected
  // one and every view shows it.
  void ViewItemPicked(int index);
  void SelectInEveryView(int index);

  PortSource& source_;
  // Ends the views' connections to the watcher with it, as the views outlive it.
  QObject connections_;
  std::vector<T_Com_Port_Description> portList_;
  std::vector<std::pair<QString, QPointer<QWidget>>> portViews_;
  std::optional<T_Com_Port_Description> selectedPort_;
  QString lastDeviceEvent_;
};

}  // namespace tarnwick
