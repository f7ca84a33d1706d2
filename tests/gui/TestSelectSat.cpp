// The satellite selection dialog: it lists the labels it is given, OK returns the chosen slot
// (also by double-click), Cancel and Escape return -1, and the window asks through it.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/window/QtUserDialogs.h"
#include "app/window/TFormSelectSat.h"
#include "app/window/TSDIAppForm.h"

class TestSelectSat : public QObject {
  Q_OBJECT
  std::vector<std::string> labels;

  // Runs `act` once the dialog's own event loop is up; a dialog `act` left open (a check in it
  // failed) is cancelled so that the test fails instead of waiting.
  static void WhenShown(TFormSelectSat& form, std::function<void()> act) {
    QTimer::singleShot(0, &form, [&form, act] {
      if (form.isVisible()) act();
      if (form.isVisible()) form.reject();
    });
  }
  static QPushButton* Button(TFormSelectSat& form, const char* name) {
    return form.findChild<QPushButton*>(name);
  }
  static QPoint RowPoint(TFormSelectSat& form, int row) {
    form.List()->scrollToItem(form.List()->item(row));
    return form.List()->visualItemRect(form.List()->item(row)).center();
  }

 private slots:
  void initTestCase() {
    for (int s = 0; s < 64; ++s)
      labels.push_back("  " + std::to_string(s + 1) + ":  [ 19.2 E]  Sat " + std::to_string(s));
  }

  void theDialogHasItsCaptionSizeAndButtons() {
    TFormSelectSat form;
    QCOMPARE(form.windowTitle(), QString("FormSelectSat"));
    QCOMPARE(form.size(), QSize(480, 271));
    QVERIFY(form.findChild<QWidget*>("P_SelectSat"));
    QCOMPARE(Button(form, "SB_OK")->text(), QString("OK"));
    QCOMPARE(Button(form, "SB_Can")->text(), QString("Cancel"));
  }

  void okReturnsTheChosenRowsSlot() {
    TFormSelectSat form;
    WhenShown(form, [&] {
      QCOMPARE(form.List()->count(), 64);
      for (int s = 0; s < 64; ++s) QCOMPARE(form.List()->item(s)->text().toStdString(), labels[size_t(s)]);
      QVERIFY(form.findChild<QLabel*>("L_SelectSat")->text().contains("pick one"));
      // Nothing is chosen for the user: OK waits for a row.
      QVERIFY(!Button(form, "SB_OK")->isEnabled());
      QTest::mouseClick(form.List()->viewport(), Qt::LeftButton, {}, RowPoint(form, 41));
      QVERIFY(Button(form, "SB_OK")->isEnabled());
      QTest::mouseClick(Button(form, "SB_OK"), Qt::LeftButton);
    });
    QCOMPARE(form.Choose(labels, "No slot is free, pick one."), 41);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.SelectedSatellite(), 41);

    // Shown again, it starts afresh, and Enter on a row chooses it.
    WhenShown(form, [&] {
      QVERIFY(form.List()->selectedItems().isEmpty());
      QVERIFY(!Button(form, "SB_OK")->isEnabled());
      form.List()->setCurrentRow(63);
      QTest::keyClick(form.List(), Qt::Key_Return);
    });
    QCOMPARE(form.Choose(labels, "pick one"), 63);
  }

  void doubleClickChooses() {
    TFormSelectSat form;
    WhenShown(form, [&] {
      const QPoint at = RowPoint(form, 12);
      QTest::mouseClick(form.List()->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(form.List()->viewport(), Qt::LeftButton, {}, at);
    });
    QCOMPARE(form.Choose(labels, "pick one"), 12);
  }

  void cancelAndEscapeReturnMinusOne() {
    TFormSelectSat form;
    WhenShown(form, [&] {
      form.List()->setCurrentRow(7);
      QTest::mouseClick(Button(form, "SB_Can"), Qt::LeftButton);
    });
    QCOMPARE(form.Choose(labels, "pick one"), -1);
    WhenShown(form, [&] {
      form.List()->setCurrentRow(7);
      QTest::keyClick(&form, Qt::Key_Escape);
    });
    QCOMPARE(form.Choose(labels, "pick one"), -1);
    QCOMPARE(form.SelectedSatellite(), -1);
  }

  void theWindowsDialogsAskThroughTheForm() {
    QTemporaryDir dir;
    TSDIAppForm window(dir.path().toStdString());
    TFormSelectSat* form = window.SelectSatForm();
    QVERIFY(form && form->parent() == &window);
    QtUserDialogs dialogs(&window, nullptr);
    WhenShown(*form, [&] {
      form->List()->setCurrentRow(2);
      QTest::keyClick(form->List(), Qt::Key_Return);
    });
    QCOMPARE(dialogs.ChooseSatellite(labels, "pick one"), 2);
  }
};

QTEST_MAIN(TestSelectSat)
#include "TestSelectSat.moc"
