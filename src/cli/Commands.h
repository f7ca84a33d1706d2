// The sub-commands of torvane-cli. Each takes the arguments after its name and returns the
// process exit code: 0 success, 1 the file has problems, 2 it cannot be read (or bad usage).
#pragma once
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int CmdDownload(const CliArgs& args);
int CmdUpload(const CliArgs& args);
int CmdInfo(const CliArgs& args);
int CmdVerify(const CliArgs& args);
int CmdDump(const CliArgs& args);
int CmdResave(const CliArgs& args);
int CmdSample(const CliArgs& args);
int CmdOptimize(const CliArgs& args);
int CmdImport(const CliArgs& args);
