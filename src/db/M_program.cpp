#include "db/M_program.h"

#include <algorithm>
#include <cstring>

#include "db/RecordText.h"
#include "files/Bytes.h"

using bytes::GetBits;
using bytes::SetBits;
namespace ph = programheader;

namespace {
// Field positions inside program_rec_s.
constexpr size_t kPrevious = 0;
constexpr size_t kNext = 2;
constexpr size_t kFlags = 4;  // bit 0 used, 1-2 type, 3 HD, 5 HD copy, 6 locked, 7 skipped
constexpr unsigned kUsedBit = 0, kHdBit = 3, kHdCopyBit = 5, kLockedBit = 6, kSkippedBit = 7;
constexpr size_t kCode1 = 5;
constexpr size_t kDelivery = 6;  // u16: bits 0-3 delivery kind, 4-15 transponder
constexpr size_t kCode2 = 8;
constexpr size_t kCode3 = 9;
constexpr size_t kServiceId = 10;
constexpr size_t kPcr = 12;    // u16: bits 0-12 PCR PID, 13-15 CA count
constexpr size_t kVideo = 14;  // u16: bits 0-12 video PID, 13-15 the 3-bit value
constexpr size_t kAudio = 16;  // byte: bits 0-4 the 5-bit value, 5 scrambled; u32: bits 6-18 audio PID
constexpr unsigned kScrambledBit = 5;
constexpr size_t kPmt = 18;  // u16: bits 3-15 PMT PID
constexpr size_t kSatellite = 21;
constexpr size_t kProvider = 22;  // u16: bits 0-8 provider, 9-10 the 2-bit value
constexpr size_t kFavorites = 24;
constexpr size_t kCaList = 28;
constexpr size_t kName = 36;
constexpr size_t kNameSize = 32;
constexpr size_t kNameMaxChars = 31;

constexpr uint32_t kPidMax = 0x1FFF;
constexpr uint32_t kTransponderNone = 0xFFF;
constexpr uint32_t kProviderNone = 0x1FF;
constexpr uint8_t kSatelliteNone = 0xFF;

uint16_t ToLink(int value) { return value < 0 ? 0xFFFF : static_cast<uint16_t>(value); }
int FromLink(uint16_t value) { return value == 0xFFFF ? -1 : value; }
}  // namespace

M_program::M_program() : m_programImage(dblayout::kServiceCount), m_programView(dblayout::kServiceCount) {
  ResetProgramHeader();
  ResetServices();
}

// ---------------------------------------------------------------------------------------------
// Program header

void M_program::ResetProgramHeader() {
  std::memset(m_programHeader, 0, sizeof m_programHeader);
  bytes::PutU32(m_programHeader + ph::kMarker, dblayout::kMarkerCleared);
  bytes::PutU16(m_programHeader + ph::kFirst, 0xFFFF);
  bytes::PutU16(m_programHeader + ph::kLast, 0xFFFF);
}

void M_program::DecodeProgramHeader(const uint8_t* block) {
  std::memcpy(m_programHeader, block + dblayout::kProgramHeaderOffset, sizeof m_programHeader);
}

void M_program::EncodeProgramHeader(uint8_t* block) const {
  std::memcpy(block + dblayout::kProgramHeaderOffset, m_programHeader, sizeof m_programHeader);
}

uint32_t M_program::GetProgramMarker() const { return bytes::GetU32(m_programHeader + ph::kMarker); }

int M_program::GetFirstService() const { return FromLink(bytes::GetU16(m_programHeader + ph::kFirst)); }
int M_program::GetLastService() const { return FromLink(bytes::GetU16(m_programHeader + ph::kLast)); }

bool M_program::SetFirstService(int slot) {
  if (slot != -1 && slot != 0xFFFF && !IsSlot(slot)) return false;
  bytes::PutU16(m_programHeader + ph::kFirst, ToLink(slot));
  return true;
}

bool M_program::SetLastService(int slot) {
  if (slot != -1 && slot != 0xFFFF && !IsSlot(slot)) return false;
  bytes::PutU16(m_programHeader + ph::kLast, ToLink(slot));
  return true;
}

int M_program::GetUsedServiceCount() const { return bytes::GetU16(m_programHeader + ph::kTotal); }

