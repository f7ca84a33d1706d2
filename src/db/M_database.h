// The in-memory channel database of the open file: the tables (one mixin per table), the view
// state, the view lists, the selection marks and the table-level operations.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/M_antenna.h"
#include "db/M_casystem.h"
#include "db/M_favorite.h"
#include "db/M_program.h"
#include "db/M_provider.h"
#include "db/M_system.h"
#include "db/M_transponder.h"
#include "files/M_dldfile.h"

// View modes of the service list.
enum ViewMode {
  VIEW_ALL = 0,
  VIEW_SATELLITE = 1,
  VIEW_FAVORITE = 2,
  VIEW_PROVIDER = 3,
  VIEW_CAS = 4,
  VIEW_TRANSPONDER = 6,
  VIEW_ACTIVE_SATELLITES = 7,
  VIEW_USED_TRANSPONDERS = 8,
  VIEW_ALL_HD = 9
};

// Service sort keys (also the sort modes of the "Sort" menu).
enum ServiceSortKey { SORT_ORIGINAL = 0, SORT_NAME = 1, SORT_TRANSPONDER = 4, SORT_PROVIDER = 5, SORT_SATELLITE = 6 };

// Delivery kinds of the view state.
enum DeliveryKind { DELIVERY_SATELLITE = 1, DELIVERY_TERRESTRIAL = 2, DELIVERY_ANY = 4 };

// The whole view state, set at once when a file is opened.
struct ViewState {
  int viewMode = VIEW_ALL;
  int satellite = -1;
  int casSystem = -1;
  int provider = -1;
  uint32_t favoriteMask = 1;
  int serviceSort = SORT_ORIGINAL;
  int deliveryKind = DELIVERY_SATELLITE;
  int transponder = -1;
  int serviceType = 0;
};

// The option values that steer the optimiser.
struct OptimizeOptions {
  bool multipleTp = false;      // run the multiple pass
  bool multipleTpFreq = false;  // 1 MHz frequency tolerance
  bool unusedTp = false;        // run the unused pass
  bool sameSymbolRate = false;
  bool samePolarity = false;
  bool sameFec = false;
};

struct OptimizeResult {
  int unusedDeleted = 0;
  int multipleMerged = 0;
};

// One finding of the consistency check.
struct DbFinding {
  enum Severity { WARNING, ERROR } severity;
  std::string text;
};

