#include "link/TransferSession.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/M_dldfile.h"
#include "link/Messages.h"
#include "link/StatusCodes.h"
#include "link/TransferProtocol.h"

namespace rlink {

std::string ProgressText(ProgressPhase phase, int step, int count) {
  const int n = count > 0 ? step * 100 / count : 0;
  switch (phase) {
    case ProgressPhase::Transfer: return "Transfering Data:  " + std::to_string(n) + "%";
    case ProgressPhase::Erase: return "Erase flash...  " + std::to_string(n) + "%";
    case ProgressPhase::Program: return "Program flash...  " + std::to_string(n) + "%";
  }
  return {};
}

namespace {

void Status(LinkSession& s, int code) {
  s.observer.OnStatus(StatusText(code));
  s.pacer.Pump();  // let the text be drawn before the next phase
}

ProgressFn Progress(LinkSession& s, ProgressPhase phase) {
  return [&s, phase](int step, int count) {
    s.observer.OnStatus(ProgressText(phase, step, count));
    s.observer.OnProgress(phase, step, count);
  };
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

bool StartSession(LinkSession& s, const std::string& path) {
  if (!s.openPort || !s.openPort()) {
    s.observer.OnStatus("");
    return false;
  }
  s.observer.OnFileName(path);
  s.observer.OnProgressReset();
  s.observer.OnTransferRunning();
  Status(s, kConnecting);
  return true;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  return !ec;
}

void RemoveFile(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

bool DownloadToReceiver(LinkSession& s, const std::string& path, uint8_t kind) {
  if (!StartSession(s, path)) return false;
  TransferProtocol protocol(s.channel, s.pacer, s.model);
  bool ok = protocol.Connect();
  if (!ok) {
    if (s.channel.IsPortOpen()) Status(s, kConnectFailed);
  } else {
    Status(s, kConnectSuccess);
    std::vector<uint8_t> file;
    const bool readable = ReadWholeFile(path, file);
    protocol.SendStartDownload();
    Status(s, kVerifying);
    ok = readable && protocol.VerifyHeader(file);
    if (!ok) {
      Status(s, kVerifyFailed);
    } else {
      Status(s, kVerifySuccess);
      Status(s, kTransferring);
      ok = protocol.TransferPartitions(file, kind, Progress(s, ProgressPhase::Transfer));
      if (!ok) {
        Status(s, kTransferFailed);
      } else {
        Status(s, kTransferSuccess);
        Status(s, kErasing);
        ok = protocol.WaitConfirmations(kEraseSuccess, kind, Progress(s, ProgressPhase::Erase));
        if (!ok) {
          Status(s, kEraseFailed);
        } else {
          Status(s, kEraseSuccess);
          Status(s, kProgramming);
          ok = protocol.WaitConfirmations(kProgramSuccess, kind, Progress(s, ProgressPhase::Program));
          Status(s, ok ? kProgramSuccess : kProgramFailed);
        }
      }
    }
  }
  s.observer.OnStatus(StatusText(ok ? kUpdateSuccess : kUpdateFailed));
  s.pacer.Pause(s.finalHoldMs);
  return ok;
}

std::string UploadTempPath(const std::string& path) { return path + ".part"; }

bool UploadFromReceiver(LinkSession& s, const std::string& path, uint8_t kind) {
  if (!StartSession(s, path)) return false;
  TransferProtocol protocol(s.channel, s.pacer, s.model);
  const std::string temp = UploadTempPath(path);
  bool ok = protocol.Connect();
  if (!ok) {
    if (s.channel.IsPortOpen()) Status(s, kConnectFailed);
  } else {
    std::FILE* out = std::fopen(temp.c_str(), "w+b");
    Status(s, kConnectSuccess);
    protocol.SendStartUpload();
    Status(s, kVerifying);
    const uint8_t defaultFlag = kind == kDefaultFileKind ? 1 : 0;
    const auto header = out ? protocol.ReceiveHeader(out, defaultFlag, kind) : TransferProtocol::HeaderResult::WriteError;
    if (header != TransferProtocol::HeaderResult::Good) {
      Status(s, kVerifyFailed);
      protocol.SendVerifyResult(false);
      if (out) std::fclose(out);
      RemoveFile(temp);
      return false;
    }
    Status(s, kVerifySuccess);
    protocol.SendVerifyResult(true);
    Status(s, kTransferring);
    ok = protocol.SendRegionRequest(kind) && protocol.ReceivePartitions(out, kind, Progress(s, ProgressPhase::Transfer));
    Status(s, ok ? kTransferSuccess : kTransferFailed);
    ok = (std::fclose(out) == 0) && ok;
    if (ok) {
      // Total length into header bytes 61..63 and a fresh header CRC.
      m_DLDFile received;
      ok = received.ReadDldHeader(temp) && received.FinishDldHeader(temp) && ReplaceFile(temp, path);
    }
  }
  if (!ok) RemoveFile(temp);
  s.observer.OnStatus(StatusText(ok ? kUpdateSuccess : kUpdateFailed));
  s.pacer.Pump();
  return ok;
}

}  // namespace rlink
