// Whole sessions over a pseudo-terminal against torvane-receiver-sim, through each serial
// device class: the termios one and the Qt Serial Port one (the device on Windows).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "LinkTestKit.h"
#include "TestSupport.h"
#include "link/TransferSession.h"
#include "link/serial/OpenComPort.h"
#include "link/serial/QtSerialPortChannel.h"
#include "link/serial/SerialPortChannel.h"

using namespace rlink;
using linktest::Bytes;
using linktest::RecordingObserver;
using linktest::Simulator;

namespace {

template <class Channel>
struct EditorRun {
  RecordingObserver obs;
  Channel channel;
  LinkPacer pacer;
  int pumpsAfterClose = 0;

  // Closes the channel (as Cancel does) once the status field has shown `text`.
  void CancelAfter(const std::string& text) {
    pacer.pump = [this, text] {
      if (!channel.IsPortOpen()) ++pumpsAfterClose;
      if (obs.Saw(text)) channel.CloseComPort();
    };
  }
  bool Download(const Simulator& sim, const std::string& path, uint8_t kind) {
    return DownloadToReceiver(Session(sim), path, kind);
  }
  bool Upload(const Simulator& sim, const std::string& path, uint8_t kind) {
    return UploadFromReceiver(Session(sim), path, kind);
  }

private:
  LinkSession& Session(const Simulator& sim) {
    device_ = sim.Device();
    session_.reset(new LinkSession{channel, pacer, obs, [this] { return OpenComPort(channel, device_, "COM1", obs); }});
    session_->finalHoldMs = 0;
    return *session_;
  }
  std::string device_;
  std::unique_ptr<LinkSession> session_;
};

std::vector<std::string> SimArgs(std::vector<std::string> extra) {
  extra.insert(extra.end(), {"--timeout-ms", "8000"});
  return extra;
}

bool Exists(const std::string& p) { return std::filesystem::exists(p); }

// The tests run without QCoreApplication, so QSerialPort's notifiers have no event dispatcher
// and say so on every open; the channel only polls and does not need them.
void QuietNotifierWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("QSocketNotifier: Can only be used with threads started with QThread")) return;
  qt_message_output(type, context, message);
}

class ChannelTest : public testing::Test {
protected:
  void SetUp() override { previous_ = qInstallMessageHandler(QuietNotifierWarnings); }
  void TearDown() override { qInstallMessageHandler(previous_); }

private:
  QtMessageHandler previous_ = nullptr;
};

template <class Channel>
class EndToEnd : public ChannelTest {};
using Channels = testing::Types<SerialPortChannel, QtSerialPortChannel>;
struct ChannelName {
  template <class T>
  static std::string GetName(int) {
    return std::is_same_v<T, SerialPortChannel> ? "Termios" : "QtSerialPort";
  }
};
TYPED_TEST_SUITE(EndToEnd, Channels, ChannelName);

template <class Channel>
class SerialPort : public ChannelTest {};
TYPED_TEST_SUITE(SerialPort, Channels, ChannelName);

}  // namespace

