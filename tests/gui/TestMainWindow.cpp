// The main window shell: caption, the two states, menu rules, close question, options dialog.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ScriptedDialogs.h"
#include "app/SettingsFile.h"
#include "app/window/TFormOptions.h"
#include "app/window/TSDIAppForm.h"
#include "app/window/TtUsesForm.h"

namespace {
// Enabled state of a menu item, a submenu or a widget, by object name.
bool IsEnabled(QWidget* w, const QString& name) {
  if (auto* menu = w->findChild<QMenu*>(name)) return menu->menuAction()->isEnabled();
  if (auto* action = w->findChild<QAction*>(name)) return action->isEnabled();
  auto* widget = w->findChild<QWidget*>(name);
  if (!widget) qFatal("no control %s", qPrintable(name));
  // The widget's own setting: the hidden SatcoDX and Optimize panels do not count.
  return !widget->testAttribute(Qt::WA_ForceDisabled);
}

QString ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct RecordingController : DocumentController {
  QStringList calls;
  void Open(DocumentHost&, OpenCommand c) override {
    calls << (c == OpenCommand::Data ? "open data" : "open default");
  }
  void Reopen(DocumentHost&, const std::string& path) override {
    calls << "reopen " + QString::fromStdString(path);
  }
  void Save(DocumentHost&, SaveCommand c) override { calls << QString("save %1").arg(int(c)); }
};
}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

private:
  QTemporaryDir m_dir;
  std::unique_ptr<TSDIAppForm> m_form;
  ScriptedDialogs* m_dialogs = nullptr;

  void LoadDocument() {
    m_form->Document().databaseLoaded = true;
    m_form->EnterDocumentState();
  }

