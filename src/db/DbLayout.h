// Where each table sits in the 0x7E000-byte database block, and the table capacities.
#pragma once
#include <cstddef>
#include <cstdint>

namespace dblayout {

constexpr size_t kBlockSize = 0x7E000;

constexpr size_t kSatelliteOffset = 0x00000;
constexpr size_t kSatelliteSlotSize = 60;
constexpr size_t kSatelliteRecordSize = 59;
constexpr int kSatelliteCount = 64;

constexpr size_t kTransponderHeaderOffset = 0x01000;
constexpr size_t kTransponderHeaderSize = 0x84;
constexpr size_t kTransponderOffset = 0x01084;
constexpr size_t kTransponderRecordSize = 16;
constexpr int kTransponderCount = 4000;
constexpr int kTranspondersPerSatellite = 300;

constexpr size_t kTerHeaderOffset = 0x11000;
constexpr size_t kTerHeaderSize = 4;
constexpr size_t kTerOffset = 0x11004;
constexpr size_t kTerRecordSize = 8;
constexpr int kTerCount = 200;

constexpr size_t kProgramHeaderOffset = 0x12000;
constexpr size_t kProgramHeaderSize = 16;
constexpr size_t kFavoriteOffset = 0x12010;
constexpr size_t kFavoriteRecordSize = 418;
constexpr size_t kFavoriteAreaSize = 0x3440;
constexpr int kFavoriteGroupCount = 32;
constexpr int kFavoriteGroupCapacity = 200;

constexpr size_t kCasOffset = 0x15450;
constexpr size_t kCasRecordSize = 12;
constexpr int kCasCount = 100;

constexpr size_t kProviderOffset = 0x15900;
constexpr size_t kProviderRecordSize = 20;
constexpr int kProviderCount = 400;

constexpr size_t kServiceOffset = 0x17840;
constexpr size_t kServiceRecordSize = 68;
constexpr int kServiceCount = 6000;
constexpr int kServicesPerTransponder = 120;

constexpr size_t kSystemRecordSize = 508;

constexpr uint32_t kMarkerCleared = 0x55AA55AA;
constexpr uint32_t kMarkerNoFavorites = 0xAA55AA55;

}  // namespace dblayout
