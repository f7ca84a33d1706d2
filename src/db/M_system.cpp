#include "db/M_system.h"

#include <cstring>

#include "files/Bytes.h"

using bytes::GetBits;
using bytes::SetBits;

namespace {

struct FieldPlace {
  uint16_t offset;
  uint8_t size;  // word size in bytes
  uint8_t first;
  uint8_t width;
};

// Where every field id sits; a group's k-th field follows its predecessor's bits.
struct FieldTable {
  FieldPlace place[kBoxFieldCount];
  FieldTable() {
    int id = 0;
    auto add = [&](unsigned offset, unsigned size, unsigned first, unsigned width, int count) {
      for (int k = 0; k < count; ++k, ++id) {
        const unsigned bit = first + k * width;
        const unsigned byte = (bit / 8 / size) * size;  // whole words forward
        place[id] = {static_cast<uint16_t>(offset + byte), static_cast<uint8_t>(size),
                     static_cast<uint8_t>(bit - byte * 8), static_cast<uint8_t>(width)};
      }
    };
#define BOX_FIELD_PLACE(name, offset, size, first, width, count) add(offset, size, first, width, count);
    BOX_EDITED_FIELDS(BOX_FIELD_PLACE)
    BOX_KEPT_FIELDS(BOX_FIELD_PLACE)
#undef BOX_FIELD_PLACE
  }
};

const FieldTable& Places() {
  static const FieldTable table;
  return table;
}

constexpr size_t kPinOffset = 0x24;
constexpr size_t kPinSize = 4;
constexpr size_t kEntryService = 0x28;
constexpr size_t kEntrySecond = 0x38;
constexpr size_t kEntryBytes = 0x48;  // six arrays of 8 bytes, 8 apart
constexpr size_t kEntryDword1 = 0x78;
constexpr size_t kEntryDword2 = 0x98;
constexpr size_t kEntryWord = 0xB8;
constexpr int kEntryByteCount = 6;

// Where the 3-bit mode of each entry sits.
constexpr FieldPlace kEntryMode[BOX_INFO_SHOW_T::kEntryCount] = {
    {0xC8, 1, 0, 3}, {0xC8, 1, 3, 3}, {0xC9, 1, 0, 3}, {0xC9, 1, 3, 3},
    {0xCD, 1, 0, 3}, {0xD0, 1, 1, 3}, {0xD0, 1, 4, 3}, {0xD0, 2, 7, 3}};

uint32_t Get(const uint8_t* record, const FieldPlace& p) { return GetBits(record + p.offset, p.size, p.first, p.width); }
void Set(uint8_t* record, const FieldPlace& p, uint32_t v) { SetBits(record + p.offset, p.size, p.first, p.width, v); }

}  // namespace

M_system::M_system() { ResetSystemView(); }

// The defaults hold the record as well as the view, so a save that writes the record without
// a valid copy having been read writes these values.
void M_system::ResetSystemView() {
  std::memset(m_boxImage, 0, sizeof m_boxImage);
  for (int n = 0; n < kEntryCount; ++n) {
    bytes::PutU16(m_boxImage + kEntryService + 2 * n, 0xFFFF);
    bytes::PutU16(m_boxImage + kEntrySecond + 2 * n, 0xFFFF);
  }
  const FieldTable& t = Places();
  for (int k = 0; k < 3; ++k) Set(m_boxImage, t.place[kBoxWordE4 + k], 999);
  Set(m_boxImage, t.place[kBoxDwordD4], 10);
  // Every language of the name table is offered.
  Set(m_boxImage, t.place[kBoxLanguageMask], 0xFFFFF);
  static const struct {
    BoxField field;
    uint32_t value;
  } kDefaults[] = {
      {kBoxAllowedTimeSwitch, 1}, {kBoxTimeZone, 24},       {kBoxClockYear, 2006},     {kBoxClockMonth, 1},
      {kBoxClockDay, 1},          {kBoxClockHour, 1},       {kBoxClockMinute, 1},      {kBoxPowerOnSwitch, 1},
      {kBoxPowerOnHour, 1},       {kBoxPowerOnMinute, 1},   {kBoxPowerOffSwitch, 1},   {kBoxPowerOffHour, 1},
      {kBoxPowerOffMinute, 1},    {kBoxScreenRatio, 2},     {kBoxTvOutput, 1},         {kBoxVcrScart, 1},
      {kBoxVideoSaturation, 4},   {kBoxUhfOffset, 4},       {kBoxUhfChannel, 38},      {kBoxAutoUpdate, 1},
      {kBoxBannerTime, 3},        {kBoxVideoBrightness, 4}, {kBoxVideoContrast, 4},
  };
  for (const auto& d : kDefaults) Set(m_boxImage, t.place[d.field], d.value);
  DecodeSystemRecord(m_boxImage);
}

