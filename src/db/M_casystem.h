// The CA-system table (100 slots) and its view list.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "db/CasystemRecords.h"
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_casystem : public virtual DbContext {
 public:
  M_casystem();

  void ResetCaSystems();
  void DecodeCaSystems(const uint8_t* block);
  void EncodeCaSystems(uint8_t* block) const;

  // View: the used CA-system slots in slot order.
  void BuildCasView();
  // The slot at a 1-based position; a position outside 1 to 100 yields the first entry; -1 for none.
  int GetCasViewEntry(int position) const;
  int GetCasViewCount() const;

  // The view record of a slot (used or free); nullptr outside the table.
  const cas_grogup_info_show_t* GetCasInfo(int slot) const;
  const casystem_rec_s* GetCasRecord(int slot) const;

  // Getters answer false, an empty text or 0 for a slot outside the table or free.
  bool IsCasUsed(int slot) const;
  std::string GetCasName(int slot) const;
  int GetCasIdentifier(int slot) const;
  int GetCasUseCount(int slot) const;
  // The lowest used slot whose identifier has the same vendor (high) byte; -1 when none.
  int FindCasByIdentifier(int identifier) const;

  // Setters change nothing (false) for a slot outside the table or free.
  bool SetCasName(int slot, const std::string& text);  // at most 4 characters are kept
  // Adds delta to the 15-bit use count (kept within 0 to 32767); the used bit is unchanged.
  bool AddCasUse(int slot, int delta);

 private:
  static bool IsSlot(int slot) { return slot >= 0 && slot < dblayout::kCasCount; }
  bool IsUsedSlot(int slot) const { return IsSlot(slot) && m_casInfo[slot].used != 0; }
  void DecodeCasView(int slot);

  std::vector<casystem_rec_s> m_casImage;
  std::vector<cas_grogup_info_show_t> m_casInfo;
  std::vector<int> m_casView;
  int m_casViewCount = 0;
};
