// The Favorite page's construction, fills, paging and name edits. The grids' mouse handling and
// drops are in FavoritePageDrop.cpp.
#include "ui/RecordText.h"
#include "ui/FavoritePage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "files/PartitionMaps.h"

namespace {
const char kListCaption[] = "      Service    List";

QString NextPageCaption(int page) {
  if (page == 8) return QStringLiteral("Previous Page (8/8)");
  return QStringLiteral("Next Page (%1/8)").arg(page);
}
}  // namespace

FavoritePage::FavoritePage(TSDIAppForm& form)
    : QWidget(form.PageControl()->widget(kFavoriteTab)), m_form(form), m_db(form.Database()) {
  setObjectName("P_Fav");
  QWidget* sheet = form.PageControl()->widget(kFavoriteTab);
  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  sheetLayout->addWidget(this);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* left = new QWidget(this);
  left->setObjectName("P_FavService");
  left->setFixedWidth(200);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  m_XSG_FavSer = MakeGrid("XSG_FavSer", 0, kListCaption, left);
  leftLayout->addWidget(m_XSG_FavSer);
  layout->addWidget(left);

  auto* right = new QWidget(this);
  right->setObjectName("P_FavGroups");
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QHBoxLayout;
  m_SB_NextPage = new QToolButton(right);
  m_SB_NextPage->setObjectName("SB_NextPage");
  m_SB_NextPage->setText("Next Page");
  m_SB_NextPage->setToolTip("Next Favorite");
  connect(m_SB_NextPage, &QToolButton::clicked, this, &FavoritePage::SB_NextPageClick);
  bar->addWidget(m_SB_NextPage);
  // Kept hidden: the language-service switch has no function of its own.
  auto* langPanel = new QWidget(right);
  langPanel->setObjectName("P_LangService");
  auto* langLayout = new QHBoxLayout(langPanel);
  for (const char* name : {"SB_LangState", "SB_SwitchFavLang"}) {
    auto* b = new QToolButton(langPanel);
    b->setObjectName(name);
    langLayout->addWidget(b);
  }
  langPanel->hide();
  bar->addWidget(langPanel);
  bar->addStretch(1);
  rightLayout->addLayout(bar);

  auto* groups = new QHBoxLayout;
  for (int tag = 1; tag <= 4; ++tag) {
    auto* column = new QVBoxLayout;
    auto* edit = new QLineEdit(right);
    edit->setObjectName(QStringLiteral("E_Fav%1").arg(tag));
    edit->setProperty("tag", tag);
    // The name field holds 15 characters and its terminating NUL.
    edit->setMaxLength(15);
    edit->setText("Favorite name");
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, tag] { E_Fav1KeyUp(tag); });
    m_E_Fav[static_cast<size_t>(tag - 1)] = edit;
    const QByteArray name = QStringLiteral("XSG_Fav%1").arg(tag).toLatin1();
    FavoriteGridView* grid = MakeGrid(name.constData(), tag, tag == 4 ? "Service List" : kListCaption, right);
    m_XSG_Fav[static_cast<size_t>(tag - 1)] = grid;
    column->addWidget(edit);
    column->addWidget(grid, 1);
    groups->addLayout(column, 1);
  }
  rightLayout->addLayout(groups, 1);
  layout->addWidget(right, 1);
  BuildContextMenu();
}

void FavoritePage::BuildContextMenu() {
  m_PM_Fav = new QMenu(this);
  m_PM_Fav->setObjectName("PM_Fav");
  QAction* del = m_PM_Fav->addAction("Del");
  del->setObjectName("PM_FavDel");
  connect(del, &QAction::triggered, this, [this] { PM_FavDelClick(m_menuGrid); });
  const char* const captions[] = {"Select All", "Unselect All", "Select Others"};
  for (int command = 0; command < 3; ++command) {
    QAction* item = m_PM_Fav->addAction(captions[command]);
    item->setObjectName(QStringLiteral("PM_FavSelect%1").arg(command));
    connect(item, &QAction::triggered, this, [this, command] { PM_FavSelectClick(m_menuGrid, command); });
  }
  for (FavoriteGridView* grid : m_XSG_Fav) {
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& at) {
      if (!Loaded() || LanguageMode() || GroupOfTag(grid->Tag()) < 0) return;
      m_menuGrid = grid;
      m_PM_Fav->popup(grid->viewport()->mapToGlobal(at));
    });
  }
}

FavoriteGridView* FavoritePage::MakeGrid(const char* name, int tag, const QString& listCaption, QWidget* parent) {
  auto* grid = new FavoriteGridView(*this, name, tag, parent);
  grid->setModel(new FavoriteGridModel(m_db, listCaption, grid));
  grid->setItemDelegate(new FavoriteGridDelegate(m_db, grid));
  grid->horizontalHeader()->resizeSection(0, 40);
  grid->horizontalHeader()->resizeSection(1, 330);
  return grid;
}

bool FavoritePage::Loaded() const { return m_form.Document().databaseLoaded; }

bool FavoritePage::LanguageMode() const { return m_form.LanguageServiceMode(); }

void FavoritePage::SetModified() { m_form.Document().dataModified = true; }

void FavoritePage::SyncViewState() {
  m_db.SetViewServiceType(m_form.ServiceType());
  m_db.SetViewDelivery(m_form.DeliveryKind());
  m_db.SetHdViewFlag(m_form.HdView());
}

void FavoritePage::Warn(const std::string& text) {
  m_form.Dialogs().Notify(NoticeStyle{NoticeKind::Warning, ButtonSet::Ok}, text);
}

int FavoritePage::PageCount() const {
  if (LanguageMode()) return 5;
  return files::kBuildModel == files::ReceiverModel::STi710X ? 8 : 2;
}

