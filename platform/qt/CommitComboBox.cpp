#include "platform/qt/CommitComboBox.h"

#include "platform/qt/Focus.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Text.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace qora {

namespace {

// Focus changes that are no move between controls: the list's own popup, and
// another window becoming active.
bool IsWindowLevelFocusChange(const QFocusEvent& event) {
    return event.reason() == Qt::PopupFocusReason || event.reason() == Qt::ActiveWindowFocusReason;
}

}  // namespace

CommitComboBox::CommitComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) { Click(); });
    view()->installEventFilter(this);
}

void CommitComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // Coming back from the popup or from another window is no new arrival.
    if (event->reason() == Qt::PopupFocusReason || focusInside_) return;
    focusInside_ = true;
    Enter();
}

void CommitComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (IsWindowLevelFocusChange(*event) || popupOpen_ || !focusInside_) return;
    focusInside_ = false;
    Exit();
}

void CommitComboBox::hideEvent(QHideEvent* event) {
    QComboBox::hideEvent(event);
    focusInside_ = false;  // the next showing is a fresh arrival
}

void CommitComboBox::keyPressEvent(QKeyEvent* event) {
    if (KeyDown(KeyStrokeOf(*event))) return;
    QComboBox::keyPressEvent(event);
}

// As the box draws itself, with the text elided to the room it has.
void CommitComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    }
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, elideMode_, field.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool CommitComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress && KeyDown(KeyStrokeOf(*static_cast<QKeyEvent*>(event))))
        return true;
    return QComboBox::eventFilter(watched, event);
}

void CommitComboBox::showPopup() {
    DropDown();
    popupOpen_ = true;
    QComboBox::showPopup();
}

void CommitComboBox::hidePopup() {
    QComboBox::hidePopup();
    popupOpen_ = false;
}

void CommitComboBox::Enter() {
    if (ProgramMovingFocus) return;
    committedIndex_ = currentIndex();
    droppedDown_ = false;
    keyNavigation_ = false;
    emit entered(committedIndex_);
}

void CommitComboBox::DropDown() { droppedDown_ = true; }

bool CommitComboBox::KeyDown(KeyStroke stroke) {
    bool usedUp = false;
    switch (stroke.key) {
        case KeyEscape:
            droppedDown_ = false;
            keyNavigation_ = false;
            break;
        case KeyArrowUp:
        case KeyArrowDown: keyNavigation_ = true; break;
        case KeySpace:
            keyNavigation_ = true;
            ShowNextItem();
            usedUp = true;  // Space shows the next item instead of opening the list
            break;
        default: break;
    }
    emit keyDown(stroke);
    return usedUp;
}

void CommitComboBox::Click() {
    if (!droppedDown_) return;
    if (keyNavigation_) {
        keyNavigation_ = false;
        return;
    }
    if (currentIndex() == committedIndex_) {
        emit reselected();
        MoveToNextControl();
    } else {
        Commit(currentIndex());
    }
}

void CommitComboBox::Exit() {
    if (ProgramMovingFocus) return;
    if (currentIndex() != committedIndex_) Commit(currentIndex());
}

void CommitComboBox::SetItems(const std::vector<std::string>& items, int shown) {
    clear();
    for (const std::string& item : items) addItem(FromCodePage(item));
    setCurrentIndex(shown < count() ? shown : -1);
    committedIndex_ = currentIndex();
}

void CommitComboBox::CommitShown() {
    if (currentIndex() != committedIndex_) Commit(currentIndex());
}

void CommitComboBox::Commit(int index) {
    committedIndex_ = index;
    emit committed(index);
    MoveToNextControl();
}

void CommitComboBox::MoveToNextControl() {
    if (nextControl_ != nullptr && nextControl_->isVisible() && nextControl_->isEnabled()) MoveFocus(*nextControl_);
}

void CommitComboBox::ShowNextItem() {
    if (count() == 0) return;
    setCurrentIndex(currentIndex() + 1 < count() ? currentIndex() + 1 : 0);
}

void LimitListWidth(QComboBox& list, int columns) {
    list.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list.setMinimumContentsLength(columns);
    list.setSizePolicy(QSizePolicy::Expanding, list.sizePolicy().verticalPolicy());
}

}  // namespace qora