int M_program::GetUsedServiceTypeCount(int type) const {
  if (type < 0 || type > 2) return 0;
  return bytes::GetU16(m_programHeader + ph::kTypeCounts + 2 * static_cast<size_t>(type));
}

void M_program::UpdateServiceCounts(int type) {
  uint8_t* total = m_programHeader + ph::kTotal;
  bytes::PutU16(total, ApplyCountUpdate(bytes::GetU16(total)));
  if (type < 0 || type > 2) return;
  uint8_t* typed = m_programHeader + ph::kTypeCounts + 2 * static_cast<size_t>(type);
  bytes::PutU16(typed, ApplyCountUpdate(bytes::GetU16(typed)));
}

// ---------------------------------------------------------------------------------------------
// Table

void M_program::ResetServices() {
  for (int slot = 0; slot < dblayout::kServiceCount; ++slot) ResetService(slot);
}

void M_program::ResetService(int slot) {
  if (!IsSlot(slot)) return;
  uint8_t* r = Rec(slot);
  std::memset(r, 0, dblayout::kServiceRecordSize);
  bytes::PutU16(r + kPrevious, 0xFFFF);
  bytes::PutU16(r + kNext, 0xFFFF);
  SetBits(r + kFlags, 1, 1, 2, 2);  // type: data
  SetBits(r + kDelivery, 2, 4, 12, kTransponderNone);
  SetBits(r + kPcr, 2, 0, 13, kPidMax);
  SetBits(r + kVideo, 2, 0, 13, kPidMax);
  SetBits(r + kAudio, 4, 6, 13, kPidMax);
  SetBits(r + kPmt, 2, 3, 13, kPidMax);
  r[kSatellite] = kSatelliteNone;
  SetBits(r + kProvider, 2, 0, 9, kProviderNone);
  SetBits(r + kProvider, 2, 9, 2, 1);
  // The view is decoded from the reset image, so that view and image agree for a free slot too.
  DecodeServiceView(slot);
}

void M_program::DecodeServiceView(int slot) {
  const uint8_t* r = Rec(slot);
  progarm_info_show_s& v = m_programView[slot];
  v.previous = bytes::GetU16(r + kPrevious);
  v.next = bytes::GetU16(r + kNext);
  v.used = static_cast<uint8_t>(GetBits(r + kFlags, 1, kUsedBit, 1));
  v.type = static_cast<uint8_t>(GetBits(r + kFlags, 1, 1, 2));
  v.value3 = static_cast<uint8_t>(GetBits(r + kVideo, 2, 13, 3));
  v.hdCopy = static_cast<uint8_t>(GetBits(r + kFlags, 1, kHdCopyBit, 1));
  v.locked = static_cast<uint8_t>(GetBits(r + kFlags, 1, kLockedBit, 1));
  v.skipped = static_cast<uint8_t>(GetBits(r + kFlags, 1, kSkippedBit, 1));
  v.delivery = static_cast<uint8_t>(GetBits(r + kDelivery, 2, 0, 4));
  const uint32_t transponder = GetBits(r + kDelivery, 2, 4, 12);
  v.transponder = transponder == kTransponderNone ? 0xFFFF : static_cast<uint16_t>(transponder);
  v.code[0] = r[kCode1];
  v.code[1] = r[kCode2];
  v.code[2] = r[kCode3];
  v.serviceIdText = std::to_string(bytes::GetU16(r + kServiceId));
  v.pcrPidText = std::to_string(GetBits(r + kPcr, 2, 0, 13));
  v.caCount = static_cast<uint8_t>(GetBits(r + kPcr, 2, 13, 3));
  v.videoPidText = std::to_string(GetBits(r + kVideo, 2, 0, 13));
  v.value5 = static_cast<uint8_t>(GetBits(r + kAudio, 1, 0, 5));
  v.value3Again = v.value3;
  v.hdText = GetBits(r + kFlags, 1, kHdBit, 1) ? "1" : "0";
  v.value2 = static_cast<uint8_t>(GetBits(r + kProvider, 2, 9, 2));
  v.audioPidText = std::to_string(GetBits(r + kAudio, 4, 6, 13));
  v.scrambled = static_cast<uint8_t>(GetBits(r + kAudio, 1, kScrambledBit, 1));
  v.pmtPidText = std::to_string(GetBits(r + kPmt, 2, 3, 13));
  v.favoriteMask = bytes::GetU32(r + kFavorites);
  v.satellite = r[kSatellite] == kSatelliteNone ? -1 : r[kSatellite];
  const uint32_t provider = GetBits(r + kProvider, 2, 0, 9);
  v.provider = provider == kProviderNone ? 0xFFFF : static_cast<uint16_t>(provider);
  for (size_t i = 0; i < 4; ++i) v.ca[i] = bytes::GetU16(r + kCaList + 2 * i);
  v.name = recordtext::ReadFixed(r + kName, kNameSize);
}

