// The data-file class: the .dld container, the flash image inside it and the steps that
// turn one into the other. Base of the database object m_DataBase.
//
// Every step has an in-memory form working on byte vectors; the path-based forms read and
// write the working files of the load and save pipelines.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/DldFormat.h"
#include "files/FlashLayout.h"
#include "files/PartitionMaps.h"

class m_DLDFile {
public:
  using Bytes = std::vector<uint8_t>;

  m_DLDFile();
  virtual ~m_DLDFile() = default;

  static uint32_t Crc32(const uint8_t* bytes, size_t count);
  static files::ReceiverModel ModelCode() { return files::kBuildModel; }

  // --- State ---------------------------------------------------------------------------
  uint8_t FileKind() const { return m_fileKind; }
  void SetFileKind(uint8_t kind) { m_fileKind = kind; }
  // Header byte 59 of the next pack: 0 after a load, set by the transfer commands.
  uint8_t DefaultFlag() const { return m_defaultFlag; }
  void SetDefaultFlag(uint8_t flag) { m_defaultFlag = flag; }
  const uint8_t* Header() const { return m_header.data(); }
  size_t NominalImageLength(uint8_t kind) const;
  // Forgets what the last load found and kept (bank, slot, kept blocks). Called before every load.
  void ResetFileState();

  int CurrentBank() const { return m_currentBank; }
  bool SystemSlotFound() const { return m_slotFound; }
  size_t SystemSlotOffset() const { return m_slotOffset; }
  // The 508-byte record of the in-memory slot (followed by its 4-byte CRC).
  const uint8_t* SystemRecord() const { return m_slot.data(); }
  const uint8_t* SystemSlot() const { return m_slot.data(); }
  const uint8_t* BankHeader() const { return m_bankHeader.data(); }
  const uint8_t* KeptBlock() const { return m_keptBlock.data(); }
  const uint8_t* Offset0Block() const { return m_offset0Block.data(); }

  DldError LastError() const { return m_error; }
  int LastMessageCode() const { return DldMessageCode(m_error); }
  // Where and why, for the command line (offset, record or partition number).
  const std::string& LastErrorDetail() const { return m_errorDetail; }

  // --- Container -----------------------------------------------------------------------
  // Byte 60 of the file, or 0 when the file cannot be read that far.
  static uint8_t ReadFileKind(const std::string& path);
  bool ReadDldHeader(const std::string& path);
  bool ReadDldHeader(const Bytes& container);

  // Checks every record CRC and decompresses each partition into a fresh image.
  bool UnpackDld(const Bytes& container, Bytes& image);
  bool UnpackDld(const std::string& containerPath, const std::string& imagePath);

  // Packs the image into a container (header total length still to be set by FinishDldHeader).
  Bytes PackDld(const Bytes& image);
  bool PackDld(const std::string& imagePath, const std::string& containerPath);

  // which: 0 default flag (byte 59), 1 file kind (byte 60), 2 total length (bytes 61 ... 63).
  // Changes the in-memory header, recomputes its CRC and writes the 79 bytes at offset 0.
  void SetHeaderField(int which, uint32_t value);
  void SetHeaderField(int which, uint32_t value, Bytes& container);
  bool SetHeaderField(int which, uint32_t value, const std::string& path);
  void FinishDldHeader(Bytes& container);
  bool FinishDldHeader(const std::string& path);

  // --- Flash image ---------------------------------------------------------------------
  bool VerifyBanks(const Bytes& image);
  // Decompresses the current bank's database into a 0x7E000-byte block padded with 0xFF.
  bool ExtractDatabase(const Bytes& image, Bytes& block);
  bool ExtractDatabase(const Bytes& image, const std::string& blockPath);
  // Finds the valid system slot at the highest offset, keeps the kept block and (data image)
  // the system area for an unedited save, and hands a valid record to OnSystemRecordFound.
  void FindSystemSlot(const Bytes& image);
  void ReadBankHeader(const Bytes& image);

  // Builds the image of `targetKind` from a database block of 0x7E000 bytes and the 508-byte
  // system record (nullptr: the in-memory slot's record). The record is written when
  // `systemEdited` is set, and also whenever the last load gave no data-image system area to
  // copy (no load, or a default file saved as data), so a change of kind keeps the settings.
  // Refuses a database that does not fit a bank.
  bool BuildImage(uint8_t targetKind, const Bytes& block, const uint8_t* systemRecord, bool systemEdited,
                  Bytes& image);

  // --- Pipelines -----------------------------------------------------------------------
  // Container bytes -> database block, running every load step. The kind must be set.
  bool LoadDldBytes(const Bytes& container, Bytes& block);
  // Database block -> finished container of the current kind.
  bool SaveDldBytes(const Bytes& block, const uint8_t* systemRecord, bool systemEdited, Bytes& container);
  // The same with files: `workDir` receives the working files (empty: none are written).
  bool LoadDldBlock(const std::string& path, const std::string& workDir, Bytes& block);
  bool SaveDldBlock(const std::string& path, const std::string& workDir, const Bytes& block,
                    const uint8_t* systemRecord, bool systemEdited);

  static const char* const kLoadImageName;     // "Test_DldToBin.bin"
  static const char* const kLoadBlockName;     // "Test_Decompress.bin"
  static const char* const kSaveBlockName;     // "Test_tempsave.bin"
  static const char* const kBuildImageName;    // "Test_Compress.bin"
  static const char* const kBuildPackedName;   // "Test_BinToDld.dld"

protected:
  // Called with a valid 508-byte system record found by FindSystemSlot.
  virtual void OnSystemRecordFound(const uint8_t* record) { (void)record; }

  bool Fail(DldError e, const std::string& detail);
  void ClearError();

private:
  size_t ReadRecord(const Bytes& file, size_t offset, uint8_t tag, int lengthBytes, int partition, Bytes& image);
  bool VerifyBank(const Bytes& image, size_t base) const;
  size_t BankBase(int bank) const;

  uint8_t m_fileKind = files::kKindData;
  uint8_t m_defaultFlag = 0;
  std::array<uint8_t, dld::kHeaderSize> m_header{};
  std::array<uint8_t, dld::kDescriptorSize> m_descriptor{};

  int m_currentBank = 0;
  bool m_slotFound = false;
  size_t m_slotOffset = 0;
  std::array<uint8_t, flash::kSlotSize> m_slot{};
  std::array<uint8_t, flash::kBankHeaderSize> m_bankHeader{};
  std::array<uint8_t, flash::kKeptBlockSize> m_keptBlock{};
  std::array<uint8_t, flash::kOffset0BlockSize> m_offset0Block{};
  Bytes m_systemArea;  // first 0x20000 bytes of the last loaded data image

  DldError m_error = DldError::None;
  std::string m_errorDetail;
};
