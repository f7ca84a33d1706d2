#include "app/window/TSDIAppForm.h"

#include "link/window/TransferCommands.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "app/AppInfo.h"
#include "app/RecentFiles.h"
#include "app/SettingsFile.h"
#include "app/SettingsLocation.h"
#include "app/window/QtUserDialogs.h"
#include "app/window/TFormOptions.h"
#include "app/window/TFormSelectSat.h"
#include "app/window/TtUsesForm.h"
#include "db/M_database.h"

namespace {
// Tab index -> page code; the Favorite tab shows language groups in language-service mode.
int PageCodeOfTab(int tab, bool languageMode) {
  static const int kCodes[] = {0, 1, 0, 2, 3, 4, 5, 6};
  if (tab == 1 && languageMode) return 7;
  return tab >= 0 && tab < 8 ? kCodes[tab] : 0;
}

constexpr int kServiceTab = 0;
constexpr int kHdTab = 2;
constexpr int kSatelliteTab = 6;

// Reopen items and drop-down captions show the path itself, not a keyboard mnemonic.
QString MenuText(const std::string& path) {
  return QString::fromStdString(path).replace('&', "&&");
}
}  // namespace

void ConfigureApplication() { QApplication::setApplicationName(kApplicationTitle); }

TSDIAppForm::TSDIAppForm(const std::string& programFolder, QWidget* parent)
    : QMainWindow(parent),
      m_Db(new m_DataBase),
      m_Settings(new SettingsFile(SettingsFilePath(programFolder))),
      m_Controller(new TransferCommands) {
  setObjectName("SDIAppForm");
  BuildMenus();
  BuildToolBar();
  BuildCentralArea();
  // The size the window returns to from maximised, and what it has where nothing maximises it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize room = screen->availableGeometry().size();
    resize(std::min(1200, room.width()), std::min(780, room.height()));
  }

  // The busy notice and the dialogs exist before the first reset, so that a controller's reset
  // step can always reach them.
  m_tUsesForm = new TtUsesForm(this);
  m_Dialogs = std::make_unique<QtUserDialogs>(this, m_tUsesForm);

  // FormCreate: reset, then the caption.
  ResetEditor();
  setWindowTitle(QString::fromStdString(MainWindowCaption()));

  // The options exist before their dialog, which copies them once.
  m_FormOptions = new TFormOptions(m_Options, *m_Settings, this);
  m_FormSelectSat = new TFormSelectSat(this);

  m_WorkFolder = WorkingFolder(programFolder);
  connect(m_PC_Main, &QTabWidget::currentChanged, this, &TSDIAppForm::PC_MainChange);
}

TSDIAppForm::~TSDIAppForm() = default;

m_DataBase& TSDIAppForm::Database() { return *m_Db; }

void TSDIAppForm::SetDocumentController(std::unique_ptr<DocumentController> controller) {
  m_Controller = controller ? std::move(controller) : std::make_unique<TransferCommands>();
}

void TSDIAppForm::SetDialogs(std::unique_ptr<UserDialogs> dialogs) {
  m_Dialogs = dialogs ? std::move(dialogs) : std::make_unique<QtUserDialogs>(this, m_tUsesForm);
}

void TSDIAppForm::SetDisabledByReset() {
  for (const char* name : {"Menu_Save", "Menu_SerPaste", "PM_SerPaste", "Menu_Search", "Menu_SerCut",
                           "Menu_Download", "Menu_TV", "Menu_Radio", "Menu_Service", "Menu_Favorite",
                           "Menu_Provider", "Menu_CASystem", "Menu_Transponder", "Menu_Antenna",
                           "Menu_System"})
    ActionNamed(name)->setEnabled(false);
  for (const char* name : {"Menu_SaveAs", "Menu_Select", "Menu_Sort"})
    findChild<QMenu*>(name)->menuAction()->setEnabled(false);
  for (const char* name : {"TB_Save", "TB_Find", "TB_Cut", "TB_Paste", "SB_SatCoDX", "SB_Optimize",
                           "TB_Download", "SB_TV", "SB_Radio", "SB_Sat", "SB_Ter"})
    findChild<QToolButton*>(name)->setEnabled(false);
}

