#include "console/ports/port_menu_presenter.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <algorithm>
#include <cstdint>

#include "console/ports/port_device_tips.h"
#include "console/ports/port_dialog.h"
#include "console/widgets/widget_lookup.h"
#include "ports/port_menu_rules.h"
#include "texts/message_numbers.h"

namespace tarnwick {
namespace {

constexpr char kSetComPortName[] = "SetComPortMenuItem";

}  // namespace

PortMenuPresenter::PortMenuPresenter(QWidget& form, ConsoleState& state, PortSource& source,
                                     const LanguageTexts& texts, PortMenuHandlers handlers)
    : state_(state),
      source_(source),
      texts_(texts),
      handlers_(std::move(handlers)),
      menu_(FindWidget<QMenu>(form, "PortMenuItem")),
      presentPorts_(FindWidget<QComboBox>(form, "my_com_ports")) {
  menu_->setToolTipsVisible(true);
  QObject::connect(FindWidget<QAction>(form, kSetComPortName), &QAction::triggered, menu_,
                   [this] { handlers_.setComPortClick(); });
}

PortMenuPresenter::~PortMenuPresenter() = default;

void PortMenuPresenter::BuildPortMenu() {
  std::vector<std::string> names;
  for (const T_Com_Port_Description& entry : DescribePorts(source_.Ports())) {
    names.push_back(entry.port);
  }
  SortPortsByNumber(names);
  AddPortEntries(names);
}

void PortMenuPresenter::RebuildPortMenu() {
  // Deleting an item removes it from the menu, also while the menu is open.
  for (QAction* item : menu_->actions()) delete item;
  QAction* first = AddItem(texts_.Text(kMsgSetComPortItem), 0);
  first->setObjectName(kSetComPortName);
  QObject::connect(first, &QAction::triggered, menu_, [this] { handlers_.setComPortClick(); });
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(presentPorts_->count()));
  for (int k = 0; k < presentPorts_->count(); ++k) {
    names.push_back(presentPorts_->itemText(k).toStdString());
  }
  AddPortEntries(names);
}

QAction* PortMenuPresenter::AddItem(const QString& caption, int number) {
  auto* item = new QAction(caption, menu_);
  item->setCheckable(true);
  item->setData(number);
  menu_->addAction(item);
  return item;
}

// Entries follow the first item; the chosen port's entry is marked, or the
// first item when the chosen port is not among them.
void PortMenuPresenter::AddPortEntries(const std::vector<std::string>& portNames) {
  std::vector<int> numbers;
  for (const std::string& name : portNames) {
    numbers.push_back(PortMenuNumber(name));
    QAction* entry = AddItem(QString::fromStdString(PortMenuCaption(name)), numbers.back());
    QObject::connect(entry, &QAction::triggered, menu_,
                     [this, entry] { handlers_.portItemClick(entry); });
  }
  const int marked = PortMenuItemToMark(numbers, state_.comPortNumber);
  if (marked != kNoPortMenuItem) SelectPortMenuItem(menu_->actions().at(marked));
  devices_ = source_.Devices();
  ShowDeviceTips();
}

void PortMenuPresenter::SelectPortMenuItem(QAction* item) {
  for (QAction* other : menu_->actions()) other->setChecked(false);
  item->setChecked(true);
  state_.comPortNumber = static_cast<std::int16_t>(item->data().toInt());
}

void PortMenuPresenter::SetComPortMenuItemClick() {
  const QList<QAction*> items = menu_->actions();
  for (QAction* item : items) item->setChecked(false);
  items.first()->setChecked(true);
  if (!dialog_) return;
  const int chosen = dialog_->Execute(state_.comPortNumber, texts_);
  if (chosen > 0) state_.comPortNumber = chosen;
}

// The menu is rebuilt as ports come and go; its first item is always the one
// that opens the port dialog.
void PortMenuPresenter::ApplyLanguage() {
  if (const QList<QAction*> items = menu_->actions(); !items.isEmpty()) {
    items.first()->setText(texts_.Text(kMsgSetComPortItem));
  }
  ShowDeviceTips();
}

void PortMenuPresenter::ShowDeviceTips() {
  const QList<QAction*> items = menu_->actions();
  for (qsizetype k = 1; k < items.size(); ++k) {
    QAction* entry = items[k];
    const auto device = std::find_if(
        devices_.begin(), devices_.end(),
        [entry](const PortEntry& port) { return port.comNumber == entry->data().toInt(); });
    const QString tip =
        device == devices_.end() ? QString() : PortDeviceTip(*device, texts_.LanguageIndex());
    entry->setToolTip(tip);
    entry->setStatusTip(tip);
  }
}

void PortMenuPresenter::CreatePortWatcher() {
  watcher_ = std::make_unique<T_Dev_Handler>(source_);
  watcher_->RegisterView(presentPorts_);
  news_ = std::make_unique<DeviceChangeNotifier>(
      source_, [this](const std::vector<DeviceEvent>& events) { DeviceChange(events); });
}

void PortMenuPresenter::DestroyPortWatcher() {
  news_.reset();
  watcher_.reset();
}

void PortMenuPresenter::DeviceChange(const std::vector<DeviceEvent>& events) {
  if (!watcher_) return;
  for (const DeviceEvent& event : events) watcher_->DeviceChange(event);
  RebuildPortMenu();
}

}  // namespace tarnwick
