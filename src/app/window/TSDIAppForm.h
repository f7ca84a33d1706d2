// The main window: caption, the no-document and document states, menus and tool bar, the close
// question, and the page control. The document commands run through a DocumentController.
#pragma once
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/DocumentController.h"
#include "app/OptionValues.h"

class QAction;
class QCloseEvent;
class m_DataBase;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class SettingsFile;
class TFormOptions;
class TFormSelectSat;
class TtUsesForm;

class TSDIAppForm : public QMainWindow, public DocumentHost {
  Q_OBJECT
public:
  // `programFolder` holds the settings file and the working files (see SettingsLocation.h).
  explicit TSDIAppForm(const std::string& programFolder, QWidget* parent = nullptr);
  ~TSDIAppForm() override;

  // DocumentHost
  m_DataBase& Database() override;
  DocumentState& Document() override { return m_Doc; }
  UserDialogs& Dialogs() override { return *m_Dialogs; }
  SettingsFile& Settings() override { return *m_Settings; }
  OptionValues& Options() override { return m_Options; }
  const std::string& WorkFolder() const override { return m_WorkFolder; }
  void ResetEditor() override;
  int CheckPageBeforeLeaving(int* row) override;
  void SelectPageRow(int row) override;
  void PreparePage() override;
  void EnterDocumentState() override;
  void ShowOptionsDialog() override;

  // Wiring of the later layers.
  void SetDocumentController(std::unique_ptr<DocumentController> controller);
  void SetDialogs(std::unique_ptr<UserDialogs> dialogs);
  DocumentController& Controller() { return *m_Controller; }
  // Page layer hooks: the page check before leaving or saving, the row selection it asks for,
  // and the refresh of the page of the current page code.
  std::function<int(int* row)> checkPageHook;
  std::function<void(int row)> selectRowHook;

  int PageCode() const { return m_PageCode; }
  bool HdView() const { return m_HdView; }
  // The Service page's HD channel switch turns the HD view on and off.
  void SetHdView(bool on) { m_HdView = on; }
  int ServiceType() const { return m_ServiceType; }
  int DeliveryKind() const { return m_Delivery; }
  int SortMode() const { return m_SortMode; }
  void SetSortMode(int mode) { m_SortMode = mode; }
  bool LanguageServiceMode() const { return m_LanguageServiceMode; }
  void SetLanguageServiceMode(bool on) { m_LanguageServiceMode = on; }
  QTabWidget* PageControl() const { return m_PC_Main; }
  TFormOptions* OptionsForm() const { return m_FormOptions; }
  TFormSelectSat* SelectSatForm() const { return m_FormSelectSat; }
  TtUsesForm* BusyForm() const { return m_tUsesForm; }

  // Opens `path` as the start-up document (command line).
  void OpenAtStartup(const std::string& path);

public slots:
  void Menu_FileClick();
  void Menu_EditClick();
  void Menu_ViewClick();
  void PC_MainChange(int index);
  void SB_LatestFileClick(int tag);
  void TB_OpenClick();
  void TB_UploadClick();
  void TB_OptionsClick();
  void SB_TVClick();
  void SB_RadioClick();
  void SB_SatClick();
  void SB_TerClick();
  void SB_CabClick() {}

signals:
  // The page layer listens to these: the editor was reset (pages clear their per-document state),
  // the page of `pageCode` is to be refreshed, the TV/radio or satellite/terrestrial switch moved.
  void editorReset();
  void refreshPage(int pageCode);
  void listKindChanged(int serviceType);
  void deliveryChanged(int deliveryKind);

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void BuildMenus();
  void BuildToolBar();
  void BuildCentralArea();
  void FillOpenDropDown();
  void ShowReopenItems();
  void SetDisabledByReset();
  QAction* AddAction(QMenu* menu, const char* name, const QString& caption);
  QToolButton* AddToolButton(const char* name, const QString& caption, const QString& hint);
  QAction* ActionNamed(const char* name) const;

  std::unique_ptr<m_DataBase> m_Db;  // the one database object of the run
  DocumentState m_Doc;
  OptionValues m_Options;
  std::unique_ptr<SettingsFile> m_Settings;
  std::string m_WorkFolder;
  std::unique_ptr<DocumentController> m_Controller;
  std::unique_ptr<UserDialogs> m_Dialogs;

  int m_PageCode = 0;
  int m_SortMode = 0;  // 0 Original
  bool m_HdView = false;
  bool m_LanguageServiceMode = false;
  int m_ServiceType = 0;   // 0 TV, 1 radio
  int m_Delivery = 1;      // 1 satellite, 2 terrestrial

  QLabel* m_Image_Main = nullptr;
  QWidget* m_P_Main = nullptr;
  QTabWidget* m_PC_Main = nullptr;
  QMenu* m_PM_Open = nullptr;
  QMenu* m_PM_Upgrade = nullptr;
  QMenu* m_PM_Latest = nullptr;
  QMenu* m_Menu_Reopen = nullptr;
  QAction* m_ToolBarSatcoDx = nullptr;
  QAction* m_ToolBarOptimize = nullptr;
  QWidget* m_P_SatSwitch = nullptr;
  TFormOptions* m_FormOptions = nullptr;
  TFormSelectSat* m_FormSelectSat = nullptr;
  TtUsesForm* m_tUsesForm = nullptr;
};

// Sets the application title; call once after creating the QApplication.
void ConfigureApplication();
// Splits a hint "short|long" into its tool tip and status bar parts (both the whole text when
// there is no bar).
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
