#include "link/serial/ComPortNames.h"

namespace rlink {

std::string ComDisplayName(int port) { return "COM" + std::to_string(port); }

std::string ComDeviceName(int port, const PortDeviceMap& overrides) {
  if (port < 1 || port > 10) return {};
  const auto it = overrides.find(port);
  if (it != overrides.end() && !it->second.empty()) return it->second;
#ifdef _WIN32
  return "COM" + std::to_string(port);
#else
  return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

}  // namespace rlink
