// Builds realistic receiver files from scratch, for demos and tests: no real receiver file is
// needed. The result is written through the same save pipeline the editor uses.
#pragma once
#include <cstdint>
#include <string>

#include "app/DocumentIO.h"

class m_DataBase;

enum class SampleProfile {
  Demo,   // a handful of real satellites, a few hundred services, groups, providers, CA systems
  Full,   // every table at capacity
  Empty,  // a cleared database
};

bool ParseSampleProfile(const std::string& text, SampleProfile& profile);

// Fills `db` (cleared first) with the profile's content; counts, links, use counts and favorite
// masks are consistent. The file kind is left to the caller.
void BuildSampleDatabase(m_DataBase& db, SampleProfile profile);

// Builds the profile and saves it at `path` as a file of `kind` (17 data, 4 default).
DocResult WriteSampleFile(const std::string& path, SampleProfile profile, uint8_t kind);
