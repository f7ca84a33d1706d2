#include "link/DownloadCommand.h"

#include "link/ReceiverModel.h"

namespace rlink {

int DownloadCaptionNumber(uint8_t kind) {
  return kind == kDefaultFileKind ? 63 : kind == kDataFileKind ? 62 : 0;
}

int UploadCaptionNumber(uint8_t kind) { return kind == kDefaultFileKind ? 61 : 60; }

bool RunDownloadCommand(const DownloadCommandSteps& s) {
  const uint8_t kind = s.fileKind();
  const int caption = DownloadCaptionNumber(kind);
  s.setDefaultFlag(kind == kDefaultFileKind ? 1 : 0);
  if (s.anyModified()) s.save();
  s.showProgress(caption);
  const bool ok = s.download();
  s.finish();
  return ok;
}

}  // namespace rlink
