#include "files/PartitionMaps.h"

#include <cstddef>
#include <vector>

namespace files {

namespace {

struct Map {
  std::vector<PartitionEntry> data;
  std::vector<PartitionEntry> def;
};

// Entries whose image offset is the flash address minus `base`.
void Add(std::vector<PartitionEntry>& v, uint32_t address, uint32_t size, uint32_t base) {
  v.push_back({true, address, size, address - base});
}

Map MakeSTi710X() {
  Map m;
  for (uint32_t i = 0; i < 9; ++i) Add(m.data, 0xA0760000u + i * 0x10000u, 0x10000, 0xA0760000u);
  for (uint32_t i = 0; i < 8; ++i) Add(m.data, 0xA07F0000u + i * 0x2000u, 0x2000, 0xA0760000u);
  for (uint32_t i = 0; i < 4; ++i) Add(m.def, 0xA0720000u + i * 0x10000u, 0x10000, 0xA0720000u);
  return m;
}

Map MakeSTi5100() {
  Map m;
  for (uint32_t i = 0; i < 8; ++i) Add(m.data, 0x7FC00000u + i * 0x2000u, 0x2000, 0x7FC00000u);
  for (uint32_t a : {0x7FC10000u, 0x7FC20000u, 0x7FC30000u, 0x7FC40000u}) Add(m.data, a, 0x10000, 0x7FC00000u);
  Add(m.def, 0x7FC50000u, 0x10000, 0x7FC50000u);
  Add(m.def, 0x7FC60000u, 0x10000, 0x7FC50000u);
  return m;
}

Map MakeSTi51XX_4M() {
  Map m;
  for (uint32_t i = 0; i < 5; ++i) Add(m.data, 0x403B0000u + i * 0x10000u, i < 4 ? 0x10000 : 0x2000, 0x403B0000u);
  for (uint32_t i = 5; i < 12; ++i) Add(m.data, 0x403F2000u + (i - 5) * 0x2000u, 0x2000, 0x403B0000u);
  Add(m.def, 0x40390000u, 0x10000, 0x40390000u);
  Add(m.def, 0x403A0000u, 0x10000, 0x40390000u);
  return m;
}

// Partitions 5 ... 7 follow the same address rule as the others (0x48000, 0x4A000, 0x4C000).
Map MakeSTi51XX_2M() {
  Map m;
  const uint32_t sizes[5] = {0x10000, 0x10000, 0x10000, 0x10000, 0x8000};
  for (uint32_t i = 0; i < 5; ++i) Add(m.data, 0x401B0000u + i * 0x10000u, sizes[i], 0x401B0000u);
  Add(m.data, 0x401F8000u, 0x2000, 0x401B0000u);
  Add(m.data, 0x401FA000u, 0x2000, 0x401B0000u);
  Add(m.data, 0x401FC000u, 0x4000, 0x401B0000u);
  Add(m.def, 0x40190000u, 0x10000, 0x40190000u);
  Add(m.def, 0x401A0000u, 0x10000, 0x40190000u);
  return m;
}

const Map& MapOf(ReceiverModel model) {
  static const Map s5100 = MakeSTi5100();
  static const Map s4m = MakeSTi51XX_4M();
  static const Map s2m = MakeSTi51XX_2M();
  static const Map s710x = MakeSTi710X();
  switch (model) {
    case ReceiverModel::STi5100: return s5100;
    case ReceiverModel::STi51XX_4M: return s4m;
    case ReceiverModel::STi51XX_2M: return s2m;
    case ReceiverModel::STi710X: break;
  }
  return s710x;
}

}  // namespace

const char* ModelName(ReceiverModel model) {
  switch (model) {
    case ReceiverModel::STi5100: return "STi5100";
    case ReceiverModel::STi51XX_4M: return "STi51XX_4M";
    case ReceiverModel::STi51XX_2M: return "STi51XX_2M";
    case ReceiverModel::STi710X: break;
  }
  return "STi710X";
}

PartitionEntry PartitionInfo(ReceiverModel model, uint8_t kind, int index) {
  const Map& m = MapOf(model);
  const std::vector<PartitionEntry>* v = kind == kKindData ? &m.data : kind == kKindDefault ? &m.def : nullptr;
  if (!v || index < 0 || static_cast<size_t>(index) >= v->size()) return {false, 0xFFFFFFFFu, 0, 0};
  return (*v)[static_cast<size_t>(index)];
}

bool PartitionFlashAddress(uint8_t kind, int index, uint32_t& address) {
  const PartitionEntry e = PartitionInfo(kBuildModel, kind, index);
  address = e.flashAddress;
  return e.hasAddress;
}

uint32_t PartitionSize(uint8_t kind, int index) { return PartitionInfo(kBuildModel, kind, index).size; }

uint32_t PartitionImageOffset(uint8_t kind, int index) {
  return PartitionInfo(kBuildModel, kind, index).imageOffset;
}

}  // namespace files
