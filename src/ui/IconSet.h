// The editor's own pictures: small SVG drawings (24 x 24 units) compiled into the program from
// ui/icons, rendered with QSvgRenderer so that no image-format or icon-engine plug-in is needed.
#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

// The drawing ":/icons/<name>.svg" at size x size device-independent pixels, rendered for the
// screen's pixel ratio; a null pixmap when there is no such drawing.
QPixmap IconSetPixmap(const QString& name, int size);

// An icon holding the drawing at the usual menu and tool-bar sizes; a null icon when there is no
// such drawing.
QIcon IconSetIcon(const QString& name);
