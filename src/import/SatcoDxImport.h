// The SatcoDX import: finds or creates the satellite of each file by the orbital position of its
// first record and merges the records' transponders into that satellite. Services described by
// the records are not imported.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "import/SatcoDxFile.h"

class m_DataBase;

namespace satcodx {

constexpr size_t kMaxFiles = 255;

struct ImportOptions {
  uint16_t withSame = 0;  // existing satellite: 0 merge tolerantly, 1 delete its transponders first
  int16_t sameTpFreq = 1;  // MHz tolerance of tolerant matching
  bool sameTpSymbol = true;
  bool sameTpPolarity = true;
  bool sameTpFec = true;
  uint16_t withNew = 0;  // position not in the database: 0 create a satellite, else skip the file
};

// A transponder built from one record.
struct Candidate {
  int satellite = -1;
  int number = 0;
  int polarisation = 0;
  int fec = 0;
  int frequencyMHz = 0;
  int symbolRate = 0;
};

struct FileReport {
  enum Outcome { Imported, Skipped, Refused } outcome = Skipped;
  std::string path;
  int satellite = -1;
  bool newSatellite = false;
  bool noFreeSlot = false;    // skipped: no free satellite slot and none chosen
  int deleted = 0;            // transponders removed first ("with same" 1)
  int added = 0;
  int matched = 0;
  int outOfRange = 0;         // frequency or symbol rate outside the satellite band
  int notAdded = 0;           // the satellite's 300 or the table's free slots ran out
  bool databaseFull = false;  // 4000 transponders or 6000 services: the rest of the file was left
};

struct ImportResult {
  bool imported = false;          // the records of at least one file were imported
  bool dataChanged = false;       // satellites or transponders changed
  bool settingsChanged = false;   // deleted services cleared entries of the system settings
  std::string error;              // the file that ended the import, and why
  std::vector<FileReport> files;
};

// Carried from one import to the next: the polarisation of the last record handled.
struct ImportState {
  int lastPolarisation = 0;
};

class Importer {
 public:
  Importer(m_DataBase& db, const ImportOptions& options, ImportState& state);

  // Called when a new satellite is needed and no slot is free; returns the slot to use (its
  // name and position are replaced), or a negative value to skip the file. Nothing of the file
  // has been applied when it is called. Unset: the file is skipped.
  std::function<int(const SdxFile& file, const std::string& path)> chooseSatellite;

  ImportResult ImportSatcodxFiles(const std::vector<std::string>& paths);
  // Imports one parsed file into its satellite slot; false when the tables filled up.
  bool ImportSatcodxRecords(int satellite, const SdxFile& file, bool existing, FileReport& report);
  int FindSatcodxTransponder(const Candidate& c, bool existing, const std::vector<int>& list) const;
  bool AddSatcodxTransponder(const Candidate& c);

  // Slot lookups of the import.
  int FindSatelliteAt(int position) const;
  int FindFreeSatellite() const;
  bool IsSatelliteSlotFree(int slot) const;

 private:
  Candidate MakeCandidate(int satellite, const SdxRecord& r);
  int CreateSatellite(const SdxFile& file, const std::string& path, FileReport& report);
  int DeleteSatelliteTransponders(int satellite);
  std::vector<bool> CarriedSatellites() const;
  bool IsSlotFree(int slot, const std::vector<bool>& carried) const;

  m_DataBase& m_db;
  ImportOptions m_options;
  ImportState& m_state;
};

}  // namespace satcodx
