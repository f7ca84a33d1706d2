// A combo box that announces its drop-down before the list opens, so the owner can rebuild the
// items from the database each time.
#pragma once
#include <QComboBox>

class DropDownCombo : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  void showPopup() override {
    emit dropDown();
    QComboBox::showPopup();
  }

 signals:
  void dropDown();
};
