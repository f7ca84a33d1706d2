// What a transfer shows while it runs: the progress window implements this, so does the
// command-line tool. Every call has a do-nothing default except the status field.
#pragma once
#include <string>

namespace rlink {

enum class ProgressPhase { Transfer, Erase, Program };

class TransferObserver {
public:
  virtual ~TransferObserver() = default;

  // Port field and port state label ("COM:" red or green) while the port opens.
  virtual void OnPortName(const std::string& /*displayName*/) {}
  virtual void OnPortState(bool /*configured*/) {}
  // The port could not be opened at all ("Error: Unable to open ... !").
  virtual void OnPortError(const std::string& /*message*/) {}

  virtual void OnFileName(const std::string& /*path*/) {}
  virtual void OnProgressReset() {}
  // The main window is disabled for the whole transfer.
  virtual void OnTransferRunning() {}

  // The status field shows `text`: a status text, or a progress text.
  virtual void OnStatus(const std::string& text) = 0;
  // Step j of count of a phase: the bar's range becomes 0..count and moves one step.
  virtual void OnProgress(ProgressPhase /*phase*/, int /*step*/, int /*count*/) {}
};

// "Transfering Data:  40%", "Erase flash...  40%", "Program flash...  40%".
std::string ProgressText(ProgressPhase phase, int step, int count);

}  // namespace rlink
