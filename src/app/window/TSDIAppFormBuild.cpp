// Construction of the main window's menus, tool bar and client area.
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/window/TSDIAppForm.h"
#include "ui/IconSet.h"

QString ShortHint(const QString& hint) { return hint.section('|', 0, 0); }

QString LongHint(const QString& hint) {
  const int bar = hint.indexOf('|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

QAction* TSDIAppForm::AddAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

QAction* TSDIAppForm::ActionNamed(const char* name) const { return findChild<QAction*>(name); }

QToolButton* TSDIAppForm::AddToolButton(const char* name, const QString& caption, const QString& hint) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setText(caption);
  b->setToolTip(ShortHint(hint));
  b->setStatusTip(LongHint(hint));
  b->setAutoRaise(true);
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setIconSize(QSize(20, 20));
  return b;
}

void TSDIAppForm::BuildMenus() {
  QMenuBar* bar = menuBar();

  // File
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("Menu_File");
  connect(file, &QMenu::aboutToShow, this, &TSDIAppForm::Menu_FileClick);
  QMenu* open = file->addMenu("&Open");
  open->setObjectName("Menu_Open");
  connect(AddAction(open, "Menu_OpenData", "Open Data"), &QAction::triggered, this,
          [this] { m_Controller->Open(*this, OpenCommand::Data); });
  connect(AddAction(open, "Menu_OpenDefault", "Open Default"), &QAction::triggered, this,
          [this] { m_Controller->Open(*this, OpenCommand::Default); });
  m_Menu_Reopen = file->addMenu("&Reopen");
  m_Menu_Reopen->setObjectName("Menu_Reopen");
  for (int tag = 1; tag <= 10; ++tag) {
    QAction* a = m_Menu_Reopen->addAction(QString());
    a->setObjectName(QString("Menu_Reopen%1").arg(tag));
    a->setData(tag);
    a->setVisible(false);
    connect(a, &QAction::triggered, this, [this, tag] { SB_LatestFileClick(tag); });
  }
  connect(AddAction(file, "Menu_Save", "&Save"), &QAction::triggered, this,
          [this] { m_Controller->Save(*this, SaveCommand::Save); });
  QMenu* saveAs = file->addMenu("Save  As...");
  saveAs->setObjectName("Menu_SaveAs");
  connect(AddAction(saveAs, "Menu_SaveToData", "Save to Data"), &QAction::triggered, this,
          [this] { m_Controller->Save(*this, SaveCommand::SaveToData); });
  connect(AddAction(saveAs, "Menu_SaveToDefault", "Save to Default"), &QAction::triggered, this,
          [this] { m_Controller->Save(*this, SaveCommand::SaveToDefault); });
  file->addSeparator();
  connect(AddAction(file, "Menu_Exit", "Exit"), &QAction::triggered, this, &QWidget::close);

  // Edit: the service commands are carried out by the Service page, which connects to these.
  QMenu* edit = bar->addMenu("&Edit");
  edit->setObjectName("Menu_Edit");
  connect(edit, &QMenu::aboutToShow, this, &TSDIAppForm::Menu_EditClick);
  AddAction(edit, "Menu_SerCut", "Cut service");
  AddAction(edit, "Menu_SerPaste", "Paste Service");
  AddAction(edit, "Menu_Search", "Search Service");
  QMenu* select = edit->addMenu("Select Service");
  select->setObjectName("Menu_Select");
  AddAction(select, "Menu_SelectAll", "Select All");
  AddAction(select, "Menu_UnselectAll", "Unselect All");
  AddAction(select, "Menu_SelectOthers", "Select Others");
  AddAction(select, "Menu_SelectPro", "Select Provider");
  AddAction(select, "Menu_SelectTp", "Select Transponder");
  AddAction(select, "Menu_SelectAnt", "Select Antenna");
  edit->addSeparator();
  connect(AddAction(edit, "Menu_Options", "Options"), &QAction::triggered, this,
          &TSDIAppForm::TB_OptionsClick);

  // The service grid's pop-up items that the window enables and disables with the Edit menu.
  auto* serCut = new QAction("Cut service", this);
  serCut->setObjectName("PM_SerCut");
  auto* serPaste = new QAction("Paste Service", this);
  serPaste->setObjectName("PM_SerPaste");

  // View
  QMenu* view = bar->addMenu("View");
  view->setObjectName("Menu_View");
  connect(view, &QMenu::aboutToShow, this, &TSDIAppForm::Menu_ViewClick);
  connect(AddAction(view, "Menu_TV", "TV List"), &QAction::triggered, this, &TSDIAppForm::SB_TVClick);
  connect(AddAction(view, "Menu_Radio", "Radio List"), &QAction::triggered, this,
          &TSDIAppForm::SB_RadioClick);
  QMenu* sort = view->addMenu("Sort");
  sort->setObjectName("Menu_Sort");
  const struct {
    const char* name;
    const char* caption;
    int mode;
  } sorts[] = {{"Menu_SortOriginal", "Original", 0},
               {"Menu_SortAlpha", "Alpha Sort", 1},
               {"Menu_SortProvider", "Provider Sort", 5},
               {"Menu_SortTransponder", "Transponder Sort", 4},
               {"Menu_SortAntenna", "Antenna Sort", 6}};
  for (const auto& s : sorts) AddAction(sort, s.name, s.caption)->setData(s.mode);
  view->addSeparator();
  const struct {
    const char* name;
    const char* caption;
    int tab;
  } pages[] = {{"Menu_Service", "Service", 0},         {"Menu_Favorite", "Favorite", 1},
               {"Menu_Provider", "Provider", 3},       {"Menu_CASystem", "CASystem", 4},
               {"Menu_Transponder", "Transponder", 5}, {"Menu_Antenna", "Antenna", 6},
               {"Menu_System", "System", 7}};
  for (const auto& p : pages) {
    const int tab = p.tab;
    connect(AddAction(view, p.name, p.caption), &QAction::triggered, this, [this, tab] {
      if (m_PC_Main->currentIndex() == tab)
        PC_MainChange(tab);
      else
        m_PC_Main->setCurrentIndex(tab);  // runs PC_MainChange
    });
  }

  // IRD
  QMenu* ird = bar->addMenu("IRD");
  ird->setObjectName("Menu_IRD");
  connect(AddAction(ird, "Menu_Upload", "Upload from receiver"), &QAction::triggered, this,
          &TSDIAppForm::TB_UploadClick);
  connect(AddAction(ird, "Menu_Download", "Download to receiver"), &QAction::triggered, this,
          [this] { m_Controller->Transfer(*this, TransferCommand::Download); });

  // Pop-up menus of the Open and Upload buttons, and the Open button's drop-down list.
  m_PM_Open = new QMenu(this);
  m_PM_Open->setObjectName("PM_Open");
  connect(AddAction(m_PM_Open, "PM_OpenData", "Open data"), &QAction::triggered, this,
          [this] { m_Controller->Open(*this, OpenCommand::Data); });
  connect(AddAction(m_PM_Open, "PM_OpenDefault", "Open default"), &QAction::triggered, this,
          [this] { m_Controller->Open(*this, OpenCommand::Default); });
  m_PM_Upgrade = new QMenu(this);
  m_PM_Upgrade->setObjectName("PM_Upgrade");
  connect(AddAction(m_PM_Upgrade, "PM_UpgradeData", "Upgrade data"), &QAction::triggered, this,
          [this] { m_Controller->Transfer(*this, TransferCommand::UpgradeData); });
  connect(AddAction(m_PM_Upgrade, "PM_UpgradeDefault", "Upgrade default"), &QAction::triggered, this,
          [this] { m_Controller->Transfer(*this, TransferCommand::UpgradeDefault); });
  m_PM_Latest = new QMenu(this);
  m_PM_Latest->setObjectName("PM_Latest");
  connect(m_PM_Latest, &QMenu::aboutToShow, this, &TSDIAppForm::FillOpenDropDown);
}

void TSDIAppForm::BuildToolBar() {
  QToolBar* bar = addToolBar("Tools");
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);

  QToolButton* open = AddToolButton("TB_Open", "&Open", "Open|Open a file");
  open->setIcon(IconSetIcon("open"));
  open->setMenu(m_PM_Latest);
  open->setPopupMode(QToolButton::MenuButtonPopup);
  connect(open, &QToolButton::clicked, this, &TSDIAppForm::TB_OpenClick);
  bar->addWidget(open);

  QToolButton* save = AddToolButton("TB_Save", "Save", "Save|Save current file");
  save->setIcon(IconSetIcon("save"));
  connect(save, &QToolButton::clicked, this, [this] { m_Controller->Save(*this, SaveCommand::Save); });
  bar->addWidget(save);
  QToolButton* find = AddToolButton("TB_Find", "Find", "Search Service");
  find->setIcon(IconSetIcon("find"));
  bar->addWidget(find);
  QToolButton* cut = AddToolButton("TB_Cut", "Cut", "Cut Service");
  cut->setIcon(IconSetIcon("cut"));
  bar->addWidget(cut);
  QToolButton* paste = AddToolButton("TB_Paste", "Paste", "Paste|Inserts Clipboard contents");
  paste->setIcon(IconSetIcon("paste"));
  bar->addWidget(paste);
  QToolButton* options = AddToolButton("TB_Options", "Options", "Options");
  options->setIcon(IconSetIcon("options"));
  connect(options, &QToolButton::clicked, this, &TSDIAppForm::TB_OptionsClick);
  bar->addWidget(options);

  // The SatcoDX and Optimize panels are built hidden in this receiver model.
  auto* satcoDxPanel = new QWidget(this);
  satcoDxPanel->setObjectName("P_SatCoDX");
  auto* satcoDxLayout = new QVBoxLayout(satcoDxPanel);
  satcoDxLayout->setContentsMargins(0, 0, 0, 0);
  QToolButton* satcoDx = AddToolButton("SB_SatCoDX", "SatcoDX", "Input SatcoDX  file (*.sdx)");
  satcoDxLayout->addWidget(satcoDx);
  connect(satcoDx, &QToolButton::clicked, this, [this] { m_Controller->ImportSatcoDx(*this); });
  m_ToolBarSatcoDx = bar->addWidget(satcoDxPanel);
  m_ToolBarSatcoDx->setVisible(false);
  auto* optimizePanel = new QWidget(this);
  optimizePanel->setObjectName("P_Optimize");
  auto* optimizeLayout = new QVBoxLayout(optimizePanel);
  optimizeLayout->setContentsMargins(0, 0, 0, 0);
  QToolButton* optimize = AddToolButton("SB_Optimize", "Optimize", "Optimize file");
  optimizeLayout->addWidget(optimize);
  connect(optimize, &QToolButton::clicked, this, [this] { m_Controller->Optimize(*this); });
  m_ToolBarOptimize = bar->addWidget(optimizePanel);
  m_ToolBarOptimize->setVisible(false);

  bar->addSeparator();
  QToolButton* upload = AddToolButton("TB_Upload", "Upload", "Upload from receiver");
  upload->setIcon(IconSetIcon("upload"));
  connect(upload, &QToolButton::clicked, this, &TSDIAppForm::TB_UploadClick);
  bar->addWidget(upload);
  QToolButton* download = AddToolButton("TB_Download", "Download", "Download to receiver");
  download->setIcon(IconSetIcon("download"));
  connect(download, &QToolButton::clicked, this,
          [this] { m_Controller->Transfer(*this, TransferCommand::Download); });
  bar->addWidget(download);

  bar->addSeparator();
  QToolButton* tv = AddToolButton("SB_TV", "TV", "TV List");
  tv->setIcon(IconSetIcon("tv"));
  QToolButton* radio = AddToolButton("SB_Radio", "Radio", "Radio List");
  radio->setIcon(IconSetIcon("radio"));
  auto* listGroup = new QButtonGroup(this);
  for (QToolButton* b : {tv, radio}) {
    b->setCheckable(true);
    listGroup->addButton(b);
    bar->addWidget(b);
  }
  connect(tv, &QToolButton::clicked, this, &TSDIAppForm::SB_TVClick);
  connect(radio, &QToolButton::clicked, this, &TSDIAppForm::SB_RadioClick);

  // Satellite / Terrestrial / Cable: 23-pixel buttons at 0, 24 and 48 on a panel cut to 50
  // pixels, which leaves the Cable button (no user path) mostly out of sight. The buttons are too
  // narrow for a picture and a letter, so Satellite and Terrestrial show the picture alone (the
  // letter stays their text, the hint says the rest).
  m_P_SatSwitch = new QWidget(this);
  m_P_SatSwitch->setObjectName("P_SatSwitch");
  auto* deliveryGroup = new QButtonGroup(this);
  const struct {
    const char* name;
    const char* caption;
    const char* hint;
    const char* icon;
    int left;
  } delivery[] = {{"SB_Sat", "S", "Satellite Services", "satellite", 0},
                  {"SB_Ter", "T", "Terrestrial Services", "terrestrial", 24},
                  {"SB_Cab", "C", "Cable Services", nullptr, 48}};
  for (const auto& d : delivery) {
    QToolButton* b = AddToolButton(d.name, d.caption, d.hint);
    b->setParent(m_P_SatSwitch);
    if (d.icon) {
      b->setIcon(IconSetIcon(d.icon));
      b->setIconSize(QSize(18, 18));
      b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
      b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    b->setCheckable(true);
    b->setGeometry(d.left, 0, 23, 22);
    deliveryGroup->addButton(b);
  }
  m_P_SatSwitch->setFixedSize(72, 22);
  connect(findChild<QToolButton*>("SB_Sat"), &QToolButton::clicked, this, &TSDIAppForm::SB_SatClick);
  connect(findChild<QToolButton*>("SB_Ter"), &QToolButton::clicked, this, &TSDIAppForm::SB_TerClick);
  connect(findChild<QToolButton*>("SB_Cab"), &QToolButton::clicked, this, &TSDIAppForm::SB_CabClick);
  bar->addWidget(m_P_SatSwitch);

  bar->addSeparator();
  QToolButton* exit = AddToolButton("TB_Exit", "Exit", "Exit");
  exit->setIcon(IconSetIcon("exit"));
  connect(exit, &QToolButton::clicked, this, &QWidget::close);
  bar->addWidget(exit);
}

void TSDIAppForm::BuildCentralArea() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);

  m_Image_Main = new QLabel(central);
  m_Image_Main->setObjectName("Image_Main");
  m_Image_Main->setScaledContents(true);
  m_Image_Main->setStyleSheet(
      "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #10243f, stop:1 #000000);");
  layout->addWidget(m_Image_Main);

  m_P_Main = new QWidget(central);
  m_P_Main->setObjectName("P_Main");
  auto* pageLayout = new QVBoxLayout(m_P_Main);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  m_PC_Main = new QTabWidget(m_P_Main);
  m_PC_Main->setObjectName("PC_Main");
  const struct {
    const char* name;
    const char* caption;
  } tabs[] = {{"TS_Service", "Service"},   {"TS_Fav", "Favorite"},        {"TS_HD", "HD"},
              {"TS_Provider", "Provider"}, {"TS_CAS", "CASystem"},        {"TS_TP", "Transponder"},
              {"TS_Antenna", "Satellite"}, {"TS_System", "System"}};
  for (const auto& t : tabs) {
    auto* sheet = new QWidget;
    sheet->setObjectName(t.name);
    m_PC_Main->addTab(sheet, t.caption);
  }
  pageLayout->addWidget(m_PC_Main);
  layout->addWidget(m_P_Main);
  setCentralWidget(central);

  statusBar()->setObjectName("StatusBar1");
}
