// The set pages that the Add Query Constituent and Define New Set dialogs
// share: a built-in, score- or count-based set; a word-based set; a specified
// set of tiles; an all-but set. Each page holds its controls (with the
// system's component names), its OK and Help buttons and its OK rule
// (dialogs/texts/LetterSetTexts); the dialog writes the text around the page's
// body and decides what OK does.
#pragma once

#include <QPointer>
#include <string>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/LetterSetTexts.h"
#include "engine/LetterCounts.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qora {

class CommitComboBox;
class NumberField;
class TileControlRows;
class TileTypingMemo;

// Writes the caption of every built-in page's BagOfLetters ("Bag of
// Letters (98 of them)"): the executor's hook when set (B) is redefined.
void ShowBagCaption(const std::string& caption);

class BuiltInSetPage : public CommandPage {
    Q_OBJECT

public:
    explicit BuiltInSetPage(QoraDialog& dialog);
    ~BuiltInSetPage() override;

    QRadioButton* Vowels;
    QRadioButton* VowelsPlusY;
    QRadioButton* Consonants;
    QRadioButton* ConsonantsLessY;
    QRadioButton* AllLetters;
    QRadioButton* BagOfLetters;
    QRadioButton* BlankMatches;
    QRadioButton* ScoreBasedSet;
    QRadioButton* CountBasedSet;
    CommitComboBox* ScoreBasedRelop;
    CommitComboBox* CountBasedRelop;
    NumberField* ScoreBasedValue1;
    NumberField* ScoreBasedValue2;
    NumberField* CountBasedValue1;
    NumberField* CountBasedValue2;

    // The languages's captions; AllLetters is each dialog's own.
    void ApplyLanguage(Language language);

    int Choice() const;  // BuiltInSetChoice; -1 while no button is checked
    // The relation the list shows; ">=" while it shows none.
    int ScoreRelation() const;
    int CountRelation() const;
    // The body of the checked choice: "V+", "$3-5", "#9", ...
    std::string BodyText() const;

    bool Composable() const override;  // UpdateBuiltInSetOK

private:
    void AddRelationRow(QGridLayout& grid, int row, QRadioButton* choice, CommitComboBox*& relop, NumberField*& value1,
                        NumberField*& value2, bool score);
    void RelationCommitted(NumberField& value2, int item);
};

class WordBasedSetPage : public CommandPage {
    Q_OBJECT

public:
    explicit WordBasedSetPage(QoraDialog& dialog);

    QRadioButton* WordBasedPatternButton;
    QLineEdit* WordBasedPatternString;
    QLabel* WordBasedPatternLabel;
    QRadioButton* WordBasedAnagramButton;
    QLineEdit* WordBasedAnagramString;
    QLabel* WordBasedAnagramLabel;

    void ApplyLanguage(Language language);

    // The body of the checked button's text: "AB.DE", "AEINST?".
    std::string BodyText() const;

    bool Composable() const override;
};

// A page whose user-defined set is chosen in a list (the query
// constituent's user-defined set, the new set's copy): the list, after its
// caption when there is one, becomes the page's; OK needs a set chosen.
class SetChoicePage : public CommandPage {
    Q_OBJECT

public:
    SetChoicePage(QoraDialog& dialog, QComboBox* list, const char* caption);

    QComboBox* List;

    bool Composable() const override;
};

// A page of tiles that takes the keyboard: its memo shows the typing hint,
// Enter in it confirms the page while OK is enabled, Esc closes the dialog.
class TilePage : public CommandPage {
    Q_OBJECT

public:
    void SetLanguage(Language language);  // the tiles' captions and the Spanish extras
    void SetHomeLines(const std::vector<std::string>& lines);

    // The tile controls, by slot (SlotOfName): the specified page's
    // QCSSLabel?, SSValue? and SSUpDown?, the all-but page's AllBut?.
    TileControlRows* TileRows;
    // SpecifiedSetHome, AllButSetHome.
    TileTypingMemo* Memo;

    QWidget* Home() const override;

protected:
    // The tiles above the page's two buttons, the memo below them.
    TilePage(QoraDialog& dialog, TileControlRows* tiles, const char* firstButton, const char* secondButton);
    QPushButton* FirstButton;
    QPushButton* SecondButton;
    // The tiles of the language shown, each with its count (a check box
    // counts 1).
    LetterCounts TileCounts() const;
    // Re-runs the OK rule and gives the memo the focus.
    void TilesChanged();
};

class SpecifiedSetPage : public TilePage {
    Q_OBJECT

public:
    explicit SpecifiedSetPage(QoraDialog& dialog);

    QPushButton* ZeroAllValues;
    QPushButton* OneAllValues;
    bool ShiftHeld = false;  // Shift was held on the last tile typed

    LetterCounts Counts() const { return TileCounts(); }
    std::string TilesText() const { return SpecifiedSetTiles(Counts()); }

    bool Composable() const override;  // UpdateSpecifiedSetOK

private:
    void SetAllCounts(int count);
};

class AllButSetPage : public TilePage {
    Q_OBJECT

public:
    explicit AllButSetPage(QoraDialog& dialog);

    QPushButton* ClearAll;
    QPushButton* SetAll;

    LetterCounts LeftOut() const { return TileCounts(); }
    std::string TilesText() const { return AllButSetTiles(LeftOut()); }

    bool Composable() const override;  // UpdateAllButSetOK
};

}  // namespace qora
