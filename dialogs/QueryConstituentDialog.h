// The Add Query Constituent dialog, TAddQueryCharacter: composes one
// constituent of a query - a tile, a blank or wild card, a presence mark, or a
// letter set (built-in, score- or count-based, word-based, specified, all-but,
// user-defined or query-based) - with its repetition count, requirement,
// presence and set-members choices, and types it onto the command line
// (dialogs/texts/QueryConstituentTexts). The built-in, word-based, specified
// and all-but pages are the shared set pages (dialogs/LetterSetPages).
#pragma once

#include <QPointer>
#include <string>

#include "dialogs/texts/QueryConstituentTexts.h"
#include "platform/qt/Dialogs.h"

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qora {

class AllButSetPage;
class BuiltInSetPage;
class CommandPage;
class CommitComboBox;
class LetterPage;
class PageControl;
class RepetitionCountBox;
class RadioGroup;
class SpecifiedSetPage;
class TileControlRows;
class TileTypingMemo;
class WordBasedSetPage;

// The pages of QCKinds, in tab order.
enum QueryConstituentPage : int {
    LetterPageIndex,
    BlankPageIndex,
    BuiltInSetPageIndex,
    WordBasedSetPageIndex,
    SpecifiedSetPageIndex,
    AllButSetPageIndex,
    UserDefinedSetPageIndex,
    QueryBasedSetPageIndex,
    QueryConstituentPageCount
};

class TAddQueryCharacter : public QoraDialog {
    Q_OBJECT

public:
    explicit TAddQueryCharacter(QWidget* parent = nullptr);

    // ---- The frame ----
    RepetitionCountBox* RepetitionCount;  // RepetitionCountValue, RepetitionCountUpDown
    RadioGroup* Requirement;
    RadioGroup* Presence;
    RadioGroup* SetMembers;
    QPushButton* PresenceOK;
    QPushButton* QCCancel;
    QPushButton* Help;
    PageControl* QCKinds;

    // ---- The pages; each has its own OK and Help buttons ----
    LetterPage* Letter;  // LetterHome, LetterA..Letter2
    CommandPage* Blank;
    RadioGroup* BlankKind;
    QLabel* Label1;
    BuiltInSetPage* BuiltInSet;
    WordBasedSetPage* WordBasedSet;
    SpecifiedSetPage* SpecifiedSet;
    AllButSetPage* AllButSet;
    CommandPage* UserDefinedSet;
    QComboBox* BaseSet;
    CommandPage* QueryBasedSet;
    QRadioButton* SameLetterButton;
    CommitComboBox* SameLetterValue;
    QRadioButton* SameConstituentButton;
    CommitComboBox* SameConstituentValue;
    QLabel* SameConstituentLabel;

    // The blank that ends a rack part, set at every showing.
    std::string LeadingBlank;

    // The language switch: the texts that depend on the primary lexicon's
    // language.
    void ApplyLexiconLanguage();
    // The user-defined sets changed: BaseSet lists them, none chosen.
    void RefreshListTabs();

    CommandPage& PageAt(int index) const;

protected:
    void FormActivate() override;

private:
    void BuildFrame(QBoxLayout& layout);
    void BuildLetterPage();
    void BuildBlankPage();
    void BuildUserDefinedSetPage();
    void BuildQueryBasedSetPage();
    void AddPages();

    ConstituentMarks Marks() const;
    void FillQueryBasedLists();
    void UpdateQueryBasedButtons();

    void UpdatePageControls();
    void PresenceClick();
    void Append(const std::string& text);

    void PresenceOKClick();
    void LetterOKClick();
    void BlankOKClick();
    void BuiltInSetOKClick();
    void WordBasedSetOKClick();
    void SpecifiedSetOKClick();
    void AllButSetOKClick();
    void UserDefinedSetOKClick();
    void QueryBasedSetOKClick();

    QueryBasedLists queryBasedLists_;
};

extern QPointer<TAddQueryCharacter> AddQueryCharacter;

}  // namespace qora
