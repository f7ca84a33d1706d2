// Showing the system settings and the handlers of the System page.
#include "ui/RecordText.h"
#include "ui/SystemPage.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <algorithm>

#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"

namespace {

constexpr uint16_t kMsgConfirmPassword = 24;
constexpr int kPasswordLength = 4;
// The order of the language lists: English first, then Deutsch, Greek, French, ...
constexpr int kLanguageOrder[SystemPage::kLanguageCount] = {0,  12, 8,  1,  2,  3,  4,  5,  6,  7,
                                                            9,  10, 11, 13, 14, 15, 16, 17, 18, 19};
const QColor kReadOnlyGrey(0xB7, 0xB7, 0xB9);  // colour value 12171191
constexpr int kEnable = 0;                     // item 0 of "Enable" / "Disable"
constexpr int kOn = 1;                         // item 1 of "OFF" / "ON"
constexpr int kGmtItem = 24;

// One minute later, held at 23:59 (an allowed time cannot run past midnight).
QTime MinuteLater(const QTime& t) {
  return t.hour() == 23 && t.minute() == 59 ? t : t.addSecs(60);
}

QTime Now() {
  const QTime t = QTime::currentTime();
  return QTime(t.hour(), t.minute());
}

void SelectQuietly(QComboBox* combo, int item) {
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(item >= 0 && item < combo->count() ? item : -1);
}

}  // namespace

bool SystemPage::Loaded() const { return m_form.Document().databaseLoaded; }

void SystemPage::Modified() { m_form.Document().settingsModified = true; }

int SystemPage::LanguageCode(int item) const {
  return item >= 0 && item < static_cast<int>(m_languageCodes.size()) ? m_languageCodes[item] : -1;
}

int SystemPage::LanguageItem(int code) const {
  const auto it = std::find(m_languageCodes.begin(), m_languageCodes.end(), code);
  return it == m_languageCodes.end() ? kLanguageCount : static_cast<int>(it - m_languageCodes.begin());
}

void SystemPage::RefreshSystemPage() {
  if (!Loaded()) return;
  FillLanguageLists();
  layout()->setContentsMargins(170, 50, 0, 0);
  ShowSystemSettings();
}

void SystemPage::FillLanguageLists() {
  const uint32_t mask = m_db.GetLanguageMask();
  m_languageCodes.clear();
  QStringList names;
  for (int code : kLanguageOrder)
    if (mask & (1u << code)) {
      m_languageCodes.push_back(code);
      names << FromRecord(m_DataBase::GetLanguageName(code));
    }
  for (QComboBox* c : {m_CB_MenuLang, m_CB_AudLang, m_CB_EpgLang, m_CB_TelLang, m_CB_SubLang}) {
    const QSignalBlocker block(c);
    c->clear();
    c->addItems(names);
    SelectQuietly(c, m_db.GetDefaultLanguagePosition());
  }
}

void SystemPage::ShowLanguage(QComboBox* combo, int code) { SelectQuietly(combo, LanguageItem(code)); }

void SystemPage::SetPicker(QTimeEdit* edit, int hour, int minute) {
  const QSignalBlocker block(edit);
  edit->setTime(QTime(hour, minute));
}

void SystemPage::ConfirmBoxReadOnly() {
  const QSignalBlocker block(m_E_ConPass);
  m_E_ConPass->clear();
  m_E_ConPass->setReadOnly(true);
  QPalette p = m_E_ConPass->palette();
  p.setColor(QPalette::Base, kReadOnlyGrey);
  m_E_ConPass->setPalette(p);
}

