#include "dialogs/WordCountDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/PresentationTexts.h"
#include "platform/qt/NumberField.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TEditWordCountValue> EditWordCountValue;

namespace {

constexpr int ValueColumns = 15;

}  // namespace

TEditWordCountValue::TEditWordCountValue(QWidget* parent) : QoraDialog(" Word Count", 300, 90, parent) {
    auto* layout = new QVBoxLayout(this);
    Value = new NumberField(ValueColumns, this);
    Value->setFixedWidth(FieldWidthForDigits(*Value, ValueColumns));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Word count:"), this));
    row->addWidget(Value);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    Value->SetConfirmingButton(OK);
    connect(Value, &NumberField::numberRead, this, &TEditWordCountValue::ValueKeyUp);
    connect(OK, &QPushButton::clicked, this, &TEditWordCountValue::OKClick);
}

void TEditWordCountValue::FormActivate() {
    Value->ShowNumber(DisplayedSettings.PresentationCount);
    ValueKeyUp();
    Value->setFocus();
}

// All digits (an empty field is 0); a count beyond 32 bits is refused.
void TEditWordCountValue::ValueKeyUp() { OK->setEnabled(Value->Valid()); }

void TEditWordCountValue::OKClick() {
    const auto count = static_cast<std::int32_t>(Value->Value());
    if (count != DisplayedSettings.PresentationCount) {
        DisplayedSettings.PresentationCount = count;
        if (ShowSlateWordCount) ShowSlateWordCount(count);
        AppendToCommandLine(WordCountText(DisplayedSettings.PresentationKind, count));
    }
    CloseWithResult(mrOk);
}

}  // namespace qora
