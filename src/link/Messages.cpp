#include "link/Messages.h"

#include <cstring>

#include "files/Bytes.h"
#include "files/Crc32.h"
#include "link/StatusCodes.h"

namespace rlink {

namespace {
void RefreshHeaderCrc(uint8_t* h) { bytes::PutU32(h + 75, Crc32(h + 3, 72)); }
void RefreshDescriptorCrc(uint8_t* d) { bytes::PutU32(d + 22, Crc32(d + 2, 20)); }
}  // namespace

uint8_t PacketChecksum(const Packet& packet) {
  unsigned sum = 0;
  for (int i = 3; i < 3 + kPacketPayload; ++i) sum += packet[i];
  return static_cast<uint8_t>(sum);
}

Packet BuildDataPacket(uint8_t sequence, const uint8_t* payload, size_t n) {
  Packet p{};
  p[0] = kStx;
  p[1] = sequence;
  p[2] = static_cast<uint8_t>(~sequence);
  if (n > kPacketPayload) n = kPacketPayload;
  if (n) std::memcpy(p.data() + 3, payload, n);
  p[kPacketSize - 1] = PacketChecksum(p);
  return p;
}

bool IsValidDataPacket(const Packet& p) {
  return p[0] == kStx && p[1] == static_cast<uint8_t>(~p[2]) && PacketChecksum(p) == p[kPacketSize - 1];
}

Region RegionEntry(ReceiverModel model, int kind, int i) {
  auto run = [](uint32_t base, uint32_t step, int k) { return Region{base + static_cast<uint32_t>(k) * step, step}; };
  const bool data = kind == kDataFileKind;
  if (!data && kind != kDefaultFileKind) return {};
  switch (model) {
    case ReceiverModel::STi710X:
      if (!data) return i < 4 ? run(0xA0720000u, 0x10000, i) : Region{};
      if (i <= 8) return run(0xA0760000u, 0x10000, i);
      if (i <= 16) return run(0xA07F0000u, 0x2000, i - 9);
      return {};
    case ReceiverModel::STi5100:
      if (!data) return i < 4 ? run(0x7FC50000u, 0x10000, i) : Region{};
      if (i <= 7) return run(0x7FC00000u, 0x2000, i);
      if (i <= 11) return run(0x7FC10000u, 0x10000, i - 8);
      return {};
    case ReceiverModel::STi51XX_4M:
      if (!data) return i < 4 ? run(0x40390000u, 0x10000, i) : Region{};
      if (i <= 3) return run(0x403B0000u, 0x10000, i);
      if (i <= 11) return run(0x403F0000u, 0x2000, i - 4);
      return {};
    case ReceiverModel::STi51XX_2M:
      if (!data) return i < 4 ? run(0x40190000u, 0x10000, i) : Region{};
      if (i <= 3) return run(0x401B0000u, 0x10000, i);
      if (i == 4) return {0x401F0000u, 0x8000};
      if (i == 5) return {0x401F8000u, 0x2000};
      if (i == 6) return {0x401FA000u, 0x2000};
      if (i == 7) return {0x401FC000u, 0x4000};
      return {};
  }
  return {};
}

Packet BuildRegionRequest(ReceiverModel model, int kind) {
  Packet p{};
  const int count = kind;
  p[0] = kStx;
  bytes::PutU16(p.data() + 1, static_cast<uint16_t>(4 + 8 * count + 4));
  p[3] = static_cast<uint8_t>(count);
  uint8_t* e = p.data() + 4;
  for (int i = 0; i < count; ++i, e += 8) {
    const Region r = RegionEntry(model, kind, i);
    e[0] = 0;
    bytes::PutU32(e + 1, r.address);
    bytes::PutU24(e + 5, r.size);
  }
  bytes::PutU32(e, Crc32(p.data(), static_cast<size_t>(e - p.data())));
  return p;
}

bool CheckAndPatchUploadHeader(uint8_t* h, uint8_t defaultFlag, uint8_t kind) {
  if (Crc32(h + 3, 72) != bytes::GetU32(h + 75)) return false;
  h[59] = defaultFlag;
  h[60] = kind;
  bytes::PutU24(h + 61, 0);
  RefreshHeaderCrc(h);
  return true;
}

bool IsValidDescriptor(const uint8_t* d) { return Crc32(d + 2, 20) == bytes::GetU32(d + 22); }

uint32_t PatchUploadDescriptor(uint8_t* d) {
  const uint32_t s = bytes::GetU24(d + 14);
  d[21] = static_cast<uint8_t>((s + 8 + 999) / 1000);
  RefreshDescriptorCrc(d);
  return s;
}

}  // namespace rlink