void SystemPage::ShowSystemSettings() {
  const m_DataBase& db = m_db;
  for (QWidget* w : {static_cast<QWidget*>(m_AllowStartTime), static_cast<QWidget*>(m_AllowEndTime),
                     static_cast<QWidget*>(m_PowerOnTime), static_cast<QWidget*>(m_PowerOffTime),
                     static_cast<QWidget*>(m_CurrentDate), static_cast<QWidget*>(m_CurrentTime)})
    w->setEnabled(false);
  m_CB_GmtOff->setEnabled(true);

  ShowLanguage(m_CB_MenuLang, db.GetMenuLanguage());
  ShowLanguage(m_CB_AudLang, db.GetAudioLanguage());
  ShowLanguage(m_CB_EpgLang, db.GetEpgLanguage());
  ShowLanguage(m_CB_TelLang, db.GetTeletextLanguage());
  ShowLanguage(m_CB_SubLang, db.GetSubtitleLanguage());
  for (const SimpleCombo& c : m_simple) SelectQuietly(c.combo, (db.*c.get)() - c.offset);
  if (db.GetBannerTime() == 0) SelectQuietly(findChild<QComboBox*>("CB_BanDis"), 0);
  const int standard = db.GetTvStandard();
  SelectQuietly(m_CB_TVSta, standard < 2 ? standard : standard - 2);
  SelectQuietly(m_CB_TVSca, db.GetTvOutput());
  SelectQuietly(m_CB_YPbProutput, db.GetTvOutput());
  SelectQuietly(m_CB_AllTime, db.GetAllowedTimeSwitch());
  SelectQuietly(m_CB_PowOn, db.GetPowerOnSwitch());
  SelectQuietly(m_CB_PowOff, db.GetPowerOffSwitch());
  SelectQuietly(m_CB_AutUpdate, db.GetAutoUpdate());

  if (m_CB_AutUpdate->currentIndex() == 0) {
    m_CurrentDate->setEnabled(true);
    m_CurrentTime->setEnabled(true);
    m_CB_GmtOff->setEnabled(false);
  }
  const bool allow = m_CB_AllTime->currentIndex() == kEnable;
  m_AllowStartTime->setEnabled(allow);
  m_AllowEndTime->setEnabled(allow);

  SetPicker(m_AllowStartTime, db.GetAllowedStartHour(), db.GetAllowedStartMinute());
  SetPicker(m_AllowEndTime, db.GetAllowedEndHour(), db.GetAllowedEndMinute());
  SetPicker(m_PowerOnTime, db.GetPowerOnHour(), db.GetPowerOnMinute());
  SetPicker(m_PowerOffTime, db.GetPowerOffHour(), db.GetPowerOffMinute());
  ShowShiftedDateTime();

  m_PowerOnTime->setEnabled(m_CB_PowOn->currentIndex() == kEnable);
  m_PowerOffTime->setEnabled(m_CB_PowOff->currentIndex() == kEnable);

  {
    const QSignalBlocker block(m_E_Pass);
    m_E_Pass->setText(FromRecord(db.GetPin()));
  }
  ConfirmBoxReadOnly();
}

// ---- current date and time ----

QDateTime SystemPage::ShiftClock(const QDateTime& at, int minutes) { return at.addSecs(60LL * minutes); }

int SystemPage::ShownClockShift() const {
  int shift = 0;
  if (m_CB_AutUpdate->currentIndex() == kOn) {
    const int g = m_CB_GmtOff->currentIndex() >= 0 ? m_CB_GmtOff->currentIndex() : kGmtItem;
    shift += 30 * g - 720;
  }
  if (m_CB_DaylightTime->currentIndex() == kOn) shift += 60;
  return shift;
}

// The stored clock; a stored day past the end of its month reads as the month's last day.
QDateTime SystemPage::StoredClock() const {
  const int month = std::clamp(m_db.GetClockMonth(), 1, 12);
  const int year = m_db.GetClockYear();
  const int day = std::clamp(m_db.GetClockDay(), 1, QDate(year, month, 1).daysInMonth());
  return QDateTime(QDate(year, month, day), QTime(std::min(m_db.GetClockHour(), 23), std::min(m_db.GetClockMinute(), 59)));
}