void M_system::DecodeSystemRecord(const uint8_t* record) {
  if (record != m_boxImage) std::memcpy(m_boxImage, record, sizeof m_boxImage);
  const FieldTable& t = Places();
  for (int f = 0; f < kBoxFieldCount; ++f) m_boxView.field[f] = Get(m_boxImage, t.place[f]);
  DecodePin();
  std::memcpy(m_boxView.bytesF4, m_boxImage + 0xF4, sizeof m_boxView.bytesF4);
  std::memcpy(m_boxView.bytes104, m_boxImage + 0x104, sizeof m_boxView.bytes104);
  std::memcpy(m_boxView.bytes118, m_boxImage + 0x118, sizeof m_boxView.bytes118);
  for (int n = 0; n < kEntryCount; ++n) DecodeEntry(n);
}

void M_system::EncodeSystemRecord(uint8_t* record) const { std::memcpy(record, m_boxImage, sizeof m_boxImage); }

void M_system::DecodePin() {
  m_boxView.pin.clear();
  for (size_t i = 0; i < kPinSize; ++i) {
    const char c = static_cast<char>(m_boxImage[kPinOffset + i]);
    if (c >= '0' && c <= '9') m_boxView.pin += c;
  }
}

void M_system::DecodeEntry(int n) {
  box_service_entry_s& e = m_boxView.entry[n];
  e.service = bytes::GetU16(m_boxImage + kEntryService + 2 * n);
  e.second = bytes::GetU16(m_boxImage + kEntrySecond + 2 * n);
  for (int b = 0; b < kEntryByteCount; ++b) e.bytes[b] = m_boxImage[kEntryBytes + 8 * b + n];
  e.dword1 = bytes::GetU32(m_boxImage + kEntryDword1 + 4 * n);
  e.dword2 = bytes::GetU32(m_boxImage + kEntryDword2 + 4 * n);
  e.word = bytes::GetU16(m_boxImage + kEntryWord + 2 * n);
  e.mode = static_cast<uint8_t>(Get(m_boxImage, kEntryMode[n]));
}

bool M_system::SetBoxField(BoxField field, int value) {
  const FieldPlace& p = Places().place[field];
  if (value < 0 || static_cast<uint32_t>(value) > bytes::Mask(p.width)) return false;
  Set(m_boxImage, p, static_cast<uint32_t>(value));
  m_boxView.field[field] = static_cast<uint32_t>(value);
  return true;
}

int64_t M_system::GetBoxFieldValue(int field) const {
  if (field < 0 || field >= kBoxFieldCount) return -1;
  return m_boxView.field[field];
}

// The first four characters go into the record; a shorter text is padded with NULs, which
// decode to nothing. The view keeps what the record now decodes to.
bool M_system::SetPin(const std::string& text) {
  for (size_t i = 0; i < kPinSize; ++i)
    m_boxImage[kPinOffset + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
  DecodePin();
  return true;
}

const box_service_entry_s* M_system::GetServiceLinkedEntry(int n) const {
  return n >= 0 && n < kEntryCount ? &m_boxView.entry[n] : nullptr;
}

int M_system::GetServiceLinkedService(int n) const {
  return n >= 0 && n < kEntryCount ? m_boxView.entry[n].service : -1;
}

bool M_system::SetServiceLinkedService(int n, int service) {
  if (n < 0 || n >= kEntryCount || service < 0 || service > 0xFFFF) return false;
  bytes::PutU16(m_boxImage + kEntryService + 2 * n, static_cast<uint16_t>(service));
  m_boxView.entry[n].service = static_cast<uint16_t>(service);
  return true;
}

int M_system::ClearServiceLinkedEntries(int service) {
  if (service < 0 || service >= 0xFFFF) return 0;  // 0xFFFF is "no service", never cleared
  int cleared = 0;
  for (int n = 0; n < kEntryCount; ++n) {
    if (m_boxView.entry[n].service != service) continue;
    bytes::PutU16(m_boxImage + kEntryService + 2 * n, 0xFFFF);
    bytes::PutU16(m_boxImage + kEntrySecond + 2 * n, 0xFFFF);
    for (int b = 0; b < kEntryByteCount; ++b) m_boxImage[kEntryBytes + 8 * b + n] = 0;
    Set(m_boxImage, kEntryMode[n], 0);
    DecodeEntry(n);
    ++cleared;
  }
  return cleared;
}
