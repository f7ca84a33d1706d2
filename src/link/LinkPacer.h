// The pacing of every wait of a transfer: a pump step run before each poll (the window
// processes its events there, which is how Cancel closes the channel) and a pause.
#pragma once
#include <functional>

namespace rlink {

struct LinkPacer {
  std::function<void()> pump;          // empty: nothing to pump
  std::function<void(int ms)> pause;   // empty: sleep the calling thread

  void Pump() const {
    if (pump) pump();
  }
  void Pause(int ms) const;
};

}  // namespace rlink
