#include "db/M_transponder.h"

#include <cstring>

#include "db/NumberText.h"
#include "files/Bytes.h"

using bytes::GetBits;
using bytes::SetBits;

namespace {

constexpr size_t kCountsOffset = 4;  // per-satellite counts in the transponder header
constexpr uint16_t kResetFrequencyWord = 0x00F8;  // 62 MHz, low bits 0
constexpr uint16_t kResetSymbolRate = 28125;

bool Fits(int value, unsigned width) { return value >= 0 && static_cast<uint32_t>(value) <= bytes::Mask(width); }

}  // namespace

M_transponder::M_transponder() {
  std::memset(m_satTpHeader, 0, sizeof m_satTpHeader);
  std::memset(m_satTpImage, 0, sizeof m_satTpImage);
  std::memset(m_terTpHeader, 0, sizeof m_terTpHeader);
  std::memset(m_terTpImage, 0, sizeof m_terTpImage);
  ResetSatTransponders();
  ResetTerTransponders();
}

// ---- reset, decode, encode ----

void M_transponder::ResetSatTransponders() {
  bytes::PutU16(m_satTpHeader, 0);
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) bytes::PutU16(m_satTpHeader + kCountsOffset + 2 * s, 0);
  for (int t = 0; t < dblayout::kTransponderCount; ++t) FreeTransponderSlot(t);
}

void M_transponder::ResetTerTransponders() {
  bytes::PutU16(m_terTpHeader, 0);
  for (int t = 0; t < dblayout::kTerCount; ++t) FreeTerTransponderSlot(t);
}

void M_transponder::DecodeSatTransponders(const uint8_t* block) {
  std::memcpy(m_satTpHeader, block + dblayout::kTransponderHeaderOffset, dblayout::kTransponderHeaderSize);
  for (int t = 0; t < dblayout::kTransponderCount; ++t) {
    std::memcpy(m_satTpImage[t], block + dblayout::kTransponderOffset + t * dblayout::kTransponderRecordSize,
                dblayout::kTransponderRecordSize);
    DecodeSatTransponderView(t);
  }
}

void M_transponder::EncodeSatTransponders(uint8_t* block) const {
  std::memcpy(block + dblayout::kTransponderHeaderOffset, m_satTpHeader, dblayout::kTransponderHeaderSize);
  std::memcpy(block + dblayout::kTransponderOffset, m_satTpImage, sizeof m_satTpImage);
}

void M_transponder::DecodeTerTransponders(const uint8_t* block) {
  std::memcpy(m_terTpHeader, block + dblayout::kTerHeaderOffset, dblayout::kTerHeaderSize);
  for (int t = 0; t < dblayout::kTerCount; ++t) {
    std::memcpy(m_terTpImage[t], block + dblayout::kTerOffset + t * dblayout::kTerRecordSize,
                dblayout::kTerRecordSize);
    DecodeTerTransponderView(t);
  }
}

void M_transponder::EncodeTerTransponders(uint8_t* block) const {
  std::memcpy(block + dblayout::kTerHeaderOffset, m_terTpHeader, dblayout::kTerHeaderSize);
  std::memcpy(block + dblayout::kTerOffset, m_terTpImage, sizeof m_terTpImage);
}

// Free slots decode like used ones; the getters hide them.
void M_transponder::DecodeSatTransponderView(int slot) {
  const uint8_t* r = m_satTpImage[slot];
  sat_transponder_info_show_t& v = m_satTpView[slot];
  v.used = static_cast<uint8_t>(GetBits(r + 2, 1, 1, 1));
  v.satellite = r[0];
  v.number = static_cast<uint16_t>(GetBits(r + 1, 2, 0, 9));
  v.polarity = static_cast<uint8_t>(GetBits(r + 2, 1, 2, 2));
  v.polarityText = PolarityText(v.polarity);
  v.fec = static_cast<uint8_t>(GetBits(r + 2, 1, 4, 4));
  v.fecText = FecText(v.fec);
  v.byte3 = r[3];
  v.frequencyLowBits = static_cast<uint8_t>(GetBits(r + 4, 2, 0, 2));
  v.modulation = static_cast<uint8_t>(GetBits(r + 12, 1, 0, 1));
  v.modulationText = ModulationText(v.modulation);
  v.frequencyText = std::to_string(GetBits(r + 4, 2, 2, 14));
  v.symbolRateText = std::to_string(bytes::GetU16(r + 6));
}

