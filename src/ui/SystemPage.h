// The System page (tab 7, page code 6): one combo box, time or date picker or edit per setting
// of the receiver's system settings record, each change written straight back into the record.
// Edits set the window's settings-modified flag, never the data-modified flag.
#pragma once
#include <QDateTime>
#include <QWidget>
#include <vector>

class m_DataBase;
class M_system;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QScrollArea;
class QTimeEdit;
class TSDIAppForm;

class SystemPage : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kSystemTab = 7;
  static constexpr int kLanguageCount = 20;

  explicit SystemPage(TSDIAppForm& form);

  // Page code 6 of RefreshCurrentPage: refills the language lists from the record's language
  // mask, then shows every setting.
  void RefreshSystemPage();
  void FillLanguageLists();
  void ShowSystemSettings();
  // Shows the stored clock in CurrentDate / CurrentTime shifted by the GMT offset (automatic
  // update on) and the daylight hour; nothing is written.
  void ShowShiftedDateTime();

  // The language list: item index <-> language code.
  int LanguageCode(int item) const;
  int LanguageItem(int code) const;  // first item of the code, kLanguageCount when absent
  // Minutes the current date and time are shown shifted by.
  int ShownClockShift() const;
  // `at` moved by `minutes` with calendar carries (static so the rule can be checked alone).
  static QDateTime ShiftClock(const QDateTime& at, int minutes);

 public slots:
  void CB_MenuLangSelect(int item);
  void LanguageSelect(QComboBox* combo, int item);
  void TvOutputSelect(QComboBox* combo, int item);
  void CB_TVStaSelect(int item);
  void CB_AllTimeSelect(int item);
  void AllowStartTimeChange();
  void AllowEndTimeChange();
  void CB_PowOnSelect(int item);
  void CB_PowOffSelect(int item);
  void PowerOnTimeChange();
  void PowerOffTimeChange();
  void CB_AutUpdateSelect(int item);
  void CurrentDateTimeChange();
  void E_PassKeyUp();
  void E_ConPassChange(const QString& text);
  void E_ConPassExit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A combo whose item i stores i + offset through the setter.
  struct SimpleCombo {
    QComboBox* combo;
    int (M_system::*get)() const;
    bool (M_system::*set)(int);
    int offset;
  };

  bool Loaded() const;
  void Modified();
  void BuildPage();
  QGroupBox* NewPanel(const char* name, const QString& heading);
  QWidget* AddRow(QGroupBox* panel, const char* name, const QString& caption, QWidget* control);
  QComboBox* AddCombo(QGroupBox* panel, const char* name, const QString& caption, const QStringList& items);
  QTimeEdit* AddTime(QGroupBox* panel, const char* name, const QString& caption);
  void AddSimple(QGroupBox* panel, const char* name, const QString& caption, const QStringList& items,
                 int (M_system::*get)() const, bool (M_system::*set)(int), int offset = 0);
  void SimpleSelect(const SimpleCombo& c, int item);
  void ShowLanguage(QComboBox* combo, int code);
  void ConfirmBoxReadOnly();
  void SetPicker(QTimeEdit* edit, int hour, int minute);
  void StoreAllowStart();
  void StoreAllowEnd();
  QDateTime StoredClock() const;

  TSDIAppForm& m_form;
  m_DataBase& m_db;
  std::vector<int> m_languageCodes;  // the language list as shown
  std::vector<SimpleCombo> m_simple;
  QScrollArea* m_S_SysMain = nullptr;
  QComboBox *m_CB_MenuLang = nullptr, *m_CB_AudLang = nullptr, *m_CB_EpgLang = nullptr, *m_CB_TelLang = nullptr,
            *m_CB_SubLang = nullptr;
  QComboBox *m_CB_TVSca = nullptr, *m_CB_YPbProutput = nullptr, *m_CB_TVSta = nullptr;
  QComboBox *m_CB_AllTime = nullptr, *m_CB_PowOn = nullptr, *m_CB_PowOff = nullptr;
  QComboBox *m_CB_AutUpdate = nullptr, *m_CB_DaylightTime = nullptr, *m_CB_GmtOff = nullptr;
  QTimeEdit *m_AllowStartTime = nullptr, *m_AllowEndTime = nullptr, *m_PowerOnTime = nullptr,
            *m_PowerOffTime = nullptr, *m_CurrentTime = nullptr;
  QDateEdit* m_CurrentDate = nullptr;
  QLineEdit *m_E_Pass = nullptr, *m_E_ConPass = nullptr;
};
