#include "db/M_database.h"

#include <algorithm>

m_DataBase::m_DataBase() { ClearDatabase(); }

void m_DataBase::ClearDatabase() {
  ResetProgramHeader();
  ResetFavorites();
  ResetCaSystems();
  ResetProviders();
  ResetServices();
  ResetSatTransponders();
  ResetTerTransponders();
  ResetAntennas();
  ResetSystemView();
}

void m_DataBase::DecodeDatabase(const uint8_t* block) {
  DecodeAntennas(block);
  DecodeSatTransponders(block);
  DecodeTerTransponders(block);
  DecodeProgramHeader(block);
  if (GetProgramMarker() != dblayout::kMarkerNoFavorites) DecodeFavorites(block);
  DecodeProviders(block);
  DecodeCaSystems(block);
  DecodeServices(block);
}

std::vector<uint8_t> m_DataBase::EncodeDatabase() const {
  std::vector<uint8_t> block(dblayout::kBlockSize, 0xFF);
  uint8_t* b = block.data();
  EncodeAntennas(b);
  EncodeSatTransponders(b);
  EncodeTerTransponders(b);
  EncodeProgramHeader(b);
  if (GetProgramMarker() != dblayout::kMarkerNoFavorites) EncodeFavorites(b);
  EncodeProviders(b);
  EncodeCaSystems(b);
  EncodeServices(b);
  return block;
}
