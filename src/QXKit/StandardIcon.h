#pragma once

#include <QIcon>
#include <QStyle>

namespace qxkit {

// One of the application style's own icons, shared: the style reads and decodes every size of
// a standard icon from its image files each time it is asked, which costs a list row of icon
// buttons milliseconds and a copy of every image. The icon is made once per style and layout
// direction (some icons point the other way from right to left), and every caller holds the
// same images. GUI thread only.
QIcon standardIcon(QStyle::StandardPixmap pixmap);

} // namespace qxkit
