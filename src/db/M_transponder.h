// The satellite transponder table (4000 slots, with the header of used counts in total and per
// satellite) and the terrestrial transponder table (200 slots, with its used count).
#pragma once
#include <cstdint>
#include <string>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/TransponderView.h"

class M_transponder : public virtual DbContext {
public:
  static constexpr int kDeliveryTerrestrial = 2;

  M_transponder();

  void ResetSatTransponders();
  void DecodeSatTransponders(const uint8_t* block);
  void EncodeSatTransponders(uint8_t* block) const;
  void ResetTerTransponders();
  void DecodeTerTransponders(const uint8_t* block);
  void EncodeTerTransponders(uint8_t* block) const;

  // ---- satellite transponders ----
  // Setters change nothing (and return false) for a slot outside the table, a free slot or a
  // value that does not fit its field; the used-marking and freeing operations take any slot.
  bool MarkTransponderUsed(int slot);
  bool FreeTransponderSlot(int slot);  // writes the reset values of a free slot
  bool SetTransponderSatellite(int slot, int satellite);
  bool SetTransponderNumber(int slot, int number);
  bool SetTransponderFrequency(int slot, const std::string& text);   // MHz
  bool SetTransponderSymbolRate(int slot, const std::string& text);  // kS/s
  bool SetTransponderPolarity(int slot, int value);
  bool SetTransponderFec(int slot, int value);
  bool SetTransponderModulation(int slot, int value);
  // The marks the SatcoDX import leaves: u32 at 8 all ones, bits 2-31 of the u32 at 12 clear.
  bool SetTransponderImportFields(int slot);

  bool IsTransponderUsed(int slot) const;
  int GetTransponderSatellite(int slot) const;
  int GetTransponderNumber(int slot) const;
  int GetTransponderPolarity(int slot) const;
  int GetTransponderFec(int slot) const;
  int GetTransponderModulation(int slot) const;
  int GetTransponderFrequency(int slot) const;   // stored MHz
  int GetTransponderSymbolRate(int slot) const;  // stored kS/s
  std::string GetTransponderPolarityText(int slot) const;
  std::string GetTransponderFecText(int slot) const;
  std::string GetTransponderModulationText(int slot) const;
  std::string GetTransponderFrequencyText(int slot) const;
  std::string GetTransponderSymbolRateText(int slot) const;
  const sat_transponder_info_show_t* GetTransponderView(int slot) const;  // nullptr outside

  // ---- terrestrial transponders ----
  bool MarkTerTransponderUsed(int slot);
  bool FreeTerTransponderSlot(int slot);
  bool SetTerTransponderNumber(int slot, int number);
  bool SetTerTransponderFrequency(int slot, const std::string& text);  // kHz
  bool SetTerTransponderChannel(int slot, const std::string& text);
  bool SetTerTransponderBandwidth(int slot, int value);

  bool IsTerTransponderUsed(int slot) const;
  int GetTerTransponderNumber(int slot) const;
  int GetTerTransponderChannel(int slot) const;
  int GetTerTransponderBandwidth(int slot) const;
  int64_t GetTerTransponderFrequency(int slot) const;  // kHz, -1 none
  std::string GetTerTransponderBandwidthText(int slot) const;
  std::string GetTerTransponderFrequencyText(int slot) const;
  const ter_transponder_info_show_s* GetTerTransponderView(int slot) const;

  // Label of the transponder choosers for the given delivery kind (2 terrestrial, other
  // values satellite); the blank label for a slot that is outside the table or free.
  std::string GetTransponderLabel(int slot, int deliveryKind) const;

  // ---- counts and look-ups ----
  // Header counts; GetSatelliteTransponderCount is -1 for a satellite outside 0..63.
  int GetTransponderCount() const;
  int GetSatelliteTransponderCount(int satellite) const;
  int GetTerTransponderCount() const;
  // Count-keeping setters: add one, subtract one or do nothing by the count update mode.
  void UpdateTransponderCount();
  void UpdateSatelliteTransponderCount(int satellite);
  void UpdateTerTransponderCount();

  // Used slots counted over the table: of one satellite, or of all with satellite -1.
  int CountUsedTransponders(int satellite) const;
  int CountUsedTerTransponders() const;
  // The used transponder of the satellite with that number, or with satellite -1 the used
  // terrestrial transponder with that number; -1 when there is none.
  int FindTransponderByNumber(int satellite, int number) const;
  // The lowest free slot of the table the delivery kind selects; -1 when the table is full.
  int FindFreeTransponderSlot(int deliveryKind) const;

  static std::string PolarityText(int value);
  static std::string FecText(int value);
  static std::string ModulationText(int value);
  static std::string BandwidthText(int value);

private:
  static bool InSatTable(int slot) { return slot >= 0 && slot < dblayout::kTransponderCount; }
  static bool InTerTable(int slot) { return slot >= 0 && slot < dblayout::kTerCount; }
  bool UsableSat(int slot) const { return InSatTable(slot) && m_satTpView[slot].used; }
  bool UsableTer(int slot) const { return InTerTable(slot) && m_terTpView[slot].used; }
  void DecodeSatTransponderView(int slot);
  void DecodeTerTransponderView(int slot);
  void ClearSatTransponderView(int slot);
  void ClearTerTransponderView(int slot);

  uint8_t m_satTpHeader[dblayout::kTransponderHeaderSize];
  uint8_t m_satTpImage[dblayout::kTransponderCount][dblayout::kTransponderRecordSize];
  sat_transponder_info_show_t m_satTpView[dblayout::kTransponderCount];
  uint8_t m_terTpHeader[dblayout::kTerHeaderSize];
  uint8_t m_terTpImage[dblayout::kTerCount][dblayout::kTerRecordSize];
  ter_transponder_info_show_s m_terTpView[dblayout::kTerCount];
};
