#include "app/SampleFile.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "app/SampleCatalog.h"
#include "db/M_database.h"
#include "files/Bytes.h"

namespace {

using namespace samplecatalog;

// A small fixed generator, so every machine makes the same sample bytes.
class Rng {
public:
  explicit Rng(uint32_t seed) : m_state(seed) {}
  uint32_t Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  int Range(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }
  bool Chance(int percent) { return Range(0, 99) < percent; }
  template <typename T, size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Next() % N];
  }

private:
  uint32_t m_state;
};

struct Plan {
  int satellites = 0;            // satellites that carry transponders
  int namedSatellites = 0;       // satellites with a name and position
  int tpMin = 0, tpMax = 0;      // transponders per satellite
  int totalTransponders = -1;    // exact total, or -1 for the per-satellite range
  int terrestrial = 0;
  int services = 0;
  int providers = 0;
  int caSystems = 0;
  int groups = 0;
  int groupSize = 0;
  int duplicates = 0;            // transponders of satellite 0 listed a second time, 1 MHz higher
};

Plan PlanFor(SampleProfile profile) {
  Plan p;
  if (profile == SampleProfile::Demo) {
    p.satellites = 6;
    p.namedSatellites = 6;
    p.tpMin = 20;
    p.tpMax = 60;
    p.terrestrial = 6;
    p.services = 420;
    p.providers = 18;
    p.caSystems = 10;
    p.groups = 6;
    p.groupSize = 24;
    p.duplicates = 3;
  } else if (profile == SampleProfile::Full) {
    p.satellites = dblayout::kSatelliteCount;
    p.namedSatellites = dblayout::kSatelliteCount;
    p.totalTransponders = dblayout::kTransponderCount;
    p.terrestrial = dblayout::kTerCount;
    p.services = dblayout::kServiceCount;
    p.providers = dblayout::kProviderCount;
    p.caSystems = dblayout::kCasCount;
    p.groups = dblayout::kFavoriteGroupCount;
    p.groupSize = dblayout::kFavoriteGroupCapacity;
  }
  return p;
}

std::string SatelliteName(int slot) {
  constexpr int seeds = static_cast<int>(sizeof kSatellites / sizeof kSatellites[0]);
  if (slot < seeds) return kSatellites[slot].name;
  return "Satellite " + std::to_string(slot + 1);
}

int SatelliteLongitude(int slot) {
  constexpr int seeds = static_cast<int>(sizeof kSatellites / sizeof kSatellites[0]);
  if (slot < seeds) return kSatellites[slot].longitudeTenthsEast;
  return (slot * 97) % 3600;
}

std::string LongitudeText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

void FillSatellites(m_DataBase& db, const Plan& plan, Rng& rng) {
  for (int s = 0; s < plan.namedSatellites; ++s) {
    db.SetAntennaName(s, SatelliteName(s));
    db.SetAntennaLongitude(s, LongitudeText(SatelliteLongitude(s)));
    const int lnb = s % 9 == 7 ? 6 : 0;  // a C-band dish now and then, universal LNBs otherwise
    db.SetAntennaLnbType(s, lnb);
    db.SetAntenna22K(s, lnb <= 1 ? 2 : 0);
    db.SetAntennaPower(s, 3);
    db.SetAntennaDiseqc(s, s < 4 ? s + 1 : 0);
    db.SetAntennaMotor(s, s >= 4 && s < 8 ? 2 : 0);
    for (int n = 0; n < 3; ++n) {
      db.SetAutoScanTpFrequency(s, n, std::to_string(10700 + rng.Range(0, 2000)));
      db.SetAutoScanTpSymbolRate(s, n, "27500");
      db.SetAutoScanTpPolarity(s, n, n % 2);
    }
  }
}

