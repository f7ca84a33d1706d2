// The twin Provider page (tab 3, page code 2) and CASystem page (tab 4, page code 3): the used
// providers or CA systems on the left (`LB_Provider`, `LB_CAS`), the selected one's name edit
// above them (`E_ProName`, `E_CASName`) and its services of the current list on the right
// (`LB_ProSer`, `LB_CASSer`). A click there makes the service current for the Service page.
#pragma once
#include <QWidget>

class ColumnListView;
class m_DataBase;
class QLineEdit;
class TSDIAppForm;

class ProviderPage : public QWidget {
  Q_OBJECT
 public:
  enum Kind { Provider, CaSystem };

  ProviderPage(TSDIAppForm& form, Kind kind);

  Kind PageKind() const { return m_kind; }
  int Tab() const { return m_kind == Provider ? 3 : 4; }

  // Entering the page (RefreshCurrentPage with page code 2 or 3).
  void RefreshPage();
  // FillProviderList / FillCASystemList: the left list, then the services.
  void FillList();
  // FillProviderServices / FillCASystemServices.
  void FillServices();
  void AfterListKindChange();
  void AfterDeliveryChange();
  void OnEditorReset();

  QLineEdit* NameEdit() const { return m_name; }
  ColumnListView* OwnerList() const { return m_list; }
  ColumnListView* ServiceList() const { return m_services; }

 public slots:
  void ListClick(int item);     // LB_ProviderClick / LB_CASClick
  void ServiceClick(int item);  // LB_ProSerClick / LB_CASSerClick
  void NameKeyUp();             // E_ProNameKeyUp / E_CASNameKeyUp

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool Loaded() const;
  void SyncViewState();
  int Selected() const;
  void SetSelected(int slot);
  int ViewCount() const;
  int ViewEntry(int position) const;
  std::string NameOf(int slot) const;
  // Selects the list item showing the selected entry; when it is not listed, the first entry
  // becomes the selected one and its services are shown.
  void SelectShownEntry();

  TSDIAppForm& m_form;
  m_DataBase& m_db;
  Kind m_kind;
  QLineEdit* m_name = nullptr;
  ColumnListView* m_list = nullptr;
  ColumnListView* m_services = nullptr;
};
