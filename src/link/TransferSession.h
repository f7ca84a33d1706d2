// The download and upload sessions: the order of status texts, progress, and what happens
// to the file before and after. No window here; the caller supplies the channel, the
// pacer that pumps its events, an observer and the way the port is opened.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "link/ComChannel.h"
#include "link/LinkPacer.h"
#include "link/ReceiverModel.h"
#include "link/TransferObserver.h"

namespace rlink {

struct LinkSession {
  ComChannel& channel;
  const LinkPacer& pacer;
  TransferObserver& observer;
  // Closes and (re)opens the channel, reporting through the observer; true when configured.
  std::function<bool()> openPort;
  ReceiverModel model = kBuildModel;
  // How long the final text of a download stays up before the call returns (no pumping).
  int finalHoldMs = 2000;
};

// Sends the container at `path` (file kind 17 or 4) to the receiver; true on "Update Success!".
bool DownloadToReceiver(LinkSession& session, const std::string& path, uint8_t kind);

// Reads the receiver's data (kind 17) or default data (kind 4) into `path`. The data is
// received into a temporary file beside it; `path` is replaced only by a complete upload,
// and a failed or cancelled upload leaves it as it was.
bool UploadFromReceiver(LinkSession& session, const std::string& path, uint8_t kind);

// The temporary file an upload to `path` receives into.
std::string UploadTempPath(const std::string& path);

}  // namespace rlink
