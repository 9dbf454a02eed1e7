#include <windows.h>
// After windows.h, which it needs.
#include <dbt.h>

#include "console/shell/tmain_form.h"

namespace tarnwick {

// Windows broadcasts every device change to all top-level windows. The Port
// menu is rebuilt after each one, whatever it announced; a message with a
// broadcast header tells the device's type.
bool TMainForm::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const auto* msg = static_cast<const MSG*>(message);
  if (eventType != "windows_generic_MSG" || msg->message != WM_DEVICECHANGE) {
    return QMainWindow::nativeEvent(eventType, message, result);
  }
  std::vector<DeviceEvent> events;
  if (const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg->lParam)) {
    if (const auto event = DeviceEventOfMessage(msg->wParam, header->dbch_devicetype)) {
      events.push_back(*event);
    }
  }
  ports_.DeviceChange(events);
  *result = TRUE;
  return true;
}

}  // namespace tarnwick
