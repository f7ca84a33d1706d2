// The Satellite page's tool bars, popup menus, edits and grid mouse handling.
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "ui/RecordText.h"
#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "db/NumberText.h"
#include "ui/NumericEntry.h"
#include "ui/PageBars.h"
#include "ui/SatelliteGridModel.h"
#include "ui/SatellitePage.h"

namespace {
// The number part of a longitude entry is at most this long ("360.00").
constexpr int kLongitudeDigits = 6;

// The longitude typed into E_SatLong as tenths of a degree east, or -1 when it is not a
// longitude from 0 to 360 degrees. A trailing "W" (left from a shown western position) counts
// from 360 degrees, so editing a western position keeps it western.
int ParseLongitudeEntry(const QString& typed, std::string* number) {
  const QString t = typed.trimmed();
  const bool digitFirst = !t.isEmpty() && t.at(0).isDigit();
  const bool suffix = t.endsWith('E') || t.endsWith('W');
  QString part;
  if (digitFirst) part = suffix ? t.chopped(1).trimmed() : t;
  double degrees = -1;
  if (!part.isEmpty() && part.size() <= kLongitudeDigits &&
      !numbertext::ParseDecimal(ToRecord(part), degrees))
    degrees = -1;
  if (part.isEmpty() || part.size() > kLongitudeDigits || degrees < 0 || degrees > 360) return -1;
  if (digitFirst && t.endsWith('W')) {
    degrees = 360 - degrees;
    part = QString::number(degrees, 'f', 1);
  }
  *number = ToRecord(part);
  return static_cast<int>(degrees * 10 + 0.5);
}
}  // namespace

bool SatellitePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == m_E_SatLong) {
    // E_SatLongKeyPress: digits, the point and backspace.
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (!text.isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      const QChar c = text.at(0);
      if (!(text.size() == 1 && (c.isDigit() || c == '.')) && key->key() != Qt::Key_Backspace) return true;
    }
  } else if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    if (watched == m_E_AntName) E_AntNameKeyUp();
    if (watched == m_E_SatLong) E_SatLongKeyUp();
    auto it = m_autoScanEdits.find(watched);
    if (it != m_autoScanEdits.end()) AutoScanEditKeyUp(it->second);
  }
  return QWidget::eventFilter(watched, event);
}

