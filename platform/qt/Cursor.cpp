#include "platform/qt/Cursor.h"

#include <QCursor>
#include <QWidget>

namespace qora {

QPoint MousePointerPosition() { return QCursor::pos(); }

void SetMousePointerPosition(QPoint screenPosition) { QCursor::setPos(screenPosition); }

void ParkMousePointerOn(const QWidget& control) {
    SetMousePointerPosition(control.mapToGlobal(QPoint(control.width() / 2, control.height() / 2)));
}

}  // namespace qora
