#include "files/M_dldfile.h"

using namespace files;

#include <algorithm>

#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/FileIo.h"

const char* const m_DLDFile::kLoadImageName = "Test_DldToBin.bin";
const char* const m_DLDFile::kLoadBlockName = "Test_Decompress.bin";
const char* const m_DLDFile::kSaveBlockName = "Test_tempsave.bin";
const char* const m_DLDFile::kBuildImageName = "Test_Compress.bin";
const char* const m_DLDFile::kBuildPackedName = "Test_BinToDld.dld";

m_DLDFile::m_DLDFile() {
  // Without a loaded file the header is all zero apart from tag and length; the image blocks
  // that are kept from a load start as erased flash, the offset-0 block as zeros.
  m_header.fill(0);
  m_header[0] = dld::kTagHeader;
  bytes::PutU16(m_header.data() + 1, dld::kHeaderLength);
  m_descriptor.fill(0xFF);
  m_slot.fill(0xFF);
  m_bankHeader.fill(0xFF);
  m_keptBlock.fill(0xFF);
  m_offset0Block.fill(0);
}

uint32_t m_DLDFile::Crc32(const uint8_t* bytes, size_t count) { return ::Crc32(bytes, count); }

size_t m_DLDFile::NominalImageLength(uint8_t kind) const {
  return kind == kKindDefault ? flash::kDefaultImageLength : flash::kDataImageLength;
}

void m_DLDFile::ResetFileState() {
  m_currentBank = 0;
  m_slotFound = false;
  m_slotOffset = 0;
  m_defaultFlag = 0;
  // Nothing kept from the previous document may reach the next one's saves.
  m_slot.fill(0xFF);
  m_bankHeader.fill(0xFF);
  m_keptBlock.fill(0xFF);
  m_systemArea.clear();
  ClearError();
}

bool m_DLDFile::Fail(DldError e, const std::string& detail) {
  m_error = e;
  m_errorDetail = detail;
  return false;
}

void m_DLDFile::ClearError() {
  m_error = DldError::None;
  m_errorDetail.clear();
}

// --- Header --------------------------------------------------------------------------------

uint8_t m_DLDFile::ReadFileKind(const std::string& path) {
  Bytes head;
  if (!fileio::ReadFile(path, head, dld::kHeaderSize) || head.size() <= dld::kHeaderFileKind) return 0;
  return head[dld::kHeaderFileKind];
}

bool m_DLDFile::ReadDldHeader(const Bytes& container) {
  if (container.size() < dld::kHeaderSize) return Fail(DldError::ContainerCorrupt, "file shorter than its header");
  std::copy(container.begin(), container.begin() + dld::kHeaderSize, m_header.begin());
  return true;
}

bool m_DLDFile::ReadDldHeader(const std::string& path) {
  Bytes head;
  if (!fileio::ReadFile(path, head, dld::kHeaderSize)) return Fail(DldError::FileNotExist, path);
  return ReadDldHeader(head);
}

void m_DLDFile::SetHeaderField(int which, uint32_t value) {
  if (which == 0)
    m_header[dld::kHeaderDefaultFlag] = static_cast<uint8_t>(value);
  else if (which == 1)
    m_header[dld::kHeaderFileKind] = static_cast<uint8_t>(value);
  else if (which == 2)
    bytes::PutU24(m_header.data() + dld::kHeaderTotalLength, value);
  bytes::PutU32(m_header.data() + dld::kHeaderCrc, Crc32(m_header.data() + 3, dld::kHeaderCrc - 3));
}

void m_DLDFile::SetHeaderField(int which, uint32_t value, Bytes& container) {
  SetHeaderField(which, value);
  if (container.size() < dld::kHeaderSize) container.resize(dld::kHeaderSize, 0);
  std::copy(m_header.begin(), m_header.end(), container.begin());
}

bool m_DLDFile::SetHeaderField(int which, uint32_t value, const std::string& path) {
  SetHeaderField(which, value);
  if (!fileio::Exists(path) && !fileio::WriteFile(path, {})) return Fail(DldError::WriteFailed, path);
  if (!fileio::WriteAt(path, 0, m_header.data(), m_header.size())) return Fail(DldError::WriteFailed, path);
  return true;
}

void m_DLDFile::FinishDldHeader(Bytes& container) {
  SetHeaderField(2, static_cast<uint32_t>(container.size()), container);
}

