// The download command after its checks (file open, page valid, options shown): caption,
// default flag, save when modified, progress window, transfer. The window supplies each
// step; the order lives here so it cannot drift.
#pragma once
#include <cstdint>
#include <functional>

namespace rlink {

// Catalogue number of the progress window's caption for a download of `kind`: 63 for a
// default file, 62 for a data file, 0 (empty caption) otherwise.
int DownloadCaptionNumber(uint8_t kind);
// Catalogue number for an upload: 60 for data, 61 for default data.
int UploadCaptionNumber(uint8_t kind);

struct DownloadCommandSteps {
  std::function<uint8_t()> fileKind;
  std::function<bool()> anyModified;          // data or settings modified
  std::function<void(uint8_t)> setDefaultFlag; // header byte 59 of the next save
  std::function<void()> save;                 // the Save command
  std::function<void(int captionNumber)> showProgress;
  std::function<bool()> download;             // DownloadToReceiver with the document path
  std::function<void()> finish;               // enable the main window, hide the progress window
};

// The default flag is set before the save, so a saved default file goes out marked as one.
bool RunDownloadCommand(const DownloadCommandSteps& steps);

}  // namespace rlink
