// Small hand-built databases for the operation tests and the benchmarks, built through the
// table setters (providers, CA systems and CA lists through the block, as a file brings them).
#pragma once
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db/M_database.h"
#include "files/Bytes.h"

namespace edittest {

inline std::unique_ptr<m_DataBase> NewDb() { return std::make_unique<m_DataBase>(); }

struct Svc {
  std::string name = "S";
  int type = 0;
  int delivery = 1;
  int satellite = 0;
  int transponder = -1;
  int provider = -1;
  int id = 0;
  bool hd = false;
};

// Appends a service at the end of the service order, as a file would hold it.
inline int AppendService(m_DataBase& db, const Svc& v) {
  const int slot = db.FindFreeServiceSlot();
  if (slot < 0) return -1;
  db.ResetService(slot);
  db.MarkServiceUsed(slot);
  const int last = db.GetLastService();
  if (last < 0) {
    db.SetFirstService(slot);
  } else {
    db.SetServiceNext(last, slot);
    db.SetServicePrevious(slot, last);
  }
  db.SetLastService(slot);
  db.SetServiceType(slot, v.type);
  db.SetServiceDelivery(slot, v.delivery);
  db.SetServiceName(slot, v.name);
  db.SetServiceSatellite(slot, v.satellite);
  db.SetServiceTransponder(slot, v.transponder);
  db.SetServiceProvider(slot, v.provider);
  db.SetServiceId(slot, std::to_string(v.id));
  db.SetServiceHd(slot, v.hd);
  db.SetCountUpdateMode(COUNT_INCREMENT);
  db.UpdateServiceCounts(v.type);
  db.SetCountUpdateMode(COUNT_NO_CHANGE);
  return slot;
}

// Appends a satellite transponder with the next number of its satellite.
inline int AppendTransponder(m_DataBase& db, int sat, int freq = 11000, int sym = 27500, int pol = 0, int fec = 0) {
  const int slot = db.FindFreeTransponderSlot(DELIVERY_SATELLITE);
  if (slot < 0) return -1;
  const int number = db.GetSatelliteTransponderCount(sat) + 1;
  db.MarkTransponderUsed(slot);
  db.SetTransponderSatellite(slot, sat);
  db.SetTransponderNumber(slot, number);
  db.SetTransponderFrequency(slot, std::to_string(freq));
  db.SetTransponderSymbolRate(slot, std::to_string(sym));
  db.SetTransponderPolarity(slot, pol);
  db.SetTransponderFec(slot, fec);
  db.SetCountUpdateMode(COUNT_INCREMENT);
  db.UpdateTransponderCount();
  db.UpdateSatelliteTransponderCount(sat);
  db.SetCountUpdateMode(COUNT_NO_CHANGE);
  return slot;
}

inline int AppendTerTransponder(m_DataBase& db, int number) {
  const int slot = db.FindFreeTransponderSlot(DELIVERY_TERRESTRIAL);
  if (slot < 0) return -1;
  db.MarkTerTransponderUsed(slot);
  db.SetTerTransponderNumber(slot, number);
  db.SetCountUpdateMode(COUNT_INCREMENT);
  db.UpdateTerTransponderCount();
  db.SetCountUpdateMode(COUNT_NO_CHANGE);
  return slot;
}

struct ProviderRec {
  int slot;
  int useCount;
};
struct CasRec {
  int slot;
  int identifier;
  int useCount;
};
struct ServiceCas {
  int service;
  std::vector<int> identifiers;
};

// Writes providers, CA systems and service CA lists into the encoded block and decodes it back.
inline void AddProvidersAndCas(m_DataBase& db, const std::vector<ProviderRec>& providers,
                               const std::vector<CasRec>& cas, const std::vector<ServiceCas>& lists) {
  std::vector<uint8_t> block = db.EncodeDatabase();
  for (const auto& p : providers) {
    uint8_t* r = block.data() + dblayout::kProviderOffset + dblayout::kProviderRecordSize * p.slot;
    bytes::PutU16(r, 1);
    bytes::PutU16(r + 2, static_cast<uint16_t>(p.useCount));
    std::memset(r + 4, 0, 16);
    r[4] = 'P';
  }
  for (const auto& c : cas) {
    uint8_t* r = block.data() + dblayout::kCasOffset + dblayout::kCasRecordSize * c.slot;
    bytes::PutU16(r, static_cast<uint16_t>(1 | (c.useCount << 1)));
    bytes::PutU16(r + 2, static_cast<uint16_t>(c.identifier));
    std::memset(r + 4, 0, 8);
  }
  for (const auto& l : lists) {
    uint8_t* r = block.data() + dblayout::kServiceOffset + dblayout::kServiceRecordSize * l.service;
    bytes::SetBits(r + 12, 2, 13, 3, static_cast<uint32_t>(l.identifiers.size()));
    for (size_t i = 0; i < l.identifiers.size(); ++i)
      bytes::PutU16(r + 28 + 2 * i, static_cast<uint16_t>(l.identifiers[i]));
  }
  const ViewState view = db.GetViewState();
  db.ClearDatabase();
  db.DecodeDatabase(block.data());
  db.SetViewState(view);
}

// The order as a list of slots.
inline std::vector<int> Order(const m_DataBase& db) { return db.ServiceOrder(); }

inline std::vector<int> View(const m_DataBase& db) {
  std::vector<int> v;
  for (int p = 1; p <= db.GetServiceViewCount(); ++p) v.push_back(db.GetServiceViewEntry(p));
  return v;
}

inline std::vector<int> TpView(const m_DataBase& db) {
  std::vector<int> v;
  for (int p = 1; p <= db.GetTransponderViewCount(); ++p) v.push_back(db.GetTransponderViewEntry(p));
  return v;
}

inline std::vector<std::string> Errors(const m_DataBase& db) {
  std::vector<std::string> out;
  for (const auto& f : db.CheckDatabaseConsistency())
    if (f.severity == DbFinding::ERROR) out.push_back(f.text);
  return out;
}

}  // namespace edittest
