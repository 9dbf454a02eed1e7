#include "console/ports/device_change_notifier.h"

#include <utility>

namespace tarnwick {

DeviceChangeNotifier::DeviceChangeNotifier(PortSource& source, Deliver deliver)
    : source_(source), deliver_(std::move(deliver)) {
  for (const int fd : source_.WatchedDescriptors()) {
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [this] { TakeNews(); });
    notifiers_.push_back(std::move(notifier));
  }
}

void DeviceChangeNotifier::TakeNews() {
  const std::vector<DeviceEvent> events = source_.TakeEvents();
  if (!events.empty()) deliver_(events);
}

}  // namespace tarnwick
