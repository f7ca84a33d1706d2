// The 32 favorite groups: names, ordered service lists and the membership kept in step with the
// services' favorite masks.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "db/DbContext.h"
#include "db/DbLayout.h"
#include "db/FavoriteRecords.h"
#include "db/ServiceLinks.h"

class M_favorite : public virtual ServiceLinks, public virtual DbContext {
 public:
  // Shows an error notice with an OK button; set by the window. The database shows nothing itself.
  using NoticeHandler = std::function<void(const std::string& text)>;

  M_favorite();

  void ResetFavorites();
  void DecodeFavorites(const uint8_t* block);
  void EncodeFavorites(uint8_t* block) const;

  void SetFavoriteNoticeHandler(NoticeHandler handler);

  // Group number 0 to 31 of a mask with exactly one bit set; -1 for any other mask.
  static int FavoriteGroupOfBit(uint32_t mask);
  // False while the program header marker says the groups are absent.
  bool FavoriteGroupsPresent() const;

  // The view record of a group; nullptr outside 0 to 31.
  const fav_grogup_info_show_s* GetFavoriteGroupInfo(int group) const;
  const fav_group_rec_s* GetFavoriteGroupRecord(int group) const;

  // Number of entries (a stored count outside 0 to 200 reads as the nearest limit); 0 for a bad group.
  int GetFavoriteGroupCount(int group) const;
  // Service slot at a list index below the count; -1 otherwise.
  int GetFavoriteGroupEntry(int group, int index) const;
  std::string GetFavoriteGroupName(int group) const;
  // Renames the group of a single-bit mask (at most 15 characters are kept); false for another mask.
  bool SetFavoriteGroupName(uint32_t mask, const std::string& text);

  // True when the service is used, the groups are present and its mask shares a bit with mask.
  bool IsServiceInFavorite(int service, uint32_t mask) const;
  // Adds the service to the group of a single-bit mask, or removes it when it is a member; keeps
  // the group's list and the service's mask in step. Shows "Current favorite table is full!"
  // through the notice handler when a 201st service would join. False when nothing changed.
  bool ToggleServiceFavorite(int service, uint32_t mask);
  // Removes the slot from one group's list and leaves the service's mask to the caller.
  bool RemoveServiceFromFavorite(int service, int group);

  // Moves a listed service directly in front of / behind a listed anchor in one group's list.
  // False when either is not listed or the order would not change.
  bool MoveFavoriteEntryBefore(int group, int service, int anchor);
  bool MoveFavoriteEntryAfter(int group, int service, int anchor);

  // Operations on several services of one group. The database passes the marked services of its
  // service view in view order (or the current service when none is marked) and the group of the
  // view's favorite mask.
  //
  // Toggles each service in turn and stops as soon as the group holds 200 entries after a toggle.
  void ToggleServicesFavorite(const std::vector<int>& services, uint32_t mask);
  // Moves each of the services (at most 200) behind its predecessor in the list, so that they
  // follow the first one as a block. Returns the first service, -1 for none.
  int GatherFavoriteEntries(int group, const std::vector<int>& services);
  // Moves the services as a block, in their given order, directly in front of / behind the anchor.
  void MoveFavoriteEntriesBefore(int group, const std::vector<int>& services, int anchor);
  void MoveFavoriteEntriesAfter(int group, const std::vector<int>& services, int anchor);

 private:
  static bool IsGroup(int group) { return group >= 0 && group < dblayout::kFavoriteGroupCount; }
  int IndexInGroup(int group, int service) const;
  void PutCount(int group, int count);
  void PutEntry(int group, int index, uint16_t service);
  void DecodeGroupView(int group);
  bool MoveEntry(int group, int service, int anchor, bool after);

  std::vector<fav_group_rec_s> m_favImage;
  std::vector<fav_grogup_info_show_s> m_favInfo;
  NoticeHandler m_favNotice;
};
