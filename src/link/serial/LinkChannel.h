// The serial device the editor and the command line open for the receiver link.
//
// Windows uses Qt Serial Port. POSIX systems keep the termios channel: it needs no event
// dispatcher at all (QSerialPort's notifiers want one even when only its waiting calls are
// used), and FIONREAD counts exactly the bytes the driver has queued at the moment of the
// poll, which the poll's exact-count rule is built on.
#pragma once

#ifdef _WIN32
#include "link/serial/QtSerialPortChannel.h"
#else
#include "link/serial/SerialPortChannel.h"
#endif

namespace rlink {

#ifdef _WIN32
using LinkChannel = QtSerialPortChannel;
#else
using LinkChannel = SerialPortChannel;
#endif

}  // namespace rlink
