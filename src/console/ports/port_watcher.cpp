#include "console/ports/port_watcher.h"

#include <QComboBox>
#include <QDateTime>
#include <QListWidget>
#include <QLocale>
#include <algorithm>

namespace tarnwick {

T_Dev_Handler::T_Dev_Handler(PortSource& source) : source_(source) {}

void T_Dev_Handler::RegisterView(QWidget* view) {
  auto* list = qobject_cast<QComboBox*>(view);
  auto* box = qobject_cast<QListWidget*>(view);
  const bool known = std::any_of(portViews_.begin(), portViews_.end(), [view](const auto& entry) {
    return entry.first == view->objectName();
  });
  if ((list || box) && !known) {
    portViews_.emplace_back(view->objectName(), view);
    if (list) {
      QObject::connect(list, &QComboBox::activated, &connections_,
                       [this](int index) { ViewItemPicked(index); });
    } else {
      QObject::connect(box, &QListWidget::itemClicked, &connections_,
                       [this, box](QListWidgetItem* item) { ViewItemPicked(box->row(item)); });
    }
  }
  Refresh();
  FillViews();
}

void T_Dev_Handler::Refresh() { portList_ = DescribePorts(source_.Ports()); }

void T_Dev_Handler::FillViews() {
  QStringList names;
  for (const T_Com_Port_Description& entry : portList_) names << QString::fromStdString(entry.port);
  for (const auto& [name, view] : portViews_) {
    if (auto* list = qobject_cast<QComboBox*>(view)) {
      list->clear();
      list->addItems(names);
    } else if (auto* box = qobject_cast<QListWidget*>(view)) {
      box->clear();
      box->addItems(names);
    }
  }
}

void T_Dev_Handler::DeviceChange(const DeviceEvent& event) {
  if (event.deviceType == kPortDeviceType) {
    Refresh();
    FillViews();
  }
  const QLocale locale;
  const QDateTime now = QDateTime::currentDateTime();
  lastDeviceEvent_ = locale.toString(now.date(), QLocale::ShortFormat) + ' ' +
                     locale.toString(now.time(), QLocale::LongFormat) + '\t' +
                     QString::fromUtf8(DeviceEventText(event));
}

std::vector<QString> T_Dev_Handler::PortViews() const {
  std::vector<QString> names;
  for (const auto& [name, view] : portViews_) names.push_back(name);
  return names;
}

void T_Dev_Handler::ViewItemPicked(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= portList_.size()) return;
  for (T_Com_Port_Description& entry : portList_) entry.selected = false;
  T_Com_Port_Description& picked = portList_[static_cast<std::size_t>(index)];
  picked.selected = true;
  selectedPort_ = picked;
  SelectInEveryView(index);
}

// The views hold the list in its order, so the picked entry's place in the
// list is its place in every view.
void T_Dev_Handler::SelectInEveryView(int index) {
  for (const auto& [name, view] : portViews_) {
    if (auto* list = qobject_cast<QComboBox*>(view)) {
      list->setCurrentIndex(index);
    } else if (auto* box = qobject_cast<QListWidget*>(view)) {
      box->setCurrentRow(index);
    }
  }
}

}  // namespace tarnwick
