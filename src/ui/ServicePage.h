// The Service page (tab 0) and the HD page (tab 2), page code 0: the edit bar of the current
// service, the service grid `XSG_Service` with its mouse handling, cut and paste and context
// menu, the satellite, transponder and provider choosers, and the HD list `LB_Hd`.
#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "ui/ServiceGridView.h"

class DropDownCombo;
class FormFind;
class FormMove;
class m_DataBase;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QToolButton;
class ServiceGridDelegate;
class ServiceGridModel;
class TSDIAppForm;

class ServicePage : public QWidget, private ServiceGridHandler {
  Q_OBJECT
 public:
  static constexpr int kServiceTab = 0;
  static constexpr int kHdTab = 2;

  // Builds the page into the Service tab sheet and the HD list into the HD tab sheet.
  explicit ServicePage(TSDIAppForm& form);
  ~ServicePage() override;

  // ---- Page operations --------------------------------------------------------------------
  void RefreshServicePage();  // page code 0 of RefreshCurrentPage
  void FillServiceGrid();
  void ShowCurrentService();
  void RefreshServiceRows();
  void ShowServiceFavorites(int service);
  // The leave check of the Service page: catalogue code (21, 22) and view position, or 0.
  int CheckServices(int* row) const;
  void SelectRow(int row);  // the grid row and the focus
  void AfterListKindChange();
  void AfterDeliveryChange();
  void OnEditorReset();

  // ---- Window state of the page ------------------------------------------------------------
  bool FavoriteEditMode() const { return m_favEdit; }
  int CurrentServiceRow() const { return m_currentRow; }
  int CutSourceRow() const { return m_cutRow; }
  int LastMouseColumn() const { return m_lastColumn; }
  int LastMouseRow() const { return m_lastRow; }
  int GridRow() const;
  void SetGridRow(int row);
  ServiceGridView* Grid() const { return m_grid; }
  ServiceGridModel* GridModel() const { return m_model; }
  ServiceGridDelegate* GridDelegate() const { return m_delegate; }
  FormFind* FindForm() const { return m_formFind; }
  FormMove* MoveForm() const { return m_formMove; }
  QMenu* ContextMenu() const { return m_PM_ServiceRight; }

 public slots:
  // Edit bar.
  void E_SerNameKeyUp();
  void PidKeyUp(QLineEdit* edit);
  void TransponderEditKeyUp(QLineEdit* edit);
  void CB_SerTpFECSelect(int index);
  void CB_SerTpPolSelect(int index);
  void CB_SerTpModSelect(int index);
  void CB_TerTpBWSelect(int index);
  void ChoiceOnlyKeyDown();
  // Choosers.
  void TransponderDropDown();
  void TransponderSelect(int index);
  void CB_SerProDropDown();
  void CB_SerProSelect(int index);
  void CB_SerProKeyUp();
  void TB_SerAntClick();
  void PM_SerSatListClick(int tag);
  // Switches.
  void SB_HdEditClick();
  void SB_FavEditClick();
  // Grid commands.
  void TB_LockClick();
  void TB_SkipClick();
  void TB_ScrClick();
  void SB_HdClick();
  void TB_Fav1Click(int group);
  void SB_Fav1Click(int group);
  void PM_SerCutClick();
  void PM_SerPasteClick();
  void XSG_ServiceDragDrop(int targetRow);
  void PM_SortAlphaClick(int sortMode);
  void PM_SerAddServiceClick();
  void PM_SerDeleteServiceClick();
  void Moveto1Click();
  void TB_FindClick();
  void PM_ServiceRightPopup();
  void SelectServicesCommand(int command);

 signals:
  // A "Go to..." item of the context menu: the frame makes tab `tab` active.
  void goToPage(int tab);

 private:
  // Construction.
  void BuildEditBar(QWidget* parent);
  void BuildFavoriteBar(QWidget* parent);
  void BuildContextMenu();
  void BuildHdPage();
  void ConnectWindowCommands();
  QLineEdit* AddEdit(QWidget* bar, const char* name, const QString& hint, int width, bool numeric);
  QToolButton* AddSpeedButton(QWidget* bar, const char* name, const QString& caption, const QString& hint);
  DropDownCombo* AddCombo(QWidget* parent, const char* name, const QStringList& items, int width);

  // ServiceGridHandler
  void GridMouseDown(int column, int row) override;
  void GridClick() override;
  bool GridMouseMove(int column, int row, Qt::MouseButtons buttons) override;
  void GridMouseUp() override;
  void GridDblClick() override;
  void GridDragDrop(int row) override;
  void GridHeadMove(int column) override;

