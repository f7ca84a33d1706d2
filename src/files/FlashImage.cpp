// The flash image: bank verification, database extraction, system slots and image building.
#include <algorithm>
#include <cstdio>

#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/Lzo.h"
#include "files/M_dldfile.h"

using namespace files;

namespace {

// Bytes of the image at [offset, offset + count); anything past the end reads as 0xFF.
const uint8_t* View(const std::vector<uint8_t>& image, size_t offset, size_t count, std::vector<uint8_t>& scratch) {
  if (offset <= image.size() && count <= image.size() - offset) return image.data() + offset;
  scratch.assign(count, 0xFF);
  if (offset < image.size())
    std::copy(image.begin() + static_cast<std::ptrdiff_t>(offset), image.end(), scratch.begin());
  return scratch.data();
}

uint32_t U32At(const std::vector<uint8_t>& image, size_t offset) {
  std::vector<uint8_t> scratch;
  return bytes::GetU32(View(image, offset, 4, scratch));
}

// Writes, extending the image with 0xFF when the write reaches past its end.
void Put(std::vector<uint8_t>& image, size_t offset, const uint8_t* bytes, size_t count) {
  if (image.size() < offset + count) image.resize(offset + count, 0xFF);
  std::copy(bytes, bytes + count, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

void PutU32(std::vector<uint8_t>& image, size_t offset, uint32_t v) {
  uint8_t b[4];
  bytes::PutU32(b, v);
  Put(image, offset, b, 4);
}

std::string Hex(size_t v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%zX", v);
  return buf;
}

}  // namespace

size_t m_DLDFile::BankBase(int bank) const {
  if (m_fileKind == kKindDefault) return flash::kDefaultBank;
  return bank == 1 ? flash::kBank1 : flash::kBank2;
}

bool m_DLDFile::VerifyBank(const Bytes& image, size_t base) const {
  const flash::SizeClass c = flash::ClassOf(U32At(image, base + flash::kBankLength), base);
  std::vector<uint8_t> scratch, tableScratch;
  const uint8_t* covered = View(image, base + flash::kBankData, c.covered, scratch);
  const uint8_t* table = View(image, c.tableOffset, c.entries * 4, tableScratch);
  for (size_t j = 0; j < c.entries; ++j) {
    const size_t n = std::min<size_t>(256, c.covered - j * 256);
    if (Crc32(covered + j * 256, n) != bytes::GetU32(table + j * 4)) return false;
  }
  return true;
}

bool m_DLDFile::VerifyBanks(const Bytes& image) {
  ClearError();
  m_currentBank = 0;
  if (m_fileKind == kKindDefault) {
    if (VerifyBank(image, flash::kDefaultBank)) m_currentBank = 1;
  } else {
    const bool valid2 = U32At(image, flash::kBank2 + flash::kBankValidFlag) == 1;
    const bool valid1 = U32At(image, flash::kBank1 + flash::kBankValidFlag) == 1;
    const int first = valid2 ? 2 : valid1 ? 1 : 2;
    const int second = first == 2 ? 1 : 2;
    if (VerifyBank(image, BankBase(first)))
      m_currentBank = first;
    else if (VerifyBank(image, BankBase(second)))
      m_currentBank = second;
  }
  if (m_currentBank == 0) return Fail(DldError::BankCrc, "no bank matches its CRC table");
  return true;
}

bool m_DLDFile::ExtractDatabase(const Bytes& image, Bytes& block) {
  ClearError();
  const size_t base = BankBase(m_currentBank);
  const uint32_t length = U32At(image, base + flash::kBankLength);
  const size_t start = base + flash::kBankData;
  // The stored length is not covered by the CRC table; never read past the image for it.
  if (start > image.size() || length > image.size() - start)
    return Fail(DldError::BankCrc, "bank at " + Hex(base) + ": database length " + std::to_string(length) +
                                       " runs past the image");
  block.assign(flash::kDatabaseBlockSize, 0xFF);
  size_t produced = 0;
  if (lzo::Decompress(image.data() + start, length, block.data(), block.size(), produced) != lzo::DecodeResult::Ok) {
    block.assign(flash::kDatabaseBlockSize, 0xFF);
    return Fail(DldError::BankCrc, "bank at " + Hex(base) + ": database does not decompress");
  }
  return true;
}

void m_DLDFile::FindSystemSlot(const Bytes& image) {
  std::vector<uint8_t> scratch;
  m_slotFound = false;
  auto test = [&](size_t offset) {
    const uint8_t* slot = View(image, offset, flash::kSlotSize, scratch);
    std::copy(slot, slot + flash::kSlotSize, m_slot.begin());
    m_slotOffset = offset;
    m_slotFound = Crc32(slot, flash::kSystemRecordSize) == bytes::GetU32(slot + flash::kSystemRecordSize);
    return m_slotFound;
  };
  if (m_fileKind == kKindDefault) {
    m_systemArea.clear();
    test(flash::kDefaultSlot);
  } else {
    const uint8_t* kept = View(image, flash::kKeptBlockOffset, flash::kKeptBlockSize, scratch);
    std::copy(kept, kept + flash::kKeptBlockSize, m_keptBlock.begin());
    const uint8_t* area = View(image, 0, flash::kSystemAreaSize, scratch);
    m_systemArea.assign(area, area + flash::kSystemAreaSize);
    for (int k = 0; k < flash::kSlotCount; ++k)
      if (test(flash::kSlotHighest - static_cast<size_t>(k) * flash::kSlotSize)) break;
  }
  if (m_slotFound) OnSystemRecordFound(m_slot.data());
}

void m_DLDFile::ReadBankHeader(const Bytes& image) {
  std::vector<uint8_t> scratch;
  const uint8_t* h = View(image, BankBase(m_currentBank), flash::kBankHeaderSize, scratch);
  std::copy(h, h + flash::kBankHeaderSize, m_bankHeader.begin());
}

bool m_DLDFile::BuildImage(uint8_t targetKind, const Bytes& block, const uint8_t* systemRecord, bool systemEdited,
                           Bytes& image) {
  ClearError();
  if (targetKind != kKindData && targetKind != kKindDefault)
    return Fail(DldError::BadInput, "file kind " + std::to_string(targetKind) + " is neither 17 nor 4");
  if (block.size() != flash::kDatabaseBlockSize)
    return Fail(DldError::BadInput, "database block of " + std::to_string(block.size()) + " bytes");

  const Bytes packed = lzo::Compress(block.data(), block.size());
  const uint32_t length = static_cast<uint32_t>(packed.size());
  // The receiver's table sits right after the covered region: longer data would be
  // overwritten by its own CRC table, and the last class has nothing beyond it.
  const flash::SizeClass probe = flash::ClassOf(length, 0);
  if (length > probe.covered)
    return Fail(DldError::DatabaseTooLarge, "database compresses to " + std::to_string(length) +
                                                 " bytes; a bank of this size class holds at most " +
                                                 std::to_string(probe.covered));

  image.assign(NominalImageLength(targetKind), 0xFF);
  std::vector<size_t> bases;
  if (targetKind == kKindDefault) {
    bases.push_back(flash::kDefaultBank);
  } else {
    bases.push_back(m_currentBank == 1 ? flash::kBank1 : flash::kBank2);
    bases.push_back(bases[0] == flash::kBank1 ? flash::kBank2 : flash::kBank1);
  }
  for (size_t base : bases) {
    const flash::SizeClass c = flash::ClassOf(length, base);
    // The covered region may run past the nominal length: it reads as erased flash.
    if (image.size() < c.tableOffset + c.entries * 4) image.resize(c.tableOffset + c.entries * 4, 0xFF);
    PutU32(image, base + flash::kBankValidFlag, 1);
    PutU32(image, base + flash::kBankLength, length);
    Put(image, base + flash::kBankData, packed.data(), packed.size());
    for (size_t j = 0; j < c.entries; ++j) {
      const size_t n = std::min<size_t>(256, c.covered - j * 256);
      PutU32(image, c.tableOffset + j * 4, Crc32(image.data() + base + flash::kBankData + j * 256, n));
    }
    Put(image, base, m_bankHeader.data(), m_bankHeader.size());
  }

  const uint8_t* record = systemRecord ? systemRecord : m_slot.data();
  auto writeSlot = [&](size_t offset) {
    std::copy(record, record + flash::kSystemRecordSize, m_slot.begin());
    bytes::PutU32(m_slot.data() + flash::kSystemRecordSize, Crc32(m_slot.data(), flash::kSystemRecordSize));
    Put(image, offset, m_slot.data(), m_slot.size());
  };
  if (targetKind == kKindDefault) {
    writeSlot(flash::kDefaultSlot);
  } else if (systemEdited || m_systemArea.size() != flash::kSystemAreaSize) {
    // Edited settings, or nothing to copy (a default file saved as data): write the record.
    Put(image, 0, m_offset0Block.data(), m_offset0Block.size());
    Put(image, flash::kKeptBlockOffset, m_keptBlock.data(), m_keptBlock.size());
    writeSlot(flash::kSaveSlotOffset);
  } else {
    Put(image, 0, m_systemArea.data(), m_systemArea.size());
  }
  return true;
}