int FavoritePage::GroupOfTag(int tag) const {
  if (tag < 1 || tag > 4) return -1;
  const int group = 4 * (m_page - 1) + (tag - 1);
  if (LanguageMode()) return group < kLanguageGroupCount ? group : -1;
  return group < dblayout::kFavoriteGroupCount ? group : -1;
}

QString FavoritePage::LanguageGroupName(int group) {
  static const char* const kNames[kLanguageGroupCount] = {
      "English", "French", "Turkish", "Russian", "Arabic", "Persian", "Hungarian", "Indonesia", "Greek",
      "Albania", "Polish", "Ukraine", "German",  "Italian", "Spanish", "Czech",    "Portuguese"};
  return group >= 0 && group < kLanguageGroupCount ? QString::fromLatin1(kNames[group]) : QString();
}

// ---- Fills -----------------------------------------------------------------------------------

void FavoritePage::RefreshFavoritePage() {
  if (!Loaded()) return;
  SyncViewState();
  m_page = 1;
  const bool language = LanguageMode();
  if (!language) m_SB_NextPage->setText(NextPageCaption(1));
  if (m_db.FileKind() == 4) {
    auto* sw = findChild<QToolButton*>("SB_SwitchFavLang");
    sw->setText(language ? "Language Setvice" : "Favorite Setvice");
    sw->setToolTip(language ? "Go to Favorite manage" : "Go to Language setvice manage");
  }
  FillFavoriteServiceList();
  FillFavoriteGroups();
  m_XSG_FavSer->SetRow(1);
  if (language) m_currentLanguageGroup = 0;
  m_form.statusBar()->showMessage(language ? "Use Drag&Drop to set the language."
                                           : "Use Drag&Drop to set the favorite.");
}

void FavoritePage::FillFavoriteServiceList() {
  m_db.SetViewMode(VIEW_ALL);
  m_db.BuildServiceView();
  m_XSG_FavSer->GridModel()->FillFromServiceView();
}

void FavoritePage::FillFavoriteGroups() {
  for (QLineEdit* edit : m_E_Fav) {
    const QSignalBlocker block(edit);
    edit->clear();
  }
  const bool language = LanguageMode();
  for (int tag = 1; tag <= 4; ++tag) {
    const int group = GroupOfTag(tag);
    QLineEdit* edit = NameEdit(tag);
    FavoriteGridView* grid = GroupGrid(tag);
    const bool shown = group >= 0;
    edit->setEnabled(shown);
    grid->setEnabled(shown);
    // Language names are fixed: the file has no field that would keep a new one.
    edit->setReadOnly(language);
    if (!shown) {
      grid->GridModel()->Clear();
      continue;
    }
    const QSignalBlocker block(edit);
    if (language) {
      edit->setText(LanguageGroupName(group));
      grid->GridModel()->Clear();  // the database holds no services for a language group
    } else {
      edit->setText(FromRecord(m_db.GetFavoriteGroupName(group)));
      FillFavoriteGroupGrid(1u << group);
    }
  }
}

void FavoritePage::ShowGroupView(uint32_t bit) {
  m_db.SetViewMode(VIEW_FAVORITE);
  m_db.SetViewFavoriteMask(bit);
  m_db.BuildFavoriteServiceView(bit);
}

void FavoritePage::FillFavoriteGroupGrid(uint32_t bit) {
  const int group = m_db.FavoriteGroupOfBit(bit);
  if (group < 0) return;
  FavoriteGridView* grid = GroupGrid(group % 4 + 1);
  ShowGroupView(bit);
  grid->GridModel()->FillFromServiceView();
}

void FavoritePage::SB_NextPageClick() {
  if (!Loaded()) return;
  if (m_page < PageCount())
    ++m_page;
  else
    m_page = 1;
  m_SB_NextPage->setText(NextPageCaption(m_page));
  FillFavoriteGroups();
}

// ---- Name edits ------------------------------------------------------------------------------

bool FavoritePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    const int tag = watched->property("tag").toInt();
    if (tag >= 1 && tag <= 4 && watched == NameEdit(tag)) E_Fav1KeyUp(tag);
  }
  return QWidget::eventFilter(watched, event);
}

void FavoritePage::E_Fav1KeyUp(int tag) {
  if (!Loaded() || LanguageMode()) return;
  const int group = GroupOfTag(tag);
  if (group < 0) return;
  const std::string text = ToRecord(NameEdit(tag)->text());
  if (text == m_db.GetFavoriteGroupName(group)) return;  // nothing typed
  m_db.SetFavoriteGroupName(1u << group, text);
  SetModified();
}

// ---- Window switches -------------------------------------------------------------------------

void FavoritePage::AfterListKindChange() {
  if (!Loaded()) return;
  SyncViewState();
  FillFavoriteServiceList();
  FillFavoriteGroups();
  m_db.SetCurrentService(m_XSG_FavSer->GridModel()->ServiceAtRow(m_XSG_FavSer->Row()));
}

void FavoritePage::AfterDeliveryChange() {
  if (!Loaded()) return;
  SyncViewState();
  m_page = 1;
  if (!LanguageMode()) m_SB_NextPage->setText(NextPageCaption(1));
  FillFavoriteServiceList();
  FillFavoriteGroups();
  m_XSG_FavSer->SetRow(1);
}

void FavoritePage::OnEditorReset() {
  m_page = 1;
  m_lastColumn = m_lastRow = -1;
  m_SB_NextPage->setText(NextPageCaption(1));
  m_XSG_FavSer->GridModel()->Clear();
  for (FavoriteGridView* grid : m_XSG_Fav) grid->GridModel()->Clear();
}
