#include "console/ports/port_device_tips.h"

#include "texts/console_texts.h"

namespace tarnwick {

QString PortDeviceTip(const PortEntry& port, int languageIndex) {
  if (port.virtualPort) {
    return QString::fromStdString(
        ConsoleTextWith(languageIndex, ConsoleText::kSimulatedPort, {port.devicePath}));
  }
  QString device = QString::fromStdString(port.devicePath);
  if (port.product.empty()) return device;
  return QString::fromStdString(port.product) + QStringLiteral(", ") + device;
}

}  // namespace tarnwick
