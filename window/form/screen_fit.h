#pragma once

#include <QPoint>
#include <QRect>

// Where a window's frame goes so that it stands on the screen's available area: where it is when
// it fits there, otherwise moved just enough to fit, along each axis. A frame larger than the
// area keeps its top-left corner on the area (the title bar and the first controls stay
// reachable) and runs off at the right or bottom.
QPoint FitFrameOnScreen(const QRect& frame, const QRect& available);