void M_transponder::ClearSatTransponderView(int slot) {
  DecodeSatTransponderView(slot);
  sat_transponder_info_show_t& v = m_satTpView[slot];
  v.used = 0;
  v.satellite = 0xFFFF;
  v.number = 0xFFFF;
  v.polarityText.clear();
  v.fecText.clear();
  v.modulationText.clear();
  v.frequencyText.clear();
  v.symbolRateText.clear();
}

void M_transponder::DecodeTerTransponderView(int slot) {
  const uint8_t* r = m_terTpImage[slot];
  ter_transponder_info_show_s& v = m_terTpView[slot];
  v.used = static_cast<uint8_t>(r[0] & 1);
  v.byte0High = static_cast<uint8_t>(r[0] >> 1);
  v.number = r[1];
  v.channel = r[2];
  v.bandwidth = r[3];
  v.bandwidthText = BandwidthText(v.bandwidth);
  v.frequency = bytes::GetU32(r + 4);
  v.frequencyText = numbertext::Format51(v.frequency * 0.001);
}

void M_transponder::ClearTerTransponderView(int slot) {
  DecodeTerTransponderView(slot);
  ter_transponder_info_show_s& v = m_terTpView[slot];
  v.number = 0xFF;
  v.bandwidthText.clear();
  v.frequencyText.clear();
}

// ---- satellite transponder setters ----

// Marking a slot used also brings its view up to the stored bytes, so that fields the adding
// operation does not set (modulation, for one) still show their texts.
bool M_transponder::MarkTransponderUsed(int slot) {
  if (!InSatTable(slot)) return false;
  SetBits(m_satTpImage[slot] + 2, 1, 1, 1, 1);
  DecodeSatTransponderView(slot);
  return true;
}

bool M_transponder::FreeTransponderSlot(int slot) {
  if (!InSatTable(slot)) return false;
  uint8_t* r = m_satTpImage[slot];
  r[0] = 0xFF;
  r[1] = 0;
  r[2] = 0;  // number bit 8, used, polarity, FEC
  r[3] = 0;
  bytes::PutU16(r + 4, kResetFrequencyWord);
  bytes::PutU16(r + 6, kResetSymbolRate);
  SetBits(r + 12, 4, 2, 30, 0);
  ClearSatTransponderView(slot);
  return true;
}

bool M_transponder::SetTransponderSatellite(int slot, int satellite) {
  if (!UsableSat(slot) || !Fits(satellite, 8)) return false;
  m_satTpImage[slot][0] = static_cast<uint8_t>(satellite);
  m_satTpView[slot].satellite = static_cast<uint16_t>(satellite);
  return true;
}

bool M_transponder::SetTransponderNumber(int slot, int number) {
  if (!UsableSat(slot) || !Fits(number, 9)) return false;
  SetBits(m_satTpImage[slot] + 1, 2, 0, 9, static_cast<uint32_t>(number));
  m_satTpView[slot].number = static_cast<uint16_t>(number);
  return true;
}

bool M_transponder::SetTransponderFrequency(int slot, const std::string& text) {
  uint32_t mhz = 0;
  if (!UsableSat(slot) || !numbertext::ParseUnsigned(text, mhz) || mhz > bytes::Mask(14)) return false;
  SetBits(m_satTpImage[slot] + 4, 2, 2, 14, mhz);
  m_satTpView[slot].frequencyText = text;
  return true;
}

