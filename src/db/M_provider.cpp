#include "db/M_provider.h"

#include <algorithm>
#include <cstring>

#include "db/RecordText.h"
#include "files/Bytes.h"

namespace {
constexpr size_t kFlags = 0;  // u16: bit 0 used, bits 1-15 the 15-bit value
constexpr size_t kUseCount = 2;
constexpr size_t kName = 4;
constexpr size_t kNameSize = 16;
constexpr size_t kNameClear = 14;
constexpr size_t kNameMaxChars = 13;
constexpr uint32_t kFreedValue = 0x7FFF;
}  // namespace

M_provider::M_provider()
    : m_providerImage(dblayout::kProviderCount),
      m_providerInfo(dblayout::kProviderCount),
      m_providerView(dblayout::kProviderCount, -1) {
  ResetProviders();
}

void M_provider::ClearProvider(int slot) {
  uint8_t* r = m_providerImage[slot].bytes;
  bytes::SetBits(r + kFlags, 2, 0, 1, 0);
  bytes::SetBits(r + kFlags, 2, 1, 15, kFreedValue);
  bytes::PutU16(r + kUseCount, 0);
  std::memset(r + kName, 0, kNameClear);
  PROVIDER_GROGUP_INFO_SHOW_T& v = m_providerInfo[slot];
  v.used = 0;
  v.value = 0xFFFFFFFF;
  v.useCount = 0;
  v.name.clear();
}

void M_provider::ResetProviders() {
  for (int slot = 0; slot < dblayout::kProviderCount; ++slot) {
    std::memset(m_providerImage[slot].bytes, 0, dblayout::kProviderRecordSize);
    ClearProvider(slot);
  }
  std::fill(m_providerView.begin(), m_providerView.end(), -1);
  m_providerViewCount = 0;
}

void M_provider::DecodeProviders(const uint8_t* block) {
  const uint8_t* table = block + dblayout::kProviderOffset;
  for (int slot = 0; slot < dblayout::kProviderCount; ++slot) {
    uint8_t* r = m_providerImage[slot].bytes;
    std::memcpy(r, table + dblayout::kProviderRecordSize * static_cast<size_t>(slot),
                dblayout::kProviderRecordSize);
    PROVIDER_GROGUP_INFO_SHOW_T& v = m_providerInfo[slot];
    v.used = static_cast<uint8_t>(bytes::GetBits(r + kFlags, 2, 0, 1));
    v.value = bytes::GetBits(r + kFlags, 2, 1, 15);
    v.useCount = bytes::GetU16(r + kUseCount);
    v.name = recordtext::ReadFixed(r + kName, kNameSize);
  }
}

void M_provider::EncodeProviders(uint8_t* block) const {
  uint8_t* table = block + dblayout::kProviderOffset;
  for (int slot = 0; slot < dblayout::kProviderCount; ++slot)
    std::memcpy(table + dblayout::kProviderRecordSize * static_cast<size_t>(slot),
                m_providerImage[slot].bytes, dblayout::kProviderRecordSize);
}

void M_provider::BuildProviderView() {
  std::fill(m_providerView.begin(), m_providerView.end(), -1);
  m_providerViewCount = 0;
  for (int slot = 0; slot < dblayout::kProviderCount; ++slot)
    if (m_providerInfo[slot].used) m_providerView[m_providerViewCount++] = slot;
}

int M_provider::GetProviderViewEntry(int position) const {
  if (position < 1 || position > dblayout::kProviderCount) position = 1;
  return m_providerView[position - 1];
}

int M_provider::GetProviderViewCount() const { return m_providerViewCount; }

const PROVIDER_GROGUP_INFO_SHOW_T* M_provider::GetProviderInfo(int slot) const {
  return IsSlot(slot) ? &m_providerInfo[slot] : nullptr;
}

const provider_rec_s* M_provider::GetProviderRecord(int slot) const {
  return IsSlot(slot) ? &m_providerImage[slot] : nullptr;
}

bool M_provider::IsProviderUsed(int slot) const { return IsUsedSlot(slot); }

std::string M_provider::GetProviderName(int slot) const {
  return IsUsedSlot(slot) ? m_providerInfo[slot].name : std::string();
}

int M_provider::GetProviderUseCount(int slot) const {
  return IsUsedSlot(slot) ? static_cast<int>(m_providerInfo[slot].useCount) : 0;
}

bool M_provider::SetProviderName(int slot, const std::string& text) {
  if (!IsUsedSlot(slot)) return false;
  const std::string name = recordtext::Storable(text, kNameMaxChars);
  recordtext::WriteFixed(m_providerImage[slot].bytes + kName, kNameClear, name);
  m_providerInfo[slot].name = name;
  return true;
}

bool M_provider::AddProviderUse(int slot, int delta) {
  if (!IsUsedSlot(slot)) return false;
  uint8_t* r = m_providerImage[slot].bytes;
  const long count = std::clamp<long>(static_cast<long>(bytes::GetU16(r + kUseCount)) + delta, 0, 0xFFFF);
  bytes::PutU16(r + kUseCount, static_cast<uint16_t>(count));
  m_providerInfo[slot].useCount = static_cast<uint32_t>(count);
  return true;
}

bool M_provider::FreeProvider(int slot) {
  if (!IsUsedSlot(slot)) return false;
  ClearProvider(slot);
  return true;
}
