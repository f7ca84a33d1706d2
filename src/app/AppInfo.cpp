#include "app/AppInfo.h"

std::string MainWindowCaption() {
#if defined(TORVANE_MODEL_STi5100)
  return std::string("[Velmora ") + kProgramVersion + "] -- Mode: STi5100";
#elif defined(TORVANE_MODEL_STi51XX_4M)
  return std::string("[Velmora ") + kProgramVersion + "] -- Mode: STi51XX_4M";
#elif defined(TORVANE_MODEL_STi51XX_2M)
  return std::string("[Velmora ") + kProgramVersion + "] -- Mode: STi51XX_2M";
#else
  return std::string("Torvane ") + kProgramVersion;
#endif
}