void SystemPage::ShowShiftedDateTime() {
  const QDateTime shown = ShiftClock(StoredClock(), ShownClockShift());
  const QSignalBlocker blockDate(m_CurrentDate);
  const QSignalBlocker blockTime(m_CurrentTime);
  m_CurrentDate->setDate(shown.date());
  m_CurrentTime->setTime(shown.time());
}

// The pickers show the clock shifted; what is stored is the clock without the shift, so the
// picker keeps showing exactly what the user set.
void SystemPage::CurrentDateTimeChange() {
  if (!Loaded()) return;
  Modified();
  const QDateTime shown(m_CurrentDate->date(), QTime(m_CurrentTime->time().hour(), m_CurrentTime->time().minute()));
  const QDateTime stored = ShiftClock(shown, -ShownClockShift());
  m_db.SetClockYear(stored.date().year());
  m_db.SetClockMonth(stored.date().month());
  m_db.SetClockDay(stored.date().day());
  m_db.SetClockHour(stored.time().hour());
  m_db.SetClockMinute(stored.time().minute());
}

void SystemPage::CB_AutUpdateSelect(int item) {
  if (!Loaded()) return;
  Modified();
  const bool on = item == kOn;
  m_CurrentDate->setEnabled(!on);
  m_CurrentTime->setEnabled(!on);
  m_CB_GmtOff->setEnabled(on);
  m_db.SetAutoUpdate(item);
  ShowShiftedDateTime();
}

// ---- combos ----

void SystemPage::SimpleSelect(const SimpleCombo& c, int item) {
  if (!Loaded() || item < 0) return;
  Modified();
  (m_db.*c.set)(item + c.offset);
}

void SystemPage::CB_MenuLangSelect(int item) {
  if (!Loaded()) return;
  const int code = LanguageCode(item);
  if (code < 0) return;
  Modified();
  m_db.SetMenuLanguage(code);
  m_db.SetAudioLanguage(code);
  m_db.SetEpgLanguage(code);
  m_db.SetTeletextLanguage(code);
  m_db.SetSubtitleLanguage(code);
  for (QComboBox* c : {m_CB_AudLang, m_CB_EpgLang, m_CB_TelLang, m_CB_SubLang}) SelectQuietly(c, item);
}

void SystemPage::LanguageSelect(QComboBox* combo, int item) {
  if (!Loaded()) return;
  const int code = LanguageCode(item);
  if (code < 0) return;
  Modified();
  if (combo == m_CB_AudLang) m_db.SetAudioLanguage(code);
  else if (combo == m_CB_EpgLang) m_db.SetEpgLanguage(code);
  else if (combo == m_CB_TelLang) m_db.SetTeletextLanguage(code);
  else if (combo == m_CB_SubLang) m_db.SetSubtitleLanguage(code);
}

void SystemPage::TvOutputSelect(QComboBox* combo, int item) {
  if (!Loaded() || item < 0) return;
  Modified();
  m_db.SetTvOutput(item);
  SelectQuietly(combo == m_CB_TVSca ? m_CB_YPbProutput : m_CB_TVSca, item);
}

void SystemPage::CB_TVStaSelect(int item) {
  if (!Loaded() || item < 0) return;
  Modified();
  m_db.SetTvStandard(item < 2 ? item : item + 2);
}

// ---- parental control times ----

void SystemPage::StoreAllowStart() {
  m_db.SetAllowedStartHour(m_AllowStartTime->time().hour());
  m_db.SetAllowedStartMinute(m_AllowStartTime->time().minute());
}

void SystemPage::StoreAllowEnd() {
  m_db.SetAllowedEndHour(m_AllowEndTime->time().hour());
  m_db.SetAllowedEndMinute(m_AllowEndTime->time().minute());
}

void SystemPage::CB_AllTimeSelect(int item) {
  if (!Loaded() || item < 0) return;
  Modified();
  const bool enable = item == kEnable;
  m_AllowStartTime->setEnabled(enable);
  m_AllowEndTime->setEnabled(enable);
  if (enable) {
    const QTime start = Now();
    SetPicker(m_AllowStartTime, start.hour(), start.minute());
    const QTime end = MinuteLater(start);
    SetPicker(m_AllowEndTime, end.hour(), end.minute());
    StoreAllowStart();
    StoreAllowEnd();
  }
  m_db.SetAllowedTimeSwitch(item);
}

