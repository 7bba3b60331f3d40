#pragma once
// Icons the program draws itself: a drawing function paints into a box of a fixed logical
// size, and the icon renders it at whatever pixel size it is shown at (16 x 16, 32 x 32 on a
// screen of twice the density, ...), the first time it is shown. Nothing is read from a file,
// so asking for such an icon costs nothing until it is painted.
#include <QIcon>
#include <QSize>
#include <QString>

class QPainter;

namespace vdl {

using DrawFunction = void (*)(QPainter&);

// key names the picture in the pixmap cache (one rendering per size and mode for the run);
// draw paints in logical coordinates, 0..logical.width() by 0..logical.height(). A greyed
// icon shows the same picture in a light grey.
QIcon DrawnIcon(const QString& key, QSize logical, DrawFunction draw);

// Coordinates of the middle of a pixel in the logical box, so that 1-unit lines stay sharp
// at every whole scale.
constexpr qreal Mid(int unit)
{
    return unit + 0.5;
}

} // namespace vdl