bool m_DLDFile::FinishDldHeader(const std::string& path) {
  Bytes all;
  if (!fileio::ReadFile(path, all, dld::kMaxContainer + 1)) return Fail(DldError::FileNotExist, path);
  return SetHeaderField(2, static_cast<uint32_t>(all.size()), path);
}

// --- File forms ----------------------------------------------------------------------------

bool m_DLDFile::UnpackDld(const std::string& containerPath, const std::string& imagePath) {
  Bytes container, image;
  if (!fileio::ReadFile(containerPath, container, dld::kMaxContainer))
    return Fail(DldError::FileNotExist, containerPath);
  if (!UnpackDld(container, image)) return false;
  if (!fileio::WriteFile(imagePath, image)) return Fail(DldError::TempFile, imagePath);
  return true;
}

bool m_DLDFile::PackDld(const std::string& imagePath, const std::string& containerPath) {
  Bytes image;
  if (!fileio::ReadFile(imagePath, image, dld::kMaxImage)) return Fail(DldError::FileNotExist, imagePath);
  if (!fileio::WriteFile(containerPath, PackDld(image))) return Fail(DldError::WriteFailed, containerPath);
  return true;
}

bool m_DLDFile::ExtractDatabase(const Bytes& image, const std::string& blockPath) {
  Bytes block;
  if (!ExtractDatabase(image, block)) return false;
  if (!fileio::WriteFile(blockPath, block)) return Fail(DldError::TempFile, blockPath);
  return true;
}

// --- Pipelines -----------------------------------------------------------------------------

bool m_DLDFile::LoadDldBytes(const Bytes& container, Bytes& block) {
  Bytes image;
  if (!UnpackDld(container, image)) return false;
  if (!VerifyBanks(image) || !ExtractDatabase(image, block)) return false;
  FindSystemSlot(image);
  ReadBankHeader(image);
  return true;
}

bool m_DLDFile::SaveDldBytes(const Bytes& block, const uint8_t* systemRecord, bool systemEdited, Bytes& container) {
  Bytes image;
  if (!BuildImage(m_fileKind, block, systemRecord, systemEdited, image)) return false;
  container = PackDld(image);
  FinishDldHeader(container);
  return true;
}

bool m_DLDFile::LoadDldBlock(const std::string& path, const std::string& workDir, Bytes& block) {
  ClearError();
  if (!fileio::Exists(path)) return Fail(DldError::FileNotExist, path);
  Bytes container, image;
  if (!fileio::ReadFile(path, container, dld::kMaxContainer)) return Fail(DldError::FileNotExist, path);
  if (!UnpackDld(container, image)) return false;
  if (!workDir.empty() && !fileio::WriteFile(fileio::Join(workDir, kLoadImageName), image))
    return Fail(DldError::TempFile, fileio::Join(workDir, kLoadImageName));
  if (!VerifyBanks(image) || !ExtractDatabase(image, block)) return false;
  if (!workDir.empty() && !fileio::WriteFile(fileio::Join(workDir, kLoadBlockName), block))
    return Fail(DldError::TempFile, fileio::Join(workDir, kLoadBlockName));
  FindSystemSlot(image);
  ReadBankHeader(image);
  return true;
}

bool m_DLDFile::SaveDldBlock(const std::string& path, const std::string& workDir, const Bytes& block,
                             const uint8_t* systemRecord, bool systemEdited) {
  ClearError();
  Bytes image, container;
  std::string why;
  auto work = [&](const char* name, const Bytes& bytes) {
    return workDir.empty() || fileio::WriteFile(fileio::Join(workDir, name), bytes, &why);
  };
  auto failed = [&](const std::string& file) { return Fail(DldError::WriteFailed, file + ": " + why); };
  if (!work(kSaveBlockName, block)) return failed(fileio::Join(workDir, kSaveBlockName));
  if (!BuildImage(m_fileKind, block, systemRecord, systemEdited, image)) return false;
  if (!work(kBuildImageName, image)) return failed(fileio::Join(workDir, kBuildImageName));
  container = PackDld(image);
  FinishDldHeader(container);
  if (!work(kBuildPackedName, container)) return failed(fileio::Join(workDir, kBuildPackedName));
  if (!fileio::ReplaceFile(path, container, &why)) return failed(path);
  return true;
}
