// The busy notice: a borderless 500 x 45 black box at the screen centre with one red line of text,
// shown while a load, save or import runs.
#pragma once
#include <QWidget>

class QLabel;

class TtUsesForm : public QWidget {
  Q_OBJECT
public:
  explicit TtUsesForm(QWidget* parent = nullptr);

  // Shows the notice with `text`, paints it at once and lets pending window messages run.
  void ShowNotice(const QString& text);
  void HideNotice();
  QLabel* Label() const { return m_label; }

private:
  QLabel* m_label;
};
