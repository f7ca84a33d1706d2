#include "db/M_antenna.h"

#include <cmath>
#include <cstring>

#include "db/NumberText.h"
#include "files/Bytes.h"

using bytes::GetBits;
using bytes::SetBits;

namespace {

constexpr size_t kNameOffset = 16;
constexpr size_t kAutoScanOffset = 35;
constexpr size_t kAutoScanSize = 8;
constexpr uint16_t kLongitudeMax = 0x1FFF;  // 13-bit field
constexpr int kHalfCircle = 1800;
constexpr int kFullCircle = 3600;

bool Fits(int value, unsigned width) { return value >= 0 && static_cast<uint32_t>(value) <= bytes::Mask(width); }

}  // namespace

M_antenna::M_antenna() {
  std::memset(m_antennaImage, 0, sizeof m_antennaImage);
  std::memset(m_antennaSlotTail, 0xFF, sizeof m_antennaSlotTail);
  ResetAntennas();
}

// A cleared slot: no name, longitude 0, universal LNB with the 22 kHz tone on automatic, every
// other setting off, and marked free (bit 4 of byte 4 set, LNB-type flag clear) so that a new
// satellite may take it. Decoding replaces it whenever a file is opened.
void M_antenna::ResetAntennas() {
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) {
    std::memset(m_antennaImage[s], 0, dblayout::kSatelliteRecordSize);
    SetBits(&m_antennaImage[s][2], 1, 1, 2, 2);
    SetBits(&m_antennaImage[s][4], 1, 4, 1, 1);
    m_antennaSlotTail[s] = 0xFF;
    DecodeAntennaView(s);
  }
}

void M_antenna::DecodeAntennas(const uint8_t* block) {
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) {
    const uint8_t* slot = block + dblayout::kSatelliteOffset + s * dblayout::kSatelliteSlotSize;
    std::memcpy(m_antennaImage[s], slot, dblayout::kSatelliteRecordSize);
    m_antennaSlotTail[s] = slot[dblayout::kSatelliteRecordSize];
    DecodeAntennaView(s);
  }
}

void M_antenna::EncodeAntennas(uint8_t* block) const {
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) {
    uint8_t* slot = block + dblayout::kSatelliteOffset + s * dblayout::kSatelliteSlotSize;
    std::memcpy(slot, m_antennaImage[s], dblayout::kSatelliteRecordSize);
    slot[dblayout::kSatelliteRecordSize] = m_antennaSlotTail[s];
  }
}

void M_antenna::DecodeAntennaView(int slot) {
  const uint8_t* r = m_antennaImage[slot];
  satellite_info_show_s& v = m_antennaView[slot];
  v.lnbType = r[0];
  v.diseqcMotor = r[1];
  v.power12V = static_cast<uint8_t>(GetBits(r + 2, 1, 0, 1));
  v.tone22K = static_cast<uint8_t>(GetBits(r + 2, 1, 1, 2));
  v.longitude = static_cast<uint16_t>(GetBits(r + 2, 2, 3, 13));
  v.longitudeText = numbertext::Format51(v.longitude * 0.1);
  v.lnbPower = static_cast<uint8_t>(GetBits(r + 4, 1, 0, 4));
  v.flag4 = static_cast<uint8_t>(GetBits(r + 4, 1, 4, 1));
  v.lnbTypeFlag = static_cast<uint8_t>(GetBits(r + 4, 1, 5, 1));
  v.flag6 = static_cast<uint8_t>(GetBits(r + 4, 1, 6, 1));
  v.value5 = static_cast<uint8_t>(GetBits(r + 4, 2, 7, 5));
  v.userLnbFrequency = bytes::GetU16(r + 6);
  v.second.lnbType = r[8];
  v.second.diseqcMotor = r[9];
  v.second.power12V = static_cast<uint8_t>(GetBits(r + 10, 1, 0, 1));
  v.second.tone22K = static_cast<uint8_t>(GetBits(r + 10, 1, 1, 2));
  v.second.lnbPower = static_cast<uint8_t>(GetBits(r + 12, 2, 0, 4));
  v.second.flag = static_cast<uint8_t>(GetBits(r + 12, 2, 4, 1));
  v.second.value5 = static_cast<uint8_t>(GetBits(r + 12, 2, 5, 5));
  v.second.userLnbFrequency = bytes::GetU16(r + 14);
  const char* name = reinterpret_cast<const char*>(r + kNameOffset);
  v.name.assign(name, strnlen(name, kNameSize));
  std::memcpy(v.autoScan, r + kAutoScanOffset, sizeof v.autoScan);
}