TYPED_TEST(EndToEnd, DownloadArrivesByteForByte) {
  struct Case { uint8_t kind; std::vector<uint32_t> sizes; std::vector<std::string> faults; };
  const Case cases[] = {
      {4, {1100, 5, 300, 2032}, {}},
      {17, {200}, {}},
      {4, {100}, {"--nak-header", "--nak-packet", "2", "--fail-erase", "2", "--fail-program", "4"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " faults " << c.faults.size());
    const std::string dir = testsupport::TempDir();
    const Bytes file = linktest::MakeContainer(c.kind, c.sizes);
    testsupport::WriteFile(dir + "/send.dld", file);
    auto args = c.faults;
    args.insert(args.end(), {"--save", dir + "/received.dld"});
    Simulator sim(SimArgs(args));
    EditorRun<TypeParam> run;
    EXPECT_TRUE(run.Download(sim, dir + "/send.dld", c.kind));
    ASSERT_FALSE(run.obs.statuses.empty());
    EXPECT_EQ(run.obs.statuses.back(), "Update Success!");
    EXPECT_EQ(sim.Wait(), 0);
    EXPECT_EQ(testsupport::ReadFile(dir + "/received.dld"), file);
  }
}

TYPED_TEST(EndToEnd, UploadReplacesTargetOnlyWhenComplete) {
  struct Case { uint8_t kind; std::vector<uint32_t> sizes; std::vector<std::string> faults; };
  const Case cases[] = {
      {17, {50, 900}, {}},
      {4, {1100, 3000}, {"--corrupt-packet", "2", "--corrupt-descriptor", "3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int(c.kind));
    const std::string dir = testsupport::TempDir();
    const Bytes served = linktest::MakeContainer(c.kind, c.sizes, 9);
    testsupport::WriteFile(dir + "/served.dld", served);
    testsupport::WriteFile(dir + "/target.dld", {'o', 'l', 'd'});
    auto args = c.faults;
    args.insert(args.end(), {"--serve", dir + "/served.dld"});
    Simulator sim(SimArgs(args));
    EditorRun<TypeParam> run;
    EXPECT_TRUE(run.Upload(sim, dir + "/target.dld", c.kind));
    EXPECT_EQ(run.obs.statuses.back(), "Update Success!");
    EXPECT_EQ(sim.Wait(), 0);
    const uint8_t defaultFlag = c.kind == 4 ? 1 : 0;
    EXPECT_EQ(testsupport::ReadFile(dir + "/target.dld"), linktest::ExpectedUpload(served, defaultFlag, c.kind));
    EXPECT_FALSE(Exists(UploadTempPath(dir + "/target.dld")));
  }
}

TYPED_TEST(EndToEnd, FailedOrCancelledUploadLeavesTargetAlone) {
  struct Case { const char* what; std::vector<std::string> faults; const char* cancelAfter; const char* last; };
  const Case cases[] = {
      {"cancel mid-transfer", {"--stall-after-packets", "2"}, "Transfering Data:  75%", "Update failed!"},
      {"header CRC wrong", {"--bad-header-crc"}, nullptr, "Verify failed!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string dir = testsupport::TempDir();
    testsupport::WriteFile(dir + "/served.dld", linktest::MakeContainer(4, {100}));
    testsupport::WriteFile(dir + "/target.dld", {'o', 'l', 'd'});
    auto args = c.faults;
    args.insert(args.end(), {"--serve", dir + "/served.dld"});
    Simulator sim(SimArgs(args));
    EditorRun<TypeParam> run;
    if (c.cancelAfter) run.CancelAfter(c.cancelAfter);
    EXPECT_FALSE(run.Upload(sim, dir + "/target.dld", 4));
    EXPECT_EQ(run.obs.statuses.back(), c.last);
    EXPECT_EQ(testsupport::ReadFile(dir + "/target.dld"), (Bytes{'o', 'l', 'd'}));
    EXPECT_FALSE(Exists(UploadTempPath(dir + "/target.dld")));
    EXPECT_LE(run.pumpsAfterClose, 25);  // every wait ends at its next poll
  }
}

TYPED_TEST(EndToEnd, WrongFirstFrameAndCancelledConnect) {
  const std::string dir = testsupport::TempDir();
  testsupport::WriteFile(dir + "/send.dld", linktest::MakeContainer(4, {100}));
  {
    Simulator sim(SimArgs({"--wrong-first-frame"}));
    EditorRun<TypeParam> run;
    EXPECT_FALSE(run.Download(sim, dir + "/send.dld", 4));
    EXPECT_EQ(run.obs.statuses, (std::vector<std::string>{"Connectting...", "Connect failed!", "Update failed!"}));
  }
  {
    Simulator sim(SimArgs({"--silent"}));
    EditorRun<TypeParam> run;
    run.CancelAfter("Connectting...");
    EXPECT_FALSE(run.Download(sim, dir + "/send.dld", 4));
    EXPECT_EQ(run.obs.statuses, (std::vector<std::string>{"Connectting...", "Update failed!"}));
    EXPECT_LE(run.pumpsAfterClose, 2);
  }
}

TYPED_TEST(SerialPort, OpenFailuresLeaveNothingOpen) {
  TypeParam ch;
  RecordingObserver obs;
  struct PortObserver : RecordingObserver {
    std::string error;
    int states = 0, configured = 0;
    void OnPortError(const std::string& m) override { error = m; }
    void OnPortState(bool ok) override { ++states; configured += ok; }
  } port;
  EXPECT_FALSE(OpenComPort(ch, "/nonexistent/ttyX", "COM3", port));
  EXPECT_EQ(port.error, "Error: Unable to open /nonexistent/ttyX !");
  // Not a serial line: the line settings are refused and the device is closed again.
  EXPECT_EQ(ch.Open("/dev/null"), PortOpenResult::ConfigFailed);
  EXPECT_FALSE(ch.IsPortOpen());
  EXPECT_FALSE(ch.IsDeviceOpen());

  Simulator sim(SimArgs({"--silent"}));
  EXPECT_TRUE(OpenComPort(ch, sim.Device(), "COM1", port));
  EXPECT_TRUE(OpenComPort(ch, sim.Device(), "COM1", port));  // reopening closes first
  EXPECT_EQ(port.configured, 2);
  TypeParam other;
  EXPECT_EQ(other.Open(sim.Device()), PortOpenResult::OpenFailed);  // exclusive
  ch.CloseComPort();
  EXPECT_FALSE(ch.IsDeviceOpen());
  EXPECT_EQ(other.Open(sim.Device()), PortOpenResult::Configured);
}

TYPED_TEST(SerialPort, ClosedOtherEndEndsThePoll) {
  TypeParam ch;
  uint8_t buffer[4];
  {
    Simulator sim(SimArgs({"--silent"}));
    ASSERT_EQ(ch.Open(sim.Device()), PortOpenResult::Configured);
    EXPECT_EQ(ch.ReadComBytes(buffer, 4), -1);
    EXPECT_TRUE(ch.IsPortOpen());  // a quiet line stays open
  }  // the simulator is gone, and with it the pseudo-terminal's master
  // The device reports the hang-up (a queued count of -1), so the poll closes the channel.
  EXPECT_EQ(ch.ReadComBytes(buffer, 4), -1);
  EXPECT_FALSE(ch.IsPortOpen());
  EXPECT_FALSE(ch.IsDeviceOpen());
}

TEST(Cli, DownloadExitCodes) {
  if (!Exists(TORVANE_CLI)) GTEST_SKIP() << "torvane-cli not built";
  const std::string dir = testsupport::TempDir();
  testsupport::WriteFile(dir + "/send.dld", linktest::MakeContainer(4, {100}));
  struct Case { std::vector<std::string> faults; int exit; };
  for (const Case& c : {Case{{}, 0}, Case{{"--wrong-first-frame"}, 1}}) {
    Simulator sim(SimArgs(c.faults));
    const std::string cmd = std::string(TORVANE_CLI) + " download --port " + sim.Device() + " " + dir + "/send.dld >" +
                            dir + "/out.txt 2>&1";
    const int status = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), c.exit);
  }
  const std::string up = std::string(TORVANE_CLI) + " upload --port x --kind both " + dir + "/x.dld 2>/dev/null";
  EXPECT_EQ(WEXITSTATUS(std::system(up.c_str())), 2);
}

TYPED_TEST(EndToEnd, ReceiverThatGoesAwayEndsTheConnectWait) {
  // The connect wait has no time limit, but a line whose other end is gone is not a quiet line.
  const std::string dir = testsupport::TempDir();
  testsupport::WriteFile(dir + "/send.dld", linktest::MakeContainer(4, {100}));
  EditorRun<TypeParam> run;
  bool ok = true;
  {
    Simulator sim({"--silent", "--timeout-ms", "300"});
    ok = run.Download(sim, dir + "/send.dld", 4);
  }
  EXPECT_FALSE(ok);
  EXPECT_TRUE(run.obs.Saw("Update failed!"));
}