void SystemPage::AllowStartTimeChange() {
  if (!Loaded()) return;
  Modified();
  StoreAllowStart();
  const QTime start = m_AllowStartTime->time();
  const QTime end = m_AllowEndTime->time();
  if (end.hour() < start.hour() || (end.hour() == start.hour() && end.minute() <= start.minute())) {
    const QTime later = MinuteLater(start);
    SetPicker(m_AllowEndTime, later.hour(), later.minute());
    StoreAllowEnd();
  }
}

void SystemPage::AllowEndTimeChange() {
  if (!Loaded()) return;
  Modified();
  StoreAllowEnd();
}

// ---- timers ----

void SystemPage::CB_PowOnSelect(int item) {
  if (!Loaded() || item < 0) return;
  Modified();
  m_PowerOnTime->setEnabled(item == kEnable);
  if (item == kEnable) {
    SetPicker(m_PowerOnTime, Now().hour(), Now().minute());
    PowerOnTimeChange();
  }
  m_db.SetPowerOnSwitch(item);
}

void SystemPage::CB_PowOffSelect(int item) {
  if (!Loaded() || item < 0) return;
  Modified();
  m_PowerOffTime->setEnabled(item == kEnable);
  if (item == kEnable) {
    SetPicker(m_PowerOffTime, Now().hour(), Now().minute());
    PowerOffTimeChange();
  }
  m_db.SetPowerOffSwitch(item);
}

void SystemPage::PowerOnTimeChange() {
  if (!Loaded()) return;
  Modified();
  m_db.SetPowerOnHour(m_PowerOnTime->time().hour());
  m_db.SetPowerOnMinute(m_PowerOnTime->time().minute());
}

void SystemPage::PowerOffTimeChange() {
  if (!Loaded()) return;
  Modified();
  m_db.SetPowerOffHour(m_PowerOffTime->time().hour());
  m_db.SetPowerOffMinute(m_PowerOffTime->time().minute());
}

// ---- password ----

bool SystemPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_E_Pass && event->type() == QEvent::KeyRelease &&
      !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    E_PassKeyUp();
  } else if (watched == m_E_ConPass && event->type() == QEvent::FocusOut) {
    // Leaving for a menu, a popup or a message box is not leaving the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) E_ConPassExit();
  }
  return QWidget::eventFilter(watched, event);
}

void SystemPage::E_PassKeyUp() {
  if (!Loaded() || m_E_Pass->text().size() != kPasswordLength) return;
  m_E_ConPass->setReadOnly(false);
  QPalette p = m_E_ConPass->palette();
  p.setColor(QPalette::Base, palette().color(QPalette::Button));
  m_E_ConPass->setPalette(p);
  m_E_ConPass->setFocus(Qt::OtherFocusReason);
}

// The password is stored once the confirmation holds four digits that equal the new password;
// a confirmation that differs stores nothing and is refused when the box is left.
void SystemPage::E_ConPassChange(const QString& text) {
  if (!Loaded() || m_E_ConPass->isReadOnly() || text.size() != kPasswordLength || text != m_E_Pass->text()) return;
  Modified();
  m_db.SetPin(ToRecord(text));
}

// An empty confirmation may be left: nothing was stored, so the password change is abandoned.
void SystemPage::E_ConPassExit() {
  if (!Loaded() || m_E_ConPass->isReadOnly()) return;
  if (m_E_ConPass->text().isEmpty() || m_E_ConPass->text() == m_E_Pass->text()) return;
  ShowMessage(m_form.Dialogs(), kMsgConfirmPassword, notice::kValidationError);
  m_E_ConPass->clear();
  m_E_ConPass->setFocus(Qt::OtherFocusReason);
}
