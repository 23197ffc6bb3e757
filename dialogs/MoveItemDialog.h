// The Move Item dialog, TMoveItemDlg: deletes, copies or moves a run of items
// of a wordlist, or the current flashcard, to an existing wordlist, the
// flashcard wordlist or a new wordlist, before a given item there ("/=3:5D",
// "/7:0=3:5,4C", "/9:0=M"). While the user chooses, it shows how the numbers
// resolve against the wordlists as they stand, reading the items without
// moving any cursor; OK is enabled only for a complete choice. The texts and
// rules are in dialogs/texts/WordlistTexts.
#pragma once

#include <QPointer>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/WordlistTexts.h"
#include "engine/Wordlists.h"
#include "platform/qt/Dialogs.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qora {

class CommitComboBox;
class FreeNumberField;
class NumberField;
class RadioGroup;
class UpDown;

// What an opener asks of the dialog: the current flashcard, or a wordlist
// and item (-1 keeps the dialog's choice), and the operation (0 delete,
// 1 copy, 2 move).
struct MoveItemRequest {
    std::uint8_t FromFlashcard = 0;
    std::int32_t WordlistNumber = -1;
    std::int32_t ItemNumber = -1;
    std::uint8_t Operation = DispositionMove;
};
extern MoveItemRequest PendingMoveItem;

// The choices, kept from one showing to the next (-1: none).
struct MoveItemState {
    std::int32_t SourceWordlist = SlateNumber;
    std::int32_t SourceLine = 0;
    std::int32_t SpecifiedItem = 0;
    std::int32_t SpecifiedCount = 1;
    std::int32_t DestinationWordlist = -1;
    std::int32_t DestinationLine = -1;
    std::int32_t DestinationItem = 0;
    std::int32_t ActualCount = 0;  // as the source resolves now
};
extern MoveItemState MoveItemValues;

class TMoveItemDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TMoveItemDlg(QWidget* parent = nullptr);

    QGroupBox* ItemBox;
    QRadioButton* Flashcard;
    QRadioButton* FromWordlist;
    CommitComboBox* Wordlist1;
    QLabel* ItemLabel1;
    NumberField* ItemNumber1;
    UpDown* ItemNumberUpDown;
    QLabel* Label1;
    QLineEdit* StartingItem;
    QLabel* Label3;
    QLineEdit* ActualItem1;
    QGroupBox* CountBox;
    QLabel* Label4;
    NumberField* SpecifiedCount;
    QLabel* Label5;
    QLineEdit* ActualCount;
    QGroupBox* EndingItemBox;
    QLineEdit* EndingItem;
    RadioGroup* Disposition;
    QGroupBox* DestinationBox;
    QRadioButton* ToExistingWordlist;
    CommitComboBox* Wordlist2;
    QRadioButton* ToFlashcardWordlist;
    QRadioButton* ToNewWordlist;
    FreeNumberField* NewWordlistNumber;
    UpDown* NewWordlistNumberUpDown;  // the arrows of NewWordlistNumber
    QLabel* ItemLabel2;
    NumberField* ItemNumber2;
    QLabel* Label2;
    QLabel* Label6;
    QLineEdit* ActualItem2;

    MoveItemChoice Choice() const;

protected:
    void FormActivate() override;

private:
    void FlashcardClick();
    void FromWordlistClick();
    void ApplyMoveSourceChoice(int line);
    void ApplyMoveDestinationChoice(int line);
    void ItemNumber1KeyUp();
    void SpecifiedCountKeyUp();
    void ItemNumber2KeyUp();
    void ItemNumberUpDownClick(bool up);
    void DispositionClick();
    void ToFlashcardWordlistClick();
    void ToExistingWordlistClick();
    void ToNewWordlistClick();
    void OKClick();

    // Lists the wordlists anew and shows the line of `wordlist`; its index,
    // or -1 when that wordlist is gone.
    int ShowWordlistLine(CommitComboBox& list, std::int32_t wordlist);
    void RefreshMoveSource(bool rewriteItem, bool rewriteCount);
    void RefreshMoveDestination(bool rewriteItem);
    void UpdateMoveItemOKButton();
};

extern QPointer<TMoveItemDlg> MoveItemDlg;

}  // namespace qora
