#include "platform/qt/SpinField.h"

#include "platform/FieldNumber.h"
#include "platform/Scaling.h"
#include "platform/qt/Keys.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/Text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qora {

namespace {

QToolButton* NewArrow(Qt::ArrowType direction, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    arrow->setFixedWidth(Scaled(17));
    arrow->setMinimumHeight(1);
    return arrow;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(NewArrow(Qt::UpArrow, this)), down_(NewArrow(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(up_, &QToolButton::clicked, this, [this] { Click(UpDownButton::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { Click(UpDownButton::Down); });
}

void UpDown::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetPosition(position_);
}

void UpDown::SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::Click(UpDownButton button) {
    SetPosition(button == UpDownButton::Up ? position_ + 1 : position_ - 1);
    emit clicked(button);
}

QToolButton* UpDown::Arrow(UpDownButton button) const { return button == UpDownButton::Up ? up_ : down_; }

QSize UpDown::sizeHint() const { return QSize(Scaled(17), Scaled(22)); }

void UpDown::keyPressEvent(QKeyEvent* event) {
    const int key = KeyStrokeOf(*event).key;
    if (key == KeyArrowUp || key == KeyArrowDown)
        Click(key == KeyArrowUp ? UpDownButton::Up : UpDownButton::Down);
    else
        QWidget::keyPressEvent(event);
}

SpinField::SpinField(int columns, QWidget* parent)
    : QWidget(parent), field_(new QLineEdit(this)), upDown_(new UpDown(this)) {
    text_ = [columns](int position) { return FormatFieldNumber(position, columns); };
    field_->setReadOnly(true);
    field_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field_->setFixedWidth(FieldWidthForDigits(*field_, std::max(columns, 1)));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(field_);
    layout->addWidget(upDown_);
    upDown_->setFixedHeight(field_->sizeHint().height());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(upDown_, &UpDown::clicked, this, [this](UpDownButton button) {
        ShowPosition();
        emit clicked(button);
    });
    ShowPosition();
}

void SpinField::SetPositionText(PositionText text) {
    text_ = std::move(text);
    ShowPosition();
}

void SpinField::SetPosition(int position) {
    upDown_->SetPosition(position);
    ShowPosition();
}

void SpinField::ShowPosition() { field_->setText(FromCodePage(text_(upDown_->Position()))); }

}  // namespace qora