void SatellitePage::BuildToolBar(QWidget* parent) {
  using namespace pagebars;
  QWidget* bar = NewBar(parent, "TB_Antenna");
  parent->layout()->addWidget(bar);
  m_E_AntName = AddEdit(bar, "E_AntName", "Antenna Name", 150);
  m_E_AntName->setMaxLength(19);
  m_E_SatLong = AddEdit(bar, "E_SatLong", "Longitude", 70);
  for (QLineEdit* e : {m_E_AntName, m_E_SatLong}) e->installEventFilter(this);
  m_SB_AntType = AddButton(bar, "SB_AntType", "Uni.(9750/10600)", "LNB Type");
  m_SB_AntType->setMinimumWidth(110);
  m_CB_AntFreq = new QComboBox(bar);
  m_CB_AntFreq->setObjectName("CB_AntFreq");
  m_CB_AntFreq->setEditable(true);
  m_CB_AntFreq->setInsertPolicy(QComboBox::NoInsert);
  m_CB_AntFreq->addItems(
      {"5150", "5750", "9750", "10000", "10050", "10600", "10750", "11200", "11300", "11475"});
  m_CB_AntFreq->setFixedWidth(80);
  InstallDigitsOnlyFilter(m_CB_AntFreq->lineEdit());
  connect(m_CB_AntFreq, &QComboBox::editTextChanged, this, &SatellitePage::CB_AntFreqChange);
  AddToBar(bar, m_CB_AntFreq);

  struct Popup {
    QToolButton** button;
    const char* name;
    const char* hint;
    const char* menuName;
    QStringList items;
    void (SatellitePage::*click)(int);
  };
  QStringList types;
  for (int t = 0; t <= 9; ++t) types << LnbTypeMenuCaption(t);
  const Popup popups[] = {
      {&m_SB_AntType, nullptr, "LNB Type", "PM_AntType", types, &SatellitePage::PM_AntType0Click},
      {&m_SB_22K, "SB_22K", "22K", "PM_Ant22K", {"OFF", "ON"}, &SatellitePage::PM_Ant22KOffClick},
      {&m_SB_12V, "SB_12V", "12V", "PM_Ant12V", {"OFF", "ON"}, &SatellitePage::PM_Ant12VOffClick},
      {&m_SB_Power,
       "SB_Power",
       "Power",
       "PM_AntPower",
       {"OFF", "13", "18", "13/18", "13.5", "18.5", "13.5/18.5"},
       &SatellitePage::PM_AntPower0Click},
      {&m_SB_DiSEqC,
       "SB_DiSEqC",
       "DiSEqC",
       "PM_AntDis",
       {"OFF", "DisEqC A", "DisEqC B", "DisEqC C", "DisEqC D"},
       &SatellitePage::PM_AntDisOffClick},
      {&m_SB_Motor,
       "SB_Motor",
       "Motor",
       "PM_AntMotor",
       {"OFF", "DISEqC1.2", "USALS"},
       &SatellitePage::PM_AntMotorOffClick}};
  for (const Popup& p : popups) {
    if (p.name) {
      *p.button = AddButton(bar, p.name, "OFF", p.hint);
      (*p.button)->setMinimumWidth(60);
    }
    QMenu* menu = NewTagMenu(this, p.menuName, p.items);
    const auto click = p.click;
    connect(menu, &QMenu::triggered, this, [this, click](QAction* a) { (this->*click)(a->data().toInt()); });
    connect(*p.button, &QToolButton::clicked, this, [this, menu] {
      if (Loaded()) menu->popup(QCursor::pos());
    });
  }
  EndBar(bar);
}

void SatellitePage::BuildAutoScanBar(QWidget* parent) {
  using namespace pagebars;
  QWidget* bar = NewBar(parent, "TB_AntTp");
  parent->layout()->addWidget(bar);
  m_E_AntAutoTpFreq = AddEdit(bar, "E_AntAutoTpFreq", "Auto Scan Transponder Frequency", 70);
  m_E_AntAutoTpSym = AddEdit(bar, "E_AntAutoTpSym", "Auto Scan Transponder Symbolrate", 70);
  for (QLineEdit* e : {m_E_AntAutoTpFreq, m_E_AntAutoTpSym}) {
    InstallDigitsOnlyFilter(e);
    e->installEventFilter(this);
    m_autoScanEdits[e] = e;
  }
  m_SB_AntPol = AddButton(bar, "SB_AntPol", "Horizontal", "Auto Scan Transponder Polarity");
  m_SB_AntPol->setMinimumWidth(80);
  QMenu* pol = NewTagMenu(this, "PM_AntPol", {"Horizontal", "Vertical"});
  connect(pol, &QMenu::triggered, this, [this](QAction* a) { PM_AntPolHClick(a->data().toInt()); });
  connect(m_SB_AntPol, &QToolButton::clicked, this, [this, pol] {
    if (Loaded()) pol->popup(QCursor::pos());
  });
  m_TB_AntTpNext = AddButton(bar, "TB_AntTpNext", "Next (1/3)", "Next Auto Scan Transponder");
  m_TB_AntTpNext->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  m_TB_AntTpNext->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
  connect(m_TB_AntTpNext, &QToolButton::clicked, this, &SatellitePage::TB_AntTpNextClick);
  EndBar(bar);
}

