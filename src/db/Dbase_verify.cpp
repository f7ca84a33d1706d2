// The consistency check behind the verify command: counts, the service order, references,
// favorite membership and the per-transponder service limit.
#include <algorithm>

#include "db/M_database.h"

namespace {

void Add(std::vector<DbFinding>& out, DbFinding::Severity severity, const std::string& text) {
  out.push_back({severity, text});
}

std::string Str(int v) { return std::to_string(v); }

}  // namespace

std::vector<DbFinding> m_DataBase::CheckDatabaseConsistency() const {
  std::vector<DbFinding> out;
  const auto E = DbFinding::ERROR;
  const auto W = DbFinding::WARNING;

  // Service counts.
  int used = 0;
  int byType[3] = {0, 0, 0};
  for (int s = 0; s < dblayout::kServiceCount; ++s) {
    if (!IsServiceUsed(s)) continue;
    ++used;
    const int type = GetServiceType(s);
    if (type >= 0 && type < 3) ++byType[type];
  }
  if (GetUsedServiceCount() != used)
    Add(out, E, "service count " + Str(GetUsedServiceCount()) + " but " + Str(used) + " services are used");
  for (int t = 0; t < 3; ++t)
    if (GetUsedServiceTypeCount(t) != byType[t])
      Add(out, E, "service count of type " + Str(t) + " is " + Str(GetUsedServiceTypeCount(t)) + " but " +
                      Str(byType[t]) + " such services are used");

  // Service order.
  std::string why;
  if (!IsServiceOrderConsistent(&why)) Add(out, E, "service order: " + why);

  // Transponder counts and numbering.
  int satUsed = 0;
  std::vector<int> perSat(dblayout::kSatelliteCount, 0);
  for (int t = 0; t < dblayout::kTransponderCount; ++t) {
    if (!IsTransponderUsed(t)) continue;
    ++satUsed;
    const int sat = GetTransponderSatellite(t);
    if (sat >= 0 && sat < dblayout::kSatelliteCount)
      ++perSat[sat];
    else
      Add(out, E, "transponder " + Str(t) + " belongs to no satellite");
  }
  if (GetTransponderCount() != satUsed)
    Add(out, E, "transponder count " + Str(GetTransponderCount()) + " but " + Str(satUsed) + " transponders are used");
  for (int sat = 0; sat < dblayout::kSatelliteCount; ++sat) {
    if (GetSatelliteTransponderCount(sat) != perSat[sat])
      Add(out, E, "satellite " + Str(sat) + " counts " + Str(GetSatelliteTransponderCount(sat)) +
                      " transponders but has " + Str(perSat[sat]));
    if (perSat[sat] > dblayout::kTranspondersPerSatellite)
      Add(out, E, "satellite " + Str(sat) + " has more than 300 transponders");
    const std::vector<int> byNumber = TranspondersByNumber(sat);
    for (int n = 1; n <= perSat[sat]; ++n)
      if (n >= static_cast<int>(byNumber.size()) || byNumber[n] < 0) {
        Add(out, E, "satellite " + Str(sat) + " has no transponder numbered " + Str(n));
        break;
      }
  }
  int terUsed = 0;
  std::vector<int> terNumbers(256, 0);
  for (int t = 0; t < dblayout::kTerCount; ++t) {
    if (!IsTerTransponderUsed(t)) continue;
    ++terUsed;
    const int n = GetTerTransponderNumber(t);
    if (n >= 0 && n < 256 && ++terNumbers[n] == 2)
      Add(out, E, "two terrestrial transponders carry the number " + Str(n));
  }
  if (GetTerTransponderCount() != terUsed)
    Add(out, E, "terrestrial transponder count " + Str(GetTerTransponderCount()) + " but " + Str(terUsed) +
                    " are used");

  // References from services; services per transponder; use counts.
  std::vector<int> satTpServices(dblayout::kTransponderCount, 0);
  std::vector<int> terTpServices(dblayout::kTerCount, 0);
  std::vector<int> providerUse(dblayout::kProviderCount, 0);
  std::vector<int> casUse(dblayout::kCasCount, 0);
  for (int s = 0; s < dblayout::kServiceCount; ++s) {
    if (!IsServiceUsed(s)) continue;
    const int tp = ServiceTransponderSlot(s);
    if (tp >= 0) {
      if (GetServiceDelivery(s) == DELIVERY_TERRESTRIAL) {
        if (!IsTerTransponderUsed(tp))
          Add(out, E, "service " + Str(s) + " refers to the free terrestrial transponder " + Str(tp));
        else
          ++terTpServices[tp];
      } else if (!IsTransponderUsed(tp)) {
        Add(out, E, "service " + Str(s) + " refers to the free transponder " + Str(tp));
      } else {
        ++satTpServices[tp];
      }
    }
    const int provider = ServiceProviderSlot(s);
    if (provider >= 0) {
      if (!IsProviderUsed(provider))
        Add(out, E, "service " + Str(s) + " refers to the free provider " + Str(provider));
      ++providerUse[provider];
    }
    const int n = std::min(GetServiceCaCount(s), 4);
    for (int i = 0; i < n; ++i) {
      const int cas = FindCasByIdentifier(GetServiceCa(s, i));
      if (cas >= 0) ++casUse[cas];
    }
  }
  for (int t = 0; t < dblayout::kTransponderCount; ++t)
    if (satTpServices[t] > dblayout::kServicesPerTransponder)
      Add(out, W, "transponder " + Str(t) + " carries " + Str(satTpServices[t]) + " services (more than 120)");
  for (int t = 0; t < dblayout::kTerCount; ++t)
    if (terTpServices[t] > dblayout::kServicesPerTransponder)
      Add(out, W, "terrestrial transponder " + Str(t) + " carries " + Str(terTpServices[t]) +
                      " services (more than 120)");
  for (int p = 0; p < dblayout::kProviderCount; ++p)
    if (IsProviderUsed(p) && GetProviderUseCount(p) != providerUse[p])
      Add(out, W, "provider " + Str(p) + " counts " + Str(GetProviderUseCount(p)) + " uses, " + Str(providerUse[p]) +
                      " services refer to it");
  for (int c = 0; c < dblayout::kCasCount; ++c)
    if (IsCasUsed(c) && GetCasUseCount(c) != casUse[c])
      Add(out, W, "CA system " + Str(c) + " counts " + Str(GetCasUseCount(c)) + " uses, " + Str(casUse[c]) +
                      " services list it");

  // Favorite groups: the lists and the service masks agree.
  if (FavoriteGroupsPresent()) {
    for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g) {
      std::vector<bool> listed(dblayout::kServiceCount, false);
      const int count = GetFavoriteGroupCount(g);
      if (count > dblayout::kFavoriteGroupCapacity)
        Add(out, E, "favorite group " + Str(g + 1) + " counts more than 200 entries");
      for (int i = 0; i < std::min(count, dblayout::kFavoriteGroupCapacity); ++i) {
        const int s = GetFavoriteGroupEntry(g, i);
        if (!IsServiceUsed(s)) {
          Add(out, E, "favorite group " + Str(g + 1) + " lists the free service " + Str(s));
          continue;
        }
        if (listed[s]) Add(out, E, "favorite group " + Str(g + 1) + " lists service " + Str(s) + " twice");
        listed[s] = true;
      }
      for (int s = 0; s < dblayout::kServiceCount; ++s) {
        if (!IsServiceUsed(s)) continue;
        const bool bit = (GetServiceFavoriteMask(s) >> g) & 1u;
        if (bit != listed[s])
          Add(out, E, "service " + Str(s) + (bit ? " has the mask bit of favorite group " : " is not marked in favorite group ") +
                          Str(g + 1) + (bit ? " but is not listed" : " but is listed"));
      }
    }
  }

  // Service-linked entries of the system settings.
  for (int n = 0; n < 8; ++n) {
    const int s = GetServiceLinkedService(n);
    if (s >= 0 && s != 0xFFFF && !IsServiceUsed(s))
      Add(out, E, "system settings entry " + Str(n) + " refers to the free service " + Str(s));
  }
  return out;
}
