// The logic of the "Service Move" dialog, kept apart from its widgets: it takes a target view
// position from 1 to the service view count.
#pragma once
#include <string>

class ServiceMoveTo {
public:
  // invalidText is catalogue text 1 of the window's message catalogue.
  explicit ServiceMoveTo(std::string invalidText = "Invalid data.") : m_invalidText(std::move(invalidText)) {}

  // The dialog is shown for a view of viewCount services; the text box keeps its text.
  void Show(int viewCount);
  // Only digits and backspace reach the text box.
  static bool AcceptsKey(char key) { return (key >= '0' && key <= '9') || key == 0x08; }
  // "Go" with the box's text: true when accepted (the dialog closes); otherwise the box is
  // emptied and ErrorText() holds the notice to show.
  bool Go(const std::string& text);
  void Cancel() { m_result = -1; }

  int Result() const { return m_result; }
  const std::string& AreaLabel() const { return m_area; }
  const std::string& ErrorText() const { return m_error; }
  const std::string& Text() const { return m_text; }

private:
  std::string m_invalidText;
  std::string m_area;
  std::string m_error;
  std::string m_text;
  int m_count = 0;
  int m_result = -1;
};
