#include "cli/DumpJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cctype>
#include <cstdio>

#include "db/M_database.h"
#include "db/SystemFields.h"

namespace {

QString Q(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }

std::string SnakeCase(const char* camel) {
  std::string out;
  for (const char* p = camel; *p; ++p) {
    if (std::isupper(static_cast<unsigned char>(*p)) && p != camel) out += '_';
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  }
  return out;
}

QJsonArray Satellites(const m_DataBase& db) {
  QJsonArray a;
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) {
    QJsonObject o;
    o["slot"] = s;
    o["name"] = Q(db.GetAntennaName(s));
    o["longitude"] = db.GetAntennaLongitude(s);
    o["lnb_type"] = db.GetAntennaLnbType(s);
    o["lnb_frequency"] = db.GetAntennaUserLnbFrequency(s);
    o["tone_22k"] = db.GetAntenna22K(s);
    o["output_12v"] = db.GetAntenna12V(s);
    o["lnb_power"] = db.GetAntennaPower(s);
    o["diseqc"] = db.GetAntennaDiseqc(s);
    o["motor"] = db.GetAntennaMotor(s);
    a.append(o);
  }
  return a;
}

QJsonArray Transponders(const m_DataBase& db) {
  QJsonArray a;
  for (int t = 0; t < dblayout::kTransponderCount; ++t) {
    if (!db.IsTransponderUsed(t)) continue;
    QJsonObject o;
    o["slot"] = t;
    o["satellite"] = db.GetTransponderSatellite(t);
    o["number"] = db.GetTransponderNumber(t);
    o["frequency"] = db.GetTransponderFrequency(t);
    o["symbol_rate"] = db.GetTransponderSymbolRate(t);
    o["polarity"] = db.GetTransponderPolarity(t);
    o["fec"] = db.GetTransponderFec(t);
    o["modulation"] = db.GetTransponderModulation(t);
    a.append(o);
  }
  return a;
}

QJsonArray TerTransponders(const m_DataBase& db) {
  QJsonArray a;
  for (int t = 0; t < dblayout::kTerCount; ++t) {
    if (!db.IsTerTransponderUsed(t)) continue;
    QJsonObject o;
    o["slot"] = t;
    o["number"] = db.GetTerTransponderNumber(t);
    o["frequency"] = static_cast<qint64>(db.GetTerTransponderFrequency(t));
    o["channel"] = db.GetTerTransponderChannel(t);
    o["bandwidth"] = db.GetTerTransponderBandwidth(t);
    a.append(o);
  }
  return a;
}

QJsonArray Services(const m_DataBase& db) {
  QJsonArray a;
  for (int s = 0; s < dblayout::kServiceCount; ++s) {
    if (!db.IsServiceUsed(s)) continue;
    QJsonObject o;
    o["slot"] = s;
    o["name"] = Q(db.GetServiceName(s));
    o["type"] = db.GetServiceType(s);
    o["delivery"] = db.GetServiceDelivery(s);
    o["transponder"] = db.GetServiceTransponder(s);
    o["satellite"] = db.GetServiceSatellite(s);
    o["provider"] = db.GetServiceProvider(s);
    o["service_id"] = std::stoi("0" + db.GetServiceIdText(s));
    o["pmt_pid"] = std::stoi("0" + db.GetServicePmtPidText(s));
    o["video_pid"] = std::stoi("0" + db.GetServiceVideoPidText(s));
    o["audio_pid"] = std::stoi("0" + db.GetServiceAudioPidText(s));
    o["pcr_pid"] = std::stoi("0" + db.GetServicePcrPidText(s));
    o["locked"] = db.IsServiceLocked(s);
    o["skipped"] = db.IsServiceSkipped(s);
    o["scrambled"] = db.IsServiceScrambled(s);
    o["hd"] = db.IsServiceHd(s);
    o["favorites"] = static_cast<qint64>(db.GetServiceFavoriteMask(s));
    QJsonArray ca;
    for (int i = 0; i < db.GetServiceCaCount(s) && i < 4; ++i) ca.append(db.GetServiceCa(s, i));
    o["ca"] = ca;
    a.append(o);
  }
  return a;
}

QJsonArray Providers(const m_DataBase& db) {
  QJsonArray a;
  for (int p = 0; p < dblayout::kProviderCount; ++p) {
    if (!db.IsProviderUsed(p)) continue;
    QJsonObject o;
    o["slot"] = p;
    o["name"] = Q(db.GetProviderName(p));
    o["use_count"] = db.GetProviderUseCount(p);
    a.append(o);
  }
  return a;
}

QJsonArray CaSystems(const m_DataBase& db) {
  QJsonArray a;
  for (int c = 0; c < dblayout::kCasCount; ++c) {
    if (!db.IsCasUsed(c)) continue;
    QJsonObject o;
    o["slot"] = c;
    o["name"] = Q(db.GetCasName(c));
    o["identifier"] = db.GetCasIdentifier(c);
    o["use_count"] = db.GetCasUseCount(c);
    a.append(o);
  }
  return a;
}

