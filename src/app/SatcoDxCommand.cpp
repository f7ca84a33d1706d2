// The window's SatcoDX command: options, file choice, busy notice, the import and what the
// window shows afterwards.
#include <cstdio>

#include "app/FileCommands.h"
#include "app/MessageCatalogue.h"
#include "app/OptionValues.h"
#include "app/UserDialogs.h"
#include "db/M_database.h"
#include "import/SatcoDxImport.h"

namespace {

constexpr uint16_t kMsgImporting = 11;

satcodx::ImportOptions ImportOptionsOf(const OptionValues& o) {
  satcodx::ImportOptions options;
  options.withSame = o.satcoDxWithSame;
  options.sameTpFreq = o.satcoDxSameTpFreq;
  options.sameTpSymbol = o.satcoDxSameTpSymbol;
  options.sameTpPolarity = o.satcoDxSameTpPolarity;
  options.sameTpFec = o.satcoDxSameTpFec;
  options.withNew = o.satcoDxWithNew;
  return options;
}

std::string PositionText(int position) {
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", position / 10, position % 10);
  return text;
}

}  // namespace

void FileCommands::ImportSatcoDx(DocumentHost& host) {
  DocumentState& doc = host.Document();
  if (!doc.databaseLoaded) return;
  if (host.Options().showSatcoDx) host.ShowOptionsDialog();
  UserDialogs& dialogs = host.Dialogs();
  const std::string path = dialogs.ChooseOpenPath({"", "SatcoDX file (*.sdx)|*.sdx|All files|*", ""});
  if (path.empty()) return;

  dialogs.ShowBusyNotice(GetMessageText(kMsgImporting));
  satcodx::Importer importer(host.Database(), ImportOptionsOf(host.Options()), m_satcoDx);
  // Every satellite slot in use: the file is skipped and the user told so below.
  int skippedPosition = -1;
  importer.chooseSatellite = [&](const satcodx::SdxFile& file, const std::string&) {
    skippedPosition = file.position;
    return -1;
  };
  const satcodx::ImportResult result = importer.ImportSatcodxFiles({path});
  dialogs.HideBusyNotice();

  // The import changes the channel data: it must be saved (and asked about on closing) like
  // any other edit.
  if (result.dataChanged) doc.dataModified = true;
  if (result.settingsChanged) doc.settingsModified = true;
  if (result.dataChanged || result.imported) host.PreparePage();
  if (!result.error.empty())
    dialogs.Notify(notice::kValidationError, result.error);
  else if (skippedPosition >= 0)
    dialogs.Notify(notice::kValidationError, "No free satellite slot for position " + PositionText(skippedPosition) +
                                                 ": " + path + " was not imported.");
}
