// The service table (6000 slots) and the program header with the service order and counts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/ProgramRecords.h"
#include "db/ServiceLinks.h"

class M_program : public virtual ServiceLinks, public virtual DbContext {
 public:
  M_program();

  // --- Program header ---
  void ResetProgramHeader();
  void DecodeProgramHeader(const uint8_t* block);
  void EncodeProgramHeader(uint8_t* block) const;
  uint32_t GetProgramMarker() const override;
  // First and last service of the service order; -1 when there is none.
  int GetFirstService() const;
  int GetLastService() const;
  // Takes a service slot, or -1 or 0xFFFF for none; false (nothing stored) for anything else.
  bool SetFirstService(int slot);
  bool SetLastService(int slot);
  int GetUsedServiceCount() const;
  // Used services of one type (0 TV, 1 radio, 2 data); 0 for another type.
  int GetUsedServiceTypeCount(int type) const;
  // Count-keeping: applies the count update mode to the total and to the count of the type.
  void UpdateServiceCounts(int type);

  // --- Table ---
  void ResetServices();
  // Puts one slot back to the free-slot values.
  void ResetService(int slot);
  void DecodeServices(const uint8_t* block);
  void EncodeServices(uint8_t* block) const;
  // Lowest free slot, -1 when every slot is used.
  int FindFreeServiceSlot() const;
  // The view record of a slot (used or free); nullptr outside the table.
  const progarm_info_show_s* GetServiceInfo(int slot) const;
  // The image record of a slot; nullptr outside the table.
  const program_rec_s* GetServiceRecord(int slot) const;

  // Setters: false (and nothing changed) for a slot outside the table, a free slot or a value
  // the field cannot hold.
  bool MarkServiceUsed(int slot);
  bool SetServiceType(int slot, int type);
  bool SetServiceDelivery(int slot, int kind);
  bool SetServiceTransponder(int slot, int transponder);   // -1 stores 0xFFF
  bool SetServiceSatellite(int slot, int satellite);       // -1 stores 0xFF
  bool SetServiceProvider(int slot, int provider);         // -1 stores 0x1FF
  bool SetServiceName(int slot, const std::string& text);  // at most 31 characters are kept
  // Number texts are stored as typed; the image takes their value.
  bool SetServiceId(int slot, const std::string& text);
  bool SetServicePcrPid(int slot, const std::string& text);
  bool SetServiceVideoPid(int slot, const std::string& text);
  bool SetServiceAudioPid(int slot, const std::string& text);
  bool SetServicePmtPid(int slot, const std::string& text);
  bool SetServiceLocked(int slot, bool flag);
  bool SetServiceSkipped(int slot, bool flag);
  bool SetServiceScrambled(int slot, bool flag);
  bool SetServiceHd(int slot, bool flag);
  void SetServiceFavoriteMask(int slot, uint32_t mask) override;
  // Links take a service slot, or -1 or 0xFFFF for none.
  bool SetServicePrevious(int slot, int previous);
  bool SetServiceNext(int slot, int next);
  bool SetServiceValue3(int slot, int value);
  bool SetServiceValue5(int slot, int value);

  // Getters: the none value (false, -1, 0 or an empty text) for a slot outside the table or free.
  bool IsServiceUsed(int slot) const override;
  int GetServiceType(int slot) const;
  int GetServiceDelivery(int slot) const;
  int GetServiceTransponder(int slot) const;  // -1 for none
  int GetServiceSatellite(int slot) const;    // -1 for none
  int GetServiceProvider(int slot) const;     // -1 for none
  int GetServiceCaCount(int slot) const;
  int GetServiceCa(int slot, int index) const;  // CA system identifier; 0 for none
  uint32_t GetServiceFavoriteMask(int slot) const override;
  bool IsServiceLocked(int slot) const;
  bool IsServiceSkipped(int slot) const;
  bool IsServiceScrambled(int slot) const;
  bool IsServiceHd(int slot) const;
  std::string GetServiceName(int slot) const;
  std::string GetServiceIdText(int slot) const;
  std::string GetServicePcrPidText(int slot) const;
  std::string GetServiceVideoPidText(int slot) const;
  std::string GetServiceAudioPidText(int slot) const;
  std::string GetServicePmtPidText(int slot) const;
  int GetServicePrevious(int slot) const;  // -1 for none
  int GetServiceNext(int slot) const;      // -1 for none

  // Toggles of one service; false when nothing changed.
  bool ToggleServiceLocked(int slot);
  bool ToggleServiceSkipped(int slot);
  bool ToggleServiceScrambled(int slot);
  // Only a TV service changes its HD state.
  bool ToggleServiceHd(int slot);

 private:
  static bool IsSlot(int slot) { return slot >= 0 && slot < dblayout::kServiceCount; }
  bool IsUsedSlot(int slot) const { return IsSlot(slot) && m_programView[slot].used != 0; }
  uint8_t* Rec(int slot) { return m_programImage[slot].bytes; }
  const uint8_t* Rec(int slot) const { return m_programImage[slot].bytes; }
  void DecodeServiceView(int slot);
  bool SetPidText(int slot, const std::string& text, std::string progarm_info_show_s::*view, size_t offset,
                  unsigned size, unsigned first, unsigned width);
  bool SetLink(int slot, int value, size_t offset, uint16_t progarm_info_show_s::*view);
  bool SetFlag(int slot, size_t offset, unsigned bit, uint8_t progarm_info_show_s::*view, bool flag);
  std::string UsedText(int slot, std::string progarm_info_show_s::*view) const;

  uint8_t m_programHeader[dblayout::kProgramHeaderSize];
  std::vector<program_rec_s> m_programImage;
  std::vector<progarm_info_show_s> m_programView;
};