// Adds the transponders; returns the transponder slots per satellite.
std::vector<std::vector<int>> FillTransponders(m_DataBase& db, const Plan& plan, Rng& rng) {
  std::vector<std::vector<int>> perSat(static_cast<size_t>(plan.satellites));
  std::vector<int> counts(static_cast<size_t>(plan.satellites));
  if (plan.totalTransponders >= 0) {
    for (int i = 0; i < plan.totalTransponders; ++i) counts[static_cast<size_t>(i % plan.satellites)]++;
  } else {
    for (auto& c : counts) c = rng.Range(plan.tpMin, plan.tpMax);
  }
  static const int kSymbolRates[] = {22000, 27500, 27500, 29900, 30000, 6111, 23000};
  db.SetCountUpdateMode(COUNT_INCREMENT);
  int slot = 0;
  for (int s = 0; s < plan.satellites; ++s) {
    const bool cBand = db.GetAntennaLnbType(s) == 6;
    int frequency = cBand ? 3700 : 10714;
    for (int n = 0; n < counts[static_cast<size_t>(s)]; ++n, ++slot) {
      db.MarkTransponderUsed(slot);
      db.SetTransponderSatellite(slot, s);
      db.SetTransponderNumber(slot, n + 1);
      frequency += rng.Range(5, 30);
      db.SetTransponderFrequency(slot, std::to_string(frequency));
      db.SetTransponderSymbolRate(slot, std::to_string(rng.Pick(kSymbolRates)));
      db.SetTransponderPolarity(slot, rng.Range(0, 1));
      db.SetTransponderFec(slot, rng.Pick({1, 2, 3, 5, 6}));
      db.SetTransponderModulation(slot, rng.Chance(30) ? 1 : 0);
      db.UpdateTransponderCount();
      db.UpdateSatelliteTransponderCount(s);
      perSat[static_cast<size_t>(s)].push_back(slot);
    }
  }
  // Lists scanned twice carry the same transponder again a little off frequency; the optimiser
  // merges these.
  for (int d = 0; d < plan.duplicates && plan.satellites > 0 && d < static_cast<int>(perSat[0].size()); ++d, ++slot) {
    const int original = perSat[0][static_cast<size_t>(d)];
    db.MarkTransponderUsed(slot);
    db.SetTransponderSatellite(slot, 0);
    db.SetTransponderNumber(slot, static_cast<int>(perSat[0].size()) + 1);
    db.SetTransponderFrequency(slot, std::to_string(db.GetTransponderFrequency(original) + 1));
    db.SetTransponderSymbolRate(slot, std::to_string(db.GetTransponderSymbolRate(original)));
    db.SetTransponderPolarity(slot, db.GetTransponderPolarity(original));
    db.SetTransponderFec(slot, db.GetTransponderFec(original));
    db.SetTransponderModulation(slot, db.GetTransponderModulation(original));
    db.UpdateTransponderCount();
    db.UpdateSatelliteTransponderCount(0);
    perSat[0].push_back(slot);
  }
  for (int t = 0; t < plan.terrestrial; ++t) {
    db.MarkTerTransponderUsed(t);
    db.SetTerTransponderNumber(t, t + 1);
    const int channel = 21 + (t * 7) % 48;
    db.SetTerTransponderChannel(t, std::to_string(channel));
    db.SetTerTransponderFrequency(t, std::to_string(306000 + 8000 * channel));
    db.SetTerTransponderBandwidth(t, 2);
    db.UpdateTerTransponderCount();
  }
  db.SetCountUpdateMode(COUNT_NO_CHANGE);
  return perSat;
}

std::string ServiceName(int type, int index, Rng& rng, bool fullWidth) {
  static const char* const kVariants[] = {"", " +1", " 2", " Europe", " Plus", " Extra", " International", " 3"};
  std::string base = type == 0 ? rng.Pick(kTvNames) : type == 1 ? rng.Pick(kRadioNames) : rng.Pick(kDataNames);
  if (fullWidth && index % 50 == 0) base = "Service name of full length " + std::to_string(index % 1000);
  const std::string name = base + kVariants[(index / 40) % 8];
  return name.substr(0, 31);
}

struct ServiceLink {
  int delivery;
  int transponder;
  int satellite;
};

// Spreads the services over the transponders, at most 120 on one.
std::vector<ServiceLink> PlaceServices(m_DataBase& db, const Plan& plan, const std::vector<std::vector<int>>& perSat,
                                       Rng& rng) {
  std::vector<ServiceLink> places;
  std::vector<ServiceLink> carriers;
  for (size_t s = 0; s < perSat.size(); ++s)
    for (int tp : perSat[s]) carriers.push_back({1, tp, static_cast<int>(s)});
  for (int t = 0; t < plan.terrestrial; ++t) carriers.push_back({2, t, -1});
  if (carriers.empty()) return places;
  std::vector<int> load(carriers.size());
  for (int i = 0; i < plan.services; ++i) {
    size_t c = rng.Next() % carriers.size();
    while (load[c] >= dblayout::kServicesPerTransponder) c = (c + 1) % carriers.size();
    load[c]++;
    places.push_back(carriers[c]);
  }
  (void)db;
  return places;
}

