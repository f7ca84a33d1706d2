#include <gtest/gtest.h>

#include "db/M_database.h"

TEST(Database, ClearedDatabaseEncodesToFullBlock) {
  m_DataBase db;
  EXPECT_EQ(db.EncodeDatabase().size(), dblayout::kBlockSize);
}
