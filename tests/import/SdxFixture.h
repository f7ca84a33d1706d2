// Hand-made SatcoDX files and a small database to import them into.
#pragma once
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "db/M_database.h"
#include "import/SatcoDxImport.h"

namespace sdxtest {

struct Rec {
  std::string name = "Astra 19.2E";
  std::string frequency = "011494000";  // kHz, 9 characters
  char polarisation = '0';              // 0 or 2 vertical, 1 or 3 horizontal
  std::string position = "0192";
  std::string symbolRate = "22000";
  char fec = '5';
};

inline void Put(std::string& r, size_t at, const std::string& text) { r.replace(at, text.size(), text); }

// One 128-byte record: blanks everywhere except the fields the import reads.
inline std::string Record(const Rec& rec) {
  std::string r(128, ' ');
  Put(r, 0, "SATCODX103");
  Put(r, 10, rec.name.substr(0, 18));
  Put(r, 33, rec.frequency);
  r[42] = rec.polarisation;
  Put(r, 51, rec.position);
  Put(r, 69, rec.symbolRate);
  r[74] = rec.fec;
  return r;
}

inline Rec At(int mhz, char pol = '0', const std::string& rate = "22000", char fec = '5') {
  Rec r;
  r.frequency = std::to_string(mhz) + "000";
  while (r.frequency.size() < 9) r.frequency.insert(0, "0");
  r.polarisation = pol;
  r.symbolRate = rate;
  r.fec = fec;
  return r;
}

inline std::string WriteSdx(const std::string& name, const std::vector<Rec>& recs, const std::string& tail = "") {
  std::string bytes;
  for (const Rec& r : recs) bytes += Record(r);
  bytes += tail;
  const std::string path = testsupport::TempDir() + "/" + name;
  testsupport::WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  return path;
}

// A cleared database whose satellite slots `freeSlots` count as free (bit 4 of byte 4 set,
// LNB-type flag clear); every other slot counts as used.
inline std::unique_ptr<m_DataBase> Database(const std::vector<int>& freeSlots) {
  auto db = std::make_unique<m_DataBase>();
  db->ClearDatabase();
  std::vector<uint8_t> block = db->EncodeDatabase();
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) {
    uint8_t& flags = block[dblayout::kSatelliteOffset + s * dblayout::kSatelliteSlotSize + 4];
    const bool free = std::find(freeSlots.begin(), freeSlots.end(), s) != freeSlots.end();
    flags = static_cast<uint8_t>(free ? (flags | 0x10) & ~0x20 : flags & ~0x10);
  }
  db->DecodeDatabase(block.data());
  return db;
}

// Used transponders of a satellite as "MHz/rate/pol/fec" texts, in number order.
inline std::vector<std::string> Transponders(const m_DataBase& db, int satellite) {
  std::vector<std::string> out;
  for (int n = 1; n <= db.GetSatelliteTransponderCount(satellite); ++n) {
    const int t = db.FindTransponderByNumber(satellite, n);
    if (t < 0) continue;
    out.push_back(std::to_string(db.GetTransponderFrequency(t)) + "/" + std::to_string(db.GetTransponderSymbolRate(t)) +
                  "/" + std::to_string(db.GetTransponderPolarity(t)) + "/" + std::to_string(db.GetTransponderFec(t)));
  }
  return out;
}

// Adds a transponder to the satellite the way the editor's add does (counts included).
inline int AddTp(m_DataBase& db, int satellite, int mhz, int rate = 22000, int pol = 1, int fec = 5) {
  satcodx::ImportOptions o;
  satcodx::ImportState st;
  satcodx::Importer imp(db, o, st);
  satcodx::Candidate c{satellite, db.GetSatelliteTransponderCount(satellite) + 1, pol, fec, mhz, rate};
  db.SetCountUpdateMode(COUNT_INCREMENT);
  const bool ok = imp.AddSatcodxTransponder(c);
  db.SetCountUpdateMode(COUNT_NO_CHANGE);
  return ok ? db.FindTransponderByNumber(satellite, c.number) : -1;
}

}  // namespace sdxtest
