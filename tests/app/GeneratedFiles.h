// Generated sample data files for the tests that work on realistic databases, written once per
// test program, and the checks the verify command makes.
#pragma once
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/DocumentIO.h"
#include "app/SampleFile.h"
#include "db/M_database.h"

namespace generated {

// The path of a data file (kind 17) of the profile; empty when it could not be written.
inline std::string SampleFilePath(SampleProfile profile) {
  static std::map<SampleProfile, std::string> paths;
  auto it = paths.find(profile);
  if (it != paths.end()) return it->second;
  static const std::string dir = testsupport::TempDir();
  std::string path = dir + (profile == SampleProfile::Full ? "/full.dld" : "/demo.dld");
  if (!WriteSampleFile(path, profile, 17).ok) path.clear();
  paths[profile] = path;
  return path;
}

// Loads the profile's generated file into db through the load pipeline; the failure text or "".
inline std::string LoadSample(m_DataBase& db, SampleProfile profile) {
  const std::string path = SampleFilePath(profile);
  if (path.empty()) return "the sample file could not be written";
  const DocResult r = LoadDldFile(db, path, "");
  return r.ok ? std::string() : r.message + " " + r.detail;
}

inline std::vector<std::string> Errors(const m_DataBase& db) {
  std::vector<std::string> out;
  for (const auto& f : db.CheckDatabaseConsistency())
    if (f.severity == DbFinding::ERROR) out.push_back(f.text);
  return out;
}

inline std::vector<std::string> Warnings(const m_DataBase& db) {
  std::vector<std::string> out;
  for (const auto& f : db.CheckDatabaseConsistency())
    if (f.severity == DbFinding::WARNING) out.push_back(f.text);
  return out;
}

// The transponders of a satellite (-1: the terrestrial list) in number order.
inline std::vector<int> TranspondersInNumberOrder(const m_DataBase& db, int satellite) {
  std::vector<std::pair<int, int>> byNumber;
  if (satellite < 0) {
    for (int t = 0; t < dblayout::kTerCount; ++t)
      if (db.IsTerTransponderUsed(t)) byNumber.push_back({db.GetTerTransponderNumber(t), t});
  } else {
    for (int t = 0; t < dblayout::kTransponderCount; ++t)
      if (db.IsTransponderUsed(t) && db.GetTransponderSatellite(t) == satellite)
        byNumber.push_back({db.GetTransponderNumber(t), t});
  }
  std::sort(byNumber.begin(), byNumber.end());
  std::vector<int> slots;
  for (const auto& p : byNumber) slots.push_back(p.second);
  return slots;
}

}  // namespace generated
