// The channel's poll rules and the download protocol over an in-memory channel.
#include <gtest/gtest.h>

#include "LinkTestKit.h"
#include "TestSupport.h"
#include "files/Bytes.h"
#include "link/StatusCodes.h"
#include "link/TransferProtocol.h"
#include "link/TransferSession.h"

using namespace rlink;
using linktest::Bytes;
using linktest::DownloadPeer;
using linktest::FakeChannel;

namespace {
LinkPacer NoSleep() {
  LinkPacer p;
  p.pause = [](int) {};
  return p;
}
}  // namespace

TEST(ComChannelPoll, TakesOnlyAWholeMessageAlone) {
  FakeChannel ch;
  uint8_t buf[8];
  ch.incoming.push_back({1, 2, 3});
  EXPECT_EQ(ch.ReadComBytes(buf, 4), -1);  // too few: left queued
  ch.incoming.front().push_back(4);
  EXPECT_EQ(ch.ReadComBytes(buf, 4), 4);
  EXPECT_EQ(buf[3], 4);
  ch.incoming.push_back({1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(ch.ReadComBytes(buf, 4), -1);  // two messages piled up: both dropped
  EXPECT_TRUE(ch.incoming.empty());

  const Bytes big(2049, 0);
  EXPECT_EQ(ch.WriteComBytes(big.data(), 2049), -1);
  EXPECT_TRUE(ch.written.empty());
  ch.CloseComPort();
  EXPECT_FALSE(ch.IsPortOpen());
  EXPECT_EQ(ch.WriteComBytes(big.data(), 4), -1);
}

TEST(DownloadProtocol, PacketsSplitAndSequenceRunsAcrossPartitions) {
  // Record sizes 2040 and 2041 (payload S = size - 8); 300 packets in all make the counter wrap.
  const Bytes file = linktest::MakeContainer(4, {2032, 2033, 1012, 1012});
  FakeChannel ch;
  DownloadPeer peer(ch, 4);
  const LinkPacer pacer = NoSleep();
  TransferProtocol protocol(ch, pacer, ReceiverModel::STi710X);
  ASSERT_TRUE(protocol.Connect());
  ASSERT_TRUE(protocol.VerifyHeader(file));
  int progress = 0;
  ASSERT_TRUE(protocol.TransferPartitions(file, 4, [&](int j, int count) {
    EXPECT_EQ(j, ++progress);
    EXPECT_EQ(count, 4);
  }));
  std::vector<Bytes> packets;
  for (const Bytes& m : ch.written)
    if (m.size() == 1024) packets.push_back(m);
  ASSERT_EQ(packets.size(), 2u + 3u + 1u + 1u);
  for (size_t i = 0; i < packets.size(); ++i) EXPECT_EQ(packets[i][1], i + 1);
  // 2041-byte record: the third packet carries its last byte, then zeros.
  EXPECT_EQ(packets[4][3], file[79 + 26 + 2040 + 26 + 2040]);
  EXPECT_EQ(packets[4][4], 0);

  // Sequence wrap: a long record crossing packet 255.
  const Bytes longFile = linktest::MakeContainer(4, {260 * 1020});
  FakeChannel ch2;
  DownloadPeer peer2(ch2, 4);
  TransferProtocol protocol2(ch2, pacer);
  ASSERT_TRUE(protocol2.Connect());
  ASSERT_TRUE(protocol2.VerifyHeader(longFile));
  ASSERT_TRUE(protocol2.TransferPartitions(longFile, 4, nullptr));
  std::vector<Bytes> seq;
  for (const Bytes& m : ch2.written)
    if (m.size() == 1024) seq.push_back(m);
  ASSERT_GT(seq.size(), 257u);
  EXPECT_EQ(seq[254][1], 255);
  EXPECT_EQ(seq[255][1], 0);
  EXPECT_EQ(seq[255][2], 0xFF);
  EXPECT_EQ(seq[256][1], 1);
}

TEST(DownloadProtocol, ResendLimits) {
  struct Case {
    const char* what;
    uint8_t reply;    // what the loader answers while refusing
    int refusals;     // how many times in a row
    bool packets;     // refuse packets (else descriptors)
    bool ok;
    int writes;       // packets or descriptors written
  };
  const Case cases[] = {
      {"nine NAKs on a packet", kNak, 9, true, true, 10},
      {"ten NAKs on a packet", kNak, 10, true, false, 10},
      {"silence on a packet", 0, 100, true, false, 10},
      {"STX instead of a reply", kStx, 100, true, false, 10},
      {"ten NAKs on a descriptor", kNak, 10, false, false, 10},
      {"silence on a descriptor", 0, 100, false, false, 10},
  };
  const Bytes file = linktest::MakeContainer(4, {100});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeChannel ch;
    DownloadPeer peer(ch, 4);
    auto refuse = [&c](int n) { return n <= c.refusals ? c.reply : kAck; };
    if (c.packets)
      peer.packetReply = refuse;
    else
      peer.descriptorReply = refuse;
    const LinkPacer pacer = NoSleep();
    TransferProtocol protocol(ch, pacer);
    ASSERT_TRUE(protocol.Connect());
    ASSERT_TRUE(protocol.VerifyHeader(file));
    EXPECT_EQ(protocol.TransferPartitions(file, 4, nullptr), c.ok);
    if (c.packets) {
      EXPECT_EQ(peer.descriptors, c.ok ? 4 : 1);
      EXPECT_EQ(peer.packets, c.ok ? c.writes + 3 : c.writes);
    } else {
      EXPECT_EQ(peer.descriptors, c.writes);
      EXPECT_EQ(peer.packets, 0);
    }
  }
}

TEST(DownloadProtocol, HeaderResentWithoutLimitAndRefusedWhenNotAHeader) {
  const Bytes file = linktest::MakeContainer(4, {100});
  FakeChannel ch;
  DownloadPeer peer(ch, 4);
  peer.headerReply = [](int n) { return n <= 25 ? kNak : kAck; };
  const LinkPacer pacer = NoSleep();
  TransferProtocol protocol(ch, pacer);
  ASSERT_TRUE(protocol.Connect());
  EXPECT_TRUE(protocol.VerifyHeader(file));
  EXPECT_EQ(peer.headers, 26);

  Bytes notHeader = file;
  notHeader[0] = 0x22;
  const size_t before = ch.written.size();
  EXPECT_FALSE(protocol.VerifyHeader(notHeader));
  EXPECT_EQ(ch.written.size(), before);  // nothing sent
}

TEST(DownloadProtocol, ConfirmationsCountMismatchesInARow) {
  const Bytes ok14{2, 6, 1, 3}, fail13{2, 6, 0, 3}, other{2, 7, 1, 3};
  struct Case { std::vector<Bytes> frames; bool ok; int progress; };
  const Case cases[] = {
      {{fail13, ok14, ok14, ok14, ok14}, true, 4},
      {{ok14, fail13, fail13, fail13, ok14, ok14, ok14}, true, 4},
      {{fail13, ok14, fail13, ok14, fail13, ok14, fail13, ok14}, true, 4},
      {{fail13, fail13, fail13, fail13}, false, 0},
      {{ok14, other, fail13, other, fail13}, false, 1},  // a failure never stands in for a partition
  };
  for (const auto& c : cases) {
    FakeChannel ch;
    for (const Bytes& f : c.frames) ch.incoming.push_back(f);
    const LinkPacer pacer = NoSleep();
    TransferProtocol protocol(ch, pacer);
    int progress = 0;
    EXPECT_EQ(protocol.WaitConfirmations(kEraseSuccess, 4, [&](int, int) { ++progress; }), c.ok);
    EXPECT_EQ(progress, c.progress);
  }
}

TEST(DownloadSession, StatusOrderAndCancelDuringConnect) {
  const std::string path = testsupport::TempDir() + "/send.dld";
  testsupport::WriteFile(path, linktest::MakeContainer(4, {100, 2040}));
  FakeChannel ch;
  DownloadPeer peer(ch, 4);
  peer.confirmations = {{2, 6, 1, 3}, {2, 6, 0, 3}, {2, 6, 1, 3}, {2, 6, 1, 3}, {2, 6, 1, 3},
                        {2, 7, 1, 3}, {2, 7, 1, 3}, {2, 7, 1, 3}, {2, 7, 1, 3}};
  const LinkPacer pacer = NoSleep();
  linktest::RecordingObserver obs;
  LinkSession session{ch, pacer, obs, [] { return true; }};
  session.finalHoldMs = 0;
  EXPECT_TRUE(DownloadToReceiver(session, path, 4));
  const std::vector<std::string> expected = {
      "Connectting...", "Connect Success!", "Verify...", "Verify Success!", "Transfer...",
      "Transfering Data:  25%", "Transfering Data:  50%", "Transfering Data:  75%", "Transfering Data:  100%",
      "Transfer Success!", "Erase flash...", "Erase flash...  25%", "Erase flash...  50%", "Erase flash...  75%",
      "Erase flash...  100%", "Erase flash Success!", "Program flash...", "Program flash...  25%",
      "Program flash...  50%", "Program flash...  75%", "Program flash...  100%", "Program flash Success!",
      "Update Success!"};
  EXPECT_EQ(obs.statuses, expected);
  EXPECT_EQ(obs.progressCalls, 12);

  // Cancel while waiting for the connect frame: the channel closes, the wait ends.
  FakeChannel silent;
  int pumps = 0, pumpsAfterClose = 0;
  LinkPacer cancelling = NoSleep();
  cancelling.pump = [&] {
    if (!silent.IsPortOpen()) ++pumpsAfterClose;
    if (++pumps == 50) silent.CloseComPort();
  };
  linktest::RecordingObserver obs2;
  LinkSession cancelled{silent, cancelling, obs2, [] { return true; }};
  cancelled.finalHoldMs = 0;
  EXPECT_FALSE(DownloadToReceiver(cancelled, path, 4));
  EXPECT_EQ(obs2.statuses, (std::vector<std::string>{"Connectting...", "Update failed!"}));
  EXPECT_LE(pumpsAfterClose, 2);

  // A port that does not open: an empty status field and nothing else.
  linktest::RecordingObserver obs3;
  LinkSession closedPort{silent, pacer, obs3, [] { return false; }};
  EXPECT_FALSE(DownloadToReceiver(closedPort, path, 4));
  EXPECT_EQ(obs3.statuses, std::vector<std::string>{""});
}
