#include "db/M_database.h"

m_DataBase::m_DataBase() { ClearDatabase(); }

void m_DataBase::ClearDatabase() {}

void m_DataBase::DecodeDatabase(const uint8_t* block) { (void)block; }

std::vector<uint8_t> m_DataBase::EncodeDatabase() const {
  return std::vector<uint8_t>(dblayout::kBlockSize, 0xFF);
}
