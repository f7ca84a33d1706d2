#include "ui/RecordText.h"
#include "ui/ProviderPage.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/ProviderPageLists.h"

namespace {
struct PageNames {
  const char* page;
  const char* toolBar;
  const char* edit;
  const char* hint;
  int maxLength;
  const char* listPanel;
  int listWidth;
  const char* list;
  const char* servicePanel;
  const char* services;
  int itemHeight;
};

const PageNames kNames[] = {
    {"P_ProviderPage", "TB_Provider", "E_ProName", "Provider name", 13, "P_Provider", 273, "LB_Provider",
     "P_ProProg", "LB_ProSer", 16},
    {"P_CASPage", "TB_CASystem", "E_CASName", "CASystem Name", 4, "P_CAS", 297, "LB_CAS", "P_CASProg",
     "LB_CASSer", 20},
};

QWidget* Panel(QWidget* parent, const char* name) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  return panel;
}
}  // namespace

ProviderPage::ProviderPage(TSDIAppForm& form, Kind kind)
    : QWidget(form.PageControl()->widget(kind == Provider ? 3 : 4)), m_form(form), m_db(form.Database()), m_kind(kind) {
  const PageNames& n = kNames[kind];
  setObjectName(n.page);
  QWidget* sheet = form.PageControl()->widget(Tab());
  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  sheetLayout->addWidget(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* bar = new QWidget(this);
  bar->setObjectName(n.toolBar);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  m_name = new QLineEdit(bar);
  m_name->setObjectName(n.edit);
  m_name->setToolTip(n.hint);
  m_name->setMaxLength(n.maxLength);
  m_name->setFixedWidth(160);
  m_name->installEventFilter(this);
  connect(m_name, &QLineEdit::textEdited, this, &ProviderPage::NameKeyUp);
  barLayout->addWidget(m_name);
  barLayout->addStretch(1);
  layout->addWidget(bar);

  auto* body = new QHBoxLayout;
  QWidget* left = Panel(this, n.listPanel);
  left->setFixedWidth(n.listWidth);
  m_list = new ColumnListView(n.list, 1, n.itemHeight, left);
  m_list->setModel(new SlotListModel(
      [this](int, int slot) { return FromRecord(NameOf(slot)); }, n.itemHeight, m_list));
  left->layout()->addWidget(m_list);
  body->addWidget(left);
  QWidget* right = Panel(this, n.servicePanel);
  m_services = new ColumnListView(n.services, 3, n.itemHeight, right);
  m_services->setModel(new SlotListModel(
      [this](int item, int slot) {
        return QStringLiteral("%1:  %2").arg(item + 1).arg(FromRecord(m_db.GetServiceName(slot)));
      },
      n.itemHeight, m_services));
  right->layout()->addWidget(m_services);
  body->addWidget(right, 1);
  layout->addLayout(body, 1);

  connect(m_list, &ColumnListView::itemClicked, this, &ProviderPage::ListClick);
  connect(m_services, &ColumnListView::itemClicked, this, &ProviderPage::ServiceClick);
}

bool ProviderPage::Loaded() const { return m_form.Document().databaseLoaded; }

void ProviderPage::SyncViewState() {
  m_db.SetViewServiceType(m_form.ServiceType());
  m_db.SetViewDelivery(m_form.DeliveryKind());
  m_db.SetHdViewFlag(m_form.HdView());
}

int ProviderPage::Selected() const {
  return m_kind == Provider ? m_db.GetSelectedProvider() : m_db.GetSelectedCas();
}

void ProviderPage::SetSelected(int slot) {
  if (m_kind == Provider)
    m_db.SetSelectedProvider(slot);
  else
    m_db.SetSelectedCas(slot);
}

int ProviderPage::ViewCount() const {
  return m_kind == Provider ? m_db.GetProviderViewCount() : m_db.GetCasViewCount();
}

int ProviderPage::ViewEntry(int position) const {
  return m_kind == Provider ? m_db.GetProviderViewEntry(position) : m_db.GetCasViewEntry(position);
}

std::string ProviderPage::NameOf(int slot) const {
  return m_kind == Provider ? m_db.GetProviderName(slot) : m_db.GetCasName(slot);
}

// ---- Fills -----------------------------------------------------------------------------------

void ProviderPage::RefreshPage() {
  if (!Loaded()) return;
  SyncViewState();
  if (m_kind == Provider) {
    // Read before the fill: a fill that lists no services leaves no current service.
    const int currentProvider = m_db.GetServiceProvider(m_db.GetCurrentService());
    FillList();
    if (Selected() < 0) {
      SetSelected(currentProvider);
      // The list on the right follows the provider that is now selected.
      if (Selected() >= 0) FillServices();
    }
  } else {
    m_db.BuildCasView();
    if (Selected() < 0) SetSelected(m_db.GetCasViewEntry(1));
    FillList();
  }
  SelectShownEntry();
}

void ProviderPage::SelectShownEntry() {
  for (int item = 0; item < m_list->ListModel()->Count(); ++item)
    if (m_list->ListModel()->SlotAt(item) == Selected()) {
      m_list->SetItemIndex(item);
      return;
    }
  if (m_list->ListModel()->Count() == 0) return;
  // The entry selected before is gone (a provider is freed with its last service): the first
  // listed one takes its place, so the highlighted item is the one the page shows and renames.
  SetSelected(m_list->ListModel()->SlotAt(0));
  FillServices();
  m_list->SetItemIndex(0);
}

void ProviderPage::FillList() {
  if (m_kind == Provider)
    m_db.BuildProviderView();
  else
    m_db.BuildCasView();
  std::vector<int> entries;
  for (int p = 1; p <= ViewCount(); ++p) entries.push_back(ViewEntry(p));
  m_list->ListModel()->Fill(std::move(entries));
  FillServices();
}

void ProviderPage::FillServices() {
  m_db.SetViewMode(m_kind == Provider ? VIEW_PROVIDER : VIEW_CAS);
  m_db.BuildServiceView();
  const QString name = FromRecord(Selected() >= 0 ? NameOf(Selected()) : std::string());
  if (m_name->text() != name) m_name->setText(name);  // an unchanged text keeps the cursor
  std::vector<int> entries;
  for (int p = 1; p <= m_db.GetServiceViewCount(); ++p) entries.push_back(m_db.GetServiceViewEntry(p));
  m_services->ListModel()->Fill(std::move(entries));
}

// ---- Clicks and renaming ---------------------------------------------------------------------

void ProviderPage::ListClick(int item) {
  if (!Loaded()) return;
  SetSelected(ViewEntry(item + 1));
  FillServices();
  ServiceClick(m_services->ItemIndex());
}

void ProviderPage::ServiceClick(int item) {
  if (!Loaded()) return;
  m_db.SetCurrentService(m_db.GetServiceViewEntry(std::max(item, 0) + 1));
}

bool ProviderPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_name && event->type() == QEvent::KeyRelease &&
      !static_cast<QKeyEvent*>(event)->isAutoRepeat())
    NameKeyUp();
  return QWidget::eventFilter(watched, event);
}

void ProviderPage::NameKeyUp() {
  if (!Loaded()) return;
  const int slot = Selected();
  const std::string text = ToRecord(m_name->text());
  if (text == NameOf(slot)) return;  // nothing typed
  const bool stored = m_kind == Provider ? m_db.SetProviderName(slot, text) : m_db.SetCasName(slot, text);
  if (!stored) return;  // no entry selected
  m_form.Document().dataModified = true;
  FillList();
}

// ---- Window switches -------------------------------------------------------------------------

void ProviderPage::AfterListKindChange() {
  if (!Loaded()) return;
  ServiceClick(m_services->ItemIndex());
  SyncViewState();
  FillServices();
  m_services->SetItemIndex(0);
}

void ProviderPage::AfterDeliveryChange() {
  if (!Loaded()) return;
  SyncViewState();
  if (m_kind == Provider)
    FillList();
  else
    FillServices();
}

void ProviderPage::OnEditorReset() {
  m_list->ListModel()->Fill({});
  m_services->ListModel()->Fill({});
  m_name->clear();
}
