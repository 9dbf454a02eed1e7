#include "ports/registry_serial_ports.h"

#include <windows.h>

#include <string>

namespace tarnwick {
namespace {

constexpr const char* kSerialCommKey = "HARDWARE\\DEVICEMAP\\SERIALCOMM";

// Registry text may or may not carry its closing NUL within the stored length.
std::string TextOf(const std::vector<BYTE>& data, DWORD length) {
  std::string text(reinterpret_cast<const char*>(data.data()), length);
  return text.substr(0, text.find('\0'));
}

}  // namespace

std::vector<PublishedPort> ReadSerialCommPorts() {
  std::vector<PublishedPort> ports;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return ports;
  }
  DWORD count = 0;
  DWORD longestName = 0;
  DWORD longestData = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                       &longestName, &longestData, nullptr, nullptr) == ERROR_SUCCESS) {
    std::string name(longestName + 1, '\0');
    std::vector<BYTE> data(longestData + 1);
    for (DWORD index = 0; index < count; ++index) {
      DWORD nameLength = static_cast<DWORD>(name.size());
      DWORD dataLength = static_cast<DWORD>(data.size());
      DWORD type = REG_NONE;
      // A value that changed since the key was measured no longer fits; the
      // device change that changed it brings a new reading.
      if (RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type, data.data(),
                        &dataLength) != ERROR_SUCCESS) {
        continue;
      }
      if (type != REG_SZ && type != REG_EXPAND_SZ) continue;
      ports.push_back({name.substr(0, nameLength), TextOf(data, dataLength)});
    }
  }
  RegCloseKey(key);
  return ports;
}

}  // namespace tarnwick
