// Byte layout of the .dld container and the errors of the file layer.
#pragma once
#include <cstddef>
#include <cstdint>

namespace dld {

constexpr uint8_t kTagHeader = 0x11;
constexpr uint8_t kTagDescriptor = 0x22;
constexpr uint8_t kTagData = 0x33;

constexpr size_t kHeaderSize = 79;          // whole header record
constexpr uint16_t kHeaderLength = 76;      // its length field: 72 payload bytes + CRC
constexpr size_t kHeaderDefaultFlag = 59;
constexpr size_t kHeaderFileKind = 60;
constexpr size_t kHeaderTotalLength = 61;   // 24-bit
constexpr size_t kHeaderCrc = 75;           // CRC over bytes 3 ... 74

constexpr size_t kDescriptorSize = 26;
constexpr uint8_t kDescriptorLength = 24;
constexpr size_t kDescAddress = 3;
constexpr size_t kDescSize = 7;
constexpr size_t kDescCrc = 10;
constexpr size_t kDescPackedSize = 14;
constexpr size_t kDescPackedCrc = 17;
constexpr size_t kDescBlocks = 21;
constexpr size_t kDescOwnCrc = 22;          // CRC over record bytes 2 ... 21

constexpr size_t kMaxPayload = 0x1E000;     // largest record payload the reader accepts
constexpr size_t kUnpackBuffer = 0x1E000;   // decompressed bytes of one data record
constexpr size_t kMaxPartition = 0x10000;
constexpr size_t kMaxImage = 0x10E000;
constexpr size_t kMaxContainer = 0x1000000;  // 24-bit total length

}  // namespace dld

// What went wrong in the file layer. DldMessageCode maps it to the message catalogue.
enum class DldError {
  None,
  FileNotExist,      // 3 "Open File Error: file not exist!"
  ContainerCorrupt,  // 7 bad tag, length, CRC, truncation or decompression of the container
  TempFile,          // 7 the load image could not be written
  BankCrc,           // 5 no valid bank or a database that does not decompress
  WrongKind,         // 6 byte 60 is not the expected kind
  DatabaseTooLarge,  // no catalogue text: the database does not fit a bank
  BadInput,          // no catalogue text: a caller passed a block of the wrong size
  WriteFailed,       // no catalogue text: a working file or the target could not be written
};

inline int DldMessageCode(DldError e) {
  switch (e) {
    case DldError::FileNotExist: return 3;
    case DldError::ContainerCorrupt:
    case DldError::TempFile: return 7;
    case DldError::BankCrc: return 5;
    case DldError::WrongKind: return 6;
    default: return 0;
  }
}
