// The Make New Wordlist dialog, TMakeNewWordlist: makes a numbered wordlist
// (an unused number, or one that is replaced), or restores the slate, as a
// copy of the slate or of a wordlist ("/5W", "/5~W", "/7R", "/Y5=7"), computed
// from two wordlists ("/Y5=0|3") or imported from a file ("/FR5W\"...\""),
// with a label or not. It types the commands; it changes no wordlist itself.
// The texts and rules are in dialogs/texts/WordlistTexts.
#pragma once

#include <QPointer>
#include <cstdint>
#include <optional>

#include "dialogs/texts/WordlistTexts.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/FileDialogs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qora {

class CommandPage;
class CommitComboBox;
class PageControl;
class RadioGroup;
class SpinField;
class UpDown;

class TMakeNewWordlist : public QoraDialog {
    Q_OBJECT

public:
    explicit TMakeNewWordlist(QWidget* parent = nullptr);

    // The pages of NewWordlistKinds.
    enum Page : int { CopyPage = 0, ComputedPage = 1, ImportPage = 2 };

    RadioGroup* ChooseNumber;
    SpinField* UnusedNumber;
    UpDown* UnusedNumberUpDown;  // the arrows of UnusedNumber
    CommitComboBox* ExistingWordlists;
    RadioGroup* ChooseLabel;
    QLineEdit* WordlistLabel;
    QPushButton* Help;
    QPushButton* Cancel;
    PageControl* NewWordlistKinds;
    CommandPage* CopyOfWordlist;
    CommitComboBox* BaseWordlist;
    QCheckBox* Sorted;
    QPushButton* CopyOK;
    QPushButton* CopyHelp;
    CommandPage* ComputedWordlist;
    CommitComboBox* Wordlist1;
    CommitComboBox* SetOperation;
    CommitComboBox* Wordlist2;
    QPushButton* ComputedWordlistOK;
    QPushButton* ComputedWordlistHelp;
    CommandPage* ImportWordlist;
    QPushButton* ImportWordlistOK;
    QPushButton* ImportWordlistHelp;
    FileDialog ImportWordlistDlg{FileDialog::Kind::Open};

    // The wordlist made, and its label when one is given.
    NewWordlistTarget Target() const;
    // Makes the Import page the active page (File > Import Wordlist).
    void ShowImportPage();

protected:
    void FormActivate() override;

private:
    QWidget* BuildUpperPart();
    void BuildCopyPage();
    void BuildComputedPage();
    void BuildImportPage();

    void ChooseNumberClick();
    void ApplyReplaceChoice();
    void ExistingWordlistsCommitted();
    void FocusLabelChoice();
    void UnusedNumberClick(int step);
    void PageChange();
    void OperandCommitted();
    void UpdateOKButtons();
    void CopyOKClick();
    void ComputedWordlistOKClick();
    void ImportWordlistOKClick();

    std::int32_t unusedNumber_ = 1;
};

extern QPointer<TMakeNewWordlist> MakeNewWordlist;

}  // namespace qora
