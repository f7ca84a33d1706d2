// Layout of the flash image (STi710X placements; the other models use the same ones).
#pragma once
#include <cstddef>
#include <cstdint>

namespace flash {

constexpr size_t kDataImageLength = 0x87000;
constexpr size_t kDefaultImageLength = 0x3C000;

constexpr size_t kDatabaseBlockSize = 0x7E000;
constexpr size_t kSystemRecordSize = 508;
constexpr size_t kSlotSize = 512;

// Data image.
constexpr size_t kOffset0BlockSize = 80;
constexpr size_t kSlotHighest = 0x1FA00;
constexpr size_t kSlotLowest = 0x200;
constexpr int kSlotCount = 253;
constexpr size_t kKeptBlockOffset = 0x1FC00;
constexpr size_t kKeptBlockSize = 1024;
constexpr size_t kSystemAreaSize = 0x20000;  // slots, kept block and offset-0 block
constexpr size_t kSaveSlotOffset = 0x600;    // where a save writes the record
constexpr size_t kBank1 = 0x20000;
constexpr size_t kBank2 = 0x60000;

// Default image.
constexpr size_t kDefaultBank = 0;
constexpr size_t kDefaultSlot = 0x3FE00;

// Bank layout, offsets from the bank base.
constexpr size_t kBankHeaderSize = 80;
constexpr size_t kBankValidFlag = 0x50;
constexpr size_t kBankLength = 0x54;
constexpr size_t kBankData = 0x58;

struct SizeClass {
  uint32_t covered;  // R: bytes from base + 0x58 covered by the CRC table
  size_t tableOffset;  // T, absolute image offset
  size_t entries;    // R / 256 + 1
};

// The receiver's size classes: the class follows from L alone; the table sits right after the
// covered region, so data longer than R runs into its own table.
inline SizeClass ClassOf(uint32_t compressedLength, size_t bankBase) {
  static const uint32_t kThreshold[3] = {57336, 122872, 188408};
  static const uint32_t kCovered[4] = {57256, 122792, 188328, 253864};
  int c = 3;
  for (int i = 0; i < 3; ++i)
    if (compressedLength <= kThreshold[i]) {
      c = i;
      break;
    }
  const uint32_t r = kCovered[c];
  return {r, bankBase + kBankData + r, r / 256 + 1};
}

}  // namespace flash
