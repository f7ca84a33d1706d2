// The search dialog "Search Service": narrows the service view to the names that begin with the
// typed text and returns the chosen service. The logic is ServiceSearch's.
#pragma once
#include <QDialog>

#include "db/ServiceSearch.h"

class QLineEdit;
class QTableView;
class m_DataBase;
class FindResultModel;

class FormFind : public QDialog {
  Q_OBJECT
 public:
  FormFind(m_DataBase& db, QWidget* parent = nullptr);

  // Shows the dialog modally; the chosen service slot, or -1.
  int Run();
  int Result() const { return m_search.Result(); }

 public slots:
  void E_ProgNameChange(const QString& text);
  void SB_FindClick();
  void SB_CloseClick();
  void reject() override;

 private:
  void FormShow();

  ServiceSearch m_search;
  QLineEdit* m_E_ProgName = nullptr;
  QTableView* m_XSG_FindSer = nullptr;
  FindResultModel* m_model = nullptr;
  bool m_closing = false;
};
