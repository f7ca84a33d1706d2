// The small pictures of the service grid: the lock, skip, scrambled and HD flags and the
// favorite tick. Rendered once from the editor's SVG drawings (ui/IconSet) and kept for the run.
#pragma once
#include <QPixmap>

enum class ServiceIcon { Lock, Skip, Scrambled, Hd, Tick };

const QPixmap& ServiceIconPixmap(ServiceIcon icon);
