// The sub-commands of torvane-cli. Each takes the arguments after its name and returns the
// process exit code: 0 success, 1 the file has problems, 2 it cannot be read (or bad usage).
#pragma once
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int CmdDownload(const CliArgs& args);
int CmdUpload(const CliArgs& args);
