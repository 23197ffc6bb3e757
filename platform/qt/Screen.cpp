#include "platform/qt/Screen.h"

#include "platform/Scaling.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace qora {

namespace {

QMargins FrameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

QRect AvailableAreaAround(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

void InitScreenDpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        ScreenDpi = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
}

int CaptionHeight() { return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight); }

QRect ScreenRectOf(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

QSize OuterSizeOf(QWidget& window) {
    if (window.isWindow() && !window.testAttribute(Qt::WA_WState_Created)) window.winId();  // learns the frame
    QMargins frame = FrameMarginsOf(window);
    if (frame.isNull() && !window.isVisible())
        if (const QWidget* active = QApplication::activeWindow()) frame = FrameMarginsOf(*active);
    return window.size().grownBy(frame);
}

QPoint RightEdgeAt(QWidget& window, int rightEdge, int top) {
    return QPoint(rightEdge - OuterSizeOf(window).width(), top);
}

QPoint LowerRightAt(QWidget& window, QPoint corner) {
    const QSize outer = OuterSizeOf(window);
    return QPoint(corner.x() - outer.width(), corner.y() - outer.height());
}

QPoint CenteredOn(QWidget& window, const QRect& area) {
    const QSize outer = OuterSizeOf(window);
    return QPoint(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

QRect KeptOnScreen(const QRect& outer) {
    const QRect area = AvailableAreaAround(outer.center());
    if (area.isEmpty()) return outer;
    QRect kept = outer;
    kept.moveLeft(std::max(area.left(), std::min(outer.left(), area.left() + area.width() - outer.width())));
    kept.moveTop(std::max(area.top(), std::min(outer.top(), area.top() + area.height() - outer.height())));
    return kept;
}

void PlaceWindow(QWidget& window, QPoint outerTopLeft) {
    window.move(KeptOnScreen(QRect(outerTopLeft, OuterSizeOf(window))).topLeft());
}

QPixmap SharpPixmap(QSize size, qreal ratio) {
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace qora
