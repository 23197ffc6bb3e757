// The screen: its pixels per inch, and placing windows on it.
//
// Positions are screen coordinates. A window's "outer" rectangle includes its
// frame and caption; its client rectangle is the area inside them. Placing a
// window sets the outer top-left corner, so "right edge at x" means the frame's
// right edge, as the dialog openers describe their placements. Every placement
// ends inside the available area of the screen.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace qora {

// Sets ScreenDpi (platform/Scaling.h) from the primary screen.
void InitScreenDpi();

// The height of a window's caption bar.
int CaptionHeight();

// The area a widget covers on the screen: a window's client area, or a
// control's own rectangle.
QRect ScreenRectOf(const QWidget& widget);

// A window's outer size. The window is created (not shown) when it has not
// been yet, so that the system tells its frame; when it still does not, the
// frame is taken to be as thick as the active window's.
QSize OuterSizeOf(QWidget& window);

// Outer top-left corners for the usual placements.
QPoint RightEdgeAt(QWidget& window, int rightEdge, int top);  // rightEdge = left + width
QPoint LowerRightAt(QWidget& window, QPoint corner);          // corner just past the last pixel
QPoint CenteredOn(QWidget& window, const QRect& area);

// The outer rectangle moved (not resized) into the available area of the
// screen that holds its centre; top-left wins when it is larger than that area.
QRect KeptOnScreen(const QRect& outer);

// Moves a window to an outer top-left corner, kept on the screen.
void PlaceWindow(QWidget& window, QPoint outerTopLeft);

// A transparent pixmap of `size` layout pixels, made of `ratio` device pixels
// to each (the devicePixelRatioF() of the widget that shows it): what is
// drawn on it in layout pixels stays sharp on a screen that Qt scales.
QPixmap SharpPixmap(QSize size, qreal ratio);

}  // namespace qora