void M_antenna::RefreshDiseqcMotorView(int slot) {
  m_antennaView[slot].diseqcMotor = m_antennaImage[slot][1];
  m_antennaView[slot].second.diseqcMotor = m_antennaImage[slot][9];
}

// ---- setters ----

bool M_antenna::SetAntennaLnbType(int slot, int type) {
  if (!ValidSlot(slot) || !Fits(type, 8)) return false;
  m_antennaImage[slot][0] = static_cast<uint8_t>(type);
  SetBits(&m_antennaImage[slot][4], 1, 5, 1, 1);
  m_antennaView[slot].lnbType = static_cast<uint8_t>(type);
  m_antennaView[slot].lnbTypeFlag = 1;
  return true;
}

bool M_antenna::SetAntenna22K(int slot, int value) {
  if (!ValidSlot(slot) || !Fits(value, 2)) return false;
  SetBits(&m_antennaImage[slot][2], 1, 1, 2, static_cast<uint32_t>(value));
  m_antennaView[slot].tone22K = static_cast<uint8_t>(value);
  return true;
}

bool M_antenna::SetAntenna12V(int slot, int value) {
  if (!ValidSlot(slot) || !Fits(value, 1)) return false;
  SetBits(&m_antennaImage[slot][2], 1, 0, 1, static_cast<uint32_t>(value));
  m_antennaView[slot].power12V = static_cast<uint8_t>(value);
  return true;
}

bool M_antenna::SetAntennaPower(int slot, int value) {
  if (!ValidSlot(slot) || !Fits(value, 4)) return false;
  SetBits(&m_antennaImage[slot][4], 1, 0, 4, static_cast<uint32_t>(value));
  m_antennaView[slot].lnbPower = static_cast<uint8_t>(value);
  return true;
}

// Writes the same byte GetAntennaDiseqc reads, so a change shows whichever setting set the
// selector picks.
bool M_antenna::SetAntennaDiseqc(int slot, int port) {
  if (!ValidSlot(slot) || !Fits(port, 4)) return false;
  SetBits(&m_antennaImage[slot][DiseqcMotorOffset()], 1, 0, 4, static_cast<uint32_t>(port));
  RefreshDiseqcMotorView(slot);
  return true;
}

bool M_antenna::SetAntennaMotor(int slot, int choice) {
  if (!ValidSlot(slot) || !Fits(choice * 2, 4)) return false;
  SetBits(&m_antennaImage[slot][DiseqcMotorOffset()], 1, 4, 4, static_cast<uint32_t>(choice * 2));
  RefreshDiseqcMotorView(slot);
  return true;
}

// Degrees east from text; a trailing "E" or "W" is dropped. The value is kept in tenths of a
// degree, so a text with more decimals is rounded to the nearest tenth and its text becomes
// that tenth, keeping the text and the stored value in agreement.
bool M_antenna::SetAntennaLongitude(int slot, const std::string& text) {
  if (!ValidSlot(slot)) return false;
  std::string number = text;
  while (!number.empty() && number.back() == ' ') number.pop_back();
  if (!number.empty() && (number.back() == 'E' || number.back() == 'W')) number.pop_back();
  double degrees = 0;
  if (!numbertext::ParseDecimal(number, degrees)) return false;
  const double tenths = degrees * 10;
  const double rounded = std::floor(tenths + 0.5);
  if (rounded > kLongitudeMax) return false;
  const uint16_t longitude = static_cast<uint16_t>(rounded);
  SetBits(&m_antennaImage[slot][2], 2, 3, 13, longitude);
  m_antennaView[slot].longitude = longitude;
  m_antennaView[slot].longitudeText =
      std::fabs(tenths - rounded) < 1e-6 ? number : numbertext::Format51(longitude * 0.1);
  return true;
}

bool M_antenna::SetAntennaLnbFrequency(int slot, const std::string& text) {
  uint32_t mhz = 0;
  if (!ValidSlot(slot) || !numbertext::ParseUnsigned(text, mhz) || mhz > 0xFFFF) return false;
  bytes::PutU16(&m_antennaImage[slot][6], static_cast<uint16_t>(mhz));
  m_antennaView[slot].userLnbFrequency = static_cast<uint16_t>(mhz);
  return true;
}

