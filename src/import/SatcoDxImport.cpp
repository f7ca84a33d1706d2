#include "import/SatcoDxImport.h"

#include <cstdio>

#include "db/M_database.h"

namespace satcodx {

namespace {

constexpr int kMinFrequency = 2000;
constexpr int kMaxFrequency = 12750;
constexpr int kMinSymbolRate = 1000;
constexpr int kMaxSymbolRate = 45000;

std::string LongitudeText(int position) {
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", position / 10, position % 10);
  return text;
}

std::vector<int> LinkedServices(const m_DataBase& db) {
  std::vector<int> services;
  for (int n = 0; n < m_DataBase::kEntryCount; ++n) services.push_back(db.GetServiceLinkedService(n));
  return services;
}

}  // namespace

Importer::Importer(m_DataBase& db, const ImportOptions& options, ImportState& state)
    : m_db(db), m_options(options), m_state(state) {}

// The satellites that transponders or satellite services refer to.
std::vector<bool> Importer::CarriedSatellites() const {
  std::vector<bool> carried(dblayout::kSatelliteCount, false);
  for (int t = 0; t < dblayout::kTransponderCount; ++t) {
    const int s = m_db.IsTransponderUsed(t) ? m_db.GetTransponderSatellite(t) : -1;
    if (s >= 0 && s < dblayout::kSatelliteCount) carried[static_cast<size_t>(s)] = true;
  }
  const std::vector<int> services = m_db.CountServicesPerSatellite();
  for (size_t s = 0; s < carried.size() && s < services.size(); ++s)
    if (services[s] > 0) carried[s] = true;
  return carried;
}

// Free: the slot's free mark is set and its LNB-type flag clear. A slot that still carries
// transponders or services is in use whatever its marks say: taking it over would rename the
// satellite those records belong to.
bool Importer::IsSlotFree(int slot, const std::vector<bool>& carried) const {
  const satellite_info_show_s* v = m_db.GetAntennaView(slot);
  return v && v->flag4 == 1 && v->lnbTypeFlag == 0 && !carried[static_cast<size_t>(slot)];
}

bool Importer::IsSatelliteSlotFree(int slot) const {
  return slot >= 0 && slot < dblayout::kSatelliteCount && IsSlotFree(slot, CarriedSatellites());
}

int Importer::FindSatelliteAt(int position) const {
  const std::vector<bool> carried = CarriedSatellites();
  for (int s = 0; s < dblayout::kSatelliteCount; ++s)
    if (!IsSlotFree(s, carried) && m_db.GetAntennaLongitude(s) == position) return s;
  return -1;
}

int Importer::FindFreeSatellite() const {
  const std::vector<bool> carried = CarriedSatellites();
  for (int s = 0; s < dblayout::kSatelliteCount; ++s)
    if (IsSlotFree(s, carried)) return s;
  return -1;
}

int Importer::CreateSatellite(const SdxFile& file, const std::string& path, FileReport& report) {
  int slot = FindFreeSatellite();
  if (slot < 0 && chooseSatellite) slot = chooseSatellite(file, path);
  if (slot < 0 || slot >= dblayout::kSatelliteCount) {
    report.noFreeSlot = true;
    return -1;
  }
  m_db.SetAntennaName(slot, file.records.front().satelliteName);
  m_db.SetAntennaLongitude(slot, LongitudeText(file.position));
  // Setting the LNB type (to the one it has) marks the slot used, so that the next new
  // satellite of this run or a later one does not take the same slot over.
  m_db.SetAntennaLnbType(slot, m_db.GetAntennaLnbType(slot));
  report.newSatellite = true;
  return slot;
}

int Importer::DeleteSatelliteTransponders(int satellite) {
  int deleted = 0;
  for (int t = 0; t < dblayout::kTransponderCount; ++t) {
    if (!m_db.IsTransponderUsed(t) || m_db.GetTransponderSatellite(t) != satellite) continue;
    m_db.DeleteTransponder(t, true);
    if (!m_db.IsTransponderUsed(t)) ++deleted;
  }
  return deleted;
}

ImportResult Importer::ImportSatcodxFiles(const std::vector<std::string>& paths) {
  ImportResult result;
  if (paths.size() > kMaxFiles) {
    result.error = "Open File Error: at most 255 files can be opened at one time.";
    return result;
  }
  for (const std::string& path : paths) {
    const SdxFile file = ReadSdxFile(path);
    if (!file.ok) {
      // Nothing of this file is applied; the files before it stay imported.
      result.error = file.error;
      FileReport refused;
      refused.outcome = FileReport::Refused;
      refused.path = path;
      result.files.push_back(refused);
      break;
    }
    FileReport report;
    report.path = path;
    int satellite = FindSatelliteAt(file.position);
    const bool existing = satellite >= 0;
    if (existing) {
      if (m_options.withSame == 1) {
        const std::vector<int> before = LinkedServices(m_db);
        report.deleted = DeleteSatelliteTransponders(satellite);
        if (LinkedServices(m_db) != before) result.settingsChanged = true;
        if (report.deleted > 0) result.dataChanged = true;
      }
    } else if (m_options.withNew == 0) {
      satellite = CreateSatellite(file, path, report);
      if (satellite >= 0) result.dataChanged = true;
    }
    if (satellite < 0) {
      result.files.push_back(report);
      continue;
    }
    report.satellite = satellite;
    report.outcome = FileReport::Imported;
    if (ImportSatcodxRecords(satellite, file, existing, report)) result.imported = true;
    if (report.added > 0) result.dataChanged = true;
    result.files.push_back(report);
  }
  return result;
}

Candidate Importer::MakeCandidate(int satellite, const SdxRecord& r) {
  Candidate c;
  c.satellite = satellite;
  c.number = m_db.GetSatelliteTransponderCount(satellite) + 1;
  switch (r.polarisationDigit) {
    case 0:
    case 2: c.polarisation = 1; break;
    case 1:
    case 3: c.polarisation = 0; break;
    default: c.polarisation = m_state.lastPolarisation; break;
  }
  m_state.lastPolarisation = c.polarisation;
  c.fec = r.fec;
  c.frequencyMHz = r.frequencyMHz;
  c.symbolRate = r.symbolRate;
  return c;
}

bool Importer::ImportSatcodxRecords(int satellite, const SdxFile& file, bool existing, FileReport& report) {
  for (const SdxRecord& r : file.records) {
    if (m_db.GetTransponderCount() >= dblayout::kTransponderCount ||
        m_db.GetUsedServiceCount() >= dblayout::kServiceCount) {
      report.databaseFull = true;
      return false;
    }
    const Candidate c = MakeCandidate(satellite, r);
    // Records outside the satellite band are left out: they make no usable transponder.
    if (c.frequencyMHz < kMinFrequency || c.frequencyMHz > kMaxFrequency || c.symbolRate < kMinSymbolRate ||
        c.symbolRate > kMaxSymbolRate) {
      ++report.outOfRange;
      continue;
    }
    std::vector<int> list;
    for (int t = 0; t < dblayout::kTransponderCount; ++t)
      if (m_db.IsTransponderUsed(t) && m_db.GetTransponderSatellite(t) == satellite) list.push_back(t);
    if (FindSatcodxTransponder(c, existing, list) >= 0) {
      ++report.matched;
      continue;
    }
    m_db.SetCountUpdateMode(COUNT_INCREMENT);
    const bool added = AddSatcodxTransponder(c);
    m_db.SetCountUpdateMode(COUNT_NO_CHANGE);
    ++(added ? report.added : report.notAdded);
  }
  return true;
}

int Importer::FindSatcodxTransponder(const Candidate& c, bool existing, const std::vector<int>& list) const {
  const bool tolerant = existing && m_options.withSame == 0;
  const int d = m_options.sameTpFreq;
  for (int t : list) {
    const int F = m_db.GetTransponderFrequency(t);
    const int f = c.frequencyMHz;
    const bool sameSymbol = m_db.GetTransponderSymbolRate(t) == c.symbolRate;
    const bool samePolarity = m_db.GetTransponderPolarity(t) == c.polarisation;
    const bool sameFec = m_db.GetTransponderFec(t) == c.fec;
    bool match;
    if (tolerant) {
      match = d >= 0 ? (F <= f && f <= F + d) : (F + d <= f && f <= F);
      if (m_options.sameTpSymbol) match = match && sameSymbol;
      if (m_options.sameTpPolarity) match = match && samePolarity;
      if (m_options.sameTpFec) match = match && sameFec;
    } else {
      match = F == f && sameSymbol && samePolarity && sameFec;
    }
    if (match) return t;
  }
  return -1;
}

bool Importer::AddSatcodxTransponder(const Candidate& c) {
  if (m_db.GetSatelliteTransponderCount(c.satellite) >= dblayout::kTranspondersPerSatellite) return false;
  const int slot = m_db.FindFreeTransponderSlot(DELIVERY_SATELLITE);
  if (slot < 0) return false;
  m_db.UpdateTransponderCount();
  m_db.UpdateSatelliteTransponderCount(c.satellite);
  m_db.MarkTransponderUsed(slot);
  m_db.SetTransponderFrequency(slot, std::to_string(c.frequencyMHz));
  m_db.SetTransponderSymbolRate(slot, std::to_string(c.symbolRate));
  m_db.SetTransponderNumber(slot, c.number);
  m_db.SetTransponderSatellite(slot, c.satellite);
  m_db.SetTransponderPolarity(slot, c.polarisation);
  m_db.SetTransponderFec(slot, c.fec);
  m_db.SetTransponderImportFields(slot);
  return true;
}

}  // namespace satcodx
