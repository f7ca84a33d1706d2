// The download command's order of steps around the save.
#include <gtest/gtest.h>

#include "link/DownloadCommand.h"

using namespace rlink;

TEST(DownloadCommand, DefaultFlagIsSetBeforeTheSave) {
  struct Case { uint8_t kind; bool modified; int caption; int flagAtSave; std::string steps; };
  const Case cases[] = {
      {4, true, 63, 1, "flag save show download finish"},
      {17, true, 62, 0, "flag save show download finish"},
      {4, false, 63, -1, "flag show download finish"},
  };
  for (const auto& c : cases) {
    std::string steps;
    int flag = -1, flagAtSave = -1, caption = 0;
    DownloadCommandSteps s;
    s.fileKind = [&] { return c.kind; };
    s.anyModified = [&] { return c.modified; };
    s.setDefaultFlag = [&](uint8_t f) { flag = f; steps += "flag "; };
    s.save = [&] { flagAtSave = flag; steps += "save "; };
    s.showProgress = [&](int n) { caption = n; steps += "show "; };
    s.download = [&] { steps += "download "; return true; };
    s.finish = [&] { steps += "finish"; };
    EXPECT_TRUE(RunDownloadCommand(s));
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(flagAtSave, c.flagAtSave);
    EXPECT_EQ(caption, c.caption);
  }
}
