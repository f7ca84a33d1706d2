// torvane-receiver-sim: a stand-in for the receiver's loader. It announces itself, then
// serves whichever transfer the editor starts: a download is checked and stored (--save),
// an upload sends the container given with --serve. Fault flags make it misbehave on
// purpose. Exit code 0 when the session ran to its end as the loader sees it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "SimLine.h"
#include "SimOptions.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint8_t kAck = 0x06, kNak = 0x15;
constexpr int kFlashStepMs = 25;  // time to erase or program one partition

uint32_t U24(const uint8_t* p) { return p[0] | (p[1] << 8) | (static_cast<uint32_t>(p[2]) << 16); }
uint32_t U32(const uint8_t* p) { return U24(p) | (static_cast<uint32_t>(p[3]) << 24); }

class Loader {
public:
  Loader(SimLine& line, const SimOptions& o) : line_(line), o_(o) {}

  int Run() {
    if (o_.silent) return Idle();
    const uint8_t connect[4] = {0x02, 0x01, 0x00, 0x03};
    const uint8_t wrong[4] = {0x02, 0x04, 0x00, 0x03};
    Send(o_.wrongFirstFrame ? wrong : connect, 4);
    uint8_t start[4];
    if (!Read(start, 4)) return Fail("no start frame");
    if (start[0] == 0x02 && start[1] == 0x0B) return Download();
    if (start[0] == 0x02 && start[1] == 0x0A) return Upload();
    return Fail("unexpected start frame");
  }

private:
  bool Read(uint8_t* b, size_t n) { return line_.ReadExact(b, n, o_.timeoutMs); }
  bool Send(const uint8_t* b, size_t n) { return line_.WriteAfterDrain(b, n); }
  bool Reply(uint8_t r) { return Send(&r, 1); }
  bool Frame(uint8_t command, uint8_t parameter) {
    const uint8_t f[4] = {0x02, command, parameter, 0x03};
    return Send(f, 4);
  }
  int Fail(const char* why) {
    std::fprintf(stderr, "receiver-sim: %s\n", why);
    return 1;
  }
  int Idle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(o_.timeoutMs));
    return 1;
  }
  bool Stalled() const { return o_.stallAfterPackets >= 0 && packets_ >= o_.stallAfterPackets; }

  int Download() {
    Bytes file;
    for (bool refused = false;;) {
      uint8_t h[79];
      if (!Read(h, 3) || h[0] != 0x11 || (h[1] | (h[2] << 8)) != 76 || !Read(h + 3, 76)) return Fail("bad header");
      const bool good = SimCrc32(h + 3, 72) == U32(h + 75);
      if (good && !(o_.nakHeader && !refused)) {
        file.assign(h, h + 79);
        Reply(kAck);
        break;
      }
      refused = true;
      Reply(kNak);
    }
    Frame(0x04, 1);
    const int count = file[60];
    for (int i = 0; i < count; ++i) {
      for (;;) {
        uint8_t d[26];
        if (!Read(d, 2) || d[0] != 0x22 || d[1] != 24 || !Read(d + 2, 24)) return Fail("bad descriptor");
        if (SimCrc32(d + 2, 20) == U32(d + 22)) {
          file.insert(file.end(), d, d + 26);
          Reply(kAck);
          break;
        }
        Reply(kNak);
      }
      if (!ReceiveRecord(file)) return Fail("data record not received");
    }
    for (int phase = 0; phase < 2; ++phase) {
      const uint8_t command = phase == 0 ? 0x06 : 0x07;
      const int failAt = phase == 0 ? o_.failErase : o_.failProgram;
      // A real loader takes a while to erase or program a partition, so its frames come apart.
      // The pause also keeps two frames from piling up at an editor that drains the line into
      // its own buffer before it looks at a frame (the pause after a drain cannot see that).
      auto flashStep = [&](uint8_t result) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kFlashStepMs));
        Frame(command, result);
      };
      for (int i = 1; i <= count; ++i) {
        if (i == failAt) flashStep(0);
        flashStep(1);
      }
    }
    if (!o_.save.empty()) {
      std::ofstream out(o_.save, std::ios::binary);
      out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
      if (!out) return Fail("cannot save");
    }
    return 0;
  }

  bool ReceiveRecord(Bytes& file) {
    size_t total = 0, have = 0;
    while (total == 0 || have < total) {
      uint8_t p[1024];
      if (!Read(p, sizeof p)) return false;
      unsigned sum = 0;
      for (int k = 3; k < 1023; ++k) sum += p[k];
      const bool valid = p[0] == 0x02 && p[1] == static_cast<uint8_t>(~p[2]) && static_cast<uint8_t>(sum) == p[1023] &&
                         p[1] == static_cast<uint8_t>(sequence_);
      ++packets_;
      if (Stalled()) {
        Idle();
        return false;
      }
      if (!valid || (o_.nakPacket == packets_ && !nakDone_)) {
        nakDone_ = nakDone_ || o_.nakPacket == packets_;
        Reply(kNak);
        continue;
      }
      if (total == 0) {
        if (p[3] != 0x33) return false;
        total = U24(p + 4) + 4;
      }
      const size_t n = std::min<size_t>(1020, total - have);
      file.insert(file.end(), p + 3, p + 3 + n);
      have += n;
      ++sequence_;
      Reply(kAck);
    }
    return true;
  }

  int Upload() {
    std::ifstream in(o_.serve, std::ios::binary);
    const Bytes file(std::istreambuf_iterator<char>(in), {});
    if (file.size() < 79) return Fail("nothing to serve (--serve)");
    Bytes header(file.begin(), file.begin() + 79);
    if (o_.badHeaderCrc) header[75] ^= 0xFF;
    for (;;) {
      Send(header.data(), 79);
      uint8_t r;
      if (!Read(&r, 1)) return Fail("no answer to header");
      if (r == kAck) break;
    }
    uint8_t verify[4];
    if (!Read(verify, 4) || verify[1] != 0x04) return Fail("no verify frame");
    if (verify[2] == 0) return o_.badHeaderCrc ? 0 : Fail("header refused");
    uint8_t request[1024];
    if (!Read(request, sizeof request)) return Fail("no region request");
    const int count = request[3];
    const size_t end = 4 + 8 * static_cast<size_t>(count);
    if (request[0] != 0x02 || count != file[60] || static_cast<size_t>(request[1] | (request[2] << 8)) != end + 4 ||
        SimCrc32(request, end) != U32(request + end))
      return Fail("bad region request");
    Reply(kAck);
    size_t pos = 79;
    for (int i = 1; i <= count; ++i) {
      if (pos + 26 > file.size()) return Fail("served file too short");
      Bytes d(file.begin() + pos, file.begin() + pos + 26);
      if (!SendUntilAck(d, o_.corruptDescriptor == i, 22)) return Fail("descriptor refused");
      pos += 26;
      const size_t total = U24(&file[pos + 1]) + 4;
      for (size_t sent = 0; sent < total;) {
        const size_t n = std::min<size_t>(1020, total - sent);
        Bytes p(1024, 0);
        p[0] = 0x02;
        p[1] = static_cast<uint8_t>(sequence_);
        p[2] = static_cast<uint8_t>(~sequence_);
        std::copy(file.begin() + pos + sent, file.begin() + pos + sent + n, p.begin() + 3);
        unsigned sum = 0;
        for (int k = 3; k < 1023; ++k) sum += p[k];
        p[1023] = static_cast<uint8_t>(sum);
        if (Stalled()) return Idle();
        ++packets_;
        if (!SendUntilAck(p, o_.corruptPacket == packets_, 1023)) return Fail("packet refused");
        sent += n;
        ++sequence_;
      }
      pos += total;
    }
    return 0;
  }

  // Sends a message until the editor acknowledges it; `corrupt` spoils byte `spoil` once.
  bool SendUntilAck(Bytes message, bool corrupt, size_t spoil) {
    for (int tries = 0; tries < 20; ++tries) {
      Bytes wire = message;
      if (corrupt && tries == 0) wire[spoil] ^= 0x5A;
      Send(wire.data(), wire.size());
      uint8_t r;
      if (!Read(&r, 1)) return false;
      if (r == kAck) return true;
    }
    return false;
  }

  SimLine& line_;
  const SimOptions& o_;
  int packets_ = 0;
  unsigned sequence_ = 1;
  bool nakDone_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  if (!ParseSimOptions(argc, argv, options)) return 2;
  SimLine line;
  if (options.device.empty()) {
    if (!line.OpenPty()) {
      std::perror("receiver-sim: openpty");
      return 2;
    }
    std::printf("%s\n", line.SlavePath().c_str());
  } else if (!line.OpenDevice(options.device)) {
    std::perror("receiver-sim: open");
    return 2;
  }
  std::fflush(stdout);
  const int rc = Loader(line, options).Run();
  line.WaitDrained();
  return rc;
}