void SatellitePage::BuildContextMenu() {
  m_PM_SatRight = new QMenu(this);
  m_PM_SatRight->setObjectName("PM_SatRight");
  m_PM_ShowSat = m_PM_SatRight->addAction("Show active satellites");
  m_PM_ShowSat->setObjectName("PM_ShowSat");
  connect(m_PM_ShowSat, &QAction::triggered, this, &SatellitePage::PM_ShowSatClick);
  QMenu* go = m_PM_SatRight->addMenu("Go to...");
  go->setObjectName("PM_SatGoTo");
  const struct {
    const char* name;
    const char* caption;
    int tab;
  } targets[] = {{"PM_SatGoService", "Go to Service", 0},
                 {"PM_SatGoFav", "Go to Favorite", 1},
                 {"PM_SatGoProvider", "Go to Provider", 3},
                 {"PM_SatGoCas", "Go to CASystem", 4},
                 {"PM_SatGoTp", "Go to Transponder", 5}};
  for (const auto& t : targets) {
    const int tab = t.tab;
    QAction* a = go->addAction(t.caption);
    a->setObjectName(t.name);
    connect(a, &QAction::triggered, this, [this, tab] { emit goToPage(tab); });
  }
  m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { m_PM_SatRight->popup(m_grid->viewport()->mapToGlobal(pos)); });
}

// ---- Edits -------------------------------------------------------------------------------------

void SatellitePage::ShowAfterEdit() {
  ShowSatelliteRow(Selected());
  ShowSelectedSatellite();
}

template <typename Setter>
void SatellitePage::EditSatellite(Setter set) {
  if (!Loaded() || Selected() < 0) return;
  if (!set(Selected())) return;
  SetModified();
  ShowAfterEdit();
}

void SatellitePage::E_AntNameKeyUp() {
  if (!Loaded() || Selected() < 0) return;
  const std::string text = ToRecord(m_E_AntName->text());
  if (text == m_db.GetAntennaName(Selected())) return;  // a key that typed nothing
  EditSatellite([&](int s) { return m_db.SetAntennaName(s, text); });
}

void SatellitePage::E_SatLongKeyUp() {
  if (!Loaded() || Selected() < 0) return;
  const int s = Selected();
  if (m_E_SatLong->text().trimmed() == FromRecord(m_db.GetAntennaLongitudeText(s)).trimmed())
    return;  // a key that typed nothing
  std::string number;
  if (ParseLongitudeEntry(m_E_SatLong->text(), &number) < 0) {
    ShowMessage(m_form.Dialogs(), 30, notice::kValidationError);
    m_E_SatLong->clear();
    m_E_SatLong->setFocus();
    ShowAfterEdit();
    return;
  }
  m_typing = m_E_SatLong;  // the edit keeps what the user is typing
  EditSatellite([&](int slot) { return m_db.SetAntennaLongitude(slot, number); });
  m_typing = nullptr;
}

void SatellitePage::CB_AntFreqChange() {
  if (m_showing || !Loaded() || Selected() < 0 || !m_CB_AntFreq->isEnabled()) return;
  uint32_t mhz = 0;
  const std::string text = ToRecord(m_CB_AntFreq->currentText());
  // A box that holds no whole number yet (emptied while typing) changes nothing.
  if (!numbertext::ParseUnsigned(text, mhz) || mhz > 0xFFFF) return;
  if (static_cast<int>(mhz) == m_db.GetAntennaUserLnbFrequency(Selected())) return;
  m_typing = m_CB_AntFreq;
  EditSatellite([&](int s) { return m_db.SetAntennaLnbFrequency(s, std::to_string(mhz)); });
  m_typing = nullptr;
}

void SatellitePage::PM_AntType0Click(int type) {
  EditSatellite([&](int s) {
    return m_db.SetAntennaLnbType(s, type) && m_db.SetAntenna22K(s, type == 0 || type == 1 ? 2 : 0);
  });
}

void SatellitePage::PM_Ant22KOffClick(int value) {
  EditSatellite([&](int s) { return m_db.SetAntenna22K(s, value); });
}

void SatellitePage::PM_Ant12VOffClick(int value) {
  EditSatellite([&](int s) { return m_db.SetAntenna12V(s, value); });
}

void SatellitePage::PM_AntPower0Click(int value) {
  EditSatellite([&](int s) { return m_db.SetAntennaPower(s, value); });
}

void SatellitePage::PM_AntDisOffClick(int value) {
  EditSatellite([&](int s) { return m_db.SetAntennaDiseqc(s, value); });
}

