#include "db/M_favorite.h"

#include <algorithm>
#include <cstring>

#include "db/RecordText.h"
#include "files/Bytes.h"

namespace {
constexpr size_t kCount = 0;
constexpr size_t kName = 2;
constexpr size_t kNameSize = 16;
constexpr size_t kNameClear = 15;
constexpr size_t kNameMaxChars = 15;
constexpr size_t kList = 18;
constexpr int kCapacity = dblayout::kFavoriteGroupCapacity;
constexpr uint16_t kNoEntry = 0xFFFF;
}  // namespace

M_favorite::M_favorite()
    : m_favImage(dblayout::kFavoriteGroupCount), m_favInfo(dblayout::kFavoriteGroupCount) {
  ResetFavorites();
}

void M_favorite::DecodeGroupView(int group) {
  const uint8_t* r = m_favImage[group].bytes;
  fav_grogup_info_show_s& v = m_favInfo[group];
  v.count = bytes::GetU16(r + kCount);
  v.name = recordtext::ReadFixed(r + kName, kNameSize);
  for (int i = 0; i < kCapacity; ++i) v.list[i] = bytes::GetU16(r + kList + 2 * static_cast<size_t>(i));
}

void M_favorite::ResetFavorites() {
  for (int group = 0; group < dblayout::kFavoriteGroupCount; ++group) {
    uint8_t* r = m_favImage[group].bytes;
    std::memset(r, 0, kList);
    std::memset(r + kList, 0xFF, 2 * static_cast<size_t>(kCapacity));
    DecodeGroupView(group);
  }
}

void M_favorite::DecodeFavorites(const uint8_t* block) {
  const uint8_t* area = block + dblayout::kFavoriteOffset;
  for (int group = 0; group < dblayout::kFavoriteGroupCount; ++group) {
    std::memcpy(m_favImage[group].bytes, area + dblayout::kFavoriteRecordSize * static_cast<size_t>(group),
                dblayout::kFavoriteRecordSize);
    DecodeGroupView(group);
  }
}

void M_favorite::EncodeFavorites(uint8_t* block) const {
  uint8_t* area = block + dblayout::kFavoriteOffset;
  for (int group = 0; group < dblayout::kFavoriteGroupCount; ++group)
    std::memcpy(area + dblayout::kFavoriteRecordSize * static_cast<size_t>(group), m_favImage[group].bytes,
                dblayout::kFavoriteRecordSize);
}

void M_favorite::SetFavoriteNoticeHandler(NoticeHandler handler) { m_favNotice = std::move(handler); }

int M_favorite::FavoriteGroupOfBit(uint32_t mask) {
  if (mask == 0 || (mask & (mask - 1)) != 0) return -1;
  int group = 0;
  while ((mask >> group) != 1u) ++group;
  return group;
}

bool M_favorite::FavoriteGroupsPresent() const { return GetProgramMarker() != dblayout::kMarkerNoFavorites; }

const fav_grogup_info_show_s* M_favorite::GetFavoriteGroupInfo(int group) const {
  return IsGroup(group) ? &m_favInfo[group] : nullptr;
}

const fav_group_rec_s* M_favorite::GetFavoriteGroupRecord(int group) const {
  return IsGroup(group) ? &m_favImage[group] : nullptr;
}

int M_favorite::GetFavoriteGroupCount(int group) const {
  if (!IsGroup(group)) return 0;
  // The count is read signed: a negative count means an empty group, and the list has 200 places.
  return std::clamp<int>(static_cast<int16_t>(m_favInfo[group].count), 0, kCapacity);
}

int M_favorite::GetFavoriteGroupEntry(int group, int index) const {
  if (index < 0 || index >= GetFavoriteGroupCount(group)) return -1;
  const uint16_t entry = m_favInfo[group].list[index];
  return entry == kNoEntry ? -1 : entry;
}

std::string M_favorite::GetFavoriteGroupName(int group) const {
  return IsGroup(group) ? m_favInfo[group].name : std::string();
}

bool M_favorite::SetFavoriteGroupName(uint32_t mask, const std::string& text) {
  const int group = FavoriteGroupOfBit(mask);
  if (group < 0) return false;
  const std::string name = recordtext::Storable(text, kNameMaxChars);
  recordtext::WriteFixed(m_favImage[group].bytes + kName, kNameClear, name);
  m_favInfo[group].name = name;
  return true;
}

int M_favorite::IndexInGroup(int group, int service) const {
  const int count = GetFavoriteGroupCount(group);
  for (int i = 0; i < count; ++i)
    if (m_favInfo[group].list[i] == service) return i;
  return -1;
}

