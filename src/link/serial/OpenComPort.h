// Opening the link's port with what the progress window shows about it.
#pragma once
#include <string>

#include "link/TransferObserver.h"
#include "link/serial/PortOpenResult.h"

namespace rlink {

// Reports how opening `device` ended: "Error: Unable to open <device> !" or the configured
// state. True when configured.
bool ReportPortOpen(PortOpenResult result, const std::string& device, TransferObserver& observer);

// Closes and reopens `channel` (any serial device class with Open(device)) on `device`;
// reports `displayName`, the configured state and "Error: Unable to open <device> !" through
// the observer. True when configured.
template <class Channel>
bool OpenComPort(Channel& channel, const std::string& device, const std::string& displayName,
                 TransferObserver& observer) {
  observer.OnPortName(displayName);
  return ReportPortOpen(channel.Open(device), device, observer);
}

}  // namespace rlink
