// Opening the link's port with what the progress window shows about it.
#pragma once
#include <string>

#include "link/TransferObserver.h"
#include "link/serial/SerialPortChannel.h"

namespace rlink {

// Closes and reopens `channel` on `device`; reports `displayName`, the configured state
// and "Error: Unable to open <device> !" through the observer. True when configured.
bool OpenComPort(SerialPortChannel& channel, const std::string& device, const std::string& displayName,
                 TransferObserver& observer);

}  // namespace rlink
