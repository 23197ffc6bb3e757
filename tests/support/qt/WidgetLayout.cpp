#include "WidgetLayout.h"

#include "platform/Scaling.h"
#include "platform/qt/Screen.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>

namespace qora {

namespace {

std::string Describe(const QWidget& widget) {
    std::string text = widget.metaObject()->className();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        text += " '" + button->text().toStdString() + "'";
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        text += " '" + label->text().left(40).toStdString() + "'";
    else if (!widget.objectName().isEmpty())
        text += " " + widget.objectName().toStdString();
    return text;
}

// Controls whose children are their own parts, laid out by Qt.
bool IsCompositeControl(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractScrollArea*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QLabel*>(&widget);
}

std::vector<const QWidget*> VisibleChildren(const QWidget& parent) {
    std::vector<const QWidget*> children;
    for (const QObject* object : parent.children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (child != nullptr && !child->isWindow() && child->isVisible()) children.push_back(child);
    }
    return children;
}

int NeededTextWidth(const QLineEdit& field) {
    const int frame = field.hasFrame() ? 2 * field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    return field.fontMetrics().horizontalAdvance(field.text().trimmed()) + frame + 4;
}

void CheckFit(const QWidget& widget, std::vector<std::string>& faults) {
    QSize needed;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
        if (label->pixmap().isNull() && label->text().isEmpty()) return;
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget); button && button->text().isEmpty()) {
        return;  // an arrow or icon button is as small as its place makes it
    } else if (qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget)) {
        needed = widget.minimumSizeHint().expandedTo(QSize(widget.sizeHint().width(), 0));
    } else if (const auto* field = qobject_cast<const QLineEdit*>(&widget)) {
        needed = QSize(NeededTextWidth(*field), 0);
    } else {
        return;
    }
    if (needed.width() > widget.width() || needed.height() > widget.height())
        faults.push_back(Describe(widget) + ": " + std::to_string(widget.width()) + "x" +
                         std::to_string(widget.height()) + ", needs " + std::to_string(needed.width()) + "x" +
                         std::to_string(needed.height()));
}

void CheckChildren(const QWidget& parent, std::vector<std::string>& faults) {
    const std::vector<const QWidget*> children = VisibleChildren(parent);
    // A stack shows one page at a time; a page control's tabs and pages
    // meet on a shared frame line.
    const bool stacked =
        qobject_cast<const QStackedWidget*>(&parent) != nullptr || qobject_cast<const QTabWidget*>(&parent) != nullptr;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const QWidget& child = *children[i];
        if (!parent.rect().contains(child.geometry()))
            faults.push_back(Describe(child) + " runs past " + Describe(parent));
        for (std::size_t j = i + 1; j < children.size() && !stacked; ++j)
            if (child.geometry().intersects(children[j]->geometry()))
                faults.push_back(Describe(child) + " overlaps " + Describe(*children[j]));
        CheckFit(child, faults);
        // A scroll area of controls is checked by what it holds.
        if (const auto* area = qobject_cast<const QScrollArea*>(&child); area && area->widget())
            CheckChildren(*area->widget(), faults);
        else if (!IsCompositeControl(child))
            CheckChildren(child, faults);
    }
}

}  // namespace

std::vector<std::string> LayoutFaults(const QWidget& window) {
    std::vector<std::string> faults;
    CheckChildren(window, faults);
    return faults;
}

QString SaveGrab(QWidget& widget, const QString& name) {
    const QString path = QDir::current().absoluteFilePath(QString("%1-%2dpi.png").arg(name).arg(ScreenDpi));
    widget.grab().save(path);
    return path;
}

void LayoutTest::SetUp() { InitScreenDpi(); }

void LayoutTest::TearDown() { ResetScaling(); }

}  // namespace qora