void SatellitePage::PM_AntMotorOffClick(int choice) {
  EditSatellite([&](int s) { return m_db.SetAntennaMotor(s, choice); });
}

void SatellitePage::PM_AntPolHClick(int polarity) {
  EditSatellite([&](int s) { return m_db.SetAutoScanTpPolarity(s, m_autoScan, polarity); });
}

void SatellitePage::AutoScanEditKeyUp(QLineEdit* edit) {
  if (!Loaded() || Selected() < 0) return;
  const int s = Selected();
  const bool frequency = edit == m_E_AntAutoTpFreq;
  const std::string stored = frequency ? m_db.GetAutoScanTpFrequencyText(s, m_autoScan)
                                       : m_db.GetAutoScanTpSymbolRateText(s, m_autoScan);
  if (!IsValidNumber(edit->text(), 0, frequency ? 12750 : 45000)) {
    ShowMessage(m_form.Dialogs(), frequency ? 44 : 45, notice::kValidationError);
    edit->setText(FromRecord(stored));
    edit->setFocus();
    return;
  }
  if (ToRecord(edit->text()) == stored) return;  // a key that typed nothing
  const std::string text = ToRecord(edit->text());
  const bool written = frequency ? m_db.SetAutoScanTpFrequency(s, m_autoScan, text)
                                 : m_db.SetAutoScanTpSymbolRate(s, m_autoScan, text);
  if (written) SetModified();  // the bar keeps what was typed
}

void SatellitePage::TB_AntTpNextClick() {
  if (!Loaded()) return;
  m_autoScan = (m_autoScan + 1) % 3;
  static const char* const kCaptions[] = {"Next (1/3)", "Next (2/3)", "Previous (3/3)"};
  m_TB_AntTpNext->setText(kCaptions[m_autoScan]);
  m_TB_AntTpNext->setIcon(
      style()->standardIcon(m_autoScan == 2 ? QStyle::SP_ArrowBack : QStyle::SP_ArrowForward));
  ShowAutoScanTransponder();
}

void SatellitePage::PM_ShowSatClick() {
  if (!Loaded()) return;
  const bool active = m_db.GetViewMode() != VIEW_ACTIVE_SATELLITES;
  m_db.SetViewMode(active ? VIEW_ACTIVE_SATELLITES : VIEW_SATELLITE);
  m_PM_ShowSat->setText(active ? "Show all satellites" : "Show active satellites");
  m_db.BuildSatelliteView();
  FillSatelliteGrid();
  SetGridRow(1);
  m_grid->setFocus();
  m_db.SetSelectedSatellite(m_model->SatelliteAtRow(GridRow()));
  ShowSelectedSatellite();
}

void SatellitePage::LB_AntennaSerClick(int itemIndex) {
  if (!Loaded()) return;
  QListWidgetItem* item = m_LB_AntennaSer->item(itemIndex);
  if (item) m_db.SetCurrentService(item->data(Qt::UserRole).toInt());
}

// ---- Grid mouse handling -----------------------------------------------------------------------

void SatellitePage::GridMouseDown(int column, int row) {
  if (!Loaded() || column < 0 || row < 0) return;
  m_lastColumn = column;
  m_lastRow = row;
  if (row > 0 && column >= 1) SetGridRow(row);
}

void SatellitePage::GridClick() {
  if (!Loaded()) return;
  const int s = m_model->SatelliteAtRow(GridRow());
  if (s < 0) return;
  m_db.SetSelectedSatellite(s);
  ShowSelectedSatellite();
}

bool SatellitePage::GridMouseMove(int column, int row, Qt::MouseButtons buttons) {
  (void)buttons;
  if (column >= 0 && row >= 0) {
    m_lastColumn = column;
    m_lastRow = row;
  }
  if (row > 0) m_grid->viewport()->setCursor(Qt::PointingHandCursor);
  return false;
}

void SatellitePage::GridHeadMove(int column) {
  (void)column;
  m_grid->horizontalHeader()->viewport()->setCursor(Qt::ForbiddenCursor);
}
