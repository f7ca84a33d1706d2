// Adding, deleting and moving services, and the changes applied to the marked services.
#include <algorithm>

#include "db/M_database.h"

int m_DataBase::ServiceTransponderSlot(int slot) const {
  const long tp = GetServiceTransponder(slot);
  return (tp >= 0 && tp < 0xFFF) ? static_cast<int>(tp) : -1;
}

int m_DataBase::ServiceProviderSlot(int slot) const {
  const long p = GetServiceProvider(slot);
  return (p >= 0 && p < dblayout::kProviderCount) ? static_cast<int>(p) : -1;
}

void m_DataBase::AdjustServiceCounts(int slot, CountUpdateMode mode) {
  SetCountUpdateMode(mode);
  UpdateServiceCounts(GetServiceType(slot));
  SetCountUpdateMode(COUNT_NO_CHANGE);
}

int m_DataBase::AddService(int row, bool hdPage) {
  if (GetUsedServiceCount() >= dblayout::kServiceCount) return -1;
  int slot = -1;
  for (int s = 0; s < dblayout::kServiceCount && slot < 0; ++s)
    if (!IsServiceUsed(s)) slot = s;
  if (slot < 0) return -1;
  // The row's service is taken before the new slot becomes used: a view built before a deletion
  // may still show the freed slot that is about to be reused, and a service cannot be its own
  // neighbour.
  const int anchor = GetServiceViewEntry(row);
  const bool rowHoldsService = anchor != slot && IsServiceUsed(anchor);
  ResetService(slot);
  MarkServiceUsed(slot);
  // Marks stay on deleted slots; a new service must not inherit one.
  m_serviceMarks[slot] = 0;

  const int first = FirstService();
  if (first < 0) {
    SetFirstService(slot);
    SetLastService(slot);
  } else if (!rowHoldsService) {
    const int last = LastService();
    if (last >= 0)
      LinkServiceAfter(slot, last);
    else
      LinkServiceBefore(slot, first);
  } else {
    LinkServiceBefore(slot, anchor);
  }

  SetServiceDelivery(slot, m_view.deliveryKind == DELIVERY_TERRESTRIAL ? DELIVERY_TERRESTRIAL : DELIVERY_SATELLITE);
  SetServiceType(slot, m_view.serviceType);
  SetServiceName(slot, "New Service");
  SetServiceSatellite(slot, m_view.satellite);
  SetServiceTransponder(slot, -1);
  SetServiceProvider(slot, -1);
  SetServicePmtPid(slot, "0");
  SetServiceVideoPid(slot, "0");
  SetServiceAudioPid(slot, "0");
  SetServiceValue3(slot, 0);
  SetServiceHd(slot, false);
  if (hdPage) ToggleServiceHd(slot);
  SetServiceValue5(slot, 4);
  SetServicePcrPid(slot, "0");
  SetServiceId(slot, "0");

  AdjustServiceCounts(slot, COUNT_INCREMENT);
  BuildServiceView();
  return slot;
}

void m_DataBase::ReleaseServiceUses(int slot) {
  const int provider = ServiceProviderSlot(slot);
  if (provider >= 0 && GetProviderUseCount(provider) > 0) {
    AddProviderUse(provider, -1);
    if (GetProviderUseCount(provider) == 0) {
      // A provider is freed only when no other service still refers to it: the use counts are
      // not kept when a service's provider is changed, so they may be lower than the real use.
      bool referenced = false;
      for (int s = 0; s < dblayout::kServiceCount && !referenced; ++s)
        referenced = s != slot && IsServiceUsed(s) && ServiceProviderSlot(s) == provider;
      if (!referenced) FreeProvider(provider);
    }
  }
  const int caCount = std::min(GetServiceCaCount(slot), 4);
  for (int i = 0; i < caCount; ++i) {
    const int cas = FindCasByIdentifier(GetServiceCa(slot, i));
    if (cas >= 0 && GetCasUseCount(cas) > 0) AddCasUse(cas, -1);
  }
}

void m_DataBase::DeleteService(int slot) {
  if (!IsServiceUsed(slot)) return;
  AdjustServiceCounts(slot, COUNT_DECREMENT);
  UnlinkService(slot);
  for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g) RemoveServiceFromFavorite(slot, g);
  ReleaseServiceUses(slot);
  ClearServiceLinkedEntries(slot);
  ResetService(slot);
  SetCountUpdateMode(COUNT_NO_CHANGE);
  if (m_currentService == slot) m_currentService = kNone;
}

