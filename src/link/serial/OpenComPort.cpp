#include "link/serial/OpenComPort.h"

namespace rlink {

bool OpenComPort(SerialPortChannel& channel, const std::string& device, const std::string& displayName,
                 TransferObserver& observer) {
  observer.OnPortName(displayName);
  switch (channel.Open(device)) {
    case SerialPortChannel::OpenResult::OpenFailed:
      observer.OnPortError("Error: Unable to open " + device + " !");
      return false;
    case SerialPortChannel::OpenResult::ConfigFailed:
      observer.OnPortState(false);
      return false;
    case SerialPortChannel::OpenResult::Configured:
      observer.OnPortState(true);
      return true;
  }
  return false;
}

}  // namespace rlink
