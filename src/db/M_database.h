// The in-memory channel database of the open file.
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

class m_DataBase : public m_DLDFile,
                   public M_antenna,
                   public M_transponder,
                   public M_program,
                   public M_provider,
                   public M_casystem,
                   public M_favorite,
                   public M_system {
public:
  m_DataBase();
  ~m_DataBase() override = default;

  // Resets every table to its empty state.
  void ClearDatabase();
  // Decodes every table from a database block of dblayout::kBlockSize bytes.
  void DecodeDatabase(const uint8_t* block);
  // Encodes every table into a fresh block filled with 0xFF.
  std::vector<uint8_t> EncodeDatabase() const;
};
