// The Probe the Slate dialog, TProbeSlateDlg: instead of presenting the slate,
// show one letter of one word (" 2/3 "), one letter of each of the first 50
// words (" 1/ ") or one whole word (" /12 "). The main window opens it when
// its presentation list picks a probe kind. The texts and rules are in
// dialogs/texts/PresentationTexts.
#pragma once

#include <QPointer>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/PresentationTexts.h"
#include "platform/qt/Dialogs.h"

class QLabel;

namespace qora {

class CommitComboBox;
class NumberField;
class RadioGroup;

// The word number typed, and the item of the letter list last committed (or
// selected when the list got the focus).
extern std::int32_t ProbeWordNumberTyped;
extern std::int32_t ProbeLetterIndex;

class TProbeSlateDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TProbeSlateDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    RadioGroup* LetterBox;
    CommitComboBox* ProbeLetter;
    QLabel* Label2;
    RadioGroup* WordBox;
    NumberField* WordNumber;

    ProbeChoice Choice() const;
    // The letter positions 1 to MaxWordLength, the first one selected.
    void FillLetterPositions();

protected:
    void FormActivate() override;

private:
    void BoxClick();
    void WordNumberKeyUp();
    void ProbeLetterCommitted(int index);
    void OKClick();
};

extern QPointer<TProbeSlateDlg> ProbeSlateDlg;

// After every choice of lexicons: the letter list of the dialog (when it
// exists) offers the primary lexicon's letter positions again.
void FillProbeWordNumbers();

}  // namespace qora
