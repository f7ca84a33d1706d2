// The .dld container: reading records, unpacking into a flash image, packing an image.
#include <algorithm>
#include <cstdio>

#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/Lzo.h"
#include "files/M_dldfile.h"

using namespace files;

namespace {

std::string Hex(size_t v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%zX", v);
  return buf;
}

const char* RecordName(uint8_t tag) {
  return tag == dld::kTagHeader ? "header" : tag == dld::kTagDescriptor ? "descriptor" : "data";
}

}  // namespace

// Reads one record at `offset`; with partition >= 0 its payload is decompressed into the image
// at the partition's place. Returns the offset past the record's CRC, or 0 on failure.
size_t m_DLDFile::ReadRecord(const Bytes& file, size_t offset, uint8_t tag, int lengthBytes, int partition,
                             Bytes& image) {
  std::string where = std::string(RecordName(tag)) + " record";
  if (partition >= 0) where += " of partition " + std::to_string(partition);
  where += " at offset " + Hex(offset);
  auto bad = [&](const std::string& why) {
    Fail(DldError::ContainerCorrupt, where + why);
    return size_t{0};
  };

  const size_t fieldEnd = offset + 1 + static_cast<size_t>(lengthBytes);
  if (fieldEnd > file.size()) return bad(": file ends");
  if (file[offset] != tag) return bad(": wrong tag " + Hex(file[offset]));

  const uint8_t* p = file.data() + offset + 1;
  uint32_t length = lengthBytes == 1 ? p[0] : lengthBytes == 2 ? bytes::GetU16(p) : bytes::GetU24(p);
  // A length below 4 has no room for the CRC; a payload above the reader's buffer is refused
  // before anything is read.
  if (length < 4) return bad(": length field " + std::to_string(length));
  const size_t payload = length - 4;
  if (payload > dld::kMaxPayload)
    return bad(": payload of " + std::to_string(payload) + " bytes");
  if (tag == dld::kTagHeader && length != dld::kHeaderLength)
    return bad(": header length " + std::to_string(length));
  if (fieldEnd + length > file.size()) return bad(": file ends");

  const uint8_t* data = file.data() + fieldEnd;
  if (Crc32(data, payload) != bytes::GetU32(data + payload))
    return bad(": CRC mismatch");

  if (partition >= 0) {
    Bytes out(dld::kUnpackBuffer, 0xFF);
    size_t produced = 0;
    const lzo::DecodeResult r = lzo::Decompress(data, payload, out.data(), out.size(), produced);
    if (r != lzo::DecodeResult::Ok) {
      const char* why = r == lzo::DecodeResult::OutputOverrun ? ": decompresses past its buffer" : ": corrupt compressed data";
      return bad(why);
    }
    const size_t at = PartitionImageOffset(m_fileKind, partition);
    if (image.size() < at + produced) image.resize(at + produced, 0xFF);
    std::copy(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(produced), image.begin() + static_cast<std::ptrdiff_t>(at));
  }
  return fieldEnd + length;
}

bool m_DLDFile::UnpackDld(const Bytes& container, Bytes& image) {
  ClearError();
  if (m_fileKind != kKindData && m_fileKind != kKindDefault)
    return Fail(DldError::ContainerCorrupt, "file kind " + std::to_string(m_fileKind) + " is neither 17 nor 4");
  image.assign(NominalImageLength(m_fileKind), 0xFF);
  ReadDldHeader(container);
  m_defaultFlag = 0;
  size_t offset = ReadRecord(container, 0, dld::kTagHeader, 2, -1, image);
  for (int i = 0; offset && i < m_fileKind; ++i) {
    offset = ReadRecord(container, offset, dld::kTagDescriptor, 1, -1, image);
    if (offset) offset = ReadRecord(container, offset, dld::kTagData, 3, i, image);
  }
  return offset != 0;
}

m_DLDFile::Bytes m_DLDFile::PackDld(const Bytes& image) {
  Bytes out;
  SetHeaderField(0, m_defaultFlag, out);
  SetHeaderField(1, m_fileKind, out);
  for (int i = 0; i < m_fileKind; ++i) {
    std::fill(m_descriptor.begin(), m_descriptor.end(), 0xFF);
    uint8_t* d = m_descriptor.data();
    d[0] = dld::kTagDescriptor;
    d[1] = dld::kDescriptorLength;
    d[2] = 0;
    uint32_t address = 0;
    if (PartitionFlashAddress(m_fileKind, i, address)) bytes::PutU32(d + dld::kDescAddress, address);
    const uint32_t size = PartitionSize(m_fileKind, i);
    const size_t at = PartitionImageOffset(m_fileKind, i);
    bytes::PutU24(d + dld::kDescSize, size);

    // The part of the partition beyond the end of the image reads as erased flash.
    Bytes part(size, 0xFF);
    if (at < image.size()) {
      const size_t n = std::min<size_t>(size, image.size() - at);
      std::copy(image.begin() + static_cast<std::ptrdiff_t>(at), image.begin() + static_cast<std::ptrdiff_t>(at + n), part.begin());
    }
    bytes::PutU32(d + dld::kDescCrc, Crc32(part.data(), part.size()));

    const Bytes packed = lzo::Compress(part.data(), part.size());
    const uint32_t packedCrc = Crc32(packed.data(), packed.size());
    bytes::PutU24(d + dld::kDescPackedSize, static_cast<uint32_t>(packed.size()));
    bytes::PutU32(d + dld::kDescPackedCrc, packedCrc);
    d[dld::kDescBlocks] = static_cast<uint8_t>((packed.size() + 8 + 999) / 1000);
    bytes::PutU32(d + dld::kDescOwnCrc, Crc32(d + 2, 20));
    out.insert(out.end(), m_descriptor.begin(), m_descriptor.end());

    uint8_t head[4] = {dld::kTagData, 0, 0, 0};
    bytes::PutU24(head + 1, static_cast<uint32_t>(packed.size() + 4));
    out.insert(out.end(), head, head + 4);
    out.insert(out.end(), packed.begin(), packed.end());
    uint8_t crc[4];
    bytes::PutU32(crc, packedCrc);
    out.insert(out.end(), crc, crc + 4);
  }
  return out;
}
