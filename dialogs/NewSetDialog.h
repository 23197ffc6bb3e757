// The Define New Set dialog, TDefineNewSet: composes one definition of a
// user-defined set, "/nU=(...)" or "/nU\"label\"=(...)", with an unused number
// or the number of a set it replaces, and the set from one of six pages: a
// built-in, score- or count-based set, a word-based set, a specified set of
// tiles, an all-but set (the set pages shared with the query constituent,
// dialogs/LetterSetPages), a copy of a user-defined set, or a set computed
// from two of them. The texts are in dialogs/texts/SetDefinitionTexts.
#pragma once

#include <QPointer>
#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/texts/SetDefinitionTexts.h"
#include "platform/qt/Dialogs.h"

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace qora {

class AllButSetPage;
class BuiltInSetPage;
class CommandPage;
class CommitComboBox;
class PageControl;
class RadioGroup;
class SpecifiedSetPage;
class UpDown;
class WordBasedSetPage;

// The pages of NewSetKinds, in tab order.
enum NewSetPage : int {
    NewBuiltInSetPage,
    NewWordBasedSetPage,
    NewSpecifiedSetPage,
    NewAllButSetPage,
    CopySetPage,
    ComputedSetPage,
    NewSetPageCount
};

// The items of ChooseNumber and ChooseLabel.
enum ChooseNumberItem : int { UnusedNumberItem, ExistingSetItem };
enum ChooseLabelItem : int { NoLabelItem, LabelItem };

class TDefineNewSet : public QoraDialog {
    Q_OBJECT

public:
    explicit TDefineNewSet(QWidget* parent = nullptr);

    // ---- The number and the label ----
    RadioGroup* ChooseNumber;
    QLineEdit* UnusedNumber;
    UpDown* UnusedNumberUpDown;
    CommitComboBox* ExistingSets;
    RadioGroup* ChooseLabel;
    QLineEdit* SetLabel;
    QPushButton* Cancel;
    QPushButton* Help;
    PageControl* NewSetKinds;

    // ---- The pages; each has its own OK and Help buttons ----
    BuiltInSetPage* BuiltInSet;
    WordBasedSetPage* WordBasedSet;
    SpecifiedSetPage* SpecifiedSet;
    AllButSetPage* AllButSet;
    CommandPage* UserDefinedSet;
    CommitComboBox* BaseSet;
    CommandPage* ComputedSet;
    CommitComboBox* Set1;
    CommitComboBox* SetOperation;
    CommitComboBox* Set2;

    // The lowest number no set uses, from the showing on; above 99 when
    // every number is in use.
    std::int32_t NewSetUnusedNumber = 1;

    // The texts that depend on the primary lexicon's language.
    void ApplyLexiconLanguage();

    CommandPage& PageAt(int index) const;
    // The number and label the set is defined with; none when the set to
    // replace cannot be read.
    std::optional<NewSetHead> Head() const;

protected:
    void FormActivate() override;

private:
    void BuildNumberAndLabel(QBoxLayout& layout);
    void BuildCopyPage();
    void BuildComputedPage();
    void FillSetLists();

    void ChooseNumberClick();
    void UnusedNumberUpDownClick(bool up);
    void ShowUnusedNumber();
    void NewSetKindsChange();
    void UpdateComputedSetOK();

    void Append(const std::string& body);
    void BuiltInSetOKClick();
    void WordBasedSetOKClick();
    void SpecifiedSetOKClick();
    void AllButSetOKClick();
    void UserDefinedSetOKClick();
    void ComputedSetOKClick();
};

extern QPointer<TDefineNewSet> DefineNewSet;

}  // namespace qora
