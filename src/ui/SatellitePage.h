// The Satellite page (tab 6, page code 5): the 64 satellites in the grid `XSG_Antenna`, the
// tool bar of the selected satellite's name, longitude and dish settings, the bar of its three
// auto scan transponders, and its services in `LB_AntennaSer`.
#pragma once
#include <QWidget>
#include <map>

#include "ui/ServiceGridView.h"

class m_DataBase;
class PageGridDelegate;
class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QToolButton;
class SatelliteGridModel;
class TSDIAppForm;

class SatellitePage : public QWidget, private ServiceGridHandler {
  Q_OBJECT
 public:
  static constexpr int kTab = 6;

  explicit SatellitePage(TSDIAppForm& form);
  ~SatellitePage() override;

  // ---- Page operations --------------------------------------------------------------------
  void RefreshSatellitePage();  // page code 5 of RefreshCurrentPage
  void FillSatelliteGrid();
  void ShowSatelliteRow(int satellite);
  void ShowSelectedSatellite();
  void ShowAutoScanTransponder();
  void FillSatelliteServices();
  void AfterListKindChange();
  void OnEditorReset();

  int GridRow() const;
  void SetGridRow(int row);
  int AutoScanIndex() const { return m_autoScan; }
  ServiceGridView* Grid() const { return m_grid; }
  SatelliteGridModel* GridModel() const { return m_model; }
  QMenu* ContextMenu() const { return m_PM_SatRight; }

 public slots:
  void E_AntNameKeyUp();
  void E_SatLongKeyUp();
  void CB_AntFreqChange();
  void PM_AntType0Click(int type);
  void PM_Ant22KOffClick(int value);
  void PM_Ant12VOffClick(int value);
  void PM_AntPower0Click(int value);
  void PM_AntDisOffClick(int value);
  void PM_AntMotorOffClick(int choice);
  void PM_AntPolHClick(int polarity);
  void AutoScanEditKeyUp(QLineEdit* edit);  // E_AntAutoTpFreq, E_AntAutoTpSym
  void TB_AntTpNextClick();
  void PM_ShowSatClick();
  void LB_AntennaSerClick(int itemIndex);
  void XSG_AntennaMouseDown(int column, int row) { GridMouseDown(column, row); }
  void XSG_AntennaClick() { GridClick(); }

 signals:
  void goToPage(int tab);

 private:
  void BuildToolBar(QWidget* parent);
  void BuildAutoScanBar(QWidget* parent);
  void BuildContextMenu();
  // Writes one dish setting through `set`, then shows the row and the tool bar again.
  template <typename Setter>
  void EditSatellite(Setter set);

  // ServiceGridHandler
  void GridMouseDown(int column, int row) override;
  void GridClick() override;
  bool GridMouseMove(int column, int row, Qt::MouseButtons buttons) override;
  void GridMouseUp() override {}
  void GridDblClick() override {}
  void GridDragDrop(int) override {}
  void GridHeadMove(int column) override;

  bool eventFilter(QObject* watched, QEvent* event) override;

  bool Loaded() const;
  int Selected() const;
  void SetModified();
  void ShowAfterEdit();

  TSDIAppForm& m_form;
  m_DataBase& m_db;
  int m_autoScan = 0;           // k: the auto scan transponder the bar shows
  bool m_showing = false;       // the controls are being loaded, not edited
  QWidget* m_typing = nullptr;  // the edit whose key release is being handled
  int m_lastColumn = -1;
  int m_lastRow = -1;

  SatelliteGridModel* m_model = nullptr;
  PageGridDelegate* m_delegate = nullptr;
  ServiceGridView* m_grid = nullptr;
  QListWidget* m_LB_AntennaSer = nullptr;

  QLineEdit* m_E_AntName = nullptr;
  QLineEdit* m_E_SatLong = nullptr;
  QToolButton* m_SB_AntType = nullptr;
  QComboBox* m_CB_AntFreq = nullptr;
  QToolButton* m_SB_22K = nullptr;
  QToolButton* m_SB_12V = nullptr;
  QToolButton* m_SB_Power = nullptr;
  QToolButton* m_SB_DiSEqC = nullptr;
  QToolButton* m_SB_Motor = nullptr;
  QLineEdit* m_E_AntAutoTpFreq = nullptr;
  QLineEdit* m_E_AntAutoTpSym = nullptr;
  QToolButton* m_SB_AntPol = nullptr;
  QToolButton* m_TB_AntTpNext = nullptr;
  QMenu* m_PM_SatRight = nullptr;
  QAction* m_PM_ShowSat = nullptr;

  std::map<QObject*, QLineEdit*> m_autoScanEdits;
};

// The LNB type texts: the `PM_AntType` item and the `SB_AntType` caption of a type code.
QString LnbTypeMenuCaption(int type);
QString LnbTypeButtonCaption(int type, int userFrequency);
