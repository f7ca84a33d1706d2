// The main window's document commands with the receiver transfers wired in: Download to
// receiver (TB_DownloadClick), and Upgrade data / Upgrade default (PM_UpgDataClick), on top of
// the open and save commands. Owns the serial channel and the progress window FormUpgrade.
#pragma once
#include <memory>
#include <string>

#include "app/FileCommands.h"
#include "link/serial/LinkChannel.h"

class TFormUpgrade;

class TransferCommands : public FileCommands {
 public:
  TransferCommands();
  ~TransferCommands() override;
  TransferCommands(const TransferCommands&) = delete;
  TransferCommands& operator=(const TransferCommands&) = delete;

  void Transfer(DocumentHost& host, TransferCommand command) override;

  TFormUpgrade& FormUpgrade() { return *m_Form; }
  rlink::LinkChannel& Channel() { return m_Channel; }
  // How long the last text of a download stays up before the command ends.
  int finalHoldMs = 2000;

 private:
  void TB_DownloadClick(DocumentHost& host);
  void PM_UpgDataClick(DocumentHost& host, bool defaultData);
  // Opens the option port with what the progress window shows about it.
  bool OpenComPort(DocumentHost& host);
  void Begin(DocumentHost& host, int captionNumber);
  void End(DocumentHost& host);

  rlink::LinkChannel m_Channel;  // stays open between transfers
  std::unique_ptr<TFormUpgrade> m_Form;
};
