#include "link/LinkPacer.h"

#include <chrono>
#include <thread>

namespace rlink {

void LinkPacer::Pause(int ms) const {
  if (pause)
    pause(ms);
  else if (ms > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace rlink
