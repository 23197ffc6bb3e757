// The Add Word Reference dialog, TAddWordReference: composes one word
// reference of a query, the current word of the word-reference source or a
// subword of it, possibly reversed, with its repetition count, letter mapping
// and requirement mark ("[]", "[M~]!", " 3[]", "[2-1|]"). The text is in
// dialogs/texts/QueryConstituentTexts.
#pragma once

#include <QPointer>
#include <string>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/QueryConstituentTexts.h"
#include "platform/qt/Dialogs.h"

class QGroupBox;
class QRadioButton;

namespace qora {

class CommitComboBox;
class RadioGroup;
class RepetitionCountBox;

// One position of a subword: a "From" or "Through" group with the list of
// positions 1 to the longest word and its two buttons, "from ... start" and
// "from ... end".
struct SubwordPosition {
    QGroupBox* Box = nullptr;
    CommitComboBox* Value = nullptr;
    QRadioButton* Start = nullptr;
    QRadioButton* End = nullptr;

    int Position() const;  // from 1
    bool FromEnd() const;
};

class TAddWordReference : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TAddWordReference(QWidget* parent = nullptr);

    RepetitionCountBox* RepetitionCount;
    RadioGroup* Requirement;
    RadioGroup* Mapping;
    QRadioButton* EntireWord;
    QRadioButton* EntireWordReversed;
    QRadioButton* SubwordFromWord;
    QRadioButton* SubwordFromReversedWord;
    // SubwordFromValue, SubwordFromStart, SubwordFromEnd and so on.
    SubwordPosition SubwordFrom;
    SubwordPosition SubwordThru;
    SubwordPosition SubwordRevFrom;
    SubwordPosition SubwordRevThru;

    // The four position lists offer 1 to MaxWordLength again, position 1
    // chosen; without positions only the entire word can be referred to.
    void FillPositions();

    WordReferenceKind Kind() const;
    WordReferenceChoice Reference() const;

protected:
    void FormActivate() override;

private:
    void KindClick();
    void ShowPositionGroups(WordReferenceKind kind);
    void OKClick();

    bool afterRackPart_ = false;  // RackMode at the showing
};

extern QPointer<TAddWordReference> AddWordReference;

// After every choice of lexicons: the dialog's position lists follow the
// primary lexicon's longest word.
void FillWordReferencePositions();

}  // namespace qora
