// Construction of the Service page, its edit bar, favorite bar, context menu and the HD page.
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/DropDownCombo.h"
#include "ui/FormFind.h"
#include "ui/FormMove.h"
#include "ui/NumericEntry.h"
#include "ui/ServiceGridDelegate.h"
#include "ui/ServiceGridModel.h"
#include "ui/ServicePage.h"

namespace {
QWidget* NewBar(QWidget* parent, const char* name) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(name);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(3);
  return bar;
}

void AddToBar(QWidget* bar, QWidget* w) { static_cast<QHBoxLayout*>(bar->layout())->addWidget(w); }

void EndBar(QWidget* bar) { static_cast<QHBoxLayout*>(bar->layout())->addStretch(1); }
}  // namespace

ServicePage::ServicePage(TSDIAppForm& form)
    : QWidget(form.PageControl()->widget(kServiceTab)), m_form(form), m_db(form.Database()) {
  setObjectName("P_Service");
  QWidget* sheet = form.PageControl()->widget(kServiceTab);
  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  sheetLayout->addWidget(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  BuildEditBar(this);
  BuildFavoriteBar(this);

  m_model = new ServiceGridModel(m_db, this);
  m_grid = new ServiceGridView(*this, this);
  m_delegate = new ServiceGridDelegate(
      m_db, *m_model, [this] { return m_form.Document().cutPending; }, this);
  m_grid->setModel(m_model);
  m_grid->setItemDelegate(m_delegate);
  layout->addWidget(m_TB_Service2);
  layout->addWidget(m_TB_Service1a);
  layout->addWidget(m_TB_Service1b);
  layout->addWidget(m_TB_Service3);
  layout->addWidget(m_grid, 1);

  BuildContextMenu();
  BuildHdPage();
  m_formFind = new FormFind(m_db, &form);
  m_formMove = new FormMove(form, &form);
  ConnectWindowCommands();
  m_db.SetFavoriteNoticeHandler([this](const std::string& text) {
    m_form.Dialogs().Notify(NoticeStyle{NoticeKind::Warning, ButtonSet::Ok}, text);
  });
  OnEditorReset();
  FillServiceGrid();
}

// The window's database is gone by the time its child widgets are destroyed: nothing here may
// reach it.
ServicePage::~ServicePage() = default;

QLineEdit* ServicePage::AddEdit(QWidget* bar, const char* name, const QString& hint, int width,
                                bool numeric) {
  auto* edit = new QLineEdit(bar);
  edit->setObjectName(name);
  edit->setToolTip(hint);
  edit->setText(hint);  // the hint is the initial text
  edit->setFixedWidth(width);
  if (numeric) InstallDigitsOnlyFilter(edit);
  edit->installEventFilter(this);
  AddToBar(bar, edit);
  return edit;
}

QToolButton* ServicePage::AddSpeedButton(QWidget* bar, const char* name, const QString& caption,
                                         const QString& hint) {
  auto* b = new QToolButton(bar);
  b->setObjectName(name);
  b->setText(caption);
  b->setToolTip(hint);
  AddToBar(bar, b);
  return b;
}

DropDownCombo* ServicePage::AddCombo(QWidget* parent, const char* name, const QStringList& items, int width) {
  auto* combo = new DropDownCombo(parent);
  combo->setObjectName(name);
  combo->addItems(items);
  combo->setFixedWidth(width);
  combo->installEventFilter(this);
  AddToBar(parent, combo);
  return combo;
}

void ServicePage::BuildEditBar(QWidget* parent) {
  // TB_Service2: the satellite chooser; transponder and provider are chosen in the combos.
  m_TB_Service2 = NewBar(parent, "TB_Service2");
  m_TB_SerAnt = AddSpeedButton(m_TB_Service2, "TB_SerAnt", "Satellite", "Satellite");
  m_TB_SerAnt->setPopupMode(QToolButton::InstantPopup);
  connect(m_TB_SerAnt, &QToolButton::clicked, this, &ServicePage::TB_SerAntClick);
  AddSpeedButton(m_TB_Service2, "TB_SerTp", "Transponder", "Transponder")->hide();
  AddSpeedButton(m_TB_Service2, "SB_SerPro", "Provider", "Provider")->hide();
  EndBar(m_TB_Service2);

  // TB_Service1, first row.
  m_TB_Service1a = NewBar(parent, "TB_Service1");
  m_E_SerName = AddEdit(m_TB_Service1a, "E_SerName", "Service Name", 200, false);
  m_E_SerName->setMaxLength(32);
  m_keyUp[m_E_SerName] = [this] { E_SerNameKeyUp(); };
  const struct {
    QToolButton** button;
    const char* name;
    const char* caption;
    void (ServicePage::*click)();
  } flags[] = {{&m_SB_Lock, "SB_Lock", "Lock", &ServicePage::TB_LockClick},
               {&m_SB_Skip, "SB_Skip", "Skip", &ServicePage::TB_SkipClick},
               {&m_SB_Scr, "SB_Scr", "Scrambled", &ServicePage::TB_ScrClick},
               {&m_SB_Hd, "SB_Hd", "HD", &ServicePage::SB_HdClick}};
  for (const auto& f : flags) {
    *f.button = AddSpeedButton(m_TB_Service1a, f.name, f.caption, f.caption);
    (*f.button)->setCheckable(true);
    connect(*f.button, &QToolButton::clicked, this, f.click);
  }
  const struct {
    QLineEdit** edit;
    const char* name;
    const char* hint;
  } pids[] = {{&m_E_Pmt, "E_Pmt", "PMT PID"},
              {&m_E_Vid, "E_Vid", "Video PID"},
              {&m_E_Aud, "E_Aud", "Audio PID"},
              {&m_E_PCR, "E_PCR", "PCR PID"},
              {&m_E_SID, "E_SID", "Service ID"}};
  for (const auto& p : pids) {
    QLineEdit* edit = *p.edit = AddEdit(m_TB_Service1a, p.name, p.hint, 70, true);
    m_keyUp[edit] = [this, edit] { PidKeyUp(edit); };
  }
  m_SB_FavEdit = AddSpeedButton(m_TB_Service1a, "SB_FavEdit", "TO FAVEdit", "Favorite /Programe switch");
  connect(m_SB_FavEdit, &QToolButton::clicked, this, &ServicePage::SB_FavEditClick);
  m_SB_HdEdit = AddSpeedButton(m_TB_Service1a, "SB_HdEdit", "TO HDChannel", "HD / All Service switch");
  connect(m_SB_HdEdit, &QToolButton::clicked, this, &ServicePage::SB_HdEditClick);
  EndBar(m_TB_Service1a);

  // TB_Service1, second row: provider, then the terrestrial or the satellite transponder panel.
  m_TB_Service1b = NewBar(parent, "TB_Service1_Row2");
  m_CB_SerPro = AddCombo(m_TB_Service1b, "CB_SerPro", {}, 200);
  m_CB_SerPro->setEditable(true);
  m_CB_SerPro->setToolTip("Provider");
  m_CB_SerPro->lineEdit()->installEventFilter(this);
  m_keyUp[m_CB_SerPro->lineEdit()] = [this] { CB_SerProKeyUp(); };
  connect(m_CB_SerPro, &DropDownCombo::dropDown, this, &ServicePage::CB_SerProDropDown);
  connect(m_CB_SerPro, qOverload<int>(&QComboBox::activated), this, &ServicePage::CB_SerProSelect);

  m_P_TerTp_sev = NewBar(m_TB_Service1b, "P_TerTp_sev");
  m_P_TerTp_sev->layout()->setContentsMargins(0, 0, 0, 0);
  m_CB_TerTpDetail = AddCombo(m_P_TerTp_sev, "CB_TerTpDetail", {}, 230);
  m_CB_TerTpBW = AddCombo(m_P_TerTp_sev, "CB_TerTpBW", {"6 MHZ", "7 MHZ", "8 MHZ"}, 80);
  m_E_TerTpFre_Sev = AddEdit(m_P_TerTp_sev, "E_TerTpFre_Sev", "Frequency", 80, true);
  m_E_TerTpChNo_Sev = AddEdit(m_P_TerTp_sev, "E_TerTpChNo_Sev", "Channel.NO", 60, true);
  AddToBar(m_TB_Service1b, m_P_TerTp_sev);
  m_P_SatTp_Sev = NewBar(m_TB_Service1b, "P_SatTp_Sev");
  m_P_SatTp_Sev->layout()->setContentsMargins(0, 0, 0, 0);
  m_CB_SerTp = AddCombo(m_P_SatTp_Sev, "CB_SerTp", {}, 230);
  m_CB_SerTpFEC = AddCombo(m_P_SatTp_Sev, "CB_SerTpFEC",
                           {"Auto", "1/2", "2/3", "3/4", "4/5", "5/6", "7/8", "8/9", "9/10"}, 70);
  m_E_SerTpFre = AddEdit(m_P_SatTp_Sev, "E_SerTpFre", "Frequency", 70, true);
  m_CB_SerTpPol = AddCombo(m_P_SatTp_Sev, "CB_SerTpPol", {"Horizontal", "Vertical"}, 90);
  m_E_SerTpSys = AddEdit(m_P_SatTp_Sev, "E_SerTpSys", "Symbol Rate", 70, true);
  m_CB_SerTpMod = AddCombo(m_P_SatTp_Sev, "CB_SerTpMod", {"DVB-S1", "DVB-S2"}, 80);
  AddToBar(m_TB_Service1b, m_P_SatTp_Sev);
  EndBar(m_TB_Service1b);

  for (QLineEdit* edit : {m_E_SerTpFre, m_E_SerTpSys, m_E_TerTpFre_Sev, m_E_TerTpChNo_Sev})
    m_keyUp[edit] = [this, edit] { TransponderEditKeyUp(edit); };
  m_choiceOnly = {m_CB_SerTp, m_CB_SerTpFEC, m_CB_SerTpPol, m_CB_SerTpMod, m_CB_TerTpDetail, m_CB_TerTpBW};
  for (DropDownCombo* chooser : {m_CB_SerTp, m_CB_TerTpDetail}) {
    connect(chooser, &DropDownCombo::dropDown, this, &ServicePage::TransponderDropDown);
    connect(chooser, qOverload<int>(&QComboBox::activated), this, &ServicePage::TransponderSelect);
  }
  connect(m_CB_SerTpFEC, qOverload<int>(&QComboBox::activated), this, &ServicePage::CB_SerTpFECSelect);
  connect(m_CB_SerTpPol, qOverload<int>(&QComboBox::activated), this, &ServicePage::CB_SerTpPolSelect);
  connect(m_CB_SerTpMod, qOverload<int>(&QComboBox::activated), this, &ServicePage::CB_SerTpModSelect);
  connect(m_CB_TerTpBW, qOverload<int>(&QComboBox::activated), this, &ServicePage::CB_TerTpBWSelect);
  m_P_TerTp_sev->hide();
}

void ServicePage::BuildFavoriteBar(QWidget* parent) {
  m_TB_Service3 = NewBar(parent, "TB_Service3");
  m_L_Sev_Fav_ProNo = new QLabel("ProNo", m_TB_Service3);
  m_L_Sev_Fav_ProNo->setObjectName("L_Sev_Fav_ProNo");
  m_L_Sev_Fav_ProNo->setToolTip("Prog No In list");
  m_L_Sev_Fav_ProNo->setFixedWidth(40);
  m_L_Sev_Fav_Name = new QLabel("Name", m_TB_Service3);
  m_L_Sev_Fav_Name->setObjectName("L_Sev_Fav_Name");
  m_L_Sev_Fav_Name->setFixedWidth(150);
  AddToBar(m_TB_Service3, m_L_Sev_Fav_ProNo);
  AddToBar(m_TB_Service3, m_L_Sev_Fav_Name);
  m_TB_Service3->layout()->setSpacing(0);
  for (int k = 1; k <= 32; ++k) {
    const QString name = QString("SB_Fav%1").arg(k);
    QToolButton* b = AddSpeedButton(m_TB_Service3, name.toLatin1().constData(),
                                    QString("%1").arg(k, 2, 10, QLatin1Char('0')), QString());
    b->setCheckable(true);
    b->setFixedWidth(20);
    const int group = k - 1;
    connect(b, &QToolButton::clicked, this, [this, group] { SB_Fav1Click(group); });
    m_SB_Fav[static_cast<size_t>(group)] = b;
  }
  EndBar(m_TB_Service3);
  m_TB_Service3->hide();
}

void ServicePage::BuildContextMenu() {
  m_PM_ServiceRight = new QMenu(this);
  m_PM_ServiceRight->setObjectName("PM_ServiceRight");
  connect(m_PM_ServiceRight, &QMenu::aboutToShow, this, &ServicePage::PM_ServiceRightPopup);
  auto add = [this](QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
  };
  m_PM_SerLocked = add(m_PM_ServiceRight, "PM_SerLocked", "Locked");
  m_PM_SerSkip = add(m_PM_ServiceRight, "PM_SerSkip", "Skip");
  m_PM_SerScr = add(m_PM_ServiceRight, "PM_SerScr", "Scrambled");
  m_PM_SerHd = add(m_PM_ServiceRight, "PM_SerHd", "HD");
  connect(m_PM_SerLocked, &QAction::triggered, this, &ServicePage::TB_LockClick);
  connect(m_PM_SerSkip, &QAction::triggered, this, &ServicePage::TB_SkipClick);
  connect(m_PM_SerScr, &QAction::triggered, this, &ServicePage::TB_ScrClick);
  connect(m_PM_SerHd, &QAction::triggered, this, &ServicePage::SB_HdClick);
  m_PM_Favorite = m_PM_ServiceRight->addMenu("Favorite");
  m_PM_Favorite->setObjectName("PM_Favorite");
  for (int n = 1; n <= 32; ++n) {
    QAction* a =
        add(m_PM_Favorite, QString("PM_Fav%1").arg(n).toLatin1().constData(), QString("Favorite %1").arg(n));
    const int group = n - 1;
    connect(a, &QAction::triggered, this, [this, group] { TB_Fav1Click(group); });
    m_PM_Fav[static_cast<size_t>(group)] = a;
  }
  m_PM_ServiceRight->addSeparator();
  m_PM_SerAdd = add(m_PM_ServiceRight, "PM_SerAddService", "Add Service");
  m_PM_SerDelete = add(m_PM_ServiceRight, "PM_SerDeleteService", "Delete Service");
  connect(m_PM_SerAdd, &QAction::triggered, this, &ServicePage::PM_SerAddServiceClick);
  connect(m_PM_SerDelete, &QAction::triggered, this, &ServicePage::PM_SerDeleteServiceClick);
  // Cut and Paste are the window's actions, shared with the Edit menu's enabling rules.
  QAction* cut = m_form.findChild<QAction*>("PM_SerCut");
  QAction* paste = m_form.findChild<QAction*>("PM_SerPaste");
  cut->setText("Cut");
  paste->setText("Paste");
  m_PM_ServiceRight->addAction(cut);
  m_PM_ServiceRight->addAction(paste);
  m_Moveto1 = add(m_PM_ServiceRight, "Moveto1", "Move to ...");
  connect(m_Moveto1, &QAction::triggered, this, &ServicePage::Moveto1Click);
  m_PM_ServiceRight->addSeparator();

  QMenu* select = m_PM_ServiceRight->addMenu("Select Service");
  select->setObjectName("PM_SelectService");
  m_PM_SelectService = select->menuAction();
  const char* const selectNames[] = {"PM_SelectAll", "PM_UnselectAll", "PM_SelectOthers", "PM_SelectPro",
                                     "PM_SelectTp",  "PM_SelectAnt",   "PM_SelectHD"};
  const char* const selectCaptions[] = {"Select All",      "Unselect All",       "Select Others",
                                        "Select Provider", "Select Transponder", "Select Antenna",
                                        "Select HD"};
  for (int c = 0; c < 7; ++c)
    connect(add(select, selectNames[c], selectCaptions[c]), &QAction::triggered, this,
            [this, c] { SelectServicesCommand(c); });

  QMenu* sort = m_PM_ServiceRight->addMenu("Sort");
  sort->setObjectName("PM_Sort");
  const struct {
    const char* name;
    const char* caption;
    int mode;
  } sorts[] = {{"PM_Original", "Original", SORT_ORIGINAL},
               {"PM_SortAlpha", "Alpha Sort", SORT_NAME},
               {"PM_SortPro", "Provider Sort", SORT_PROVIDER},
               {"PM_SortTp", "Transponder Sort", SORT_TRANSPONDER},
               {"PM_SortAnt", "Antenna Sort", SORT_SATELLITE}};
  for (const auto& s : sorts) {
    const int mode = s.mode;
    connect(add(sort, s.name, s.caption), &QAction::triggered, this,
            [this, mode] { PM_SortAlphaClick(mode); });
  }

  QMenu* go = m_PM_ServiceRight->addMenu("Go to...");
  go->setObjectName("PM_SerGoTo");
  const struct {
    const char* name;
    const char* caption;
    int tab;
  } targets[] = {{"PM_GoFav", "Go to Favorite", 1},
                 {"PM_GoProvider", "Go to Provider", 3},
                 {"PM_GoCas", "Go to CASystem", 4},
                 {"PM_GoTp", "Go to Transponder", 5},
                 {"PM_GoAntenna", "Go to Antenna", 6}};
  for (const auto& t : targets) {
    const int tab = t.tab;
    connect(add(go, t.name, t.caption), &QAction::triggered, this, [this, tab] { emit goToPage(tab); });
  }
  m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { m_PM_ServiceRight->popup(m_grid->viewport()->mapToGlobal(pos)); });

  m_PM_SerSatList = new QMenu(this);
  m_PM_SerSatList->setObjectName("PM_SerSatList");
}

void ServicePage::BuildHdPage() {
  QWidget* sheet = m_form.PageControl()->widget(kHdTab);
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget* bar = NewBar(sheet, "TB_Hd");
  m_TB_SerAntHd = AddSpeedButton(bar, "TB_SerAntHd", "Satellite", "Satellite");
  connect(m_TB_SerAntHd, &QToolButton::clicked, this, &ServicePage::TB_SerAntClick);
  EndBar(bar);
  layout->addWidget(bar);
  m_LB_Hd = new QListWidget(sheet);
  m_LB_Hd->setObjectName("LB_Hd");
  m_LB_Hd->setFlow(QListView::TopToBottom);
  m_LB_Hd->setWrapping(true);  // the list runs in columns
  m_LB_Hd->setResizeMode(QListView::Adjust);
  m_LB_Hd->setUniformItemSizes(true);
  layout->addWidget(m_LB_Hd, 1);
}