class m_DataBase : public m_DLDFile,
                   public M_antenna,
                   public M_transponder,
                   public M_program,
                   public M_provider,
                   public M_casystem,
                   public M_favorite,
                   public M_system {
public:
  static constexpr int kNone = -1;
  static constexpr int kLanguageCount = 20;
  // A walk of the service order never takes more steps than there are service slots.
  static constexpr int kMaxOrderSteps = dblayout::kServiceCount;

  m_DataBase();
  ~m_DataBase() override = default;

  // Resets every table, the view state, the view lists and the marks.
  void ClearDatabase();
  // Decodes every table from a database block of dblayout::kBlockSize bytes.
  void DecodeDatabase(const uint8_t* block);
  // Encodes every table into a fresh block filled with 0xFF.
  std::vector<uint8_t> EncodeDatabase() const;

  bool SatelliteSettingSelector() const override;

  // ---- View state -------------------------------------------------------------------------
  void SetViewState(const ViewState& state);
  ViewState GetViewState() const;
  int GetViewMode() const { return m_view.viewMode; }
  void SetViewMode(int mode) { m_view.viewMode = mode; }
  int GetViewServiceType() const { return m_view.serviceType; }
  void SetViewServiceType(int type) { m_view.serviceType = type; }
  int GetViewDelivery() const { return m_view.deliveryKind; }
  void SetViewDelivery(int kind) { m_view.deliveryKind = kind; }
  int GetSelectedSatellite() const { return m_view.satellite; }
  void SetSelectedSatellite(int slot) { m_view.satellite = slot; }
  int GetSelectedTransponder() const { return m_view.transponder; }
  void SetSelectedTransponder(int slot) { m_view.transponder = slot; }
  int GetSelectedProvider() const { return m_view.provider; }
  void SetSelectedProvider(int slot) { m_view.provider = slot; }
  int GetSelectedCas() const { return m_view.casSystem; }
  void SetSelectedCas(int slot) { m_view.casSystem = slot; }
  uint32_t GetViewFavoriteMask() const { return m_view.favoriteMask; }
  void SetViewFavoriteMask(uint32_t mask) { m_view.favoriteMask = mask; }
  int GetServiceSort() const { return m_view.serviceSort; }
  void SetServiceSort(int sort) { m_view.serviceSort = sort; }
  int GetCurrentService() const { return m_currentService; }
  void SetCurrentService(int slot) { m_currentService = slot; }
  bool GetHdViewFlag() const { return m_hdView; }
  void SetHdViewFlag(bool on) { m_hdView = on; }

  // The language name for an index 0 to 19; an empty text otherwise.
  static std::string GetLanguageName(int index);

  // ---- Selection marks ----------------------------------------------------------------------
  bool IsServiceMarked(int slot) const;
  void SetServiceMark(int slot, bool on);
  void ToggleServiceMark(int slot);
  int CountMarkedServices() const;  // marked services of the service view
  bool IsTransponderMarked(int slot) const;
  void SetTransponderMark(int slot, bool on);
  void ToggleTransponderMark(int slot);
  int CountMarkedTransponders() const;  // marked transponders of the transponder view

  // ---- Service order ------------------------------------------------------------------------
  int FirstService() const;
  int LastService() const;
  int NextService(int slot) const;      // -1 at the end or for a broken link
  int PreviousService(int slot) const;  // -1 at the start or for a broken link
  // The services of the order from the first on, at most kMaxOrderSteps of them.
  std::vector<int> ServiceOrder() const;
  // True when the order is one doubly linked list over exactly the used services.
  bool IsServiceOrderConsistent(std::string* why = nullptr) const;

  // ---- View lists ---------------------------------------------------------------------------
  void BuildServiceView();
  bool ServiceInCurrentList(int slot) const;
  bool ServiceMatchesView(int slot) const;
  void BuildFavoriteServiceView(uint32_t mask);
  int CompareServices(int a, int b, int key) const;
  void SortServiceView(int first, int last);
  int GetServiceViewCount() const { return m_serviceViewCount; }
  int GetServiceViewEntry(int position) const;
  int FindServiceViewPosition(int slot) const;

  void BuildSatelliteView();
  std::vector<int> CountServicesPerSatellite() const;
  int GetSatelliteViewCount() const { return m_satelliteViewCount; }
  int GetSatelliteViewEntry(int position) const;
  int FindSatelliteViewPosition(int slot) const;

  void BuildTransponderView();
  int GetTransponderViewCount() const { return m_transponderViewCount; }
  int GetTransponderViewEntry(int position) const;
  int FindTransponderViewPosition(int slot) const;

  // The number of used services whose transponder field holds the slot (any delivery kind).
  int CountTransponderServices(int transponder) const;

  // ---- Service editing ----------------------------------------------------------------------
  int AddService(int row, bool hdPage);
  void DeleteService(int slot);
  void DeleteMarkedServices();
  // Deletes the services on a transponder of the given table (terrestrial or satellite).
  void DeleteTransponderServices(int transponder, bool terrestrial = false);
  bool MoveServiceAfter(int service, int anchor);
  bool MoveServiceBefore(int service, int anchor);
  int GatherMarkedServices();
  int MoveMarkedServicesAfter(int row);
  int MoveMarkedServicesBefore(int row);
  void SetMarkedServicesProvider(int provider);
  // False when the transponder's service limit stopped the change (for one service or part way).
  bool SetMarkedServicesTransponder(int transponder);
  void ToggleMarkedServicesLocked();
  void ToggleMarkedServicesSkipped();
  void ToggleMarkedServicesScrambled();
  void ToggleMarkedServicesHd();
  // The marked services of the view in view order, or the current service when none is marked.
  std::vector<int> MarkedOrCurrentServices() const;
  // The move-to command: moves the marked services (or the service at sourceRow) to the view
  // position target and returns the grid row to show.
  int MoveServicesToPosition(int sourceRow, int target);

  // ---- Sort, selection and search -----------------------------------------------------------
  // The "Sort" menu: 0 Original, 1 name, 4 transponder, 5 provider, 6 satellite. Returns true
  // when moves and cuts are possible afterwards (service order).
  bool ApplySortCommand(int sortMode);
  int GetSortMode() const { return m_sortMode; }
  int GetActiveSortKey() const { return m_activeSortKey; }
  bool IsSortAscending(int key) const;
  void FindServicesByName(const std::string& text);

  void SelectAllServices();
  void UnselectAllServices();
  void InvertServiceMarks();
  void MarkServicesOfProvider(int row);
  void MarkServicesOfTransponder(int row);
  void MarkServicesOfAntenna(int row);
  void MarkHdServices();
  void SelectAllTransponders();
  void UnselectAllTransponders();
  void InvertTransponderMarks();
  void MarkTranspondersOfAntenna(int row);

  // ---- Transponder editing ------------------------------------------------------------------
  int AddTransponder(int row);
  void DeleteTransponder(int slot, bool withServices);
  void DeleteTerTransponder(int slot, bool withServices);
  void DeleteMarkedTransponders();
  void MoveTransponderAfter(int satellite, int tp, int anchor);
  void MoveTransponderBefore(int satellite, int tp, int anchor);
  void MoveTerTransponderAfter(int tp, int anchor);
  void MoveTerTransponderBefore(int tp, int anchor);
  int GatherMarkedTransponders(int satellite);
  int MoveMarkedTranspondersAfter(int row, int satellite);
  int MoveMarkedTranspondersBefore(int row, int satellite);
  void SetMarkedTranspondersPolarity(int value);
  void SetMarkedTranspondersFec(int value);
  void SetMarkedTranspondersModulation(int value);
  std::vector<int> MarkedOrCurrentTransponders() const;

  // ---- Optimise -----------------------------------------------------------------------------
  OptimizeResult RunOptimize(const OptimizeOptions& options);
  int RemoveUnusedTransponders();
  void MarkUnusedTransponders();
  bool IsTransponderReferenced(int slot) const;
  int RemoveMultipleTransponders(int satellite, const OptimizeOptions& options);
  int MergeTransponders(int a, int b);
  // Services of the satellite table (or, with terrestrial set, of the terrestrial table) only.
  bool ServiceIdExistsOnTransponder(int transponder, int serviceId, bool terrestrial = false) const;
  // The text of the result box.
  static std::string OptimizeReport(const OptimizeResult& result);

  // ---- Consistency --------------------------------------------------------------------------
  std::vector<DbFinding> CheckDatabaseConsistency() const;

private:
  // Service order links, none = -1.
  void LinkServices(int prev, int next);
  void UnlinkService(int slot);
  void LinkServiceAfter(int slot, int anchor);
  void LinkServiceBefore(int slot, int anchor);
  std::vector<int> MarkedServicesInView() const;
  // The services on a transponder of one table, in service order, then any outside the order.
  std::vector<int> ServicesOnTransponder(int transponder, bool terrestrial) const;
  std::vector<int> MarkedTranspondersInView() const;
  void AdjustServiceCounts(int slot, CountUpdateMode mode);
  void ReleaseServiceUses(int slot);
  int ServiceTransponderSlot(int slot) const;
  int ServiceProviderSlot(int slot) const;
  int TransponderNumberOf(int satellite, int slot) const;
  void SetTransponderNumberOf(int satellite, int slot, int number);
  void MoveTransponderGeneric(int satellite, int tp, int anchor, bool after);
  std::vector<int> TranspondersByNumber(int satellite) const;
  int MakeRoomForTransponder(int satellite, int k);
  void SortPartition(int first, int last, bool ascending);
  void ClearViewLists();
  int CountSatelliteServicesOnTransponder(int slot) const;

  ViewState m_view;
  int m_currentService = kNone;
  bool m_hdView = false;

  // Sort state: direction flags (name, provider, transponder, satellite) live for the whole run.
  bool m_sortAscending[4] = {false, false, false, false};
  int m_activeSortKey = SORT_NAME;
  int m_sortMode = SORT_ORIGINAL;

  int m_serviceViewCount = 0;
  int m_serviceView[dblayout::kServiceCount];
  int m_satelliteViewCount = 0;
  int m_satelliteView[dblayout::kSatelliteCount];
  int m_transponderViewCount = 0;
  int m_transponderView[dblayout::kTransponderCount];

  uint8_t m_serviceMarks[dblayout::kServiceCount];
  uint8_t m_transponderMarks[dblayout::kTransponderCount];
};
