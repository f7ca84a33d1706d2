// The service order: a doubly linked list through the service records, with its first and last
// service in the program header. Every walk is bounded so that a damaged file whose links form a
// cycle cannot hang the editor.
#include <vector>

#include "db/M_database.h"

namespace {

int ToSlot(long v) { return (v >= 0 && v < dblayout::kServiceCount) ? static_cast<int>(v) : -1; }

}  // namespace

int m_DataBase::FirstService() const { return ToSlot(GetFirstService()); }
int m_DataBase::LastService() const { return ToSlot(GetLastService()); }

int m_DataBase::NextService(int slot) const {
  return IsServiceUsed(slot) ? ToSlot(GetServiceNext(slot)) : -1;
}

int m_DataBase::PreviousService(int slot) const {
  return IsServiceUsed(slot) ? ToSlot(GetServicePrevious(slot)) : -1;
}

std::vector<int> m_DataBase::ServiceOrder() const {
  std::vector<int> order;
  std::vector<bool> seen(dblayout::kServiceCount, false);
  for (int s = FirstService(); s >= 0 && static_cast<int>(order.size()) < kMaxOrderSteps; s = NextService(s)) {
    if (seen[s]) break;  // the links form a cycle
    seen[s] = true;
    order.push_back(s);
  }
  return order;
}

bool m_DataBase::IsServiceOrderConsistent(std::string* why) const {
  auto fail = [why](const std::string& text) {
    if (why) *why = text;
    return false;
  };
  std::vector<bool> seen(dblayout::kServiceCount, false);
  int prev = -1;
  int steps = 0;
  const int first = FirstService();
  if (GetFirstService() != -1 && first < 0) return fail("the first service is not a service slot");
  if (GetLastService() != -1 && LastService() < 0) return fail("the last service is not a service slot");
  for (int s = first; s >= 0; s = NextService(s)) {
    if (!IsServiceUsed(s)) return fail("the order reaches the free slot " + std::to_string(s));
    if (seen[s]) return fail("the next links form a cycle at slot " + std::to_string(s));
    if (++steps > kMaxOrderSteps) return fail("the order is longer than the service table");
    seen[s] = true;
    if (PreviousService(s) != prev)
      return fail("the previous link of slot " + std::to_string(s) + " does not match");
    const int next = GetServiceNext(s);
    if (next != -1 && ToSlot(next) < 0)
      return fail("slot " + std::to_string(s) + " links to a slot outside the table");
    prev = s;
  }
  if (prev != LastService()) return fail("the last service in the header is not the end of the order");
  for (int s = 0; s < dblayout::kServiceCount; ++s)
    if (IsServiceUsed(s) && !seen[s]) return fail("the used service " + std::to_string(s) + " is not in the order");
  return true;
}

void m_DataBase::LinkServices(int prev, int next) {
  if (prev >= 0) SetServiceNext(prev, next);
  if (next >= 0) SetServicePrevious(next, prev);
}

void m_DataBase::UnlinkService(int slot) {
  const int prev = PreviousService(slot);
  const int next = NextService(slot);
  const bool first = slot == FirstService();
  const bool last = slot == LastService();
  if (first && last) {
    SetFirstService(-1);
    SetLastService(-1);
  } else if (first) {
    SetFirstService(next);
    if (next >= 0) SetServicePrevious(next, -1);
  } else if (last) {
    SetLastService(prev);
    if (prev >= 0) SetServiceNext(prev, -1);
  } else {
    LinkServices(prev, next);
  }
  SetServicePrevious(slot, -1);
  SetServiceNext(slot, -1);
}

void m_DataBase::LinkServiceAfter(int slot, int anchor) {
  const int next = NextService(anchor);
  const bool anchorLast = anchor == LastService() || next < 0;
  LinkServices(anchor, slot);
  if (anchorLast) {
    SetServiceNext(slot, -1);
    SetLastService(slot);
  } else {
    LinkServices(slot, next);
  }
}

void m_DataBase::LinkServiceBefore(int slot, int anchor) {
  const int prev = PreviousService(anchor);
  const bool anchorFirst = anchor == FirstService() || prev < 0;
  LinkServices(slot, anchor);
  if (anchorFirst) {
    SetServicePrevious(slot, -1);
    SetFirstService(slot);
  } else {
    LinkServices(prev, slot);
  }
}

bool m_DataBase::MoveServiceAfter(int service, int anchor) {
  if (service == anchor || !IsServiceUsed(service) || !IsServiceUsed(anchor)) return false;
  if (NextService(anchor) == service) return false;
  UnlinkService(service);
  LinkServiceAfter(service, anchor);
  return true;
}

bool m_DataBase::MoveServiceBefore(int service, int anchor) {
  if (service == anchor || !IsServiceUsed(service) || !IsServiceUsed(anchor)) return false;
  if (PreviousService(anchor) == service) return false;
  UnlinkService(service);
  LinkServiceBefore(service, anchor);
  return true;
}
