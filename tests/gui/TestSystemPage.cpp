// The System page in the real window on the demo file: edits land in the record and survive
// Save, the settings-modified flag, the language lists, the clock display, the allowed times
// and the password confirmation.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolButton>

#include "PageFixture.h"
#include "ui/SystemPage.h"

class TestSystemPage : public QObject {
  Q_OBJECT
  PageFixture f;

  SystemPage& Page() { return f.frame->System(); }
  void EnterPage() {
    f.form->PageControl()->setCurrentIndex(SystemPage::kSystemTab);
    QCOMPARE(f.form->PageCode(), 6);
  }
  QComboBox* Combo(const char* name) { return f.Find<QComboBox>(name); }
  void Choose(const char* name, int item) {
    QComboBox* c = Combo(name);
    c->setCurrentIndex(item);
    emit c->activated(item);
  }
  void ChooseText(const char* name, const QString& text) {
    const int item = Combo(name)->findText(text);
    QVERIFY2(item >= 0, qPrintable(text));
    Choose(name, item);
  }
  void Leave(QWidget* w) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
  }
  // Replaces the 508-byte record with one whose fields `edit` changed.
  template <typename Edit>
  void EditRecord(Edit edit) {
    uint8_t record[dblayout::kSystemRecordSize];
    f.Db().EncodeSystemRecord(record);
    edit(record);
    f.Db().DecodeSystemRecord(record);
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void editsLandInTheRecordAndSurviveSave() {
    EnterPage();
    ChooseText("CB_TVSta", "720P_50Hz");
    ChooseText("CB_VidBri", "Level7");
    ChooseText("CB_BanDis", "12 sec");
    ChooseText("CB_GmtOff", "GMT-03:30");
    ChooseText("CB_YPbProutput", "ON");
    ChooseText("CB_MenuLang", "French");
    ChooseText("CB_RemotMod", "RC 1&2");
    f.Find<QTimeEdit>("AllowEndTime")->setTime(QTime(21, 7));
    QCOMPARE(f.Db().GetTvStandard(), 4);
    QCOMPARE(f.Db().GetVideoBrightness(), 7);
    QCOMPARE(f.Db().GetBannerTime(), 12);
    QCOMPARE(f.Db().GetTimeZone(), 17);
    QCOMPARE(f.Db().GetTvOutput(), 1);
    QCOMPARE(Combo("CB_TVSca")->currentText(), QString("CVBS"));
    QVERIFY(f.form->Document().settingsModified);
    QVERIFY(!f.form->Document().dataModified);

    f.Find<QToolButton>("TB_Save")->click();
    QVERIFY(f.dialogs->MessageTexts().empty());
    f.CloseWindow();
    f.OpenWindow();  // the saved demo file again
    QVERIFY(!f.form->Document().settingsModified);
    QCOMPARE(f.Db().GetTvStandard(), 4);
    QCOMPARE(f.Db().GetVideoBrightness(), 7);
    QCOMPARE(f.Db().GetBannerTime(), 12);
    QCOMPARE(f.Db().GetTimeZone(), 17);
    QCOMPARE(f.Db().GetTvOutput(), 1);
    QCOMPARE(f.Db().GetMenuLanguage(), 1);
    QCOMPARE(f.Db().GetSubtitleLanguage(), 1);
    QCOMPARE(f.Db().GetRemoteMode(), 2);
    QCOMPARE(f.Db().GetAllowedEndHour(), 21);
    QCOMPARE(f.Db().GetAllowedEndMinute(), 7);
    EnterPage();
    QCOMPARE(Combo("CB_TVSta")->currentText(), QString("720P_50Hz"));
    QCOMPARE(Combo("CB_YPbProutput")->currentText(), QString("ON"));
    QCOMPARE(Combo("CB_TelLang")->currentText(), QString("French"));
    QCOMPARE(f.Find<QTimeEdit>("AllowEndTime")->time(), QTime(21, 7));
  }

  void onlySettingEditsMarkTheSettingsModified() {
    EnterPage();
    f.form->PreparePage();  // showing and refreshing is no edit
    QVERIFY(!f.form->Document().settingsModified);
    QVERIFY(!f.form->Document().dataModified);
    Choose("CB_OSDTra", 3);
    QCOMPARE(f.Db().GetOsdTransparency(), 3);
    QVERIFY(f.form->Document().settingsModified);
    QVERIFY(!f.form->Document().dataModified);

    // Without an open file every handler is inert.
    f.form->ResetEditor();
    Choose("CB_OSDTra", 1);
    f.Find<QTimeEdit>("PowerOnTime")->setTime(QTime(5, 5));
    QVERIFY(!f.form->Document().settingsModified);
    QCOMPARE(f.Db().GetOsdTransparency(), 0);
  }

  void languageListsFollowTheMask() {
    // Only English (0), Greek (8), French (1) and Russian (3) are offered.
    EditRecord([](uint8_t* r) {
      uint32_t word = r[0x13C] | r[0x13D] << 8 | r[0x13E] << 16 | uint32_t(r[0x13F]) << 24;
      word = (word & 0xFFFu) | (((1u << 0) | (1u << 8) | (1u << 1) | (1u << 3)) << 12);
      for (int i = 0; i < 4; ++i) r[0x13C + i] = static_cast<uint8_t>(word >> (8 * i));
    });
    f.Db().SetAudioLanguage(12);  // Deutsch: not offered
    EnterPage();
    QCOMPARE(Combo("CB_MenuLang")->count(), 4);
    QCOMPARE(Combo("CB_MenuLang")->itemText(1), QString("Greek"));
    QCOMPARE(Combo("CB_AudLang")->currentIndex(), -1);  // a stored language the list lacks
    ChooseText("CB_MenuLang", "French");
    for (const char* name : {"CB_AudLang", "CB_EpgLang", "CB_TelLang", "CB_SubLang"})
      QCOMPARE(Combo(name)->currentText(), QString("French"));
    QCOMPARE(f.Db().GetAudioLanguage(), 1);
    QCOMPARE(f.Db().GetEpgLanguage(), 1);
    ChooseText("CB_EpgLang", "Russian");
    QCOMPARE(f.Db().GetEpgLanguage(), 3);
    QCOMPARE(f.Db().GetMenuLanguage(), 1);
  }

  void currentDateAndTimeShowTheShiftedClock() {
    m_DataBase& db = f.Db();
    db.SetClockYear(2008), db.SetClockMonth(12), db.SetClockDay(31), db.SetClockHour(23), db.SetClockMinute(30);
    db.SetAutoUpdate(1), db.SetTimeZone(28), db.SetDaylightSaving(1);
    EnterPage();
    QDateEdit* date = f.Find<QDateEdit>("CurrentDate");
    QTimeEdit* time = f.Find<QTimeEdit>("CurrentTime");
    QCOMPARE(date->date(), QDate(2009, 1, 1));
    QCOMPARE(time->time(), QTime(2, 30));
    QVERIFY(!date->isEnabled());
    QVERIFY(Combo("CB_GmtOff")->isEnabled());

    Choose("CB_AutUpdate", 0);  // OFF: only the daylight hour is added
    QVERIFY(date->isEnabled());
    QVERIFY(!Combo("CB_GmtOff")->isEnabled());
    QCOMPARE(time->time(), QTime(0, 30));
    QCOMPARE(date->date(), QDate(2009, 1, 1));
    Choose("CB_DaylightTime", 0);
    QCOMPARE(date->date(), QDate(2008, 12, 31));
    QCOMPARE(time->time(), QTime(23, 30));

    // What the user sets is what the picker keeps showing; the record holds it unshifted.
    Choose("CB_DaylightTime", 1);
    time->setTime(QTime(8, 15));
    QCOMPARE(db.GetClockHour(), 7);
    QCOMPARE(db.GetClockMinute(), 15);
    QCOMPARE(db.GetClockDay(), 1);
    QCOMPARE(db.GetClockYear(), 2009);
    f.form->PreparePage();
    QCOMPARE(time->time(), QTime(8, 15));
    QCOMPARE(SystemPage::ShiftClock(QDateTime(QDate(2024, 2, 28), QTime(23, 0)), 90),
             QDateTime(QDate(2024, 2, 29), QTime(0, 30)));
    QCOMPARE(SystemPage::ShiftClock(QDateTime(QDate(2100, 3, 1), QTime(0, 10)), -720),
             QDateTime(QDate(2100, 2, 28), QTime(12, 10)));
  }

  void allowedEndFollowsTheStart() {
    f.Db().SetAllowedTimeSwitch(0);
    f.Db().SetAllowedStartHour(10), f.Db().SetAllowedStartMinute(50);
    f.Db().SetAllowedEndHour(12), f.Db().SetAllowedEndMinute(30);
    EnterPage();
    QTimeEdit* start = f.Find<QTimeEdit>("AllowStartTime");
    QTimeEdit* end = f.Find<QTimeEdit>("AllowEndTime");
    QVERIFY(start->isEnabled());
    start->setTime(QTime(10, 55));
    QCOMPARE(end->time(), QTime(12, 30));
    start->setTime(QTime(12, 45));
    QCOMPARE(end->time(), QTime(12, 46));
    QCOMPARE(f.Db().GetAllowedEndMinute(), 46);
    start->setTime(QTime(23, 59));  // no minute after 23:59
    QCOMPARE(end->time(), QTime(23, 59));
    QCOMPARE(f.Db().GetAllowedEndHour(), 23);

    Choose("CB_AllTime", 1);
    QVERIFY(!start->isEnabled() && !end->isEnabled());
    QCOMPARE(f.Db().GetAllowedTimeSwitch(), 1);
    Choose("CB_AllTime", 0);
    QVERIFY(start->isEnabled());
    const QTime s = start->time(), e = end->time();
    QVERIFY(e == s.addSecs(60) || (s == QTime(23, 59) && e == s));
    QCOMPARE(f.Db().GetAllowedStartMinute(), s.minute());
    QCOMPARE(f.Db().GetAllowedEndMinute(), e.minute());
  }

  void passwordNeedsAMatchingConfirmation() {
    EnterPage();
    QLineEdit* pass = f.Find<QLineEdit>("E_Pass");
    QLineEdit* confirm = f.Find<QLineEdit>("E_ConPass");
    QCOMPARE(pass->text(), QString("0000"));
    QVERIFY(confirm->isReadOnly());

    pass->setFocus();
    pass->clear();
    QTest::keyClicks(pass, "12a3");  // letters are dropped
    QCOMPARE(pass->text(), QString("123"));
    QVERIFY(confirm->isReadOnly());
    QTest::keyClicks(pass, "4");
    QVERIFY(!confirm->isReadOnly());

    QTest::keyClicks(confirm, "1235");
    QCOMPARE(f.Db().GetPin(), std::string("0000"));  // a mismatch stores nothing
    Leave(confirm);
    QCOMPARE(f.LastMessage(), QString("Confirm password error!"));
    QVERIFY(confirm->text().isEmpty());
    QVERIFY(!f.form->Document().settingsModified);

    QTest::keyClicks(confirm, "1234");
    QCOMPARE(f.Db().GetPin(), std::string("1234"));
    QVERIFY(f.form->Document().settingsModified);
    const size_t shown = f.MessageCount();
    Leave(confirm);
    QCOMPARE(f.MessageCount(), shown);

    f.form->PreparePage();  // the confirmation box is closed again
    QVERIFY(confirm->isReadOnly());
    QCOMPARE(pass->text(), QString("1234"));
  }

  void valuesWithoutAnItemShowNoSelection() {
    f.Db().SetUhfChannel(5);
    f.Db().SetTvStandard(1);
    f.Db().SetBannerTime(0);
    EnterPage();
    QCOMPARE(Combo("CB_UHFCha")->currentIndex(), -1);
    QCOMPARE(Combo("CB_TVSta")->currentText(), QString("PAL"));
    QCOMPARE(Combo("CB_BanDis")->currentIndex(), 0);
    QVERIFY(!f.Find<QWidget>("P_SysUHF")->isVisible());
    QVERIFY(f.Find<QWidget>("CB_RemotMod")->isVisible());
  }
};

QTEST_MAIN(TestSystemPage)
#include "TestSystemPage.moc"