void M_favorite::PutCount(int group, int count) {
  bytes::PutU16(m_favImage[group].bytes + kCount, static_cast<uint16_t>(count));
  m_favInfo[group].count = static_cast<uint16_t>(count);
}

void M_favorite::PutEntry(int group, int index, uint16_t service) {
  bytes::PutU16(m_favImage[group].bytes + kList + 2 * static_cast<size_t>(index), service);
  m_favInfo[group].list[index] = service;
}

bool M_favorite::IsServiceInFavorite(int service, uint32_t mask) const {
  return IsServiceUsed(service) && FavoriteGroupsPresent() && (GetServiceFavoriteMask(service) & mask) != 0;
}

bool M_favorite::ToggleServiceFavorite(int service, uint32_t mask) {
  const int group = FavoriteGroupOfBit(mask);
  // Group lists are not saved while the groups are absent, so no mask may change either.
  if (group < 0 || !IsServiceUsed(service) || !FavoriteGroupsPresent()) return false;
  const uint32_t serviceMask = GetServiceFavoriteMask(service);
  if (serviceMask & mask) {
    RemoveServiceFromFavorite(service, group);
    SetServiceFavoriteMask(service, serviceMask & ~mask);
    return true;
  }
  // A service already listed only has its mask bit put right; it is never listed twice.
  if (IndexInGroup(group, service) < 0) {
    const int count = GetFavoriteGroupCount(group);
    if (count >= kCapacity) {
      if (m_favNotice) m_favNotice("Current favorite table is full!");
      return false;
    }
    PutEntry(group, count, static_cast<uint16_t>(service));
    PutCount(group, count + 1);
  }
  SetServiceFavoriteMask(service, serviceMask | mask);
  return true;
}

bool M_favorite::RemoveServiceFromFavorite(int service, int group) {
  if (!IsGroup(group) || service < 0 || service >= kNoEntry) return false;
  const int index = IndexInGroup(group, service);
  if (index < 0) return false;
  const int count = GetFavoriteGroupCount(group);
  for (int i = index; i + 1 < count; ++i) PutEntry(group, i, m_favInfo[group].list[i + 1]);
  PutEntry(group, count - 1, kNoEntry);
  PutCount(group, count - 1);
  return true;
}

bool M_favorite::MoveEntry(int group, int service, int anchor, bool after) {
  if (!IsGroup(group) || service == anchor) return false;
  const int from = IndexInGroup(group, service);
  const int to = IndexInGroup(group, anchor);
  if (from < 0 || to < 0) return false;
  const int count = GetFavoriteGroupCount(group);
  std::vector<uint16_t> list(m_favInfo[group].list, m_favInfo[group].list + count);
  list.erase(list.begin() + from);
  const auto anchorAt = std::find(list.begin(), list.end(), static_cast<uint16_t>(anchor));
  list.insert(after ? anchorAt + 1 : anchorAt, static_cast<uint16_t>(service));
  if (std::equal(list.begin(), list.end(), m_favInfo[group].list)) return false;
  for (int i = 0; i < count; ++i) PutEntry(group, i, list[static_cast<size_t>(i)]);
  return true;
}

bool M_favorite::MoveFavoriteEntryBefore(int group, int service, int anchor) {
  return MoveEntry(group, service, anchor, false);
}

bool M_favorite::MoveFavoriteEntryAfter(int group, int service, int anchor) {
  return MoveEntry(group, service, anchor, true);
}

void M_favorite::ToggleServicesFavorite(const std::vector<int>& services, uint32_t mask) {
  const int group = FavoriteGroupOfBit(mask);
  if (group < 0) return;
  for (int service : services) {
    ToggleServiceFavorite(service, mask);
    if (GetFavoriteGroupCount(group) >= kCapacity) break;
  }
}

int M_favorite::GatherFavoriteEntries(int group, const std::vector<int>& services) {
  const size_t n = std::min(services.size(), static_cast<size_t>(kCapacity));
  for (size_t i = 1; i < n; ++i) MoveEntry(group, services[i], services[i - 1], true);
  return n == 0 ? -1 : services.front();
}

void M_favorite::MoveFavoriteEntriesBefore(int group, const std::vector<int>& services, int anchor) {
  for (auto it = services.rbegin(); it != services.rend(); ++it) {
    MoveEntry(group, *it, anchor, false);
    anchor = *it;
  }
}

void M_favorite::MoveFavoriteEntriesAfter(int group, const std::vector<int>& services, int anchor) {
  for (int service : services) {
    MoveEntry(group, service, anchor, true);
    anchor = service;
  }
}
