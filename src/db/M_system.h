// The receiver's system settings record (box_rec_s, 508 bytes): languages, parental control,
// audio and video outputs, clock and timers, RF modulator and display choices, and the eight
// entries that refer to services.
#pragma once
#include <cstdint>
#include <string>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/SystemView.h"

class M_system : public virtual DbContext {
public:
  static constexpr int kEntryCount = BOX_INFO_SHOW_T::kEntryCount;

  M_system();

  // Back to the defaults that hold while no valid record has been read.
  void ResetSystemView();
  void DecodeSystemRecord(const uint8_t* record);
  void EncodeSystemRecord(uint8_t* record) const;

  // Set<Name>(value) / Get<Name>() for every field the settings page edits. A setter changes
  // the field's bits and its view value and nothing else; a value that does not fit the field
  // changes nothing and returns false.
#define BOX_FIELD_ACCESSORS(name, offset, size, first, width, count) \
  bool Set##name(int value) { return SetBoxField(kBox##name, value); } \
  int Get##name() const { return GetBoxField(kBox##name); }
  BOX_EDITED_FIELDS(BOX_FIELD_ACCESSORS)
#undef BOX_FIELD_ACCESSORS

  // Any field by id, -1 for an id outside the table. Setting is for the edited fields only.
  int64_t GetBoxFieldValue(int field) const;

  // The PIN: four ASCII digits at 0x24. The text built from them skips bytes that are no digit.
  bool SetPin(const std::string& text);
  std::string GetPin() const { return m_boxView.pin; }

  uint32_t GetLanguageMask() const { return m_boxView.field[kBoxLanguageMask]; }
  int GetDefaultLanguagePosition() const { return static_cast<int>(m_boxView.field[kBoxDefaultLanguagePosition]); }
  // Bit 1 of byte 0x139: the satellite table uses its second dish setting set while it is 1.
  bool GetSatelliteSettingSelector() const { return m_boxView.field[kBoxSatelliteSettingSelector] != 0; }

  // ---- entries that refer to services ----
  const box_service_entry_s* GetServiceLinkedEntry(int n) const;  // nullptr outside 0..7
  int GetServiceLinkedService(int n) const;                       // -1 outside 0..7
  bool SetServiceLinkedService(int n, int service);
  // Clears every entry that refers to the service: service and second word 0xFFFF, the six
  // bytes and the mode 0. Returns how many entries were cleared (the caller marks the settings
  // modified when it is above 0).
  int ClearServiceLinkedEntries(int service);

  const BOX_INFO_SHOW_T& GetSystemView() const { return m_boxView; }

private:
  bool SetBoxField(BoxField field, int value);
  int GetBoxField(BoxField field) const { return static_cast<int>(m_boxView.field[field]); }
  void DecodeEntry(int n);
  void DecodePin();

  uint8_t m_boxImage[dblayout::kSystemRecordSize];
  BOX_INFO_SHOW_T m_boxView;
};