// The name and its NUL stay inside the 19-byte field: a longer text is cut to 18 characters.
// Bytes behind the NUL keep what they held.
bool M_antenna::SetAntennaName(int slot, const std::string& text) {
  if (!ValidSlot(slot)) return false;
  std::string name = text.substr(0, text.find('\0'));
  if (name.size() > kNameMaxLength) name.resize(kNameMaxLength);
  std::memcpy(&m_antennaImage[slot][kNameOffset], name.data(), name.size());
  m_antennaImage[slot][kNameOffset + name.size()] = 0;
  m_antennaView[slot].name = name;
  return true;
}

bool M_antenna::SetAutoScanTpFrequency(int slot, int n, const std::string& text) {
  uint32_t mhz = 0;
  if (!ValidAutoScan(slot, n) || !numbertext::ParseUnsigned(text, mhz) || mhz > bytes::Mask(14)) return false;
  uint8_t* tp = &m_antennaImage[slot][kAutoScanOffset + n * kAutoScanSize];
  SetBits(tp, 2, 2, 14, mhz);
  std::memcpy(m_antennaView[slot].autoScan[n], tp, kAutoScanSize);
  return true;
}

bool M_antenna::SetAutoScanTpSymbolRate(int slot, int n, const std::string& text) {
  uint32_t rate = 0;
  if (!ValidAutoScan(slot, n) || !numbertext::ParseUnsigned(text, rate) || rate > 0xFFFF) return false;
  uint8_t* tp = &m_antennaImage[slot][kAutoScanOffset + n * kAutoScanSize];
  bytes::PutU16(tp + 2, static_cast<uint16_t>(rate));
  std::memcpy(m_antennaView[slot].autoScan[n], tp, kAutoScanSize);
  return true;
}

bool M_antenna::SetAutoScanTpPolarity(int slot, int n, int value) {
  if (!ValidAutoScan(slot, n) || !Fits(value, 2)) return false;
  uint8_t* tp = &m_antennaImage[slot][kAutoScanOffset + n * kAutoScanSize];
  SetBits(tp, 2, 0, 2, static_cast<uint32_t>(value));
  std::memcpy(m_antennaView[slot].autoScan[n], tp, kAutoScanSize);
  return true;
}

// ---- getters ----

const satellite_info_show_s* M_antenna::GetAntennaView(int slot) const {
  return ValidSlot(slot) ? &m_antennaView[slot] : nullptr;
}

int M_antenna::GetAntennaLnbType(int slot) const { return ValidSlot(slot) ? m_antennaView[slot].lnbType : -1; }
int M_antenna::GetAntenna22K(int slot) const { return ValidSlot(slot) ? m_antennaView[slot].tone22K : -1; }
int M_antenna::GetAntenna12V(int slot) const { return ValidSlot(slot) ? m_antennaView[slot].power12V : -1; }
int M_antenna::GetAntennaPower(int slot) const { return ValidSlot(slot) ? m_antennaView[slot].lnbPower : -1; }
int M_antenna::GetAntennaLongitude(int slot) const { return ValidSlot(slot) ? m_antennaView[slot].longitude : -1; }

int M_antenna::GetAntennaUserLnbFrequency(int slot) const {
  return ValidSlot(slot) ? m_antennaView[slot].userLnbFrequency : -1;
}

int M_antenna::GetAntennaDiseqc(int slot) const {
  if (!ValidSlot(slot)) return 0xFFFF;
  const satellite_info_show_s& v = m_antennaView[slot];
  return (SatelliteSettingSelector() ? v.second.diseqcMotor : v.diseqcMotor) & 0x0F;
}

int M_antenna::GetAntennaMotor(int slot) const {
  if (!ValidSlot(slot)) return 0;
  const satellite_info_show_s& v = m_antennaView[slot];
  return (SatelliteSettingSelector() ? v.second.diseqcMotor : v.diseqcMotor) >> 4;
}

// Up to 180.0 degrees the position shows as east; beyond it as its western equivalent.
std::string M_antenna::GetAntennaLongitudeText(int slot) const {
  if (!ValidSlot(slot)) return std::string();
  const satellite_info_show_s& v = m_antennaView[slot];
  if (v.longitude <= kHalfCircle) return v.longitudeText + " E";
  return numbertext::Format51((kFullCircle - v.longitude) * 0.1) + " W";
}

