#include "platform/qt/NumberField.h"

#include "platform/qt/Text.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace qora {

int FieldWidthForDigits(const QLineEdit& field, int digits) {
    constexpr int HorizontalMargin = 2;  // the edit's own margin on each side of the text
    const QMargins text = field.textMargins();
    const QFontMetrics metrics = field.fontMetrics();
    const int width =
        metrics.horizontalAdvance(QString(digits, QChar('0'))) + 2 * HorizontalMargin + text.left() + text.right() + 1;
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    return field.style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, metrics.height()), &field)
        .width();
}

NumberField::NumberField(int columns, QWidget* parent) : QLineEdit(parent), columns_(columns) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this] { ReadText(); });
}

void NumberField::ShowNumber(std::int64_t value) {
    const QString text = FromCodePage(FormatFieldNumber(value, columns_));
    setText(text);
    SelectDigits();
    digitsShownSelected_ = true;
    number_ = ReadFieldNumber(ToCodePage(text), emptyRule_, maximum_);
}

void NumberField::SelectDigits() {
    const int firstDigit = static_cast<int>(text().size() - text().trimmed().size());
    setSelection(firstDigit, static_cast<int>(text().size()) - firstDigit);
}

// Qt deselects a field without the focus just after its window is
// activated; the digits shown are selected again after that.
bool NumberField::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    if (event->type() == QEvent::WindowActivate && digitsShownSelected_ && !hasFocus())
        QTimer::singleShot(0, this, [this] {
            if (digitsShownSelected_ && !hasFocus()) SelectDigits();
        });
    return handled;
}

void NumberField::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    ReadText();
}

void NumberField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::ActiveWindowFocusReason) digitsShownSelected_ = false;
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) emit entered();
}

void NumberField::ReadText() {
    const std::string text = ToCodePage(this->text());
    number_ = ReadFieldNumber(text, emptyRule_, maximum_);
    const bool allDigits = number_.valid || ReadFieldNumber(text, EmptyField::IsZero, maximum_).valid;
    if (allDigits) {
        emit numberRead();
    } else if (confirmingButton_ != nullptr) {
        confirmingButton_->setEnabled(false);
    }
}

}  // namespace qora
