// The window's SatcoDX command: options, file choice, busy notice, the import and what the
// window shows afterwards.
#include <cstdio>
#include <filesystem>
#include <vector>

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

std::vector<std::string> SatelliteLabels(const m_DataBase& db) {
  std::vector<std::string> labels;
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) labels.push_back(db.GetAntennaLabel(s));
  return labels;
}

std::string ChoicePrompt(const satcodx::SdxFile& file, const std::string& path) {
  return "No satellite slot is free for " + file.records.front().satelliteName + " at " +
         PositionText(file.position) + " (" + std::filesystem::path(path).filename().string() +
         ").\nChoose the satellite it replaces: its name and position change, its transponders and "
         "services stay.";
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
  // Every satellite slot in use: the user picks the satellite the file's satellite replaces,
  // or cancels and the file is skipped.
  importer.chooseSatellite = [&](const satcodx::SdxFile& file, const std::string& filePath) {
    dialogs.HideBusyNotice();
    const int slot = dialogs.ChooseSatellite(SatelliteLabels(host.Database()), ChoicePrompt(file, filePath));
    dialogs.ShowBusyNotice(GetMessageText(kMsgImporting));
    return slot;
  };
  const satcodx::ImportResult result = importer.ImportSatcodxFiles({path});
  dialogs.HideBusyNotice();

  // The import changes the channel data: it must be saved (and asked about on closing) like
  // any other edit.
  if (result.dataChanged) doc.dataModified = true;
  if (result.settingsChanged) doc.settingsModified = true;
  if (result.dataChanged || result.imported) host.PreparePage();
  if (!result.error.empty()) dialogs.Notify(notice::kValidationError, result.error);
}