bool M_transponder::SetTransponderSymbolRate(int slot, const std::string& text) {
  uint32_t rate = 0;
  if (!UsableSat(slot) || !numbertext::ParseUnsigned(text, rate) || rate > 0xFFFF) return false;
  bytes::PutU16(m_satTpImage[slot] + 6, static_cast<uint16_t>(rate));
  m_satTpView[slot].symbolRateText = text;
  return true;
}

bool M_transponder::SetTransponderPolarity(int slot, int value) {
  if (!UsableSat(slot) || !Fits(value, 2)) return false;
  SetBits(m_satTpImage[slot] + 2, 1, 2, 2, static_cast<uint32_t>(value));
  m_satTpView[slot].polarity = static_cast<uint8_t>(value);
  m_satTpView[slot].polarityText = PolarityText(value);
  return true;
}

bool M_transponder::SetTransponderFec(int slot, int value) {
  if (!UsableSat(slot) || !Fits(value, 4)) return false;
  SetBits(m_satTpImage[slot] + 2, 1, 4, 4, static_cast<uint32_t>(value));
  m_satTpView[slot].fec = static_cast<uint8_t>(value);
  m_satTpView[slot].fecText = FecText(value);
  return true;
}

bool M_transponder::SetTransponderModulation(int slot, int value) {
  if (!UsableSat(slot) || !Fits(value, 1)) return false;
  SetBits(m_satTpImage[slot] + 12, 1, 0, 1, static_cast<uint32_t>(value));
  m_satTpView[slot].modulation = static_cast<uint8_t>(value);
  m_satTpView[slot].modulationText = ModulationText(value);
  return true;
}

bool M_transponder::SetTransponderImportFields(int slot) {
  if (!UsableSat(slot)) return false;
  bytes::PutU32(m_satTpImage[slot] + 8, 0xFFFFFFFFu);
  SetBits(m_satTpImage[slot] + 12, 4, 2, 30, 0);
  return true;
}

// ---- satellite transponder getters ----

bool M_transponder::IsTransponderUsed(int slot) const { return UsableSat(slot); }
int M_transponder::GetTransponderSatellite(int slot) const { return UsableSat(slot) ? m_satTpView[slot].satellite : -1; }
int M_transponder::GetTransponderNumber(int slot) const { return UsableSat(slot) ? m_satTpView[slot].number : -1; }
int M_transponder::GetTransponderPolarity(int slot) const { return UsableSat(slot) ? m_satTpView[slot].polarity : -1; }
int M_transponder::GetTransponderFec(int slot) const { return UsableSat(slot) ? m_satTpView[slot].fec : -1; }
int M_transponder::GetTransponderModulation(int slot) const {
  return UsableSat(slot) ? m_satTpView[slot].modulation : -1;
}
int M_transponder::GetTransponderFrequency(int slot) const {
  return UsableSat(slot) ? static_cast<int>(GetBits(m_satTpImage[slot] + 4, 2, 2, 14)) : -1;
}
int M_transponder::GetTransponderSymbolRate(int slot) const {
  return UsableSat(slot) ? bytes::GetU16(m_satTpImage[slot] + 6) : -1;
}
std::string M_transponder::GetTransponderPolarityText(int slot) const {
  return UsableSat(slot) ? m_satTpView[slot].polarityText : std::string();
}
std::string M_transponder::GetTransponderFecText(int slot) const {
  return UsableSat(slot) ? m_satTpView[slot].fecText : std::string();
}
std::string M_transponder::GetTransponderModulationText(int slot) const {
  return UsableSat(slot) ? m_satTpView[slot].modulationText : std::string();
}
std::string M_transponder::GetTransponderFrequencyText(int slot) const {
  return UsableSat(slot) ? m_satTpView[slot].frequencyText : std::string();
}
std::string M_transponder::GetTransponderSymbolRateText(int slot) const {
  return UsableSat(slot) ? m_satTpView[slot].symbolRateText : std::string();
}
const sat_transponder_info_show_t* M_transponder::GetTransponderView(int slot) const {
  return InSatTable(slot) ? &m_satTpView[slot] : nullptr;
}

