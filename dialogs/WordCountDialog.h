// The Word Count dialog, TEditWordCountValue: how many words of the slate the
// presentations "This # words?:" (kind 3) and "This # words with ..." (kind
// 10) cover. OK shows the count in the main window's SlateWordCount box and
// types it with its presentation mark ("25~", "25'"); an unchanged count types
// nothing.
#pragma once

#include <QPointer>
#include <cstdint>
#include <functional>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

namespace qora {

class NumberField;

class TEditWordCountValue : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TEditWordCountValue(QWidget* parent = nullptr);

    NumberField* Value;

    // Shows a new count in the main window's SlateWordCount box (set by the
    // main window when it plugs the dialog in).
    std::function<void(std::int32_t count)> ShowSlateWordCount;

protected:
    void FormActivate() override;

private:
    void ValueKeyUp();
    void OKClick();
};

extern QPointer<TEditWordCountValue> EditWordCountValue;

}  // namespace qora
