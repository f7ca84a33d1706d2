#include "app/MessageCatalogue.h"

namespace {
struct Entry {
  uint16_t code;
  const char* text;
};

// Texts made of several stored pieces are joined here with nothing between the pieces.
const Entry kMessages[] = {
    {1, "Invalid data."},
    {2, "Data file already exists, are you sure to cover it?"},
    {3, "Open File Error: file not exist!"},
    {4, "Open File Error: blank file!"},
    {5, "Open File Error: CRC error!"},
    {6, "Open File Error: partition number wrong!"},
    {7, "Open File Error: create temp File error!"},
    {10, "File loading, please wait..."},
    {11, "Inputting SatcoDX file, please wait..."},
    {12, "Open File Error: at most 255 files"
         "can be opened at one time."},
    {13, "File saving, please wait..."},
    {14, "Data file already exists, are you sure to cover it?"},
    {15, "Settings not saved, exit and ignore the modification?"},
    {20, "Database is full, can not append any more!"},
    {21, "No select Antenna."},
    {22, "No select Transponder."},
    {23, "No select Provider."},
    {24, "Confirm password error!"},
    {30, "Antenna Longitude is Invalid."},
    {40, "Transponder already exists."},
    {41, ""},
    {42, "Be careful: all information and all services belonging"
         "to the transponder will be erased and can not be restored,"
         "are you sure to execute it?"},
    {43, "The max number of Program every Transponder is 120,"
         "So Program can not be added on this Transponder!"},
    {44, "Transponder Frequency is Invalid."},
    {45, "Transponder Symbolrate is Invalid."},
    {46, "Transponder Channel NO is Invalid."},
    {50, ""},
    {51, ""},
    {52, ""},
    {53, "Invalid PID."},
    {54, "Be careful: all information of the service"
         "will be erased and can not be restored,"
         "are you sure to execute it?"},
    {60, "Upgrade Settings(Upgrade Data)"},
    {61, "Upgrade Settings(Upgrade Default)"},
    {62, "Upgrade Settings(Downloading Data)"},
    {63, "Upgrade Settings(Downloading Default)"},
};
}  // namespace

std::string GetMessageText(uint16_t code) {
  for (const Entry& e : kMessages)
    if (e.code == code) return e.text;
  return "No Error!";
}

NoticeStyle GetNoticeStyle(uint16_t code) {
  switch (code) {
    case 3:
    case 5:
    case 7:
      return notice::kLoadError;
    case 2:
    case 14:
    case 54:
      return notice::kOverwriteQuestion;
    case 15:
      return notice::kCloseQuestion;
    case 42:
      return notice::kDeleteTransponderQuestion;
    default:
      return notice::kValidationError;
  }
}
