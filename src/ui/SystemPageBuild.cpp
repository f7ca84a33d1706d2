// Construction of the System page: the scroll box S_SysMain with its framed panels, one row
// (caption and control) per setting.
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/NumericEntry.h"
#include "ui/SystemPage.h"

namespace {

QStringList Levels(int first, int last) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QString("Level%1").arg(n);
  return items;
}

QStringList GmtOffsets() {
  QStringList items;
  for (int i = 0; i <= 48; ++i) {
    const int minutes = 30 * i - 720;
    if (minutes == 0) {
      items << "GMT";
      continue;
    }
    const int a = std::abs(minutes);
    items << QString("GMT%1%2:%3").arg(minutes < 0 ? '-' : '+').arg(a / 60, 2, 10, QChar('0')).arg(a % 60, 2, 10, QChar('0'));
  }
  return items;
}

const QStringList kEnableDisable = {"Enable", "Disable"};
const QStringList kDisableEnable = {"Disable", "Enable"};
const QStringList kOffOn = {"OFF", "ON"};

}  // namespace

SystemPage::SystemPage(TSDIAppForm& form)
    : QWidget(form.PageControl()->widget(kSystemTab)), m_form(form), m_db(form.Database()) {
  setObjectName("P_System");
  QWidget* sheet = form.PageControl()->widget(kSystemTab);
  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  sheetLayout->addWidget(this);
  BuildPage();
}

QGroupBox* SystemPage::NewPanel(const char* name, const QString& heading) {
  auto* panel = new QGroupBox(heading);
  panel->setObjectName(name);
  auto* grid = new QGridLayout(panel);
  grid->setColumnStretch(1, 1);
  grid->setVerticalSpacing(4);
  return panel;
}

QWidget* SystemPage::AddRow(QGroupBox* panel, const char* name, const QString& caption, QWidget* control) {
  control->setObjectName(name);
  control->setMinimumWidth(140);
  auto* grid = static_cast<QGridLayout*>(panel->layout());
  const int row = grid->rowCount();
  auto* label = new QLabel(caption, panel);
  label->setObjectName(QString("L_%1").arg(name));
  label->setBuddy(control);
  grid->addWidget(label, row, 0);
  grid->addWidget(control, row, 1);
  return control;
}

QComboBox* SystemPage::AddCombo(QGroupBox* panel, const char* name, const QString& caption, const QStringList& items) {
  auto* combo = new QComboBox(panel);
  combo->addItems(items);
  combo->setMaxVisibleItems(20);
  AddRow(panel, name, caption, combo);
  return combo;
}

QTimeEdit* SystemPage::AddTime(QGroupBox* panel, const char* name, const QString& caption) {
  auto* edit = new QTimeEdit(panel);
  edit->setDisplayFormat("HH:mm");
  AddRow(panel, name, caption, edit);
  return edit;
}

void SystemPage::AddSimple(QGroupBox* panel, const char* name, const QString& caption, const QStringList& items,
                           int (M_system::*get)() const, bool (M_system::*set)(int), int offset) {
  QComboBox* combo = AddCombo(panel, name, caption, items);
  m_simple.push_back({combo, get, set, offset});
  const SimpleCombo c = m_simple.back();
  connect(combo, &QComboBox::activated, this, [this, c](int item) { SimpleSelect(c, item); });
}

