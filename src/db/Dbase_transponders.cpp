// Adding, deleting and reordering transponders, and the changes applied to marked transponders.
// A satellite of -1 selects the terrestrial list.
#include <algorithm>

#include "db/M_database.h"

namespace {
constexpr int kMaxSatNumber = 511;  // 9-bit number field
constexpr int kMaxTerNumber = 255;  // 8-bit number field
}  // namespace

int m_DataBase::TransponderNumberOf(int satellite, int slot) const {
  if (satellite < 0) return IsTerTransponderUsed(slot) ? GetTerTransponderNumber(slot) : -1;
  return IsTransponderUsed(slot) && GetTransponderSatellite(slot) == satellite ? GetTransponderNumber(slot) : -1;
}

void m_DataBase::SetTransponderNumberOf(int satellite, int slot, int number) {
  if (satellite < 0)
    SetTerTransponderNumber(slot, number);
  else
    SetTransponderNumber(slot, number);
}

// Number -> slot of the satellite's transponders (the lowest slot wins, as in the look-up).
std::vector<int> m_DataBase::TranspondersByNumber(int satellite) const {
  const int maxNumber = satellite < 0 ? kMaxTerNumber : kMaxSatNumber;
  const int slots = satellite < 0 ? dblayout::kTerCount : dblayout::kTransponderCount;
  std::vector<int> byNumber(maxNumber + 2, -1);
  for (int t = 0; t < slots; ++t) {
    const int n = TransponderNumberOf(satellite, t);
    if (n >= 0 && n <= maxNumber && byNumber[n] < 0) byNumber[n] = t;
  }
  return byNumber;
}

// Frees number k for a new transponder by moving the run of transponders numbered k, k+1, ...
// up to the first unused number one place up. When that run would leave the numbers the list
// shows (terrestrial lists keep gaps), the run ending at k-1 moves one place down instead and
// the new transponder takes k-1, so it still stands directly in front of the old k. Returns the
// number for the new transponder.
int m_DataBase::MakeRoomForTransponder(int satellite, int k) {
  const int limit = satellite < 0 ? dblayout::kTerCount : dblayout::kTranspondersPerSatellite;
  const std::vector<int> byNumber = TranspondersByNumber(satellite);
  int m = k;
  while (m <= limit && byNumber[m] >= 0) ++m;
  if (m <= limit) {
    for (int n = m - 1; n >= k; --n) SetTransponderNumberOf(satellite, byNumber[n], n + 1);
    return k;
  }
  int g = k - 1;
  while (g >= 1 && byNumber[g] >= 0) --g;
  if (g >= 1) {
    for (int n = g + 1; n <= k - 1; ++n) SetTransponderNumberOf(satellite, byNumber[n], n - 1);
    return k - 1;
  }
  for (int n = std::min(limit, static_cast<int>(byNumber.size()) - 2); n >= k; --n)
    if (byNumber[n] >= 0) SetTransponderNumberOf(satellite, byNumber[n], n + 1);
  return k;
}

int m_DataBase::AddTransponder(int row) {
  const bool terrestrial = m_view.deliveryKind == DELIVERY_TERRESTRIAL;
  const int slot = FindFreeTransponderSlot(terrestrial ? DELIVERY_TERRESTRIAL : DELIVERY_SATELLITE);
  if (slot < 0) return -1;
  const int atRow = GetTransponderViewEntry(row);
  int number;
  if (terrestrial) {
    const int k = IsTerTransponderUsed(atRow) ? GetTerTransponderNumber(atRow) : 1;
    SetCountUpdateMode(COUNT_INCREMENT);
    UpdateTerTransponderCount();
    SetCountUpdateMode(COUNT_NO_CHANGE);
    number = MakeRoomForTransponder(-1, k);
    MarkTerTransponderUsed(slot);
    SetTerTransponderNumber(slot, number);
    SetTerTransponderChannel(slot, "0");
    SetTerTransponderFrequency(slot, "0");
    SetTerTransponderBandwidth(slot, 0);
  } else {
    const int sat = m_view.satellite;
    if (sat < 0 || sat >= dblayout::kSatelliteCount) return -1;
    if (GetSatelliteTransponderCount(sat) >= dblayout::kTranspondersPerSatellite) return -1;
    const int k = TransponderNumberOf(sat, atRow) > 0 ? GetTransponderNumber(atRow) : 1;
    SetCountUpdateMode(COUNT_INCREMENT);
    UpdateTransponderCount();
    UpdateSatelliteTransponderCount(sat);
    SetCountUpdateMode(COUNT_NO_CHANGE);
    number = MakeRoomForTransponder(sat, k);
    MarkTransponderUsed(slot);
    SetTransponderSatellite(slot, sat);
    SetTransponderNumber(slot, number);
    SetTransponderFrequency(slot, "4000");
    SetTransponderSymbolRate(slot, "28125");
    SetTransponderPolarity(slot, 0);
    SetTransponderFec(slot, 0);
  }
  // Marks stay on deleted slots; a new transponder must not inherit one.
  m_transponderMarks[slot] = 0;
  BuildTransponderView();
  return slot;
}

