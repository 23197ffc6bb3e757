#include "platform/qt/FreeNumberField.h"

#include <QHBoxLayout>

#include "platform/FreeNumbers.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/SpinField.h"

namespace qora {

FreeNumberField::FreeNumberField(int columns, int lowest, int highest, std::function<bool(int)> inUse, QWidget* parent)
    : QWidget(parent),
      field_(new NumberField(columns, this)),
      arrows_(new UpDown(this)),
      lowest_(lowest),
      highest_(highest),
      inUse_(std::move(inUse)),
      settled_(lowest) {
    field_->setFixedWidth(FieldWidthForDigits(*field_, columns + 1));
    arrows_->SetRange(lowest, highest);
    arrows_->setFixedHeight(field_->sizeHint().height());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(field_);
    layout->addWidget(arrows_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(arrows_, &UpDown::clicked, this,
            [this](UpDownButton button) { Step(button == UpDownButton::Up ? 1 : -1); });
    connect(field_, &NumberField::textEdited, this, &FreeNumberField::ReadTyped);
}

bool FreeNumberField::Free(int number) const { return number >= lowest_ && number <= highest_ && !inUse_(number); }

void FreeNumberField::Reset(int number) {
    valid_ = Free(number);
    arrows_->SetPosition(number);
    settled_ = arrows_->Position();
    if (valid_)
        field_->ShowNumber(number);
    else
        field_->clear();
}

void FreeNumberField::Step(int step) {
    const auto found = StepToFreeNumber(arrows_->Position(), step, lowest_, highest_, inUse_);
    if (found) {
        settled_ = *found;
        valid_ = true;
        field_->ShowNumber(*found);
    }
    arrows_->SetPosition(settled_);
    emit changed();
}

void FreeNumberField::ReadTyped() {
    valid_ = field_->Valid() && Free(static_cast<int>(field_->Value()));
    if (valid_) {
        settled_ = static_cast<int>(field_->Value());
        arrows_->SetPosition(settled_);
    }
    emit changed();
}

}  // namespace qora
