// The small pictures of the service grid: the lock, skip, scrambled and HD flags and the
// favorite tick. Drawn once with QPainter and kept for the run.
#pragma once
#include <QPixmap>

enum class ServiceIcon { Lock, Skip, Scrambled, Hd, Tick };

const QPixmap& ServiceIconPixmap(ServiceIcon icon);
