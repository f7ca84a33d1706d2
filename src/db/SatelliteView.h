// The decoded view of one satellite slot, with the texts the satellite page shows.
#pragma once
#include <cstdint>
#include <string>

// One dish setting set of a satellite (the record holds two; the second is decoded only).
struct satellite_dish_show_s {
  uint8_t lnbType = 0;
  uint8_t diseqcMotor = 0;  // low nibble DiSEqC port, high nibble motor, as stored
  uint8_t power12V = 0;
  uint8_t tone22K = 0;
  uint8_t lnbPower = 0;
  uint8_t flag = 0;         // bit 4 of the supply byte
  uint8_t value5 = 0;       // the 5-bit value behind it
  uint16_t userLnbFrequency = 0;
};

struct satellite_info_show_s {
  uint8_t lnbType = 0;
  uint8_t diseqcMotor = 0;
  uint8_t power12V = 0;
  uint8_t tone22K = 0;
  uint16_t longitude = 0;  // tenths of a degree east
  std::string longitudeText;
  uint8_t lnbPower = 0;
  uint8_t flag4 = 0;
  uint8_t lnbTypeFlag = 0;
  uint8_t flag6 = 0;
  uint8_t value5 = 0;
  uint16_t userLnbFrequency = 0;
  satellite_dish_show_s second;
  std::string name;
  uint8_t autoScan[3][8] = {};  // the three auto scan transponders in image form
};
