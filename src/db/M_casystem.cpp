#include "db/M_casystem.h"

#include <algorithm>
#include <cstring>

#include "db/RecordText.h"
#include "files/Bytes.h"

namespace {
constexpr size_t kFlags = 0;  // u16: bit 0 used, bits 1-15 use count
constexpr size_t kIdentifier = 2;
constexpr size_t kName = 4;
constexpr size_t kNameSize = 8;
constexpr size_t kNameClear = 4;
constexpr size_t kNameMaxChars = 4;
constexpr long kUseCountMax = 0x7FFF;
}  // namespace

M_casystem::M_casystem()
    : m_casImage(dblayout::kCasCount), m_casInfo(dblayout::kCasCount), m_casView(dblayout::kCasCount, -1) {
  ResetCaSystems();
}

void M_casystem::DecodeCasView(int slot) {
  const uint8_t* r = m_casImage[slot].bytes;
  cas_grogup_info_show_t& v = m_casInfo[slot];
  v.used = static_cast<uint8_t>(bytes::GetBits(r + kFlags, 2, 0, 1));
  v.useCount = static_cast<uint16_t>(bytes::GetBits(r + kFlags, 2, 1, 15));
  v.identifier = bytes::GetU16(r + kIdentifier);
  v.name = recordtext::ReadFixed(r + kName, kNameSize);
}

void M_casystem::ResetCaSystems() {
  for (int slot = 0; slot < dblayout::kCasCount; ++slot) {
    std::memset(m_casImage[slot].bytes, 0, dblayout::kCasRecordSize);
    DecodeCasView(slot);
  }
  std::fill(m_casView.begin(), m_casView.end(), -1);
  m_casViewCount = 0;
}

void M_casystem::DecodeCaSystems(const uint8_t* block) {
  const uint8_t* table = block + dblayout::kCasOffset;
  for (int slot = 0; slot < dblayout::kCasCount; ++slot) {
    std::memcpy(m_casImage[slot].bytes, table + dblayout::kCasRecordSize * static_cast<size_t>(slot),
                dblayout::kCasRecordSize);
    DecodeCasView(slot);
  }
}

void M_casystem::EncodeCaSystems(uint8_t* block) const {
  uint8_t* table = block + dblayout::kCasOffset;
  for (int slot = 0; slot < dblayout::kCasCount; ++slot)
    std::memcpy(table + dblayout::kCasRecordSize * static_cast<size_t>(slot), m_casImage[slot].bytes,
                dblayout::kCasRecordSize);
}

void M_casystem::BuildCasView() {
  std::fill(m_casView.begin(), m_casView.end(), -1);
  m_casViewCount = 0;
  for (int slot = 0; slot < dblayout::kCasCount; ++slot)
    if (m_casInfo[slot].used) m_casView[m_casViewCount++] = slot;
}

int M_casystem::GetCasViewEntry(int position) const {
  if (position < 1 || position > dblayout::kCasCount) position = 1;
  return m_casView[position - 1];
}

int M_casystem::GetCasViewCount() const { return m_casViewCount; }

const cas_grogup_info_show_t* M_casystem::GetCasInfo(int slot) const {
  return IsSlot(slot) ? &m_casInfo[slot] : nullptr;
}

const casystem_rec_s* M_casystem::GetCasRecord(int slot) const {
  return IsSlot(slot) ? &m_casImage[slot] : nullptr;
}

bool M_casystem::IsCasUsed(int slot) const { return IsUsedSlot(slot); }

std::string M_casystem::GetCasName(int slot) const {
  return IsUsedSlot(slot) ? m_casInfo[slot].name : std::string();
}

int M_casystem::GetCasIdentifier(int slot) const {
  return IsUsedSlot(slot) ? static_cast<int>(m_casInfo[slot].identifier) : 0;
}

int M_casystem::GetCasUseCount(int slot) const { return IsUsedSlot(slot) ? m_casInfo[slot].useCount : 0; }

int M_casystem::FindCasByIdentifier(int identifier) const {
  const uint32_t vendor = (static_cast<uint32_t>(identifier) >> 8) & 0xFF;
  for (int slot = 0; slot < dblayout::kCasCount; ++slot)
    if (m_casInfo[slot].used && ((m_casInfo[slot].identifier >> 8) & 0xFF) == vendor) return slot;
  return -1;
}

bool M_casystem::SetCasName(int slot, const std::string& text) {
  if (!IsUsedSlot(slot)) return false;
  const std::string name = recordtext::Storable(text, kNameMaxChars);
  recordtext::WriteFixed(m_casImage[slot].bytes + kName, kNameClear, name);
  m_casInfo[slot].name = name;
  return true;
}

bool M_casystem::AddCasUse(int slot, int delta) {
  if (!IsUsedSlot(slot)) return false;
  uint8_t* r = m_casImage[slot].bytes;
  const long count =
      std::clamp<long>(static_cast<long>(bytes::GetBits(r + kFlags, 2, 1, 15)) + delta, 0, kUseCountMax);
  bytes::SetBits(r + kFlags, 2, 1, 15, static_cast<uint32_t>(count));
  m_casInfo[slot].useCount = static_cast<uint16_t>(count);
  return true;
}
