#include "link/window/TransferCommands.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <filesystem>

#include "app/MessageCatalogue.h"
#include "app/OptionValues.h"
#include "app/UserDialogs.h"
#include "db/M_database.h"
#include "link/DownloadCommand.h"
#include "link/ReceiverModel.h"
#include "link/TransferSession.h"
#include "link/serial/ComPortNames.h"
#include "link/serial/OpenComPort.h"
#include "link/window/TFormUpgrade.h"

namespace {

constexpr uint16_t kMsgUploadOverwrite = 2;

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

QWidget* MainWindowOf(DocumentHost& host) { return dynamic_cast<QWidget*>(&host); }

// During an upload the main window shows its start image instead of the pages.
void ShowStartImage(DocumentHost& host) {
  QWidget* main = MainWindowOf(host);
  if (!main) return;
  if (auto* pages = main->findChild<QWidget*>("P_Main")) pages->hide();
  if (auto* image = main->findChild<QWidget*>("Image_Main")) image->show();
}

// Every wait of a transfer lets the windows run, which is how Cancel reaches the channel.
rlink::LinkPacer WindowPacer() {
  rlink::LinkPacer pacer;
  pacer.pump = [] { QCoreApplication::processEvents(); };
  return pacer;
}

}  // namespace

TransferCommands::TransferCommands() : m_Form(new TFormUpgrade) {}

TransferCommands::~TransferCommands() { m_Channel.CloseComPort(); }

void TransferCommands::Transfer(DocumentHost& host, TransferCommand command) {
  switch (command) {
    case TransferCommand::Download:
      TB_DownloadClick(host);
      break;
    case TransferCommand::UpgradeData:
      PM_UpgDataClick(host, false);
      break;
    case TransferCommand::UpgradeDefault:
      PM_UpgDataClick(host, true);
      break;
  }
}

bool TransferCommands::OpenComPort(DocumentHost& host) {
  const OptionValues& o = host.Options();
  return rlink::OpenComPort(m_Channel, o.PortDevice(o.port), rlink::ComDisplayName(o.port), *m_Form);
}

void TransferCommands::Begin(DocumentHost& host, int captionNumber) {
  m_Form->Attach(&m_Channel, &host.Dialogs(), MainWindowOf(host));
  m_Form->SetCaptionNumber(captionNumber);
  // Not a child of the main window, which is disabled during the transfer (a child window would
  // be disabled with it), but kept above it.
  if (QWidget* main = MainWindowOf(host); main && main->windowHandle()) {
    m_Form->winId();
    m_Form->windowHandle()->setTransientParent(main->windowHandle());
  }
  m_Form->show();
  m_Form->raise();
  m_Form->activateWindow();
}

void TransferCommands::End(DocumentHost& host) {
  if (QWidget* main = MainWindowOf(host)) {
    main->setEnabled(true);
    main->show();
  }
  m_Form->hide();
}

void TransferCommands::TB_DownloadClick(DocumentHost& host) {
  DocumentState& doc = host.Document();
  if (!doc.databaseLoaded) return;
  int row = -1;
  if (const int code = host.CheckPageBeforeLeaving(&row)) {
    ShowMessage(host.Dialogs(), static_cast<uint16_t>(code), notice::kValidationError);
    host.SelectPageRow(row);
    return;
  }
  if (host.Options().showDownload) host.ShowOptionsDialog();

  m_DataBase& db = host.Database();
  const rlink::LinkPacer pacer = WindowPacer();
  rlink::LinkSession session{m_Channel, pacer, *m_Form, [this, &host] { return OpenComPort(host); }};
  session.finalHoldMs = finalHoldMs;
  // A save that fails leaves the receiver alone: the file on disk is not what the user edited,
  // and the save has already said so.
  bool saved = true;
  const std::string path = doc.documentPath;
  rlink::DownloadCommandSteps steps;
  steps.fileKind = [&db] { return db.FileKind(); };
  steps.anyModified = [&doc] { return doc.IsModified(); };
  steps.setDefaultFlag = [&db](uint8_t flag) { db.SetDefaultFlag(flag); };
  steps.save = [&] { saved = SaveDocument(host, path); };
  steps.showProgress = [&](int caption) {
    if (saved) Begin(host, caption);
  };
  steps.download = [&] { return saved && rlink::DownloadToReceiver(session, path, db.FileKind()); };
  steps.finish = [&] { End(host); };
  rlink::RunDownloadCommand(steps);
}

void TransferCommands::PM_UpgDataClick(DocumentHost& host, bool defaultData) {
  if (host.Options().showUpgrade) host.ShowOptionsDialog();
  const uint8_t kind = defaultData ? rlink::kDefaultFileKind : rlink::kDataFileKind;
  UserDialogs& dialogs = host.Dialogs();
  const std::string path = dialogs.ChooseSavePath(SaveDldDialogOptions());
  if (path.empty()) return;
  if (Exists(path) && !AskMessage(dialogs, kMsgUploadOverwrite)) return;

  m_DataBase& db = host.Database();
  const uint8_t previousKind = db.FileKind();
  const uint8_t previousFlag = db.DefaultFlag();
  db.SetFileKind(kind);
  db.SetDefaultFlag(defaultData ? 1 : 0);
  Begin(host, rlink::UploadCaptionNumber(kind));
  ShowStartImage(host);

  const rlink::LinkPacer pacer = WindowPacer();
  rlink::LinkSession session{m_Channel, pacer, *m_Form, [this, &host] { return OpenComPort(host); }};
  const bool ok = rlink::UploadFromReceiver(session, path, kind);
  m_Form->hide();
  if (ok) {
    host.Document().documentPath = path;
    host.ResetEditor();
    host.Document().databaseLoaded = LoadDocument(host, path);
    host.PreparePage();
    host.EnterDocumentState();
  } else {
    // The open document keeps its kind, so a later save still writes the file it came from.
    db.SetFileKind(previousKind);
    db.SetDefaultFlag(previousFlag);
  }
  End(host);
}
