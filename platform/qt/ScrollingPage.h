// Pages that scroll: on a screen too small for a page's controls the page
// shows a scroll bar instead of making its window larger than the screen.
#pragma once

class QWidget;

namespace qora {

// Fills the page with a frameless scroll area and returns the widget inside
// it, which takes the page's layout and controls. The widget follows the
// page's size down to its own minimum; below that the page scrolls.
QWidget& ScrollingContent(QWidget& page);

}  // namespace qora