QJsonArray Favorites(const m_DataBase& db) {
  QJsonArray a;
  if (db.GetProgramMarker() == dblayout::kMarkerNoFavorites) return a;
  for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g) {
    QJsonObject o;
    o["group"] = g;
    o["name"] = Q(db.GetFavoriteGroupName(g));
    QJsonArray members;
    for (int i = 0; i < db.GetFavoriteGroupCount(g); ++i) members.append(db.GetFavoriteGroupEntry(g, i));
    o["services"] = members;
    a.append(o);
  }
  return a;
}

QJsonObject System(const m_DataBase& db) {
  QJsonObject o;
#define TORVANE_DUMP_FIELD(name, offset, size, first, width, count) \
  o[QString::fromStdString(SnakeCase(#name))] = db.Get##name();
  BOX_EDITED_FIELDS(TORVANE_DUMP_FIELD)
#undef TORVANE_DUMP_FIELD
  o["pin"] = Q(db.GetPin());
  return o;
}

}  // namespace

std::string DumpJson(const m_DataBase& db) {
  QJsonObject root;
  root["kind"] = db.FileKind();
  root["satellites"] = Satellites(db);
  root["transponders"] = Transponders(db);
  root["terrestrial_transponders"] = TerTransponders(db);
  root["services"] = Services(db);
  root["providers"] = Providers(db);
  root["ca_systems"] = CaSystems(db);
  root["favorites"] = Favorites(db);
  QJsonArray order;
  for (int s : db.ServiceOrder()) order.append(s);
  root["order"] = order;
  root["system"] = System(db);
  return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

std::string DumpText(const m_DataBase& db) {
  std::string out;
  char line[256];
  auto add = [&](const char* fmt, auto... v) {
    std::snprintf(line, sizeof line, fmt, v...);
    out += line;
  };
  out += "satellites\n";
  for (int s = 0; s < dblayout::kSatelliteCount; ++s)
    if (!db.GetAntennaName(s).empty())
      add("  %2d  %-18s %s  lnb %s\n", s, db.GetAntennaName(s).c_str(), db.GetAntennaLongitudeText(s).c_str(),
          db.GetAntennaLnbFrequencyText(s).c_str());
  out += "transponders\n";
  for (int t = 0; t < dblayout::kTransponderCount; ++t)
    if (db.IsTransponderUsed(t))
      add("  %4d  sat %2d  #%-3d %5s MHz %s %5s kS/s  FEC %s\n", t, db.GetTransponderSatellite(t),
          db.GetTransponderNumber(t), db.GetTransponderFrequencyText(t).c_str(),
          db.GetTransponderPolarityText(t).c_str(), db.GetTransponderSymbolRateText(t).c_str(),
          db.GetTransponderFecText(t).c_str());
  out += "terrestrial transponders\n";
  for (int t = 0; t < dblayout::kTerCount; ++t)
    if (db.IsTerTransponderUsed(t))
      add("  %3d  #%-3d %s kHz  %s\n", t, db.GetTerTransponderNumber(t), db.GetTerTransponderFrequencyText(t).c_str(),
          db.GetTerTransponderBandwidthText(t).c_str());
  out += "services (service order)\n";
  int n = 0;
  for (int s : db.ServiceOrder())
    add("  %4d  slot %4d  %-31s type %d  tp %4d  sid %5s  %s%s%s%s\n", ++n, s, db.GetServiceName(s).c_str(),
        db.GetServiceType(s), db.GetServiceTransponder(s), db.GetServiceIdText(s).c_str(),
        db.IsServiceLocked(s) ? " locked" : "", db.IsServiceSkipped(s) ? " skipped" : "",
        db.IsServiceScrambled(s) ? " scrambled" : "", db.IsServiceHd(s) ? " HD" : "");
  out += "providers\n";
  for (int p = 0; p < dblayout::kProviderCount; ++p)
    if (db.IsProviderUsed(p)) add("  %3d  %-13s uses %d\n", p, db.GetProviderName(p).c_str(), db.GetProviderUseCount(p));
  out += "ca systems\n";
  for (int c = 0; c < dblayout::kCasCount; ++c)
    if (db.IsCasUsed(c))
      add("  %3d  %-4s 0x%04X uses %d\n", c, db.GetCasName(c).c_str(), db.GetCasIdentifier(c), db.GetCasUseCount(c));
  if (db.GetProgramMarker() != dblayout::kMarkerNoFavorites) {
    out += "favorite groups\n";
    for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g)
      if (db.GetFavoriteGroupCount(g) > 0 || !db.GetFavoriteGroupName(g).empty())
        add("  %2d  %-16s %d services\n", g + 1, db.GetFavoriteGroupName(g).c_str(), db.GetFavoriteGroupCount(g));
  }
  return out;
}
