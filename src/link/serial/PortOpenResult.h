// How opening the link's serial device ended, shared by every serial device class.
#pragma once

namespace rlink {

// Configured: open and set up. OpenFailed: the device is absent or held by someone else.
// ConfigFailed: the device opened but refused the line settings; it has been closed again.
enum class PortOpenResult { Configured, OpenFailed, ConfigFailed };

}  // namespace rlink
