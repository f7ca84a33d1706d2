// The few service-table facts that the favorite groups need. M_program supplies them; M_favorite
// uses them. Both derive virtually from this class, so in the database (and in any class that
// combines the two modules) M_program's functions are the ones called.
#pragma once
#include <cstdint>

#include "db/DbContext.h"

class ServiceLinks : public virtual DbContext {
 public:
  virtual bool IsServiceUsed(int slot) const = 0;
  virtual uint32_t GetServiceFavoriteMask(int slot) const = 0;
  virtual void SetServiceFavoriteMask(int slot, uint32_t mask) = 0;
  // Program header marker; dblayout::kMarkerNoFavorites says the favorite groups are absent.
  virtual uint32_t GetProgramMarker() const = 0;
};
