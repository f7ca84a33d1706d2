// State shared by every table module of the database: the count update mode and the few
// cross-table facts a table needs from another one.
#pragma once
#include <cstdint>

enum CountUpdateMode { COUNT_NO_CHANGE = 0, COUNT_INCREMENT = 1, COUNT_DECREMENT = 2 };

class DbContext {
public:
  virtual ~DbContext() = default;

  void SetCountUpdateMode(CountUpdateMode mode) { m_countUpdateMode = mode; }
  CountUpdateMode GetCountUpdateMode() const { return m_countUpdateMode; }

  // Applies the count update mode to a stored count (no change, +1, -1; never below 0).
  template <typename T>
  T ApplyCountUpdate(T count) const {
    if (m_countUpdateMode == COUNT_INCREMENT) return static_cast<T>(count + 1);
    if (m_countUpdateMode == COUNT_DECREMENT && count > 0) return static_cast<T>(count - 1);
    return count;
  }

  // The satellite-setting selector bit of the system settings record (the satellite table
  // uses the second dish setting set while it is 1). Supplied by the database.
  virtual bool SatelliteSettingSelector() const { return false; }

protected:
  CountUpdateMode m_countUpdateMode = COUNT_NO_CHANGE;
};