// ---- terrestrial transponders ----

bool M_transponder::MarkTerTransponderUsed(int slot) {
  if (!InTerTable(slot)) return false;
  m_terTpImage[slot][0] |= 1;
  DecodeTerTransponderView(slot);
  return true;
}

bool M_transponder::FreeTerTransponderSlot(int slot) {
  if (!InTerTable(slot)) return false;
  std::memset(m_terTpImage[slot], 0, dblayout::kTerRecordSize);
  ClearTerTransponderView(slot);
  return true;
}

bool M_transponder::SetTerTransponderNumber(int slot, int number) {
  if (!UsableTer(slot) || !Fits(number, 8)) return false;
  m_terTpImage[slot][1] = static_cast<uint8_t>(number);
  m_terTpView[slot].number = static_cast<uint8_t>(number);
  return true;
}

bool M_transponder::SetTerTransponderFrequency(int slot, const std::string& text) {
  uint32_t khz = 0;
  if (!UsableTer(slot) || !numbertext::ParseUnsigned(text, khz)) return false;
  bytes::PutU32(m_terTpImage[slot] + 4, khz);
  m_terTpView[slot].frequency = khz;
  m_terTpView[slot].frequencyText = numbertext::Format51(khz * 0.001);
  return true;
}

bool M_transponder::SetTerTransponderChannel(int slot, const std::string& text) {
  uint32_t channel = 0;
  if (!UsableTer(slot) || !numbertext::ParseUnsigned(text, channel) || channel > 0xFF) return false;
  m_terTpImage[slot][2] = static_cast<uint8_t>(channel);
  m_terTpView[slot].channel = static_cast<uint8_t>(channel);
  return true;
}

bool M_transponder::SetTerTransponderBandwidth(int slot, int value) {
  if (!UsableTer(slot) || !Fits(value, 8)) return false;
  m_terTpImage[slot][3] = static_cast<uint8_t>(value);
  m_terTpView[slot].bandwidth = static_cast<uint8_t>(value);
  m_terTpView[slot].bandwidthText = BandwidthText(value);
  return true;
}

bool M_transponder::IsTerTransponderUsed(int slot) const { return UsableTer(slot); }
int M_transponder::GetTerTransponderNumber(int slot) const { return UsableTer(slot) ? m_terTpView[slot].number : -1; }
int M_transponder::GetTerTransponderChannel(int slot) const { return UsableTer(slot) ? m_terTpView[slot].channel : -1; }
int M_transponder::GetTerTransponderBandwidth(int slot) const {
  return UsableTer(slot) ? m_terTpView[slot].bandwidth : -1;
}
int64_t M_transponder::GetTerTransponderFrequency(int slot) const {
  return UsableTer(slot) ? static_cast<int64_t>(m_terTpView[slot].frequency) : -1;
}
std::string M_transponder::GetTerTransponderBandwidthText(int slot) const {
  return UsableTer(slot) ? m_terTpView[slot].bandwidthText : std::string();
}
std::string M_transponder::GetTerTransponderFrequencyText(int slot) const {
  return UsableTer(slot) ? m_terTpView[slot].frequencyText : std::string();
}
const ter_transponder_info_show_s* M_transponder::GetTerTransponderView(int slot) const {
  return InTerTable(slot) ? &m_terTpView[slot] : nullptr;
}

std::string M_transponder::GetTransponderLabel(int slot, int deliveryKind) const {
  if (deliveryKind == kDeliveryTerrestrial) {
    if (!UsableTer(slot)) return "  [Blank], Please Select.";
    const ter_transponder_info_show_s& v = m_terTpView[slot];
    return "  " + std::to_string(v.channel) + "-[" + v.frequencyText + "  MHz]-[" + v.bandwidthText + "]";
  }
  if (!UsableSat(slot)) return "  [Blank], Please Select.";
  const sat_transponder_info_show_t& v = m_satTpView[slot];
  return "  " + numbertext::ZeroPad(v.frequencyText, 5) + "-" + v.polarityText + "-" +
         numbertext::ZeroPad(v.symbolRateText, 5) + "-" + v.modulationText;
}

