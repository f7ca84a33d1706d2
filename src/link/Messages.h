// Byte layouts of the messages that cross the link: data packets, the region request and
// the header and descriptor records as an upload stores them.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "link/ReceiverModel.h"

namespace rlink {

constexpr int kPacketSize = 1024;
constexpr int kPacketPayload = 1020;
constexpr int kHeaderRecordSize = 79;
constexpr int kDescriptorRecordSize = 26;
constexpr int kMaxHeaderSend = 80;       // room of the header message
constexpr int kMaxDescriptorSend = 36;   // room of the descriptor message

using Packet = std::array<uint8_t, kPacketSize>;

// Sum of payload bytes 3..1022 modulo 256.
uint8_t PacketChecksum(const Packet& packet);

// A data packet with sequence number `sequence` carrying n (0..1020) bytes, zero-filled.
Packet BuildDataPacket(uint8_t sequence, const uint8_t* payload, size_t n);

// The checks an upload applies: STX, complement of the sequence number, checksum.
bool IsValidDataPacket(const Packet& packet);

struct Region {
  uint32_t address = 0;
  uint32_t size = 0;
};

// Entry i of the region table of a model and file kind; zero for entries the table lacks.
Region RegionEntry(ReceiverModel model, int kind, int i);

// The 1024-byte region request that opens the data phase of an upload.
Packet BuildRegionRequest(ReceiverModel model, int kind);

// An upload stores a received header with the default flag, the file kind, a zero length
// and a fresh CRC; true when the received header's CRC was right (nothing is changed then
// otherwise).
bool CheckAndPatchUploadHeader(uint8_t* header79, uint8_t defaultFlag, uint8_t kind);

// Descriptor check of an upload: CRC over bytes 2..21 against bytes 22..25.
bool IsValidDescriptor(const uint8_t* descriptor26);

// Rewrites the block count (byte 21) from the compressed size and refreshes the CRC;
// returns the compressed size S.
uint32_t PatchUploadDescriptor(uint8_t* descriptor26);

}  // namespace rlink