std::string M_antenna::GetAntennaLnbFrequencyText(int slot) const {
  static const char* const kTexts[] = {"9750/10600", "9750/10750", "9750", "10600", "One Cable L",
                                       "One Cable H", "5150", "10000/10450", "11300"};
  if (!ValidSlot(slot)) return std::string();
  const int type = m_antennaView[slot].lnbType;
  if (type == 9) return std::to_string(m_antennaView[slot].userLnbFrequency);
  return type < 9 ? kTexts[type] : std::string();
}

std::string M_antenna::GetAntenna22KText(int slot) const {
  if (!ValidSlot(slot)) return std::string();
  if (m_antennaView[slot].lnbType <= 1) return "Auto";
  return OnOffText(m_antennaView[slot].tone22K);
}

std::string M_antenna::GetAntenna12VText(int slot) const {
  return ValidSlot(slot) ? OnOffText(m_antennaView[slot].power12V) : std::string();
}
std::string M_antenna::GetAntennaPowerText(int slot) const {
  return ValidSlot(slot) ? LnbPowerText(m_antennaView[slot].lnbPower) : std::string();
}
std::string M_antenna::GetAntennaDiseqcText(int slot) const {
  return ValidSlot(slot) ? DiseqcText(GetAntennaDiseqc(slot)) : std::string();
}
std::string M_antenna::GetAntennaMotorText(int slot) const {
  return ValidSlot(slot) ? MotorText(GetAntennaMotor(slot)) : std::string();
}
std::string M_antenna::GetAntennaName(int slot) const {
  return ValidSlot(slot) ? m_antennaView[slot].name : std::string();
}

std::string M_antenna::GetAntennaLabel(int slot) const {
  if (!ValidSlot(slot)) return "  [Blank], Please select.";
  return "  " + std::to_string(slot + 1) + ":  [" + GetAntennaLongitudeText(slot) + "]  " + m_antennaView[slot].name;
}

std::string M_antenna::GetAutoScanTpFrequencyText(int slot, int n) const {
  if (!ValidAutoScan(slot, n)) return std::string();
  return std::to_string(GetBits(m_antennaView[slot].autoScan[n], 2, 2, 14));
}

std::string M_antenna::GetAutoScanTpSymbolRateText(int slot, int n) const {
  if (!ValidAutoScan(slot, n)) return std::string();
  return std::to_string(bytes::GetU16(m_antennaView[slot].autoScan[n] + 2));
}

int M_antenna::GetAutoScanTpPolarity(int slot, int n) const {
  if (!ValidAutoScan(slot, n)) return -1;
  return static_cast<int>(GetBits(m_antennaView[slot].autoScan[n], 2, 0, 2));
}

// ---- texts ----

std::string M_antenna::LnbTypeMenuText(int type) {
  static const char* const kTexts[] = {"Uni(9750/10600)", "Uni(9750/10750)", "LowBand(9750)", "HighBand(10600)",
                                       "One Cable L",     "One Cable H",     "C-Band(5150)",  "Ku(10000/10450)",
                                       "Ku-Band(11300)",  "User(5150)"};
  return type >= 0 && type < 10 ? kTexts[type] : std::string();
}

std::string M_antenna::OnOffText(int value) {
  if (value == 0) return "OFF";
  if (value == 1) return "ON";
  return std::string();
}

std::string M_antenna::LnbPowerText(int value) {
  static const char* const kTexts[] = {"OFF", "13", "18", "13/18", "13.5", "18.5", "13.5/18.5"};
  return value >= 0 && value < 7 ? kTexts[value] : std::string();
}

std::string M_antenna::DiseqcText(int port) {
  static const char* const kTexts[] = {"OFF", "DisEqC A", "DisEqC B", "DisEqC C", "DisEqC D"};
  return port >= 0 && port < 5 ? kTexts[port] : std::string();
}

std::string M_antenna::MotorText(int motorNibble) {
  if (motorNibble == 0 || motorNibble == 1) return "OFF";
  if (motorNibble == 2 || motorNibble == 3) return "DISEqC1.2";
  if (motorNibble == 4 || motorNibble == 5) return "USALS";
  return std::string();
}