// ---- counts and look-ups ----

int M_transponder::GetTransponderCount() const { return bytes::GetU16(m_satTpHeader); }

int M_transponder::GetSatelliteTransponderCount(int satellite) const {
  if (satellite < 0 || satellite >= dblayout::kSatelliteCount) return -1;
  return bytes::GetU16(m_satTpHeader + kCountsOffset + 2 * satellite);
}

int M_transponder::GetTerTransponderCount() const { return bytes::GetU16(m_terTpHeader); }

void M_transponder::UpdateTransponderCount() {
  bytes::PutU16(m_satTpHeader, ApplyCountUpdate(bytes::GetU16(m_satTpHeader)));
}

void M_transponder::UpdateSatelliteTransponderCount(int satellite) {
  if (satellite < 0 || satellite >= dblayout::kSatelliteCount) return;
  uint8_t* p = m_satTpHeader + kCountsOffset + 2 * satellite;
  bytes::PutU16(p, ApplyCountUpdate(bytes::GetU16(p)));
}

void M_transponder::UpdateTerTransponderCount() {
  bytes::PutU16(m_terTpHeader, ApplyCountUpdate(bytes::GetU16(m_terTpHeader)));
}

int M_transponder::CountUsedTransponders(int satellite) const {
  int n = 0;
  for (int t = 0; t < dblayout::kTransponderCount; ++t)
    if (m_satTpView[t].used && (satellite < 0 || m_satTpView[t].satellite == satellite)) ++n;
  return n;
}

int M_transponder::CountUsedTerTransponders() const {
  int n = 0;
  for (int t = 0; t < dblayout::kTerCount; ++t)
    if (m_terTpView[t].used) ++n;
  return n;
}

int M_transponder::FindTransponderByNumber(int satellite, int number) const {
  if (satellite == -1) {
    for (int t = 0; t < dblayout::kTerCount; ++t)
      if (m_terTpView[t].used && m_terTpView[t].number == number) return t;
    return -1;
  }
  for (int t = 0; t < dblayout::kTransponderCount; ++t)
    if (m_satTpView[t].used && m_satTpView[t].satellite == satellite && m_satTpView[t].number == number) return t;
  return -1;
}

// A header that already counts a full table refuses too, so the count never passes the capacity.
int M_transponder::FindFreeTransponderSlot(int deliveryKind) const {
  if (deliveryKind == kDeliveryTerrestrial) {
    if (GetTerTransponderCount() >= dblayout::kTerCount) return -1;
    for (int t = 0; t < dblayout::kTerCount; ++t)
      if (!m_terTpView[t].used) return t;
    return -1;
  }
  if (GetTransponderCount() >= dblayout::kTransponderCount) return -1;
  for (int t = 0; t < dblayout::kTransponderCount; ++t)
    if (!m_satTpView[t].used) return t;
  return -1;
}

// ---- texts ----

std::string M_transponder::PolarityText(int value) {
  if (value == 0) return "H";
  if (value == 1) return "V";
  return std::string();
}

std::string M_transponder::FecText(int value) {
  static const char* const kTexts[] = {"Auto", "1/2", "2/3", "3/4", "4/5", "5/6", "7/8", "8/9", "9/10"};
  return value >= 0 && value < 9 ? kTexts[value] : std::string();
}

std::string M_transponder::ModulationText(int value) {
  if (value == 0) return "S1";
  if (value == 1) return "S2";
  return std::string();
}

std::string M_transponder::BandwidthText(int value) {
  static const char* const kTexts[] = {"6 MHz", "7 MHz", "8 MHz"};
  return value >= 0 && value < 3 ? kTexts[value] : std::string();
}