void SystemPage::BuildPage() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_S_SysMain = new QScrollArea(this);
  m_S_SysMain->setObjectName("S_SysMain");
  m_S_SysMain->setWidgetResizable(true);
  m_S_SysMain->setFrameShape(QFrame::NoFrame);
  layout->addWidget(m_S_SysMain);
  auto* body = new QWidget;
  body->setObjectName("S_SysMainBody");
  auto* panels = new QGridLayout(body);
  panels->setHorizontalSpacing(12);
  m_S_SysMain->setWidget(body);

  QGroupBox* lang = NewPanel("P_SysLanguage", "Language Setting");
  m_CB_MenuLang = AddCombo(lang, "CB_MenuLang", "Menu Language :", {});
  m_CB_AudLang = AddCombo(lang, "CB_AudLang", "Audio Language :", {});
  AddSimple(lang, "CB_AudPrio", "Audio Priority :", {"Dolby", "Language"}, &M_system::GetAudioPriority,
            &M_system::SetAudioPriority);
  m_CB_EpgLang = AddCombo(lang, "CB_EpgLang", "EDV Language :", {});
  m_CB_TelLang = AddCombo(lang, "CB_TelLang", "Teletext Language :", {});
  m_CB_SubLang = AddCombo(lang, "CB_SubLang", "Subtitle Language :", {});
  AddSimple(lang, "CB_SubDis", "Subtitle Display :", {"AUTO", "Manual"}, &M_system::GetSubtitleDisplay,
            &M_system::SetSubtitleDisplay);
  connect(m_CB_MenuLang, &QComboBox::activated, this, &SystemPage::CB_MenuLangSelect);
  for (QComboBox* c : {m_CB_AudLang, m_CB_EpgLang, m_CB_TelLang, m_CB_SubLang})
    connect(c, &QComboBox::activated, this, [this, c](int item) { LanguageSelect(c, item); });

  QGroupBox* parental = NewPanel("P_SysParental", "Parental Control");
  AddSimple(parental, "CB_RecLock", "Receiver Lock :", kOffOn, &M_system::GetParentalLock, &M_system::SetParentalLock);
  AddSimple(parental, "CB_CenCla", "Censorshlp Class :", {"View All", "6", "12", "16", "18", "Lock All"},
            &M_system::GetCensorClass, &M_system::SetCensorClass);
  m_CB_AllTime = AddCombo(parental, "CB_AllTime", "Allow Time Control :", kEnableDisable);
  m_AllowStartTime = AddTime(parental, "AllowStartTime", "Allow Start Time :");
  m_AllowEndTime = AddTime(parental, "AllowEndTime", "Allow End Time :");
  m_E_Pass = static_cast<QLineEdit*>(AddRow(parental, "E_Pass", "Change Password :", new QLineEdit(parental)));
  m_E_ConPass = static_cast<QLineEdit*>(AddRow(parental, "E_ConPass", "Confirm Password :", new QLineEdit(parental)));
  for (QLineEdit* e : {m_E_Pass, m_E_ConPass}) {
    e->setEchoMode(QLineEdit::Password);
    e->setMaxLength(4);
    InstallDigitsOnlyFilter(e);
  }
  connect(m_CB_AllTime, &QComboBox::activated, this, &SystemPage::CB_AllTimeSelect);
  connect(m_AllowStartTime, &QTimeEdit::timeChanged, this, &SystemPage::AllowStartTimeChange);
  connect(m_AllowEndTime, &QTimeEdit::timeChanged, this, &SystemPage::AllowEndTimeChange);
  connect(m_E_ConPass, &QLineEdit::textChanged, this, &SystemPage::E_ConPassChange);

  QGroupBox* av = NewPanel("P_SysAV", "A / V Control");
  m_CB_TVSca = AddCombo(av, "CB_TVSca", "TV-SCART :", {"RGB", "CVBS"});
  AddSimple(av, "CB_VCRSca", "VCR-SCART :", {"CVBS"}, &M_system::GetVcrScart, &M_system::SetVcrScart, 1);
  AddSimple(av, "CB_ScrRad", "Screen Ratio :",
            {"AUTO", "16 : 9 Full", " 4 : 3 Full", "16 : 9 Letter Box", "4 : 3 Letter Box"},
            &M_system::GetScreenRatio, &M_system::SetScreenRatio);
  m_CB_TVSta = AddCombo(av, "CB_TVSta", "TV Standard :",
                        {"AUTO", "PAL", "720P_50Hz", "720P_60Hz", "1080l_50Hz", "1080l_60Hz"});
  AddSimple(av, "CB_VidBri", "Video Brightness :", Levels(1, 8), &M_system::GetVideoBrightness,
            &M_system::SetVideoBrightness, 1);
  AddSimple(av, "CB_VidCon", "Video Contrast :", Levels(1, 8), &M_system::GetVideoContrast,
            &M_system::SetVideoContrast, 1);
  AddSimple(av, "CB_VidSat", "Video Saturation :", Levels(1, 8), &M_system::GetVideoSaturation,
            &M_system::SetVideoSaturation, 1);
  m_CB_YPbProutput = AddCombo(av, "CB_YPbProutput", "YPbPr Output", kOffOn);
  AddSimple(av, "CB_SPGIF", "SPDIF", {"PCM", "AUTO"}, &M_system::GetSpdifMode, &M_system::SetSpdifMode);
  for (QComboBox* c : {m_CB_TVSca, m_CB_YPbProutput})
    connect(c, &QComboBox::activated, this, [this, c](int item) { TvOutputSelect(c, item); });
  connect(m_CB_TVSta, &QComboBox::activated, this, &SystemPage::CB_TVStaSelect);

  QGroupBox* time = NewPanel("P_SysTime", "Time Setting");
  m_PowerOffTime = AddTime(time, "PowerOffTime", "Sleep Time :");
  m_CB_PowOn = AddCombo(time, "CB_PowOn", "Wake Up:", kEnableDisable);
  m_PowerOnTime = AddTime(time, "PowerOnTime", "Wake Up Time :");
  m_CB_PowOff = AddCombo(time, "CB_PowOff", "Sleep:", kEnableDisable);
  AddSimple(time, "CB_DaylightTime", "Daylight Time", kOffOn, &M_system::GetDaylightSaving,
            &M_system::SetDaylightSaving);
  m_CB_DaylightTime = m_simple.back().combo;
  AddSimple(time, "CB_GmtOff", "GMT Offset", GmtOffsets(), &M_system::GetTimeZone, &M_system::SetTimeZone);
  m_CB_GmtOff = m_simple.back().combo;
  m_CB_AutUpdate = AddCombo(time, "CB_AutUpdate", "Automatic Update", kOffOn);
  m_CurrentDate = new QDateEdit(time);
  m_CurrentDate->setDisplayFormat("yyyy-MM-dd");
  m_CurrentDate->setCalendarPopup(true);
  AddRow(time, "CurrentDate", "Current Date", m_CurrentDate);
  m_CurrentTime = AddTime(time, "CurrentTime", "Current Time");
  connect(m_CB_PowOn, &QComboBox::activated, this, &SystemPage::CB_PowOnSelect);
  connect(m_CB_PowOff, &QComboBox::activated, this, &SystemPage::CB_PowOffSelect);
  connect(m_PowerOnTime, &QTimeEdit::timeChanged, this, &SystemPage::PowerOnTimeChange);
  connect(m_PowerOffTime, &QTimeEdit::timeChanged, this, &SystemPage::PowerOffTimeChange);
  for (QComboBox* c : {m_CB_DaylightTime, m_CB_GmtOff})
    connect(c, &QComboBox::activated, this, [this] { if (Loaded()) ShowShiftedDateTime(); });
  connect(m_CB_AutUpdate, &QComboBox::activated, this, &SystemPage::CB_AutUpdateSelect);
  connect(m_CurrentDate, &QDateEdit::dateChanged, this, &SystemPage::CurrentDateTimeChange);
  connect(m_CurrentTime, &QTimeEdit::timeChanged, this, &SystemPage::CurrentDateTimeChange);

  QGroupBox* uhf = NewPanel("P_SysUHF", "UHF Setting");
  QStringList channels;
  for (int ch = 21; ch <= 69; ++ch) channels << QString("CH %1").arg(ch);
  AddSimple(uhf, "CB_UHFCha", "UHF Channel :", channels, &M_system::GetUhfChannel, &M_system::SetUhfChannel, 21);
  AddSimple(uhf, "CB_UHFMode", "UHF Mode :", {"D/K 6.5 MHz", "B/G 5.5 MHz", "I 6.0 MHz", "M 4.5 MHz"},
            &M_system::GetUhfMode, &M_system::SetUhfMode);
  AddSimple(uhf, "CB_UHFOff", "UHF Frequency Offset :", {"-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"},
            &M_system::GetUhfOffset, &M_system::SetUhfOffset);
  uhf->hide();  // no receiver model of this build has the RF modulator

  QGroupBox* switches = NewPanel("P_SysSwitch", QString());
  AddSimple(switches, "CB_Easy", "Easy Install Switch:", kDisableEnable, &M_system::GetSimpleMode,
            &M_system::SetSimpleMode);
  AddSimple(switches, "CB_CAInfo", "Card Info Switch :", kDisableEnable, &M_system::GetCaInfo, &M_system::SetCaInfo);

  QGroupBox* misc = NewPanel("P_SysMisc", "Miscellaneous Setting");
  AddSimple(misc, "CB_Panel", "Panel Show Mode :", {"Channel No", "Time"}, &M_system::GetPanelDisplay,
            &M_system::SetPanelDisplay);
  QStringList seconds;
  for (int s = 1; s <= 20; ++s) seconds << QString("%1 sec").arg(s);
  AddSimple(misc, "CB_BanDis", "Banner Display Teme :", seconds, &M_system::GetBannerTime, &M_system::SetBannerTime, 1);
  AddSimple(misc, "CB_OSDTra", "OSD Transparency :", {"0", "25%", "50%", "75%", "100%"},
            &M_system::GetOsdTransparency, &M_system::SetOsdTransparency);
  AddSimple(misc, "CB_SerSwi", "Service Switch Mode :", {"Blank", "Fade In / Out", "Unbank"},
            &M_system::GetServiceSwitch, &M_system::SetServiceSwitch);
  AddSimple(misc, "CB_LedBrigh", "Led Brightness", Levels(0, 4), &M_system::GetLedBrightness,
            &M_system::SetLedBrightness);
  AddSimple(misc, "CB_RemotMod", "Remote Mode", {"RC 1", "RC 2", "RC 1&2"}, &M_system::GetRemoteMode,
            &M_system::SetRemoteMode);

  panels->addWidget(lang, 0, 0);
  panels->addWidget(parental, 0, 1);
  panels->addWidget(av, 0, 2);
  panels->addWidget(time, 1, 0);
  auto* middle = new QVBoxLayout;
  middle->addWidget(uhf);
  middle->addWidget(switches);
  middle->addStretch(1);
  panels->addLayout(middle, 1, 1);
  panels->addWidget(misc, 1, 2, Qt::AlignTop);
  panels->setRowStretch(2, 1);
  panels->setColumnStretch(3, 1);
  for (const char* hidden : {"CB_Panel", "L_CB_Panel", "CB_SerSwi", "L_CB_SerSwi"}) findChild<QWidget*>(hidden)->hide();
  m_E_Pass->installEventFilter(this);
  m_E_ConPass->installEventFilter(this);
  ConfirmBoxReadOnly();
}