private slots:
  void init() {
    QVERIFY(m_dir.isValid());
    QFile::remove(m_dir.filePath("Velmora.ini"));
    m_form = std::make_unique<TSDIAppForm>(m_dir.path().toStdString());
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    m_form->SetDialogs(std::move(dialogs));
    m_form->show();
  }
  void cleanup() {
    m_form->Document() = DocumentState();  // let it close without a question
    m_form.reset();
  }

  void captionAndTitle() {
    ConfigureApplication();
    QCOMPARE(QApplication::applicationName(), QString("[Velmora]"));
    QCOMPARE(m_form->windowTitle(), QString("Torvane 2.0.12"));
    const QStringList tabs = {"Service", "Favorite", "HD", "Provider", "CASystem", "Transponder",
                              "Satellite", "System"};
    QCOMPARE(m_form->PageControl()->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) QCOMPARE(m_form->PageControl()->tabText(i), tabs[i]);
  }

  void enableTableInBothStates() {
    // name, enabled after the reset, enabled after entering the document state
    const struct {
      const char* name;
      bool reset, document;
    } table[] = {
        {"Menu_Save", false, false},     {"Menu_SaveAs", false, false},    {"TB_Save", false, true},
        {"TB_Find", false, true},        {"TB_Cut", false, true},          {"TB_Paste", false, false},
        {"Menu_SerPaste", false, false}, {"PM_SerPaste", false, false},    {"Menu_Select", false, true},
        {"Menu_Search", false, true},    {"Menu_SerCut", false, true},     {"SB_SatCoDX", false, true},
        {"SB_Optimize", false, true},    {"TB_Download", false, true},     {"Menu_Download", false, true},
        {"TB_Upload", true, true},       {"SB_TV", false, true},           {"SB_Radio", false, true},
        {"Menu_TV", false, true},        {"Menu_Radio", false, true},      {"SB_Sat", false, true},
        {"SB_Ter", false, true},         {"Menu_Sort", false, true},       {"Menu_Service", false, true},
        {"Menu_Favorite", false, true},  {"Menu_Provider", false, true},   {"Menu_CASystem", false, true},
        {"Menu_Transponder", false, true}, {"Menu_Antenna", false, true},  {"Menu_System", false, true},
        {"SB_Cab", true, true},          {"Menu_Upload", true, true},
    };
    auto check = [&](bool document) {
      for (const auto& row : table)
        QVERIFY2(IsEnabled(m_form.get(), row.name) == (document ? row.document : row.reset), row.name);
      QCOMPARE(m_form->findChild<QLabel*>("Image_Main")->isVisible(), !document);
      QCOMPARE(m_form->findChild<QWidget*>("P_Main")->isVisible(), document);
      QVERIFY(!m_form->findChild<QWidget*>("P_SatCoDX")->isVisible());
      QVERIFY(!m_form->findChild<QWidget*>("P_Optimize")->isVisible());
    };
    check(false);
    LoadDocument();
    check(true);
    m_form->ResetEditor();
    QVERIFY(!m_form->Document().databaseLoaded);
    check(false);
    QCOMPARE(m_form->findChild<QWidget*>("P_SatSwitch")->width(), 50);
    QVERIFY(m_form->findChild<QToolButton*>("SB_TV")->isChecked());
    QVERIFY(m_form->findChild<QToolButton*>("SB_Sat")->isChecked());
  }

  void hintsSplitBetweenToolTipAndStatusBar() {
    auto* save = m_form->findChild<QToolButton*>("TB_Save");
    QCOMPARE(save->toolTip(), QString("Save"));
    QCOMPARE(save->statusTip(), QString("Save current file"));
    auto* find = m_form->findChild<QToolButton*>("TB_Find");
    QCOMPARE(find->toolTip(), QString("Search Service"));
    QCOMPARE(find->statusTip(), QString("Search Service"));
  }

  // Every tool button a user can reach shows a picture that really renders (the drawings come from
  // a resource file in a static library, which is easy to leave unregistered).
  void toolButtonsShowARenderedPicture() {
    for (const char* name : {"TB_Open", "TB_Save", "TB_Find", "TB_Cut", "TB_Paste", "TB_Options",
                             "TB_Upload", "TB_Download", "SB_TV", "SB_Radio", "SB_Sat", "SB_Ter", "TB_Exit"}) {
      auto* b = m_form->findChild<QToolButton*>(name);
      QVERIFY2(b && !b->icon().isNull(), name);
      const QImage image = b->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
      int inked = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
      QVERIFY2(inked > 16, name);
    }
  }

  void fileMenuEnablesSaveAndListsRecentFiles() {
    QMenu* file = m_form->findChild<QMenu*>("Menu_File");
    emit file->aboutToShow();
    QVERIFY(!IsEnabled(m_form.get(), "Menu_Save"));
    QVERIFY(!IsEnabled(m_form.get(), "Menu_SaveAs"));
    for (int tag = 1; tag <= 10; ++tag)
      QVERIFY(!m_form->findChild<QAction*>(QString("Menu_Reopen%1").arg(tag))->isVisible());

    SettingsFile settings(m_dir.filePath("Velmora.ini").toStdString());
    for (const char* p : {"/c.dld", "/R&D/b.dld", "/a.dld"}) AddRecentFile(settings, p);
    LoadDocument();
    emit file->aboutToShow();
    QVERIFY(IsEnabled(m_form.get(), "Menu_Save"));
    QVERIFY(IsEnabled(m_form.get(), "Menu_SaveAs"));
    const QStringList shown = {"/a.dld", "/R&&D/b.dld", "/c.dld"};
    for (int tag = 1; tag <= 10; ++tag) {
      QAction* item = m_form->findChild<QAction*>(QString("Menu_Reopen%1").arg(tag));
      QCOMPARE(item->isVisible(), tag <= 3);
      if (tag <= 3) QCOMPARE(item->text(), shown[tag - 1]);
    }

    QMenu* dropDown = m_form->findChild<QMenu*>("PM_Latest");
    emit dropDown->aboutToShow();
    QCOMPARE(dropDown->actions().size(), 3);
    QCOMPARE(dropDown->actions().at(0)->text(), QString("1/a.dld"));
  }

  void editAndViewMenusFollowThePage() {
    QMenu* edit = m_form->findChild<QMenu*>("Menu_Edit");
    QMenu* view = m_form->findChild<QMenu*>("Menu_View");
    // Without a file only Paste follows the cut-pending flag.
    m_form->Document().cutPending = true;
    emit edit->aboutToShow();
    QVERIFY(IsEnabled(m_form.get(), "Menu_SerPaste"));
    QVERIFY(!IsEnabled(m_form.get(), "Menu_Search"));

    LoadDocument();
    m_form->PageControl()->setCurrentIndex(1);  // Favorite
    m_form->Document().cutPending = false;
    emit edit->aboutToShow();
    emit view->aboutToShow();
    for (const char* name : {"Menu_SerCut", "Menu_Search", "Menu_Select", "Menu_SerPaste", "Menu_Sort"})
      QVERIFY2(!IsEnabled(m_form.get(), name), name);

    m_form->PageControl()->setCurrentIndex(0);  // Service
    emit edit->aboutToShow();
    emit view->aboutToShow();
    for (const char* name : {"Menu_Search", "Menu_Select", "Menu_Sort"})
      QVERIFY2(IsEnabled(m_form.get(), name), name);
    QVERIFY(!IsEnabled(m_form.get(), "Menu_SerPaste"));
  }

  void closeAsksOnlyWhenModified() {
    QVERIFY(m_form->close());
    QCOMPARE(m_dialogs->CountOf(ScriptedDialogs::Shown::Question), 0);

    m_form->show();
    m_form->Document().settingsModified = true;
    m_dialogs->answers = {Answer::No, Answer::Yes};
    QVERIFY(!m_form->close());
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_dialogs->MessageTexts(),
             std::vector<std::string>{"Settings not saved, exit and ignore the modification?"});
    QVERIFY(m_form->close());
    QCOMPARE(m_dialogs->CountOf(ScriptedDialogs::Shown::Question), 2);
  }

  void optionsCancelKeepsPendingPortAndSwitches() {
    TFormOptions* options = m_form->OptionsForm();
    const QString ini = m_dir.filePath("Velmora.ini");
    QVERIFY(options->findChild<QRadioButton*>("RB_Com0")->isChecked());
    QVERIFY(!options->findChild<QRadioButton*>("RB_Bau")->isEnabled());

    QTest::mouseClick(options->findChild<QRadioButton*>("RB_Com2"), Qt::LeftButton);
    options->findChild<QCheckBox*>("CB_DownloadRun")->click();
    options->findChild<QPushButton*>("SB_Can")->click();
    QCOMPARE(int(m_form->Options().port), 1);
    QVERIFY(!m_form->Options().showDownload);  // takes effect at once
    QVERIFY(!QFile::exists(ini));              // nothing written

    options->findChild<QPushButton*>("SB_OK")->click();
    QCOMPARE(int(m_form->Options().port), 3);
    QCOMPARE(int(m_form->Options().satcoDxWithSame), 1);
    const QString text = ReadAll(ini);
    QVERIFY(text.contains("Com=3\n"));
    QVERIFY(text.contains("SatcoDX With Same=1\n"));
    QVERIFY(text.contains("Show Rule Of Download=0\n"));
  }

  void resetRereadsOptionsChangedOnlyInMemory() {
    TFormOptions* options = m_form->OptionsForm();
    options->findChild<QCheckBox*>("CB_UpgradeRun")->click();
    QVERIFY(!m_form->Options().showUpgrade);
    m_form->ResetEditor();
    QVERIFY(m_form->Options().showUpgrade);
  }

  void optionsToolButtonShowsTheDialogModally() {
    TFormOptions* options = m_form->OptionsForm();
    QTimer::singleShot(0, options, [options] {
      QVERIFY(options->isModal() && options->isVisible());
      options->findChild<QPushButton*>("SB_OK")->click();
    });
    m_form->findChild<QToolButton*>("TB_Options")->click();
    QVERIFY(!options->isVisible());
    QVERIFY(QFile::exists(m_dir.filePath("Velmora.ini")));
  }

  void busyNoticeLooksTheSameForEveryText() {
    TtUsesForm* busy = m_form->BusyForm();
    busy->ShowNotice("File loading, please wait...");
    QVERIFY(busy->isVisible());
    QCOMPARE(busy->size(), QSize(500, 45));
    QCOMPARE(busy->Label()->text(), QString("File loading, please wait..."));
    QCOMPARE(busy->Label()->pos(), QPoint(50, 9));
    QCOMPARE(busy->Label()->font().family(), QString("Arial"));
    QCOMPARE(busy->Label()->font().pointSize(), 17);
    QCOMPARE(busy->Label()->palette().color(QPalette::WindowText), QColor(Qt::red));
    busy->HideNotice();
    QVERIFY(!busy->isVisible());
  }

  void commandsReachTheDocumentController() {
    auto controller = std::make_unique<RecordingController>();
    RecordingController* calls = controller.get();
    m_form->SetDocumentController(std::move(controller));
    SettingsFile settings(m_dir.filePath("Velmora.ini").toStdString());
    for (const char* p : {"/b.dld", "/a.dld"}) AddRecentFile(settings, p);

    m_form->findChild<QAction*>("Menu_OpenDefault")->trigger();
    m_form->findChild<QAction*>("Menu_SaveToData")->trigger();
    m_form->SB_LatestFileClick(2);
    m_form->SB_LatestFileClick(3);  // no such entry: nothing happens
    QCOMPARE(calls->calls, (QStringList{"open default", "save 1", "reopen /b.dld"}));
  }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
