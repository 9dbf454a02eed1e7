#pragma once

#include <string>
#include <vector>

#include "ports/port_source.h"

namespace tarnwick {

// One present port as the port watcher lists it.
struct T_Com_Port_Description {
  std::string name;  // the name the port is published under (the driver's device name)
  std::string port;  // the port name, "COM<n>"
  // The number at the end of `port`: -1 until set, 0 when it ends in no digit.
  int number = -1;
  // Published under a name with "VCP" in it: a USB adapter driver's virtual COM port.
  bool virtualPort = false;
  // The entry last picked in a view.
  bool selected = false;

  friend bool operator==(const T_Com_Port_Description&, const T_Com_Port_Description&) = default;
};

// The watcher's entries of the published ports, in their order. Of two ports
// published under one port name the first counts: a port name is one port.
std::vector<T_Com_Port_Description> DescribePorts(const std::vector<PublishedPort>& ports);

}  // namespace tarnwick
