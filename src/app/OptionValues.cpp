#include "app/OptionValues.h"

#include "app/SettingsFile.h"

namespace {
bool ReadBool(const SettingsFile& s, const char* key) {
  return s.ReadInt(kOptionsSection, key, 1) != 0;
}
}  // namespace

std::string OptionValues::PortDevice(int port) const {
  if (port < 1 || port > kPortCount) return {};
  if (!portDevices[port - 1].empty()) return portDevices[port - 1];
#ifdef _WIN32
  return "COM" + std::to_string(port);
#else
  return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

OptionValues ReadOptions(SettingsFile& s) {
  s.Load();
  OptionValues o;
  o.port = static_cast<uint8_t>(s.ReadInt(kOptionsSection, "Com", 1));
  o.multipleTp = ReadBool(s, "Options Multiple Tp");
  o.multipleTpFreq = ReadBool(s, "Options Multiple Tp Freq");
  o.multipleTpSymbol = ReadBool(s, "Options Multiple Tp Symbol");
  o.multipleTpPolarity = ReadBool(s, "Options Multiple Tp Polarity");
  o.multipleTpFec = ReadBool(s, "Options Multiple Tp Fect");
  o.unusedTp = ReadBool(s, "Options Unused Tp");
  o.satcoDxWithSame = static_cast<uint16_t>(s.ReadInt(kOptionsSection, "SatcoDX With Same", 0));
  o.satcoDxSameTpFreq = static_cast<int16_t>(s.ReadInt(kOptionsSection, "SatcoDX With Same Tp Freq", 1));
  o.satcoDxSameTpSymbol = ReadBool(s, "SatcoDX With Same Tp Symbol");
  o.satcoDxSameTpPolarity = ReadBool(s, "SatcoDX With Same Tp Polarity");
  o.satcoDxSameTpFec = ReadBool(s, "SatcoDX With Same Tp Fect");
  o.satcoDxWithNew = static_cast<uint16_t>(s.ReadInt(kOptionsSection, "SatcoDX With New", 0));
  o.showSatcoDx = ReadBool(s, "Show Rule Of SatcoDX");
  o.showOptimize = ReadBool(s, "Show Rule Of Optimize");
  o.showUpgrade = ReadBool(s, "Show Rule Of Upgrade");
  o.showDownload = ReadBool(s, "Show Rule Of Download");
  for (int p = 1; p <= kPortCount; ++p)
    o.portDevices[p - 1] = s.ReadText(kPortsSection, ("COM" + std::to_string(p)).c_str(), "");
  return o;
}

void WriteOptions(SettingsFile& s, const OptionValues& o) {
  s.Load();
  auto b = [](bool v) { return v ? 1L : 0L; };
  s.WriteInt(kOptionsSection, "Com", o.port);
  s.WriteInt(kOptionsSection, "Options Multiple Tp", b(o.multipleTp));
  s.WriteInt(kOptionsSection, "Options Multiple Tp Freq", b(o.multipleTpFreq));
  s.WriteInt(kOptionsSection, "Options Multiple Tp Symbol", b(o.multipleTpSymbol));
  s.WriteInt(kOptionsSection, "Options Multiple Tp Polarity", b(o.multipleTpPolarity));
  s.WriteInt(kOptionsSection, "Options Multiple Tp Fect", b(o.multipleTpFec));
  s.WriteInt(kOptionsSection, "Options Unused Tp", b(o.unusedTp));
  s.WriteInt(kOptionsSection, "SatcoDX With Same", o.satcoDxWithSame);
  s.WriteInt(kOptionsSection, "SatcoDX With Same Tp Freq", o.satcoDxSameTpFreq);
  s.WriteInt(kOptionsSection, "SatcoDX With Same Tp Symbol", b(o.satcoDxSameTpSymbol));
  s.WriteInt(kOptionsSection, "SatcoDX With Same Tp Polarity", b(o.satcoDxSameTpPolarity));
  s.WriteInt(kOptionsSection, "SatcoDX With Same Tp Fect", b(o.satcoDxSameTpFec));
  s.WriteInt(kOptionsSection, "SatcoDX With New", o.satcoDxWithNew);
  s.WriteInt(kOptionsSection, "Show Rule Of SatcoDX", b(o.showSatcoDx));
  s.WriteInt(kOptionsSection, "Show Rule Of Optimize", b(o.showOptimize));
  s.WriteInt(kOptionsSection, "Show Rule Of Upgrade", b(o.showUpgrade));
  s.WriteInt(kOptionsSection, "Show Rule Of Download", b(o.showDownload));
  s.Save();
}
