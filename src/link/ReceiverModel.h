// The receiver models the editor can be built for; the protocol's region table depends on it.
#pragma once

namespace rlink {

enum class ReceiverModel { STi5100, STi51XX_4M, STi51XX_2M, STi710X };

#if defined(TORVANE_MODEL_STi5100)
constexpr ReceiverModel kBuildModel = ReceiverModel::STi5100;
#elif defined(TORVANE_MODEL_STi51XX_4M)
constexpr ReceiverModel kBuildModel = ReceiverModel::STi51XX_4M;
#elif defined(TORVANE_MODEL_STi51XX_2M)
constexpr ReceiverModel kBuildModel = ReceiverModel::STi51XX_2M;
#else
constexpr ReceiverModel kBuildModel = ReceiverModel::STi710X;
#endif

// File kinds: the number of flash partitions a container carries.
constexpr int kDataFileKind = 17;
constexpr int kDefaultFileKind = 4;

}  // namespace rlink
