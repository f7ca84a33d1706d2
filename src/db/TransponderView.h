// Decoded views of satellite and terrestrial transponder slots, with their display texts.
#pragma once
#include <cstdint>
#include <string>

struct sat_transponder_info_show_t {
  uint8_t used = 0;
  uint16_t satellite = 0xFFFF;  // 0xFFFF in a free slot
  uint16_t number = 0xFFFF;     // 0xFFFF in a free slot
  uint8_t polarity = 0;
  std::string polarityText;
  uint8_t fec = 0;
  std::string fecText;
  uint8_t byte3 = 0;
  uint8_t frequencyLowBits = 0;  // bits 0-1 of the frequency word
  uint8_t modulation = 0;
  std::string modulationText;
  std::string frequencyText;
  std::string symbolRateText;
};

struct ter_transponder_info_show_s {
  uint8_t used = 0;
  uint8_t channel = 0;
  uint8_t number = 0xFF;  // 0xFF in a free slot
  uint8_t byte0High = 0;  // bits 1-7 of byte 0
  uint8_t bandwidth = 0;
  std::string bandwidthText;
  std::string frequencyText;
  uint32_t frequency = 0;  // kHz
};
