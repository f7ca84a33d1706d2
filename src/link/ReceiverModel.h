// The receiver model the editor is built for; the protocol's region table depends on it.
#pragma once

#include "files/PartitionMaps.h"

namespace rlink {

using ReceiverModel = files::ReceiverModel;
constexpr ReceiverModel kBuildModel = files::kBuildModel;

// File kinds: the number of flash partitions a container carries.
constexpr int kDataFileKind = files::kKindData;
constexpr int kDefaultFileKind = files::kKindDefault;

}  // namespace rlink
