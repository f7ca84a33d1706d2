// Port numbers 1..10 and the devices behind them.
#pragma once
#include <map>
#include <string>

namespace rlink {

// "COM" + number, as the progress window shows it.
std::string ComDisplayName(int port);

// Per-port device paths that replace the platform default (the settings file's PORTS
// section, keys "COM1".."COM10", feeds this).
using PortDeviceMap = std::map<int, std::string>;

// The device opened for a port: "COM<n>" on Windows, /dev/ttyS<n-1> elsewhere, unless the
// map names another device for it. Empty for a port outside 1..10.
std::string ComDeviceName(int port, const PortDeviceMap& overrides = {});

}  // namespace rlink
