#include <gtest/gtest.h>

#include "app/MessageCatalogue.h"
#include "app/ScriptedDialogs.h"
#include "app/DocumentState.h"

TEST(MessageCatalogue, CodesOutsideTheTableSayNoError) {
  for (int code : {0, 8, 9, 16, 19, 25, 29, 31, 39, 47, 49, 55, 59, 64, 100, 65535})
    EXPECT_EQ(GetMessageText(static_cast<uint16_t>(code)), "No Error!") << code;
}

TEST(MessageCatalogue, TextsOfTheTable) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {1, "Invalid data."},
      {3, "Open File Error: file not exist!"},
      {6, "Open File Error: partition number wrong!"},
      {12, "Open File Error: at most 255 filescan be opened at one time."},
      {15, "Settings not saved, exit and ignore the modification?"},
      {22, "No select Transponder."},
      {41, ""},
      {42, "Be careful: all information and all services belongingto the transponder will be erased "
           "and can not be restored,are you sure to execute it?"},
      {43, "The max number of Program every Transponder is 120,So Program can not be added on this "
           "Transponder!"},
      {50, ""},
      {52, ""},
      {54, "Be careful: all information of the servicewill be erased and can not be restored,are you "
           "sure to execute it?"},
      {63, "Upgrade Settings(Downloading Default)"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetMessageText(static_cast<uint16_t>(c.code)), c.text) << c.code;
  EXPECT_EQ(GetMessageText(2), GetMessageText(14));
}

TEST(MessageCatalogue, NoticeStylesFollowTheirUse) {
  EXPECT_EQ(GetNoticeStyle(15), (NoticeStyle{NoticeKind::Confirmation, ButtonSet::YesNo}));
  EXPECT_EQ(GetNoticeStyle(14), (NoticeStyle{NoticeKind::Confirmation, ButtonSet::YesCancel}));
  EXPECT_EQ(GetNoticeStyle(54), (NoticeStyle{NoticeKind::Confirmation, ButtonSet::YesCancel}));
  EXPECT_EQ(GetNoticeStyle(42), (NoticeStyle{NoticeKind::Warning, ButtonSet::YesNo}));
  EXPECT_EQ(GetNoticeStyle(5), (NoticeStyle{NoticeKind::Error, ButtonSet::Yes}));
  EXPECT_EQ(GetNoticeStyle(21), (NoticeStyle{NoticeKind::Error, ButtonSet::Ok}));
}

// Only Yes accepts a question; the close question is asked only with unsaved changes.
TEST(CloseQuestion, AskedOnlyWhenModifiedAndAcceptedOnlyOnYes) {
  const struct {
    bool data, settings;
    Answer answer;
    bool asked, closes;
  } cases[] = {
      {false, false, Answer::No, false, true},  {true, false, Answer::No, true, false},
      {false, true, Answer::Yes, true, true},   {true, true, Answer::Cancel, true, false},
  };
  for (const auto& c : cases) {
    DocumentState state;
    state.dataModified = c.data;
    state.settingsModified = c.settings;
    ScriptedDialogs dialogs;
    dialogs.answers.push_back(c.answer);
    EXPECT_EQ(ConfirmClose(state, dialogs), c.closes);
    ASSERT_EQ(dialogs.CountOf(ScriptedDialogs::Shown::Question), c.asked ? 1 : 0);
    if (c.asked) {
      EXPECT_EQ(dialogs.log[0].text, GetMessageText(15));
      EXPECT_EQ(dialogs.log[0].style, notice::kCloseQuestion);
    }
  }
}
