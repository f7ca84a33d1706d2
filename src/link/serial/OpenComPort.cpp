#include "link/serial/OpenComPort.h"

namespace rlink {

bool ReportPortOpen(PortOpenResult result, const std::string& device, TransferObserver& observer) {
  switch (result) {
    case PortOpenResult::OpenFailed:
      observer.OnPortError("Error: Unable to open " + device + " !");
      return false;
    case PortOpenResult::ConfigFailed:
      observer.OnPortState(false);
      return false;
    case PortOpenResult::Configured:
      observer.OnPortState(true);
      return true;
  }
  return false;
}

}  // namespace rlink
