#pragma once
// The icons of window frames, drawn by the program: the title-bar buttons of inner windows
// (close, minimise, maximise, restore, shade, unshade, help), the window-menu button, and
// the overflow buttons of menu and tool bars. A null icon for every other picture.
#include <QIcon>
#include <QStyle>

namespace vdl {

QIcon FrameIcon(QStyle::StandardPixmap sp);

} // namespace vdl