void M_program::DecodeServices(const uint8_t* block) {
  const uint8_t* table = block + dblayout::kServiceOffset;
  for (int slot = 0; slot < dblayout::kServiceCount; ++slot) {
    std::memcpy(Rec(slot), table + dblayout::kServiceRecordSize * static_cast<size_t>(slot),
                dblayout::kServiceRecordSize);
    DecodeServiceView(slot);
  }
}

void M_program::EncodeServices(uint8_t* block) const {
  uint8_t* table = block + dblayout::kServiceOffset;
  for (int slot = 0; slot < dblayout::kServiceCount; ++slot)
    std::memcpy(table + dblayout::kServiceRecordSize * static_cast<size_t>(slot), Rec(slot),
                dblayout::kServiceRecordSize);
}

int M_program::FindFreeServiceSlot() const {
  for (int slot = 0; slot < dblayout::kServiceCount; ++slot)
    if (!m_programView[slot].used) return slot;
  return -1;
}

const progarm_info_show_s* M_program::GetServiceInfo(int slot) const {
  return IsSlot(slot) ? &m_programView[slot] : nullptr;
}

const program_rec_s* M_program::GetServiceRecord(int slot) const {
  return IsSlot(slot) ? &m_programImage[slot] : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Setters

bool M_program::MarkServiceUsed(int slot) {
  if (!IsSlot(slot)) return false;
  SetBits(Rec(slot) + kFlags, 1, kUsedBit, 1, 1);
  m_programView[slot].used = 1;
  return true;
}

bool M_program::SetServiceType(int slot, int type) {
  if (!IsUsedSlot(slot) || type < 0 || type > 2) return false;
  SetBits(Rec(slot) + kFlags, 1, 1, 2, static_cast<uint32_t>(type));
  m_programView[slot].type = static_cast<uint8_t>(type);
  return true;
}

bool M_program::SetServiceDelivery(int slot, int kind) {
  if (!IsUsedSlot(slot) || kind < 0 || kind > 15) return false;
  SetBits(Rec(slot) + kDelivery, 2, 0, 4, static_cast<uint32_t>(kind));
  m_programView[slot].delivery = static_cast<uint8_t>(kind);
  return true;
}

bool M_program::SetServiceTransponder(int slot, int transponder) {
  if (!IsUsedSlot(slot) || transponder < -1 || transponder > static_cast<int>(kTransponderNone)) return false;
  const uint32_t stored = transponder < 0 ? kTransponderNone : static_cast<uint32_t>(transponder);
  SetBits(Rec(slot) + kDelivery, 2, 4, 12, stored);
  m_programView[slot].transponder = stored == kTransponderNone ? 0xFFFF : static_cast<uint16_t>(stored);
  return true;
}

bool M_program::SetServiceSatellite(int slot, int satellite) {
  if (!IsUsedSlot(slot) || satellite < -1 || satellite > kSatelliteNone) return false;
  const uint8_t stored = satellite < 0 ? kSatelliteNone : static_cast<uint8_t>(satellite);
  Rec(slot)[kSatellite] = stored;
  m_programView[slot].satellite = stored == kSatelliteNone ? -1 : stored;
  return true;
}

bool M_program::SetServiceProvider(int slot, int provider) {
  if (!IsUsedSlot(slot) || provider < -1 || provider > static_cast<int>(kProviderNone)) return false;
  const uint32_t stored = provider < 0 ? kProviderNone : static_cast<uint32_t>(provider);
  SetBits(Rec(slot) + kProvider, 2, 0, 9, stored);
  m_programView[slot].provider = stored == kProviderNone ? 0xFFFF : static_cast<uint16_t>(stored);
  return true;
}

bool M_program::SetServiceName(int slot, const std::string& text) {
  if (!IsUsedSlot(slot)) return false;
  const std::string name = recordtext::Storable(text, kNameMaxChars);
  // Only the text and its NUL are written; the bytes behind the NUL keep what they held.
  std::memcpy(Rec(slot) + kName, name.data(), name.size());
  Rec(slot)[kName + name.size()] = 0;
  m_programView[slot].name = name;
  return true;
}

bool M_program::SetPidText(int slot, const std::string& text, std::string progarm_info_show_s::*view,
                           size_t offset, unsigned size, unsigned first, unsigned width) {
  uint32_t value = 0;
  if (!IsUsedSlot(slot) || !recordtext::ParseDecimal(text, bytes::Mask(width), &value)) return false;
  SetBits(Rec(slot) + offset, size, first, width, value);
  m_programView[slot].*view = text;
  return true;
}

bool M_program::SetServiceId(int slot, const std::string& text) {
  return SetPidText(slot, text, &progarm_info_show_s::serviceIdText, kServiceId, 2, 0, 16);
}
bool M_program::SetServicePcrPid(int slot, const std::string& text) {
  return SetPidText(slot, text, &progarm_info_show_s::pcrPidText, kPcr, 2, 0, 13);
}
bool M_program::SetServiceVideoPid(int slot, const std::string& text) {
  return SetPidText(slot, text, &progarm_info_show_s::videoPidText, kVideo, 2, 0, 13);
}
bool M_program::SetServiceAudioPid(int slot, const std::string& text) {
  return SetPidText(slot, text, &progarm_info_show_s::audioPidText, kAudio, 4, 6, 13);
}
bool M_program::SetServicePmtPid(int slot, const std::string& text) {
  return SetPidText(slot, text, &progarm_info_show_s::pmtPidText, kPmt, 2, 3, 13);
}

bool M_program::SetFlag(int slot, size_t offset, unsigned bit, uint8_t progarm_info_show_s::*view,
                        bool flag) {
  if (!IsUsedSlot(slot)) return false;
  SetBits(Rec(slot) + offset, 1, bit, 1, flag ? 1 : 0);
  m_programView[slot].*view = flag ? 1 : 0;
  return true;
}

bool M_program::SetServiceLocked(int slot, bool flag) {
  return SetFlag(slot, kFlags, kLockedBit, &progarm_info_show_s::locked, flag);
}
bool M_program::SetServiceSkipped(int slot, bool flag) {
  return SetFlag(slot, kFlags, kSkippedBit, &progarm_info_show_s::skipped, flag);
}
bool M_program::SetServiceScrambled(int slot, bool flag) {
  return SetFlag(slot, kAudio, kScrambledBit, &progarm_info_show_s::scrambled, flag);
}

bool M_program::SetServiceHd(int slot, bool flag) {
  if (!SetFlag(slot, kFlags, kHdCopyBit, &progarm_info_show_s::hdCopy, flag)) return false;
  SetBits(Rec(slot) + kFlags, 1, kHdBit, 1, flag ? 1 : 0);
  m_programView[slot].hdText = flag ? "1" : "0";
  return true;
}

void M_program::SetServiceFavoriteMask(int slot, uint32_t mask) {
  if (!IsUsedSlot(slot)) return;
  bytes::PutU32(Rec(slot) + kFavorites, mask);
  m_programView[slot].favoriteMask = mask;
}

bool M_program::SetLink(int slot, int value, size_t offset, uint16_t progarm_info_show_s::*view) {
  if (!IsUsedSlot(slot) || (value != -1 && value != 0xFFFF && !IsSlot(value))) return false;
  bytes::PutU16(Rec(slot) + offset, ToLink(value));
  m_programView[slot].*view = ToLink(value);
  return true;
}

bool M_program::SetServicePrevious(int slot, int previous) {
  return SetLink(slot, previous, kPrevious, &progarm_info_show_s::previous);
}
bool M_program::SetServiceNext(int slot, int next) {
  return SetLink(slot, next, kNext, &progarm_info_show_s::next);
}

bool M_program::SetServiceValue3(int slot, int value) {
  if (!IsUsedSlot(slot) || value < 0 || value > 7) return false;
  SetBits(Rec(slot) + kVideo, 2, 13, 3, static_cast<uint32_t>(value));
  m_programView[slot].value3 = static_cast<uint8_t>(value);
  m_programView[slot].value3Again = static_cast<uint8_t>(value);
  return true;
}

bool M_program::SetServiceValue5(int slot, int value) {
  if (!IsUsedSlot(slot) || value < 0 || value > 31) return false;
  SetBits(Rec(slot) + kAudio, 1, 0, 5, static_cast<uint32_t>(value));
  m_programView[slot].value5 = static_cast<uint8_t>(value);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Getters

bool M_program::IsServiceUsed(int slot) const { return IsUsedSlot(slot); }

int M_program::GetServiceType(int slot) const { return IsUsedSlot(slot) ? m_programView[slot].type : -1; }

int M_program::GetServiceDelivery(int slot) const {
  return IsUsedSlot(slot) ? m_programView[slot].delivery : -1;
}

int M_program::GetServiceTransponder(int slot) const {
  return IsUsedSlot(slot) ? FromLink(m_programView[slot].transponder) : -1;
}

int M_program::GetServiceSatellite(int slot) const {
  return IsUsedSlot(slot) ? m_programView[slot].satellite : -1;
}

int M_program::GetServiceProvider(int slot) const {
  return IsUsedSlot(slot) ? FromLink(m_programView[slot].provider) : -1;
}

int M_program::GetServiceCaCount(int slot) const {
  // The list has four entries; a larger count read from a file cannot name more.
  return IsUsedSlot(slot) ? std::min<int>(m_programView[slot].caCount, 4) : 0;
}

int M_program::GetServiceCa(int slot, int index) const {
  if (!IsUsedSlot(slot) || index < 0 || index > 3) return 0;
  return m_programView[slot].ca[index];
}

uint32_t M_program::GetServiceFavoriteMask(int slot) const {
  return IsUsedSlot(slot) ? m_programView[slot].favoriteMask : 0;
}

bool M_program::IsServiceLocked(int slot) const { return IsUsedSlot(slot) && m_programView[slot].locked; }
bool M_program::IsServiceSkipped(int slot) const { return IsUsedSlot(slot) && m_programView[slot].skipped; }
bool M_program::IsServiceScrambled(int slot) const {
  return IsUsedSlot(slot) && m_programView[slot].scrambled;
}
bool M_program::IsServiceHd(int slot) const { return IsUsedSlot(slot) && m_programView[slot].hdText == "1"; }

std::string M_program::GetServiceName(int slot) const {
  return IsUsedSlot(slot) ? m_programView[slot].name : std::string();
}

std::string M_program::UsedText(int slot, std::string progarm_info_show_s::*view) const {
  return IsUsedSlot(slot) ? recordtext::Trim(m_programView[slot].*view) : std::string();
}

std::string M_program::GetServiceIdText(int slot) const {
  return UsedText(slot, &progarm_info_show_s::serviceIdText);
}
std::string M_program::GetServicePcrPidText(int slot) const {
  return UsedText(slot, &progarm_info_show_s::pcrPidText);
}
std::string M_program::GetServiceVideoPidText(int slot) const {
  return UsedText(slot, &progarm_info_show_s::videoPidText);
}
std::string M_program::GetServiceAudioPidText(int slot) const {
  return UsedText(slot, &progarm_info_show_s::audioPidText);
}
std::string M_program::GetServicePmtPidText(int slot) const {
  return UsedText(slot, &progarm_info_show_s::pmtPidText);
}

int M_program::GetServicePrevious(int slot) const {
  return IsUsedSlot(slot) ? FromLink(m_programView[slot].previous) : -1;
}
int M_program::GetServiceNext(int slot) const {
  return IsUsedSlot(slot) ? FromLink(m_programView[slot].next) : -1;
}

// ---------------------------------------------------------------------------------------------
// Toggles

bool M_program::ToggleServiceLocked(int slot) { return SetServiceLocked(slot, !IsServiceLocked(slot)); }
bool M_program::ToggleServiceSkipped(int slot) { return SetServiceSkipped(slot, !IsServiceSkipped(slot)); }
bool M_program::ToggleServiceScrambled(int slot) {
  return SetServiceScrambled(slot, !IsServiceScrambled(slot));
}

bool M_program::ToggleServiceHd(int slot) {
  if (GetServiceType(slot) != 0) return false;
  return SetServiceHd(slot, !IsServiceHd(slot));
}
