// The mouse pointer's screen position.
#pragma once

#include <QPoint>

class QWidget;

namespace qora {

QPoint MousePointerPosition();
void SetMousePointerPosition(QPoint screenPosition);

// Moves the pointer to the centre of a control (a button the user is expected
// to press next), in screen coordinates.
void ParkMousePointerOn(const QWidget& control);

}  // namespace qora
