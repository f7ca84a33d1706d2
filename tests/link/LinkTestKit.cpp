#include "LinkTestKit.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "files/Bytes.h"
#include "files/Crc32.h"

extern char** environ;

namespace linktest {

Bytes MakeContainer(uint8_t kind, const std::vector<uint32_t>& sizes, uint8_t seed) {
  Bytes f(79, 0);
  f[0] = 0x11;
  bytes::PutU16(&f[1], 76);
  for (int i = 3; i < 59; ++i) f[i] = static_cast<uint8_t>(i * 7 + seed);
  for (int i = 64; i < 75; ++i) f[i] = static_cast<uint8_t>(i * 3 + seed);
  f[60] = kind;
  bytes::PutU32(&f[75], Crc32(&f[3], 72));
  for (int p = 0; p < kind; ++p) {
    const uint32_t s = sizes[static_cast<size_t>(p) % sizes.size()];
    Bytes data(s);
    for (uint32_t k = 0; k < s; ++k) data[k] = static_cast<uint8_t>((k * 31 + p * 17 + seed) ^ (k >> 8));
    const uint32_t crc = Crc32(data.data(), data.size());
    uint8_t d[26];
    std::fill(d, d + 26, 0xFF);
    d[0] = 0x22;
    d[1] = 24;
    d[2] = 0;
    bytes::PutU32(d + 3, 0xA0760000u + static_cast<uint32_t>(p) * 0x10000u);
    bytes::PutU24(d + 7, 0x10000);
    bytes::PutU24(d + 14, s);
    bytes::PutU32(d + 17, crc);
    d[21] = 0;
    bytes::PutU32(d + 22, Crc32(d + 2, 20));
    f.insert(f.end(), d, d + 26);
    const size_t at = f.size();
    f.resize(at + 4 + s + 4);
    f[at] = 0x33;
    bytes::PutU24(&f[at + 1], s + 4);
    std::copy(data.begin(), data.end(), f.begin() + static_cast<long>(at) + 4);
    bytes::PutU32(&f[at + 4 + s], crc);
  }
  return f;
}

Bytes ExpectedUpload(const Bytes& served, uint8_t defaultFlag, uint8_t kind) {
  Bytes f = served;
  f[59] = defaultFlag;
  f[60] = kind;
  bytes::PutU24(&f[61], static_cast<uint32_t>(f.size()));
  bytes::PutU32(&f[75], Crc32(&f[3], 72));
  size_t pos = 79;
  for (int p = 0; p < kind; ++p) {
    uint8_t* d = &f[pos];
    const uint32_t s = bytes::GetU24(d + 14);
    d[21] = static_cast<uint8_t>((s + 8 + 999) / 1000);
    bytes::PutU32(d + 22, Crc32(d + 2, 20));
    pos += 26 + 8 + s;
  }
  return f;
}

int FakeChannel::ReadQueued(uint8_t* buffer, int n) {
  if (incoming.empty()) return 0;
  Bytes& front = incoming.front();
  const int k = std::min<int>(n, static_cast<int>(front.size()));
  std::copy(front.begin(), front.begin() + k, buffer);
  front.erase(front.begin(), front.begin() + k);
  if (front.empty()) incoming.pop_front();
  return k;
}

int FakeChannel::WriteSome(const uint8_t* bytes, int n) {
  if (failWrites) return -1;
  written.emplace_back(bytes, bytes + n);
  if (onWrite) onWrite(written.back());
  return n;
}

DownloadPeer::DownloadPeer(FakeChannel& channel, uint8_t kind) : channel_(channel), kind_(kind) {
  channel_.incoming.push_back({0x02, 0x01, 0x00, 0x03});
  channel_.onWrite = [this](const Bytes& m) { OnWrite(m); };
}

void DownloadPeer::OnWrite(const Bytes& m) {
  auto reply = [this](uint8_t r) {
    if (r) channel_.incoming.push_back({r});
  };
  if (m.size() == 79 && m[0] == 0x11) {
    const uint8_t r = headerReply(++headers);
    reply(r);
    if (r == 0x06) channel_.incoming.push_back({0x02, 0x04, 0x01, 0x03});
  } else if (m.size() == 26 && m[0] == 0x22) {
    const uint8_t r = descriptorReply(++descriptors);
    reply(r);
    if (r == 0x06) ++acceptedDescriptors_;
  } else if (m.size() == 1024) {
    const uint8_t r = packetReply(++packets);
    reply(r);
    if (r != 0x06) return;
    if (recordLeft_ == 0) recordLeft_ = static_cast<long>(bytes::GetU24(&m[4]) + 4);
    recordLeft_ -= std::min<long>(1020, recordLeft_);
    if (recordLeft_ == 0 && acceptedDescriptors_ == kind_)
      for (const Bytes& c : confirmations) channel_.incoming.push_back(c);
  }
}

bool RecordingObserver::Saw(const std::string& text) const {
  return std::find(statuses.begin(), statuses.end(), text) != statuses.end();
}

Simulator::Simulator(const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe");
  std::vector<std::string> all{TORVANE_SIMULATOR};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const int rc = posix_spawn(&pid_, TORVANE_SIMULATOR, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (rc != 0) {
    close(out[0]);
    throw std::runtime_error("cannot start " TORVANE_SIMULATOR);
  }
  char c;
  while (read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
  close(out[0]);
}

Simulator::~Simulator() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

int Simulator::Wait() {
  int status = 0;
  if (waitpid(pid_, &status, 0) != pid_) return -1;
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace linktest
