// The Transponder page (tab 5, page code 4): the transponders of the selected satellite, or the
// terrestrial transponders, in the grid `XSG_Tp` with marks and drag-and-drop reordering; the
// edit bar of the selected transponder; its services in `LB_SatTpSer`; the context menu with
// add, delete, the mark commands, hiding empty transponders and "Go to".
#pragma once
#include <QWidget>
#include <map>
#include <vector>

#include "ui/ServiceGridView.h"

class m_DataBase;
class PageGridDelegate;
class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QToolButton;
class TransponderGridModel;
class TSDIAppForm;

class TransponderPage : public QWidget, private ServiceGridHandler {
  Q_OBJECT
 public:
  static constexpr int kTab = 5;

  explicit TransponderPage(TSDIAppForm& form);
  ~TransponderPage() override;

  // ---- Page operations --------------------------------------------------------------------
  void RefreshTransponderPage();  // page code 4 of RefreshCurrentPage
  void FillTransponderGrid();
  void ShowSelectedTransponder();
  void RefreshTransponderRows();
  void FillTransponderServices();
  void SelectRow(int row);  // the grid row and the focus (leave check)
  void AfterListKindChange();
  void AfterDeliveryChange();
  void OnEditorReset();

  int GridRow() const;
  void SetGridRow(int row);
  int LastMouseColumn() const { return m_lastColumn; }
  int LastMouseRow() const { return m_lastRow; }
  ServiceGridView* Grid() const { return m_grid; }
  TransponderGridModel* GridModel() const { return m_model; }
  QMenu* ContextMenu() const { return m_PM_SatTpRight; }
  QMenu* SatelliteMenu() const { return m_PM_SatTpSatList; }

 public slots:
  void NumberEditKeyUp(QLineEdit* edit);  // E_SatTpFre, E_SatTpSys, E_TerTpFre, E_TerTpChNo
  void PM_SatTpPolHClick(int tag);
  void PM_SatTpFECAutoClick(int tag);
  void N6MHz1Click(int tag);
  void CB_SatTpModSelect(int index);
  void CB_SatTpModKeyDown();
  void TB_TpAntClick();
  void PM_SatTpSatListClick(int position);
  void PM_SatTpHideClick();
  void PM_SatTpRightPopup();
  void PM_SatTpAddTpClick();
  void PM_SatTpDelTpClick();
  void SelectTranspondersCommand(int command);  // 0 all, 1 none, 2 others, 3 antenna
  void XSG_TpDragDrop(int row);

  // Grid mouse events in grid rows (0 the head row, -1 outside any cell).
  void XSG_TpMouseDown(int column, int row) { GridMouseDown(column, row); }
  void XSG_TpClick() { GridClick(); }
  void XSG_TpMouseUp() { GridMouseUp(); }
  void XSG_TpDblClick() { GridDblClick(); }

 signals:
  void goToPage(int tab);

 private:
  void BuildEditBars(QWidget* parent);
  void BuildContextMenu();
  QLineEdit* AddNumberEdit(QWidget* bar, const char* name, const QString& hint, int width);

  // ServiceGridHandler
  void GridMouseDown(int column, int row) override;
  void GridClick() override;
  bool GridMouseMove(int column, int row, Qt::MouseButtons buttons) override;
  void GridMouseUp() override;
  void GridDblClick() override;
  void GridDragDrop(int row) override;
  void GridHeadMove(int column) override;

  bool eventFilter(QObject* watched, QEvent* event) override;

  bool Loaded() const;
  bool Satellite() const;
  void SetModified();
  void SyncViewState();
  void SelectTransponderAtRow();  // the transponder at the grid row becomes selected
  void ShowAfterEdit();           // RefreshTransponderRows and ShowSelectedTransponder
  void RestoreNumberEdit(QLineEdit* edit);
  QString StoredNumberText(QLineEdit* edit) const;
  void SetHideCaption(bool hiding);
  void RepaintGrid();

  TSDIAppForm& m_form;
  m_DataBase& m_db;
  int m_lastColumn = -1;
  int m_lastRow = -1;
  QLineEdit* m_typing = nullptr;  // the edit whose key release is being handled

  TransponderGridModel* m_model = nullptr;
  PageGridDelegate* m_delegate = nullptr;
  ServiceGridView* m_grid = nullptr;
  QWidget* m_P_TP = nullptr;
  QListWidget* m_LB_SatTpSer = nullptr;

  QWidget* m_TB_SatTp = nullptr;
  QToolButton* m_TB_TpAnt = nullptr;
  QToolButton* m_SB_TpFEC = nullptr;
  QToolButton* m_SB_TpPol = nullptr;
  QLineEdit* m_E_SatTpFre = nullptr;
  QLineEdit* m_E_SatTpSys = nullptr;
  QComboBox* m_CB_SatTpMod = nullptr;
  QWidget* m_TB_TerTp = nullptr;
  QToolButton* m_SB_TerTpBW = nullptr;
  QLineEdit* m_E_TerTpFre = nullptr;
  QLineEdit* m_E_TerTpChNo = nullptr;

  QMenu* m_PM_SatTpPol = nullptr;
  QMenu* m_PM_SatTpFEC = nullptr;
  QMenu* m_PM_TerTpBW = nullptr;
  QMenu* m_PM_SatTpSatList = nullptr;
  QMenu* m_PM_SatTpRight = nullptr;
  QAction* m_PM_TpPol = nullptr;
  QAction* m_PM_TpFEC = nullptr;
  QAction* m_PM_SatTpAnt = nullptr;
  QAction* m_PM_SatTpHide = nullptr;

  std::map<QObject*, QLineEdit*> m_numberEdits;
};
