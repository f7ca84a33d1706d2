// Small construction helpers shared by the table pages: horizontal tool bars of controls,
// speed buttons with a popup menu, and edits whose text is only rewritten when it changed.
#pragma once
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace pagebars {

inline QWidget* NewBar(QWidget* parent, const char* name) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(name);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(3);
  return bar;
}

inline void AddToBar(QWidget* bar, QWidget* w) { static_cast<QHBoxLayout*>(bar->layout())->addWidget(w); }

inline void EndBar(QWidget* bar) { static_cast<QHBoxLayout*>(bar->layout())->addStretch(1); }

inline QToolButton* AddButton(QWidget* bar, const char* name, const QString& caption, const QString& hint) {
  auto* b = new QToolButton(bar);
  b->setObjectName(name);
  b->setText(caption);
  b->setToolTip(hint);
  AddToBar(bar, b);
  return b;
}

inline QLineEdit* AddEdit(QWidget* bar, const char* name, const QString& hint, int width) {
  auto* edit = new QLineEdit(bar);
  edit->setObjectName(name);
  edit->setToolTip(hint);
  edit->setFixedWidth(width);
  AddToBar(bar, edit);
  return edit;
}

// A popup menu whose items carry their code in the action's data.
inline QMenu* NewTagMenu(QWidget* parent, const char* name, const QStringList& captions) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(name);
  for (int tag = 0; tag < captions.size(); ++tag) menu->addAction(captions[tag])->setData(tag);
  return menu;
}

// An unchanged text keeps the cursor and the selection.
inline void ShowText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

}  // namespace pagebars
