#include "ui/ServiceIcons.h"

#include "ui/IconSet.h"

namespace {
constexpr int kSize = 16;
}  // namespace

const QPixmap& ServiceIconPixmap(ServiceIcon icon) {
  static const QPixmap pixmaps[] = {IconSetPixmap("lock", kSize), IconSetPixmap("skip", kSize),
                                    IconSetPixmap("scrambled", kSize), IconSetPixmap("hd", kSize),
                                    IconSetPixmap("tick", kSize)};
  return pixmaps[static_cast<int>(icon)];
}
