#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace hourvault {

// A window picture drawn for the screen's scale. Above 100 % it is the picture's name@2x
// variant, which Qt reads as two device pixels to the logical pixel: the same logical size, so
// it is placed and cut off exactly as at 100 %, but sharp. At 100 % only the 1x picture is read.
[[nodiscard]] QPixmap windowPicture(const QString& resource);

// The program's icon at every size of the icon theme, so that the title bar, the task bar and
// the window switcher each get a sharp one rather than a scaled 32 px picture.
[[nodiscard]] QIcon programIcon();

} // namespace hourvault
