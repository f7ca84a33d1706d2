#include "db/M_database.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const kLanguageNames[m_DataBase::kLanguageCount] = {
    "English", "French",  "Turkish", "Russian", "Arabic",  "Persian",    "Hungarian",
    "Indonesia", "Greek", "Albania", "Polish",  "Ukraine", "Deutsch",    "Italian",
    "Spanish", "Czech",   "Portuguese", "Romanian", "Slovak", "Slovenian"};

}  // namespace

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
  SetCountUpdateMode(COUNT_NO_CHANGE);
  // The view state and the marks belong to the file; the sort direction flags live for the run.
  m_view = ViewState();
  m_currentService = kNone;
  ClearViewLists();
  std::memset(m_serviceMarks, 0, sizeof m_serviceMarks);
  std::memset(m_transponderMarks, 0, sizeof m_transponderMarks);
}

void m_DataBase::ClearViewLists() {
  m_serviceViewCount = 0;
  std::fill(std::begin(m_serviceView), std::end(m_serviceView), kNone);
  m_satelliteViewCount = 0;
  std::fill(std::begin(m_satelliteView), std::end(m_satelliteView), kNone);
  m_transponderViewCount = 0;
  std::fill(std::begin(m_transponderView), std::end(m_transponderView), kNone);
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

bool m_DataBase::SatelliteSettingSelector() const { return GetSatelliteSettingSelector(); }

void m_DataBase::SetViewState(const ViewState& state) { m_view = state; }

ViewState m_DataBase::GetViewState() const { return m_view; }

std::string m_DataBase::GetLanguageName(int index) {
  if (index < 0 || index >= kLanguageCount) return std::string();
  return kLanguageNames[index];
}

// ---- Selection marks ------------------------------------------------------------------------

bool m_DataBase::IsServiceMarked(int slot) const {
  return slot >= 0 && slot < dblayout::kServiceCount && m_serviceMarks[slot] != 0;
}

void m_DataBase::SetServiceMark(int slot, bool on) {
  if (slot >= 0 && slot < dblayout::kServiceCount) m_serviceMarks[slot] = on ? 1 : 0;
}

void m_DataBase::ToggleServiceMark(int slot) { SetServiceMark(slot, !IsServiceMarked(slot)); }

int m_DataBase::CountMarkedServices() const {
  int n = 0;
  for (int p = 0; p < m_serviceViewCount; ++p)
    if (IsServiceMarked(m_serviceView[p])) ++n;
  return n;
}

bool m_DataBase::IsTransponderMarked(int slot) const {
  return slot >= 0 && slot < dblayout::kTransponderCount && m_transponderMarks[slot] != 0;
}

void m_DataBase::SetTransponderMark(int slot, bool on) {
  if (slot >= 0 && slot < dblayout::kTransponderCount) m_transponderMarks[slot] = on ? 1 : 0;
}

void m_DataBase::ToggleTransponderMark(int slot) { SetTransponderMark(slot, !IsTransponderMarked(slot)); }

int m_DataBase::CountMarkedTransponders() const {
  int n = 0;
  for (int p = 0; p < m_transponderViewCount; ++p)
    if (IsTransponderMarked(m_transponderView[p])) ++n;
  return n;
}

std::vector<int> m_DataBase::MarkedServicesInView() const {
  std::vector<int> out;
  for (int p = 0; p < m_serviceViewCount; ++p)
    if (IsServiceMarked(m_serviceView[p])) out.push_back(m_serviceView[p]);
  return out;
}

std::vector<int> m_DataBase::MarkedOrCurrentServices() const {
  std::vector<int> out = MarkedServicesInView();
  if (out.empty() && IsServiceUsed(m_currentService)) out.push_back(m_currentService);
  return out;
}

std::vector<int> m_DataBase::MarkedTranspondersInView() const {
  std::vector<int> out;
  for (int p = 0; p < m_transponderViewCount; ++p)
    if (IsTransponderMarked(m_transponderView[p])) out.push_back(m_transponderView[p]);
  return out;
}

std::vector<int> m_DataBase::MarkedOrCurrentTransponders() const {
  std::vector<int> out = MarkedTranspondersInView();
  if (out.empty() && m_view.transponder >= 0) out.push_back(m_view.transponder);
  return out;
}