void FillServices(m_DataBase& db, const Plan& plan, const std::vector<ServiceLink>& places, Rng& rng,
                  bool fullWidthNames) {
  db.SetCountUpdateMode(COUNT_INCREMENT);
  for (int slot = 0; slot < static_cast<int>(places.size()); ++slot) {
    const ServiceLink& at = places[static_cast<size_t>(slot)];
    const int roll = rng.Range(0, 99);
    const int type = roll < 70 ? 0 : roll < 94 ? 1 : 2;
    db.MarkServiceUsed(slot);
    db.SetServiceType(slot, type);
    db.SetServiceDelivery(slot, at.delivery);
    db.SetServiceTransponder(slot, at.transponder);
    db.SetServiceSatellite(slot, at.satellite);
    db.SetServiceProvider(slot, plan.providers ? rng.Range(0, plan.providers - 1) : -1);
    db.SetServiceName(slot, ServiceName(type, slot, rng, fullWidthNames));
    db.SetServiceId(slot, std::to_string(1 + slot * 7 % 65000));
    const int base = 0x100 + (slot % 40) * 0x20;
    db.SetServicePmtPid(slot, std::to_string(base));
    db.SetServiceVideoPid(slot, std::to_string(type == 0 ? base + 1 : 0x1FFF));
    db.SetServiceAudioPid(slot, std::to_string(base + 2));
    db.SetServicePcrPid(slot, std::to_string(type == 0 ? base + 1 : base + 2));
    db.SetServiceValue3(slot, 0);
    db.SetServiceValue5(slot, 4);
    db.SetServiceLocked(slot, rng.Chance(4));
    db.SetServiceSkipped(slot, rng.Chance(3));
    db.SetServiceHd(slot, type == 0 && rng.Chance(20));
    db.SetServiceScrambled(slot, plan.caSystems > 0 && rng.Chance(15));
    db.UpdateServiceCounts(type);
  }
  db.SetCountUpdateMode(COUNT_NO_CHANGE);

  // The channel order is not the slot order: every other block of ten runs backwards.
  std::vector<int> order(places.size());
  std::iota(order.begin(), order.end(), 0);
  for (size_t i = 0; i + 10 <= order.size(); i += 20) std::reverse(order.begin() + static_cast<long>(i), order.begin() + static_cast<long>(i + 10));
  if (order.size() > 3) std::swap(order.front(), order[order.size() / 2]);
  for (size_t i = 0; i < order.size(); ++i) {
    db.SetServicePrevious(order[i], i == 0 ? -1 : order[i - 1]);
    db.SetServiceNext(order[i], i + 1 == order.size() ? -1 : order[i + 1]);
  }
  db.SetFirstService(order.empty() ? -1 : order.front());
  db.SetLastService(order.empty() ? -1 : order.back());
}

