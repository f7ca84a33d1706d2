// The page frame of the main window: page codes and the refresh dispatch, the leave check
// before a page change or a save, the TV/radio and satellite/terrestrial switches and "Go to".
// It plugs into TSDIAppForm through the window's hooks and signals.
#pragma once
#include <QObject>

class FavoritePage;
class ProviderPage;
class SatellitePage;
class ServicePage;
class SystemPage;
class TransponderPage;
class TSDIAppForm;

class PageFrame : public QObject {
  Q_OBJECT
 public:
  explicit PageFrame(TSDIAppForm& form);

  ServicePage& Service() { return *m_service; }
  SystemPage& System() { return *m_system; }
  TransponderPage& Transponder() { return *m_transponder; }
  SatellitePage& Satellite() { return *m_satellite; }
  FavoritePage& Favorite() { return *m_favorite; }
  ProviderPage& Provider() { return *m_provider; }
  ProviderPage& CaSystem() { return *m_casystem; }

  // The catalogue code of the first item without its parent on the page shown (21, 22), and
  // its row; 0 when all is well.
  int CheckPageBeforeLeaving(int* row) const;
  void SelectPageRow(int row);
  // PC_MainChanging: false when the page shown may not be left.
  bool PC_MainChanging();
  // Makes tab `tab` active and enters it.
  void GoTo(int tab);

 public slots:
  void RefreshCurrentPage(int pageCode);
  void AfterListKindChange(int serviceType);
  void AfterDeliveryChange(int deliveryKind);
  void OnEditorReset();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ClearServiceMarks();
  void SetFavoriteTabText();

  TSDIAppForm& m_form;
  ServicePage* m_service = nullptr;
  SystemPage* m_system = nullptr;
  TransponderPage* m_transponder = nullptr;
  SatellitePage* m_satellite = nullptr;
  FavoritePage* m_favorite = nullptr;
  ProviderPage* m_provider = nullptr;
  ProviderPage* m_casystem = nullptr;
  int m_favoritesPage = 1;
};

// Builds the pages into the window and wires them; the frame lives as long as the window.
PageFrame* InstallPages(TSDIAppForm& form);