void m_DataBase::DeleteTransponder(int slot, bool withServices) {
  if (!IsTransponderUsed(slot)) return;
  const int sat = GetTransponderSatellite(slot);
  const bool satInTable = sat >= 0 && sat < dblayout::kSatelliteCount;
  if (GetTransponderCount() == 0 || (satInTable && GetSatelliteTransponderCount(sat) == 0)) return;
  const int k = GetTransponderNumber(slot);
  SetCountUpdateMode(COUNT_DECREMENT);
  UpdateTransponderCount();
  UpdateSatelliteTransponderCount(sat);
  if (withServices) DeleteTransponderServices(slot, false);
  for (int t = 0; t < dblayout::kTransponderCount; ++t)
    if (t != slot && IsTransponderUsed(t) && GetTransponderSatellite(t) == sat && GetTransponderNumber(t) > k)
      SetTransponderNumber(t, GetTransponderNumber(t) - 1);
  FreeTransponderSlot(slot);
  SetCountUpdateMode(COUNT_NO_CHANGE);
}

void m_DataBase::DeleteTerTransponder(int slot, bool withServices) {
  if (!IsTerTransponderUsed(slot) || GetTerTransponderCount() == 0) return;
  SetCountUpdateMode(COUNT_DECREMENT);
  UpdateTerTransponderCount();
  if (withServices) DeleteTransponderServices(slot, true);
  FreeTerTransponderSlot(slot);
  SetCountUpdateMode(COUNT_NO_CHANGE);
}

void m_DataBase::DeleteMarkedTransponders() {
  const bool terrestrial = m_view.deliveryKind == DELIVERY_TERRESTRIAL;
  for (int t : MarkedOrCurrentTransponders()) {
    if (terrestrial)
      DeleteTerTransponder(t, true);
    else
      DeleteTransponder(t, true);
  }
  BuildTransponderView();
}

void m_DataBase::MoveTransponderGeneric(int satellite, int tp, int anchor, bool after) {
  if (tp == anchor) return;
  const int na = TransponderNumberOf(satellite, tp);
  const int nb = TransponderNumberOf(satellite, anchor);
  if (na < 0 || nb < 0 || na == nb) return;
  const std::vector<int> byNumber = TranspondersByNumber(satellite);
  auto shift = [&](int from, int to, int delta) {
    for (int n = from; n <= to; ++n)
      if (n >= 0 && n < static_cast<int>(byNumber.size()) && byNumber[n] >= 0 && byNumber[n] != tp)
        SetTransponderNumberOf(satellite, byNumber[n], n + delta);
  };
  if (after) {
    if (na > nb) {
      shift(nb + 1, na - 1, +1);
      SetTransponderNumberOf(satellite, tp, nb + 1);
    } else {
      shift(na + 1, nb, -1);
      SetTransponderNumberOf(satellite, tp, nb);
    }
  } else {
    if (na > nb) {
      shift(nb, na - 1, +1);
      SetTransponderNumberOf(satellite, tp, nb);
    } else {
      shift(na + 1, nb - 1, -1);
      SetTransponderNumberOf(satellite, tp, nb - 1);
    }
  }
}

void m_DataBase::MoveTransponderAfter(int satellite, int tp, int anchor) {
  MoveTransponderGeneric(satellite, tp, anchor, true);
}
void m_DataBase::MoveTransponderBefore(int satellite, int tp, int anchor) {
  MoveTransponderGeneric(satellite, tp, anchor, false);
}
void m_DataBase::MoveTerTransponderAfter(int tp, int anchor) { MoveTransponderGeneric(-1, tp, anchor, true); }
void m_DataBase::MoveTerTransponderBefore(int tp, int anchor) { MoveTransponderGeneric(-1, tp, anchor, false); }

int m_DataBase::GatherMarkedTransponders(int satellite) {
  const std::vector<int> marked = MarkedTranspondersInView();
  for (size_t i = 1; i < marked.size(); ++i) MoveTransponderGeneric(satellite, marked[i], marked[i - 1], true);
  BuildTransponderView();
  return marked.empty() ? -1 : marked.front();
}

int m_DataBase::MoveMarkedTranspondersAfter(int row, int satellite) {
  if (row < 1 || row > m_transponderViewCount) return -1;
  const std::vector<int> marked = MarkedTranspondersInView();
  int anchor = GetTransponderViewEntry(row);
  for (int t : marked) {
    MoveTransponderGeneric(satellite, t, anchor, true);
    anchor = t;
  }
  BuildTransponderView();
  return marked.empty() ? -1 : marked.front();
}

int m_DataBase::MoveMarkedTranspondersBefore(int row, int satellite) {
  if (row < 1 || row > m_transponderViewCount) return -1;
  const std::vector<int> marked = MarkedTranspondersInView();
  int anchor = GetTransponderViewEntry(row);
  for (auto it = marked.rbegin(); it != marked.rend(); ++it) {
    MoveTransponderGeneric(satellite, *it, anchor, false);
    anchor = *it;
  }
  BuildTransponderView();
  return marked.empty() ? -1 : marked.front();
}

void m_DataBase::SetMarkedTranspondersPolarity(int value) {
  for (int t : MarkedOrCurrentTransponders()) SetTransponderPolarity(t, value);
}

void m_DataBase::SetMarkedTranspondersFec(int value) {
  for (int t : MarkedOrCurrentTransponders()) SetTransponderFec(t, value);
}

void m_DataBase::SetMarkedTranspondersModulation(int value) {
  for (int t : MarkedOrCurrentTransponders()) SetTransponderModulation(t, value);
}
