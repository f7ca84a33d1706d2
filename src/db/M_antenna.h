// The satellite table: 64 fixed satellite slots ("antennas") with their dish settings, names
// and auto scan transponders, kept as receiver bytes and as decoded view records.
#pragma once
#include <cstdint>
#include <string>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/SatelliteView.h"

class M_antenna : public virtual DbContext {
public:
  static constexpr int kAutoScanCount = 3;
  static constexpr size_t kNameSize = 19;
  static constexpr size_t kNameMaxLength = kNameSize - 1;

  M_antenna();

  void ResetAntennas();
  void DecodeAntennas(const uint8_t* block);
  void EncodeAntennas(uint8_t* block) const;

  // Setters: each changes the image bytes and the view record together. A slot outside
  // 0..63 or a value that does not fit its field changes nothing (and returns false).
  bool SetAntennaLnbType(int slot, int type);
  bool SetAntenna22K(int slot, int value);
  bool SetAntenna12V(int slot, int value);
  bool SetAntennaPower(int slot, int value);
  bool SetAntennaDiseqc(int slot, int port);
  bool SetAntennaMotor(int slot, int choice);  // 0 off, 1 DiSEqC 1.2, 2 USALS
  bool SetAntennaLongitude(int slot, const std::string& text);
  bool SetAntennaLnbFrequency(int slot, const std::string& text);
  bool SetAntennaName(int slot, const std::string& text);
  bool SetAutoScanTpFrequency(int slot, int n, const std::string& text);
  bool SetAutoScanTpSymbolRate(int slot, int n, const std::string& text);
  bool SetAutoScanTpPolarity(int slot, int n, int value);

  // Getters: -1 (or an empty text) for a slot outside the table unless stated.
  int GetAntennaLnbType(int slot) const;
  int GetAntenna22K(int slot) const;
  int GetAntenna12V(int slot) const;
  int GetAntennaPower(int slot) const;
  int GetAntennaDiseqc(int slot) const;  // 0xFFFF outside the table
  int GetAntennaMotor(int slot) const;   // motor nibble; 0 outside the table
  int GetAntennaLongitude(int slot) const;
  int GetAntennaUserLnbFrequency(int slot) const;
  std::string GetAntennaLongitudeText(int slot) const;  // with " E" or " W"
  std::string GetAntennaLnbFrequencyText(int slot) const;
  std::string GetAntenna22KText(int slot) const;
  std::string GetAntenna12VText(int slot) const;
  std::string GetAntennaPowerText(int slot) const;
  std::string GetAntennaDiseqcText(int slot) const;
  std::string GetAntennaMotorText(int slot) const;
  std::string GetAntennaName(int slot) const;
  std::string GetAntennaLabel(int slot) const;
  std::string GetAutoScanTpFrequencyText(int slot, int n) const;
  std::string GetAutoScanTpSymbolRateText(int slot, int n) const;
  int GetAutoScanTpPolarity(int slot, int n) const;
  // The view record of a slot; nullptr outside the table.
  const satellite_info_show_s* GetAntennaView(int slot) const;

  // Texts of the value codes; empty for codes without a text.
  static std::string LnbTypeMenuText(int type);
  static std::string OnOffText(int value);
  static std::string LnbPowerText(int value);
  static std::string DiseqcText(int port);
  static std::string MotorText(int motorNibble);

private:
  static bool ValidSlot(int slot) { return slot >= 0 && slot < dblayout::kSatelliteCount; }
  static bool ValidAutoScan(int slot, int n) { return ValidSlot(slot) && n >= 0 && n < kAutoScanCount; }
  // Offset of the DiSEqC and motor byte the selector picks: byte 9 under the second setting set.
  size_t DiseqcMotorOffset() const { return SatelliteSettingSelector() ? 9 : 1; }
  void DecodeAntennaView(int slot);
  void RefreshDiseqcMotorView(int slot);

  uint8_t m_antennaImage[dblayout::kSatelliteCount][dblayout::kSatelliteRecordSize];
  // Byte 59 of each 60-byte slot: no field, written back as read.
  uint8_t m_antennaSlotTail[dblayout::kSatelliteCount];
  satellite_info_show_s m_antennaView[dblayout::kSatelliteCount];
};
