// The Add Rack Character dialog, TAddRackCharacter: adds one element to the
// rack part of a query, a tile or a blank, with its requirement mark; the rack
// part begins with "," unless the line already ends inside one, and a blank
// brings the switch of blank scoring that its kind asks for ("AEIRST,Q",
// ",?/Z"). The texts are in dialogs/texts/QueryConstituentTexts.
#pragma once

#include <QPointer>

#include "platform/qt/Dialogs.h"

class QLabel;
class QPushButton;

namespace qora {

class CommandPage;
class LetterPage;
class PageControl;
class RadioGroup;

// The pages of RCKinds.
enum RackCharacterPage : int { RackLetterPageIndex, RackBlankPageIndex };

class TAddRackCharacter : public QoraDialog {
    Q_OBJECT

public:
    explicit TAddRackCharacter(QWidget* parent = nullptr);

    RadioGroup* Requirement;
    QPushButton* QCCancel;
    QPushButton* Help;
    PageControl* RCKinds;
    LetterPage* Letter;  // LetterOK, LetterHelp, LetterHome, LetterA..Letter2
    // The Blank page (BlankOK, BlankHelp).
    CommandPage* Blank;
    RadioGroup* BlankKind;
    QLabel* Label1;

    // A change of the primary lexicon's language checks the first tile.
    void ApplyLexiconLanguage();

protected:
    void FormActivate() override;

private:
    void RCKindsChange();
    void LetterOKClick();
    void BlankOKClick();

    bool inRackPart_ = false;  // RackMode at the showing
};

extern QPointer<TAddRackCharacter> AddRackCharacter;

}  // namespace qora