void TSDIAppForm::ResetEditor() {
  // 1. Window set-up.
  setWindowState(windowState() | Qt::WindowMaximized);
  {
    const QSignalBlocker block(m_PC_Main);  // not a page change the user made
    m_PC_Main->setCurrentIndex(kServiceTab);
  }
  SetDisabledByReset();
  m_Image_Main->show();
  m_P_Main->hide();
  findChild<QToolButton*>("SB_TV")->setChecked(true);
  findChild<QToolButton*>("SB_Sat")->setChecked(true);
  m_P_SatSwitch->setFixedWidth(50);
  m_PC_Main->setTabVisible(kSatelliteTab, true);
  m_ServiceType = 0;
  m_Delivery = 1;
  // 2. The Service page.
  m_PageCode = 0;
  // 3. The file layer's state and the database view state.
  m_Controller->ResetFileState(*this);
  // 4. Flags of the document and the pages.
  m_Doc.databaseLoaded = false;
  m_Doc.dataModified = false;
  m_Doc.settingsModified = false;
  m_Doc.cutPending = false;
  m_HdView = false;
  m_SortMode = 0;
  emit editorReset();
  // 5. Clear the tables. 6. Read the options.
  m_Db->ClearDatabase();
  m_Options = ReadOptions(*m_Settings);
}

void TSDIAppForm::EnterDocumentState() {
  m_Image_Main->hide();
  m_P_Main->show();
  for (const char* name : {"Menu_Search", "Menu_SerCut", "Menu_Download", "Menu_TV", "Menu_Radio",
                           "Menu_Service", "Menu_Favorite", "Menu_Provider", "Menu_CASystem",
                           "Menu_Transponder", "Menu_Antenna", "Menu_System"})
    ActionNamed(name)->setEnabled(true);
  for (const char* name : {"Menu_Select", "Menu_Sort"})
    findChild<QMenu*>(name)->menuAction()->setEnabled(true);
  for (const char* name : {"TB_Save", "TB_Find", "TB_Cut", "SB_SatCoDX", "SB_Optimize", "TB_Download",
                           "TB_Upload", "SB_TV", "SB_Radio", "SB_Sat", "SB_Ter"})
    findChild<QToolButton*>(name)->setEnabled(true);
}

int TSDIAppForm::CheckPageBeforeLeaving(int* row) {
  if (row) *row = 0;
  return checkPageHook ? checkPageHook(row) : 0;
}

void TSDIAppForm::SelectPageRow(int row) {
  if (selectRowHook) selectRowHook(row);
}

void TSDIAppForm::PreparePage() {
  const int tab = m_PC_Main->currentIndex();
  m_PageCode = PageCodeOfTab(tab, m_LanguageServiceMode);
  m_P_SatSwitch->setVisible(tab <= 5);
  // RefreshCurrentPage: a refresh ends any pending cut; the page clears the selection marks.
  m_Doc.cutPending = false;
  emit refreshPage(m_PageCode);
}

void TSDIAppForm::PC_MainChange(int index) {
  if (!m_Doc.databaseLoaded) return;
  if (index == kServiceTab) {
    m_HdView = false;
    findChild<QToolButton*>("TB_Find")->setEnabled(true);
    ActionNamed("Menu_Search")->setEnabled(true);
    if (m_SortMode == 0) {
      findChild<QToolButton*>("TB_Cut")->setEnabled(true);
      ActionNamed("PM_SerCut")->setEnabled(true);
      ActionNamed("Menu_SerCut")->setEnabled(true);
      if (m_Doc.cutPending) {
        findChild<QToolButton*>("TB_Paste")->setEnabled(true);
        ActionNamed("PM_SerPaste")->setEnabled(true);
        ActionNamed("Menu_SerPaste")->setEnabled(true);
      }
    }
  } else {
    if (index == kHdTab) m_HdView = true;
    for (const char* name : {"TB_Find", "TB_Cut", "TB_Paste"}) findChild<QToolButton*>(name)->setEnabled(false);
    for (const char* name : {"Menu_Search", "Menu_SerCut", "Menu_SerPaste", "PM_SerCut", "PM_SerPaste"})
      ActionNamed(name)->setEnabled(false);
  }
  PreparePage();
}

void TSDIAppForm::Menu_FileClick() {
  if (m_Doc.databaseLoaded) {
    ActionNamed("Menu_Save")->setEnabled(true);
    findChild<QMenu*>("Menu_SaveAs")->menuAction()->setEnabled(true);
  }
  ShowReopenItems();
}

