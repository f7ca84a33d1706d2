// The numbered notices, questions and status texts of the editor, and how each notice is shown.
#pragma once
#include <cstdint>
#include <string>

// Text of a catalogue code; codes not in the table give "No Error!".
std::string GetMessageText(uint16_t code);

enum class NoticeKind { Error, Confirmation, Warning };
enum class ButtonSet { Ok, Yes, YesCancel, YesNo };

struct NoticeStyle {
  NoticeKind kind;
  ButtonSet buttons;
  bool operator==(const NoticeStyle& o) const { return kind == o.kind && buttons == o.buttons; }
};

// The combinations of kind and buttons in use.
namespace notice {
constexpr NoticeStyle kValidationError{NoticeKind::Error, ButtonSet::Ok};      // also wrong kind on Open
constexpr NoticeStyle kLoadError{NoticeKind::Error, ButtonSet::Yes};           // load errors, Reopen errors
constexpr NoticeStyle kOverwriteQuestion{NoticeKind::Confirmation, ButtonSet::YesCancel};  // 2, 14, 54
constexpr NoticeStyle kCloseQuestion{NoticeKind::Confirmation, ButtonSet::YesNo};          // 15
constexpr NoticeStyle kDeleteTransponderQuestion{NoticeKind::Warning, ButtonSet::YesNo};   // 42
}  // namespace notice

// The usual style of a code's notice. Code 6 is shown with OK by Open Data / Open Default and with
// Yes by Reopen; this returns the Open style, Reopen passes notice::kLoadError itself.
NoticeStyle GetNoticeStyle(uint16_t code);
