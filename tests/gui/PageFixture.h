// A main window with the pages built in, scripted answers for its notices, and the demo file
// opened through the window's own Open command.
#pragma once
#include <QAction>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/SampleFile.h"
#include "app/ScriptedDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/PageFrame.h"
#include "ui/ServiceGridModel.h"
#include "ui/ServicePage.h"

struct PageFixture {
  QTemporaryDir dir;
  std::string demo;
  std::unique_ptr<TSDIAppForm> form;
  ScriptedDialogs* dialogs = nullptr;
  PageFrame* frame = nullptr;
  ServicePage* page = nullptr;

  bool MakeDemo() {
    demo = dir.filePath("demo.dld").toStdString();
    return dir.isValid() && WriteSampleFile(demo, SampleProfile::Demo, 17).ok;
  }
  void OpenWindow() {
    form = std::make_unique<TSDIAppForm>(dir.path().toStdString());
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form->SetDialogs(std::move(scripted));
    frame = InstallPages(*form);
    page = &frame->Service();
    form->resize(1400, 900);
    form->show();
    dialogs->paths.push_back(demo);
    form->findChild<QAction*>("Menu_OpenData")->trigger();
  }
  void CloseWindow() {
    form->Document() = DocumentState();
    form.reset();
  }

  m_DataBase& Db() { return form->Database(); }
  ServiceGridView* Grid() { return page->Grid(); }
  int Slot(int row) { return page->GridModel()->ServiceAtRow(row); }
  std::vector<int> Rows(int first, int last) {
    std::vector<int> found;
    for (int r = first; r <= last; ++r) found.push_back(Slot(r));
    return found;
  }
  QString LastMessage() const {
    const auto texts = dialogs->MessageTexts();
    return texts.empty() ? QString() : QString::fromStdString(texts.back());
  }
  size_t MessageCount() const { return dialogs->MessageTexts().size(); }

  QPoint CellPoint(int row, int column) {
    const QModelIndex at = page->GridModel()->index(row - 1, column);
    Grid()->scrollTo(at);
    return Grid()->visualRect(at).center();
  }
  void ClickCell(int row, int column) {
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellPoint(row, column));
  }
  void DoubleClickCell(int row, int column) {
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, CellPoint(row, column));
  }
  void ClickHead(int column) {
    QHeaderView* head = Grid()->horizontalHeader();
    QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                      QPoint(head->sectionViewportPosition(column) + 5, head->height() / 2));
  }
  template <typename T>
  T* Find(const char* name) {
    T* w = form->findChild<T*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
  }
};
