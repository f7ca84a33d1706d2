#include "ui/RecordText.h"
#include "ui/FormFind.h"

#include <QAbstractTableModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "db/M_database.h"

// The result grid: row i shows the i-th found service's slot number plus one and its name.
class FindResultModel : public QAbstractTableModel {
 public:
  explicit FindResultModel(const ServiceSearch& search, QObject* parent)
      : QAbstractTableModel(parent), m_search(search) {}
  void Reset() {
    beginResetModel();
    endResetModel();
  }
  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : m_search.GridRowCount() - 1;
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : 2;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const auto& rows = m_search.Rows();
    if (role != Qt::DisplayRole || index.row() >= static_cast<int>(rows.size())) return QVariant();
    const ServiceSearch::Row& r = rows[static_cast<size_t>(index.row())];
    return FromRecord(index.column() == 0 ? r.index : r.name);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return section == 0 ? QStringLiteral("Index") : QStringLiteral("      Service    List");
  }

 private:
  const ServiceSearch& m_search;
};

FormFind::FormFind(m_DataBase& db, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_search(db) {
  setObjectName("FormFind");
  setWindowTitle("Search Service");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("Search Service Name:", this);
  auto* row = new QHBoxLayout(group);
  m_E_ProgName = new QLineEdit(group);
  m_E_ProgName->setObjectName("E_ProgName");
  m_E_ProgName->setMaxLength(32);
  row->addWidget(m_E_ProgName, 1);
  auto* find = new QPushButton("Find", group);
  find->setObjectName("SB_Find");
  auto* close = new QPushButton("Cancel", group);
  close->setObjectName("SB_Close");
  find->setAutoDefault(false);
  close->setAutoDefault(false);
  row->addWidget(find);
  row->addWidget(close);
  layout->addWidget(group);

  m_model = new FindResultModel(m_search, this);
  m_XSG_FindSer = new QTableView(this);
  m_XSG_FindSer->setObjectName("XSG_FindSer");
  m_XSG_FindSer->setModel(m_model);
  m_XSG_FindSer->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_XSG_FindSer->setSelectionMode(QAbstractItemView::SingleSelection);
  m_XSG_FindSer->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_XSG_FindSer->verticalHeader()->hide();
  m_XSG_FindSer->verticalHeader()->setDefaultSectionSize(18);
  m_XSG_FindSer->horizontalHeader()->setFixedHeight(20);
  m_XSG_FindSer->setColumnWidth(0, 35);
  m_XSG_FindSer->setColumnWidth(1, 230);
  layout->addWidget(m_XSG_FindSer, 1);

  connect(m_E_ProgName, &QLineEdit::textChanged, this, &FormFind::E_ProgNameChange);
  connect(find, &QPushButton::clicked, this, &FormFind::SB_FindClick);
  connect(close, &QPushButton::clicked, this, &FormFind::SB_CloseClick);
  connect(m_XSG_FindSer, &QTableView::doubleClicked, this, &FormFind::SB_FindClick);
}

void FormFind::FormShow() {
  m_search.Show();
  m_E_ProgName->clear();
  m_model->Reset();
  resize(300, 250);
}

int FormFind::Run() {
  FormShow();
  m_closing = false;
  exec();
  return m_search.Result();
}

void FormFind::E_ProgNameChange(const QString& text) {
  m_search.TextChanged(ToRecord(text));
  m_model->Reset();
  if (!m_search.Rows().empty()) m_XSG_FindSer->selectRow(0);
}

void FormFind::SB_FindClick() {
  const QModelIndex current = m_XSG_FindSer->currentIndex();
  m_search.Find(current.isValid() ? current.row() + 1 : 1);
  m_closing = true;
  accept();
}

void FormFind::SB_CloseClick() {
  m_search.Cancel();
  m_closing = true;
  QDialog::reject();
}

void FormFind::reject() {
  // Escape or the window's close: the same as "Cancel", so the view is put back.
  if (m_closing) return QDialog::reject();
  SB_CloseClick();
}
