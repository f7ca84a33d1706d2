// The provider table (400 slots) and its view list.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/ProviderRecords.h"

class M_provider : public virtual DbContext {
 public:
  M_provider();

  void ResetProviders();
  void DecodeProviders(const uint8_t* block);
  void EncodeProviders(uint8_t* block) const;

  // View: the used provider slots in slot order.
  void BuildProviderView();
  // The slot at a 1-based position; a position outside 1 to 400 yields the first entry; -1 for none.
  int GetProviderViewEntry(int position) const;
  int GetProviderViewCount() const;

  // The view record of a slot (used or free); nullptr outside the table.
  const PROVIDER_GROGUP_INFO_SHOW_T* GetProviderInfo(int slot) const;
  const provider_rec_s* GetProviderRecord(int slot) const;

  // Getters answer false, an empty text or 0 for a slot outside the table or free.
  bool IsProviderUsed(int slot) const;
  std::string GetProviderName(int slot) const;
  int GetProviderUseCount(int slot) const;

  // Setters change nothing (false) for a slot outside the table or free.
  bool SetProviderName(int slot, const std::string& text);  // at most 13 characters are kept
  // Adds delta to the use count; the count stays within 0 to 65535.
  bool AddProviderUse(int slot, int delta);
  // Frees a used provider: used 0, 15-bit value 0x7FFF, use count 0, name cleared.
  bool FreeProvider(int slot);

 private:
  static bool IsSlot(int slot) { return slot >= 0 && slot < dblayout::kProviderCount; }
  bool IsUsedSlot(int slot) const { return IsSlot(slot) && m_providerInfo[slot].used != 0; }
  void ClearProvider(int slot);

  std::vector<provider_rec_s> m_providerImage;
  std::vector<PROVIDER_GROGUP_INFO_SHOW_T> m_providerInfo;
  std::vector<int> m_providerView;
  int m_providerViewCount = 0;
};
