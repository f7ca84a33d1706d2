// The Favorite page (tab 1, page code 1, or 7 in language-service mode): the service list
// `XSG_FavSer` on the left and four favorite groups side by side, each with its name edit
// `E_Fav`n and its grid `XSG_Fav`n, paged four at a time by `SB_NextPage`. Services join a group
// by drag and drop from the list and are reordered by drag and drop inside the group's grid.
#pragma once
#include <QWidget>
#include <array>
#include <cstdint>

#include "ui/FavoriteGrid.h"

class m_DataBase;
class QLineEdit;
class QMenu;
class QToolButton;
class TSDIAppForm;

class FavoritePage : public QWidget, private FavoriteGridHandler {
  Q_OBJECT
 public:
  static constexpr int kFavoriteTab = 1;
  static constexpr int kLanguageGroupCount = 17;

  explicit FavoritePage(TSDIAppForm& form);

  // ---- Page operations --------------------------------------------------------------------
  void RefreshFavoritePage();  // page codes 1 and 7 of RefreshCurrentPage
  void FillFavoriteServiceList();
  void FillFavoriteGroups();
  void FillFavoriteGroupGrid(uint32_t bit);
  void AfterListKindChange();
  void AfterDeliveryChange();
  void OnEditorReset();

  // ---- State ------------------------------------------------------------------------------
  int PageNumber() const { return m_page; }
  int PageCount() const;
  // The favorite group (or, in language-service mode, the language group) that the controls
  // with `tag` (1 to 4) stand for on the current page; -1 when they stand for none.
  int GroupOfTag(int tag) const;
  static QString LanguageGroupName(int group);
  int LastMouseColumn() const { return m_lastColumn; }
  int LastMouseRow() const { return m_lastRow; }
  FavoriteGridView* ServiceList() const { return m_XSG_FavSer; }
  FavoriteGridView* GroupGrid(int tag) const { return m_XSG_Fav[static_cast<size_t>(tag - 1)]; }
  QLineEdit* NameEdit(int tag) const { return m_E_Fav[static_cast<size_t>(tag - 1)]; }

 public slots:
  void SB_NextPageClick();
  void E_Fav1KeyUp(int tag);
  void XSG_Fav1DragDrop(FavoriteGridView* grid, const QString& source, int row);
  // The group grids' context menu `PM_Fav`: "Del" takes the marked services of the grid, or the
  // one at its row, out of the group; the others mark all, none or the unmarked of the grid.
  void PM_FavDelClick(FavoriteGridView* grid);
  void PM_FavSelectClick(FavoriteGridView* grid, int command);  // 0 all, 1 none, 2 others

 private:
  // FavoriteGridHandler
  void FavGridMouseDown(FavoriteGridView* grid, int column, int row) override;
  void FavGridClick(FavoriteGridView* grid) override;
  bool FavGridMouseMove(FavoriteGridView* grid, int column, int row, Qt::MouseButtons buttons) override;
  void FavGridMouseUp(FavoriteGridView* grid) override;
  void FavGridDblClick(FavoriteGridView* grid) override;
  bool FavGridDragOver(FavoriteGridView* grid, const QString& source) override;
  void FavGridDragDrop(FavoriteGridView* grid, const QString& source, int row) override;

  bool eventFilter(QObject* watched, QEvent* event) override;

  bool Loaded() const;
  bool LanguageMode() const;
  void SetModified();
  void SyncViewState();
  void Warn(const std::string& text);
  void RecordMouseCell(int column, int row);
  void MakeRowCurrent(FavoriteGridView* grid);
  void ShowGroupView(uint32_t bit);  // view mode 2 with the group's bit, view rebuilt
  void AddServicesToGroup(int group, uint32_t bit);
  void ReorderGroup(int group, uint32_t bit, int from, int to);
  void BuildContextMenu();
  FavoriteGridView* MakeGrid(const char* name, int tag, const QString& listCaption, QWidget* parent);

  TSDIAppForm& m_form;
  m_DataBase& m_db;
  int m_page = 1;
  int m_lastColumn = -1;  // the cell under the mouse at the last press or move
  int m_lastRow = -1;
  int m_currentLanguageGroup = 0;

  FavoriteGridView* m_XSG_FavSer = nullptr;
  QToolButton* m_SB_NextPage = nullptr;
  std::array<QLineEdit*, 4> m_E_Fav{};
  std::array<FavoriteGridView*, 4> m_XSG_Fav{};
  QMenu* m_PM_Fav = nullptr;
  FavoriteGridView* m_menuGrid = nullptr;  // the grid the context menu was opened on
};