void TSDIAppForm::Menu_EditClick() {
  if (m_Doc.databaseLoaded) {
    const bool servicePage = m_PC_Main->currentIndex() == kServiceTab;
    ActionNamed("Menu_Search")->setEnabled(servicePage);
    findChild<QMenu*>("Menu_Select")->menuAction()->setEnabled(servicePage);
    if (!servicePage) ActionNamed("Menu_SerCut")->setEnabled(false);
  }
  ActionNamed("Menu_SerPaste")->setEnabled(m_Doc.cutPending);
}

void TSDIAppForm::Menu_ViewClick() {
  if (m_Doc.databaseLoaded)
    findChild<QMenu*>("Menu_Sort")->menuAction()->setEnabled(m_PC_Main->currentIndex() == kServiceTab);
}

void TSDIAppForm::ShowReopenItems() {
  const std::vector<std::string> entries = ReadRecentFiles(*m_Settings);
  for (int tag = 1; tag <= kMaxRecentFiles; ++tag) {
    QAction* item = ActionNamed(QString("Menu_Reopen%1").arg(tag).toLatin1().constData());
    const bool shown = tag <= static_cast<int>(entries.size());
    item->setText(shown ? MenuText(entries[tag - 1]) : QString());
    item->setVisible(shown);
  }
}

void TSDIAppForm::FillOpenDropDown() {
  m_PM_Latest->clear();
  const std::vector<std::string> captions = OpenDropDownCaptions(ReadRecentFiles(*m_Settings));
  for (size_t n = 1; n <= captions.size(); ++n) {
    const int tag = static_cast<int>(n);
    QAction* item = m_PM_Latest->addAction(MenuText(captions[n - 1]));
    item->setData(tag);
    connect(item, &QAction::triggered, this, [this, tag] { SB_LatestFileClick(tag); });
  }
}

void TSDIAppForm::SB_LatestFileClick(int tag) {
  const std::vector<std::string> entries = ReadRecentFiles(*m_Settings);
  if (tag < 1 || tag > static_cast<int>(entries.size())) return;
  m_Controller->Reopen(*this, entries[tag - 1]);
}

void TSDIAppForm::OpenAtStartup(const std::string& path) { m_Controller->OpenAtStartup(*this, path); }

void TSDIAppForm::TB_OpenClick() { m_PM_Open->popup(QCursor::pos()); }

void TSDIAppForm::TB_UploadClick() {
  ActionNamed("PM_UpgradeData")->setEnabled(true);
  m_PM_Upgrade->popup(QCursor::pos());
}

void TSDIAppForm::TB_OptionsClick() { ShowOptionsDialog(); }

void TSDIAppForm::ShowOptionsDialog() {
  m_FormOptions->exec();
  m_FormOptions->hide();
}

void TSDIAppForm::SB_TVClick() {
  if (!m_Doc.databaseLoaded) return;
  if (m_ServiceType == 0) return;
  m_ServiceType = 0;
  findChild<QToolButton*>("SB_TV")->setChecked(true);
  m_Doc.cutPending = false;
  emit listKindChanged(m_ServiceType);
}

void TSDIAppForm::SB_RadioClick() {
  if (!m_Doc.databaseLoaded) return;
  m_HdView = false;
  if (m_ServiceType == 1) return;
  m_ServiceType = 1;
  findChild<QToolButton*>("SB_Radio")->setChecked(true);
  m_Doc.cutPending = false;
  emit listKindChanged(m_ServiceType);
}

void TSDIAppForm::SB_SatClick() {
  if (!m_Doc.databaseLoaded || m_Delivery == 1) return;
  m_Delivery = 1;
  m_PC_Main->setTabVisible(kSatelliteTab, true);
  m_Doc.cutPending = false;
  emit deliveryChanged(m_Delivery);
}

void TSDIAppForm::SB_TerClick() {
  if (!m_Doc.databaseLoaded || m_Delivery == 2) return;
  m_Delivery = 2;
  m_PC_Main->setTabVisible(kSatelliteTab, false);
  m_Doc.cutPending = false;
  emit deliveryChanged(m_Delivery);
}

void TSDIAppForm::closeEvent(QCloseEvent* event) {
  // FormCloseQuery
  if (ConfirmClose(m_Doc, *m_Dialogs))
    event->accept();
  else
    event->ignore();
}