// Providers, CA systems and the services' CA lists exist only in files a receiver wrote (the
// editor adds none), so they are written into the block the way the receiver stores them.
void WriteProvidersAndCas(std::vector<uint8_t>& block, const Plan& plan, Rng& rng) {
  using namespace dblayout;
  std::vector<int> providerUses(static_cast<size_t>(plan.providers));
  std::vector<int> casUses(static_cast<size_t>(plan.caSystems));
  auto identifier = [&](int c) {
    return c < static_cast<int>(sizeof kCaSystems / sizeof kCaSystems[0]) ? static_cast<int>(kCaSystems[c].identifier)
                                                                          : (0x60 + c) << 8;
  };
  for (int s = 0; s < kServiceCount; ++s) {
    uint8_t* r = block.data() + kServiceOffset + kServiceRecordSize * static_cast<size_t>(s);
    if (!(r[4] & 1)) continue;
    const int provider = static_cast<int>(bytes::GetBits(r + 22, 2, 0, 9));
    if (provider < plan.providers) providerUses[static_cast<size_t>(provider)]++;
    const bool scrambled = bytes::GetBits(r + 16, 1, 5, 1) != 0;
    if (!scrambled || plan.caSystems == 0) continue;
    const int count = rng.Range(1, std::min(4, plan.caSystems));
    const int first = rng.Range(0, plan.caSystems - 1);
    for (int i = 0; i < count; ++i) {
      const int c = (first + i) % plan.caSystems;
      bytes::PutU16(r + 28 + 2 * i, static_cast<uint16_t>(identifier(c) | rng.Range(0, 0xFF)));
      casUses[static_cast<size_t>(c)]++;
    }
    bytes::SetBits(r + 12, 2, 13, 3, static_cast<uint32_t>(count));
  }
  for (int p = 0; p < plan.providers; ++p) {
    uint8_t* r = block.data() + kProviderOffset + kProviderRecordSize * static_cast<size_t>(p);
    std::fill(r, r + kProviderRecordSize, 0);
    bytes::PutU16(r, 1);
    bytes::PutU16(r + 2, static_cast<uint16_t>(providerUses[static_cast<size_t>(p)]));
    const int seeds = static_cast<int>(sizeof kProviders / sizeof kProviders[0]);
    const std::string name = p < seeds ? kProviders[p] : "Provider " + std::to_string(p + 1);
    std::copy(name.begin(), name.begin() + static_cast<long>(std::min<size_t>(name.size(), 13)), r + 4);
  }
  for (int c = 0; c < plan.caSystems; ++c) {
    uint8_t* r = block.data() + kCasOffset + kCasRecordSize * static_cast<size_t>(c);
    std::fill(r, r + kCasRecordSize, 0);
    bytes::PutU16(r, static_cast<uint16_t>(1 | (casUses[static_cast<size_t>(c)] << 1)));
    bytes::PutU16(r + 2, static_cast<uint16_t>(identifier(c)));
    const int seeds = static_cast<int>(sizeof kCaSystems / sizeof kCaSystems[0]);
    const std::string name = c < seeds ? std::string(kCaSystems[c].name).substr(0, 4) : "CA" + std::to_string(c);
    std::copy(name.begin(), name.begin() + static_cast<long>(std::min<size_t>(name.size(), 4)), r + 4);
  }
}

void FillFavorites(m_DataBase& db, const Plan& plan, int services, Rng& rng) {
  if (services == 0) return;
  for (int g = 0; g < plan.groups; ++g) {
    const uint32_t mask = 1u << g;
    const int seeds = static_cast<int>(sizeof kFavoriteGroups / sizeof kFavoriteGroups[0]);
    db.SetFavoriteGroupName(mask, g < seeds ? kFavoriteGroups[g] : "Group " + std::to_string(g + 1));
    int added = 0;
    int s = rng.Range(0, services - 1);
    while (added < std::min(plan.groupSize, services)) {
      if (!db.IsServiceInFavorite(s, mask) && db.ToggleServiceFavorite(s, mask)) ++added;
      s = (s + 1 + rng.Range(0, 6)) % services;
    }
  }
}

void FillSystemSettings(m_DataBase& db) {
  db.SetClockYear(2026);
  db.SetClockMonth(12);
  db.SetClockDay(11);
  db.SetClockHour(20);
  db.SetClockMinute(15);
  db.SetMenuLanguage(0);
  db.SetAudioLanguage(12);
  db.SetTimeZone(26);
  db.SetPin("0000");
}

}  // namespace

bool ParseSampleProfile(const std::string& text, SampleProfile& profile) {
  if (text == "demo") profile = SampleProfile::Demo;
  else if (text == "full") profile = SampleProfile::Full;
  else if (text == "empty") profile = SampleProfile::Empty;
  else return false;
  return true;
}

void BuildSampleDatabase(m_DataBase& db, SampleProfile profile) {
  db.ClearDatabase();
  if (profile == SampleProfile::Empty) return;
  const Plan plan = PlanFor(profile);
  Rng rng(profile == SampleProfile::Demo ? 0x5EEDu : 0xF011u);
  FillSatellites(db, plan, rng);
  const auto perSat = FillTransponders(db, plan, rng);
  const auto places = PlaceServices(db, plan, perSat, rng);
  FillServices(db, plan, places, rng, profile == SampleProfile::Full);
  std::vector<uint8_t> block = db.EncodeDatabase();
  WriteProvidersAndCas(block, plan, rng);
  db.DecodeDatabase(block.data());
  FillFavorites(db, plan, static_cast<int>(places.size()), rng);
  FillSystemSettings(db);
}

DocResult WriteSampleFile(const std::string& path, SampleProfile profile, uint8_t kind) {
  auto db = std::make_unique<m_DataBase>();
  db->ResetFileState();
  BuildSampleDatabase(*db, profile);
  db->SetFileKind(kind);
  return SaveDldFile(*db, path, "", true);
}
