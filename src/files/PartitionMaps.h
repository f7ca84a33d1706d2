// Partition maps of the receiver models: where each container partition sits in the
// receiver's flash and in the flash image. The editor is built for one model; the maps of
// all models are here so each can be looked up.
#pragma once
#include <cstdint>

namespace files {

enum class ReceiverModel { STi5100, STi51XX_4M, STi51XX_2M, STi710X };

// The model this program is built for.
#if defined(TORVANE_MODEL_STi5100)
constexpr ReceiverModel kBuildModel = ReceiverModel::STi5100;
#elif defined(TORVANE_MODEL_STi51XX_4M)
constexpr ReceiverModel kBuildModel = ReceiverModel::STi51XX_4M;
#elif defined(TORVANE_MODEL_STi51XX_2M)
constexpr ReceiverModel kBuildModel = ReceiverModel::STi51XX_2M;
#else
constexpr ReceiverModel kBuildModel = ReceiverModel::STi710X;
#endif

const char* ModelName(ReceiverModel model);

// File kinds, which are also the partition counts.
constexpr uint8_t kKindData = 17;
constexpr uint8_t kKindDefault = 4;

struct PartitionEntry {
  bool hasAddress;
  uint32_t flashAddress;
  uint32_t size;
  uint32_t imageOffset;
};

// An index outside the map (or a kind other than 17 or 4) yields no address, size 0, offset 0.
PartitionEntry PartitionInfo(ReceiverModel model, uint8_t kind, int index);

// Lookups for the build model. PartitionFlashAddress returns false when the map has no address.
bool PartitionFlashAddress(uint8_t kind, int index, uint32_t& address);
uint32_t PartitionSize(uint8_t kind, int index);
uint32_t PartitionImageOffset(uint8_t kind, int index);

}  // namespace files