void m_DataBase::DeleteMarkedServices() {
  for (int s : MarkedOrCurrentServices()) DeleteService(s);
  BuildServiceView();
}

std::vector<int> m_DataBase::ServicesOnTransponder(int transponder, bool terrestrial) const {
  std::vector<int> found;
  if (transponder < 0) return found;
  // Only the services that refer to this table: a terrestrial service's transponder field holds
  // a terrestrial slot, which may carry the same number as a satellite transponder.
  auto onIt = [&](int s) {
    return IsServiceUsed(s) && ServiceTransponderSlot(s) == transponder &&
           (GetServiceDelivery(s) == DELIVERY_TERRESTRIAL) == terrestrial;
  };
  std::vector<bool> listed(dblayout::kServiceCount, false);
  for (int s : ServiceOrder())
    if (onIt(s)) {
      found.push_back(s);
      listed[s] = true;
    }
  // Services outside the order (a damaged file) must not keep a reference to a freed slot.
  for (int s = 0; s < dblayout::kServiceCount; ++s)
    if (!listed[s] && onIt(s)) found.push_back(s);
  return found;
}

void m_DataBase::DeleteTransponderServices(int transponder, bool terrestrial) {
  for (int s : ServicesOnTransponder(transponder, terrestrial)) DeleteService(s);
}

int m_DataBase::GatherMarkedServices() {
  const std::vector<int> marked = MarkedServicesInView();
  for (size_t i = 1; i < marked.size(); ++i) MoveServiceAfter(marked[i], marked[i - 1]);
  BuildServiceView();
  return marked.empty() ? -1 : marked.front();
}

int m_DataBase::MoveMarkedServicesAfter(int row) {
  if (row < 1 || row > m_serviceViewCount) return -1;
  const std::vector<int> marked = MarkedServicesInView();
  int anchor = GetServiceViewEntry(row);
  for (int s : marked) {
    MoveServiceAfter(s, anchor);
    anchor = s;
  }
  BuildServiceView();
  return marked.empty() ? -1 : marked.front();
}

int m_DataBase::MoveMarkedServicesBefore(int row) {
  if (row < 1 || row > m_serviceViewCount) return -1;
  const std::vector<int> marked = MarkedServicesInView();
  int anchor = GetServiceViewEntry(row);
  for (auto it = marked.rbegin(); it != marked.rend(); ++it) {
    MoveServiceBefore(*it, anchor);
    anchor = *it;
  }
  BuildServiceView();
  return marked.empty() ? -1 : marked.front();
}

int m_DataBase::MoveServicesToPosition(int sourceRow, int target) {
  if (target < 1 || target > m_serviceViewCount) return -1;
  if (CountMarkedServices() > 0) {
    const int first = GatherMarkedServices();
    const int r = FindServiceViewPosition(first);
    if (r < target)
      MoveMarkedServicesAfter(target);
    else
      MoveMarkedServicesBefore(target);
  } else {
    const int source = GetServiceViewEntry(sourceRow);
    const int dest = GetServiceViewEntry(target);
    if (sourceRow < target)
      MoveServiceAfter(source, dest);
    else
      MoveServiceBefore(source, dest);
    BuildServiceView();
  }
  return target;
}

void m_DataBase::SetMarkedServicesProvider(int provider) {
  for (int s : MarkedOrCurrentServices()) SetServiceProvider(s, provider);
}

bool m_DataBase::SetMarkedServicesTransponder(int transponder) {
  const std::vector<int> marked = MarkedServicesInView();
  if (marked.empty()) {
    if (!IsServiceUsed(m_currentService)) return true;
    if (CountTransponderServices(transponder) >= dblayout::kServicesPerTransponder + 1) return false;
    SetServiceTransponder(m_currentService, transponder);
    return true;
  }
  for (int s : marked) {
    if (CountTransponderServices(transponder) > dblayout::kServicesPerTransponder) return false;
    SetServiceTransponder(s, transponder);
  }
  return true;
}

void m_DataBase::ToggleMarkedServicesLocked() {
  for (int s : MarkedOrCurrentServices()) ToggleServiceLocked(s);
}

void m_DataBase::ToggleMarkedServicesSkipped() {
  for (int s : MarkedOrCurrentServices()) ToggleServiceSkipped(s);
}

void m_DataBase::ToggleMarkedServicesScrambled() {
  for (int s : MarkedOrCurrentServices()) ToggleServiceScrambled(s);
}

void m_DataBase::ToggleMarkedServicesHd() {
  for (int s : MarkedOrCurrentServices()) ToggleServiceHd(s);
}