  bool eventFilter(QObject* watched, QEvent* event) override;

  // Helpers.
  bool Loaded() const;
  bool OnHdPage() const;
  bool Satellite() const;
  void SetModified();
  void SyncViewState();
  int ServiceAtRow(int row) const;
  void MakeRowCurrent();      // the service at the grid row becomes current
  void RestartServiceList();  // row 1, the service there becomes current, ShowCurrentService
  void MoveRule(int a, int b);
  void ClearCutIfUnmarked();
  void SetPasteEnabled(bool on);
  void SetCutEnabled(bool on);
  void RepaintGrid();
  bool ReportPageProblem();  // the leave check before a satellite choice or HD switch
  void ApplyLayout();
  void SetTransponderDetailsEnabled(bool on);
  void RestoreTransponderEdit(QLineEdit* edit);

  TSDIAppForm& m_form;
  m_DataBase& m_db;

  bool m_favEdit = false;
  int m_currentRow = 1;   // the current service's row, also the paste target
  int m_cutRow = 0;       // the row being cut, or the top of the last marked range
  int m_lastColumn = -1;  // the cell under the mouse at the last press or move
  int m_lastRow = -1;

  ServiceGridModel* m_model = nullptr;
  ServiceGridDelegate* m_delegate = nullptr;
  ServiceGridView* m_grid = nullptr;
  FormFind* m_formFind = nullptr;
  FormMove* m_formMove = nullptr;

  QWidget* m_TB_Service1a = nullptr;
  QWidget* m_TB_Service1b = nullptr;
  QWidget* m_TB_Service2 = nullptr;
  QWidget* m_TB_Service3 = nullptr;
  QToolButton* m_TB_SerAnt = nullptr;
  QToolButton* m_TB_SerAntHd = nullptr;
  QLineEdit* m_E_SerName = nullptr;
  QToolButton* m_SB_Lock = nullptr;
  QToolButton* m_SB_Skip = nullptr;
  QToolButton* m_SB_Scr = nullptr;
  QToolButton* m_SB_Hd = nullptr;
  QLineEdit* m_E_Pmt = nullptr;
  QLineEdit* m_E_Vid = nullptr;
  QLineEdit* m_E_Aud = nullptr;
  QLineEdit* m_E_PCR = nullptr;
  QLineEdit* m_E_SID = nullptr;
  QToolButton* m_SB_FavEdit = nullptr;
  QToolButton* m_SB_HdEdit = nullptr;
  DropDownCombo* m_CB_SerPro = nullptr;
  QWidget* m_P_TerTp_sev = nullptr;
  DropDownCombo* m_CB_TerTpDetail = nullptr;
  DropDownCombo* m_CB_TerTpBW = nullptr;
  QLineEdit* m_E_TerTpFre_Sev = nullptr;
  QLineEdit* m_E_TerTpChNo_Sev = nullptr;
  QWidget* m_P_SatTp_Sev = nullptr;
  DropDownCombo* m_CB_SerTp = nullptr;
  DropDownCombo* m_CB_SerTpFEC = nullptr;
  QLineEdit* m_E_SerTpFre = nullptr;
  DropDownCombo* m_CB_SerTpPol = nullptr;
  QLineEdit* m_E_SerTpSys = nullptr;
  DropDownCombo* m_CB_SerTpMod = nullptr;
  QLabel* m_L_Sev_Fav_ProNo = nullptr;
  QLabel* m_L_Sev_Fav_Name = nullptr;
  std::array<QToolButton*, 32> m_SB_Fav{};
  QListWidget* m_LB_Hd = nullptr;

  QMenu* m_PM_ServiceRight = nullptr;
  QMenu* m_PM_SerSatList = nullptr;
  QMenu* m_PM_Favorite = nullptr;
  QAction* m_PM_SerLocked = nullptr;
  QAction* m_PM_SerSkip = nullptr;
  QAction* m_PM_SerScr = nullptr;
  QAction* m_PM_SerHd = nullptr;
  std::array<QAction*, 32> m_PM_Fav{};
  QAction* m_PM_SerAdd = nullptr;
  QAction* m_PM_SerDelete = nullptr;
  QAction* m_Moveto1 = nullptr;
  QAction* m_PM_SelectService = nullptr;

  // Key-release handlers of the edits and the choice-only combos.
  std::map<QObject*, std::function<void()>> m_keyUp;
  std::vector<QObject*> m_choiceOnly;
};
