// download and upload: the receiver link from the command line. Status texts go to stdout,
// one per line; on a terminal the progress of each phase is drawn as a bar on one line.
// Ctrl+C cancels the transfer the way the Cancel button does: by closing the channel.
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>

#include "cli/Commands.h"
#include "link/ReceiverModel.h"
#include "link/TransferSession.h"
#include "app/OptionValues.h"
#include "app/SettingsFile.h"
#include "app/SettingsLocation.h"
#include "link/serial/ComPortNames.h"
#include "link/serial/OpenComPort.h"
#include "link/serial/LinkChannel.h"
#include "link/serial/QtSerialPortChannel.h"

namespace {

volatile std::sig_atomic_t g_cancelled = 0;
void OnInterrupt(int) { g_cancelled = 1; }

bool StdoutIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stdout)) != 0;
#else
  return isatty(STDOUT_FILENO) != 0;
#endif
}

class CliObserver : public rlink::TransferObserver {
public:
  void OnPortError(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
  void OnPortState(bool configured) override {
    if (!configured) std::fprintf(stderr, "torvane-cli: the port's line settings were refused\n");
  }
  void OnFileName(const std::string& path) override { std::printf("File Name: %s\n", path.c_str()); }
  void OnStatus(const std::string& text) override {
    // On a terminal a progress text is drawn by OnProgress as a bar.
    if (tty_ && !text.empty() && text.back() == '%') return;
    if (inBar_) {
      std::printf("\n");
      inBar_ = false;
    }
    if (!text.empty()) std::printf("%s\n", text.c_str());
    std::fflush(stdout);
  }
  void OnProgress(rlink::ProgressPhase phase, int step, int count) override {
    if (!tty_ || count <= 0) return;
    constexpr int kWidth = 30;
    const int filled = step * kWidth / count;
    std::printf("\r\033[K[%s%s] %s", std::string(static_cast<size_t>(filled), '#').c_str(),
                std::string(static_cast<size_t>(kWidth - filled), '.').c_str(),
                rlink::ProgressText(phase, step, count).c_str());
    inBar_ = true;
    std::fflush(stdout);
  }

private:
  bool tty_ = StdoutIsTerminal();
  bool inBar_ = false;
};

struct PortChoice {
  std::string device;
  std::string display;
};

// --port takes a port number 1..10 or a device path. A number goes through the settings file's
// PORTS section, as in the window, so a USB adapter set up there is found by its number too.
PortChoice ChoosePort(const std::string& port) {
  char* end = nullptr;
  const long n = std::strtol(port.c_str(), &end, 10);
  if (!port.empty() && *end == '\0' && n >= 1 && n <= 10) {
    SettingsFile settings(SettingsFilePath(ProgramFolder()));
    const std::string device = ReadOptions(settings).PortDevice(static_cast<int>(n));
    return {device, rlink::ComDisplayName(static_cast<int>(n))};
  }
  return {port, port};
}

int RunTransfer(const PortChoice& port, bool download, const std::string& path, uint8_t kind) {
  // QSerialPort's notifiers want the thread's event dispatcher, which QCoreApplication creates.
  // No event loop runs: the transfer only polls the channel.
  int appArgc = 1;
  char appName[] = "torvane-cli";
  char* appArgv[] = {appName, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if constexpr (std::is_same_v<rlink::LinkChannel, rlink::QtSerialPortChannel>) {
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(appArgc, appArgv);
  }
  rlink::LinkChannel channel;
  CliObserver observer;
  rlink::LinkPacer pacer;
  pacer.pump = [&channel] {
    if (g_cancelled) channel.CloseComPort();
  };
  rlink::LinkSession session{channel, pacer, observer,
                             [&] { return rlink::OpenComPort(channel, port.device, port.display, observer); }};
  session.finalHoldMs = 0;
  g_cancelled = 0;
  auto previous = std::signal(SIGINT, OnInterrupt);
  const bool ok = download ? rlink::DownloadToReceiver(session, path, kind) : rlink::UploadFromReceiver(session, path, kind);
  std::signal(SIGINT, previous);
  channel.CloseComPort();
  return ok ? 0 : 1;
}

// Splits "--port DEVICE" and "--kind K" from the positional arguments.
bool ParseArgs(const CliArgs& args, bool wantKind, std::string& port, std::string& kind, std::string& file) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--port" && i + 1 < args.size()) port = args[++i];
    else if (wantKind && args[i] == "--kind" && i + 1 < args.size()) kind = args[++i];
    else if (file.empty() && args[i].rfind("--", 0) != 0) file = args[i];
    else return false;
  }
  return !port.empty() && !file.empty() && (!wantKind || !kind.empty());
}

}  // namespace

int CmdDownload(const CliArgs& args) {
  std::string port, kind, file;
  if (!ParseArgs(args, false, port, kind, file)) {
    std::fprintf(stderr, "usage: torvane-cli download --port DEVICE FILE\n");
    return 2;
  }
  std::ifstream in(file, std::ios::binary);
  char fileKind = 0;
  if (!in || !in.seekg(60) || !in.get(fileKind)) {
    std::fprintf(stderr, "torvane-cli: cannot read %s\n", file.c_str());
    return 2;
  }
  if (fileKind != rlink::kDataFileKind && fileKind != rlink::kDefaultFileKind) {
    std::fprintf(stderr, "torvane-cli: %s is neither a data file nor a default file\n", file.c_str());
    return 2;
  }
  return RunTransfer(ChoosePort(port), true, file, static_cast<uint8_t>(fileKind));
}

int CmdUpload(const CliArgs& args) {
  std::string port, kind, file;
  if (!ParseArgs(args, true, port, kind, file) || (kind != "data" && kind != "default")) {
    std::fprintf(stderr, "usage: torvane-cli upload --port DEVICE --kind data|default OUT.dld\n");
    return 2;
  }
  const uint8_t fileKind = kind == "data" ? rlink::kDataFileKind : rlink::kDefaultFileKind;
  return RunTransfer(ChoosePort(port), false, file, fileKind);
}
