#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <vector>

#include "ports/device_event.h"
#include "ports/port_source.h"

namespace tarnwick {

// The port source's news on the event loop: whenever one of its descriptors
// is readable, all the news waiting is taken at once and handed on, so the
// descriptors are quiet again. News that turned out empty is not handed on.
// While a device operation blocks the loop, news waits for it to run again.
class DeviceChangeNotifier {
 public:
  using Deliver = std::function<void(const std::vector<DeviceEvent>&)>;

  // `source` outlives the notifier.
  DeviceChangeNotifier(PortSource& source, Deliver deliver);

 private:
  void TakeNews();

  PortSource& source_;
  Deliver deliver_;
  std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
};

}  // namespace tarnwick
