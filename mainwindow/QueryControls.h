// The query page of the main window, QueryPage: the query mode and the word
// source (lists that type their sub-commands), the buttons that add query
// constituents, the user-defined sets with their New and Label buttons, and
// the boxes that show set (B) and set ($).
#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

#include "engine/LetterCounts.h"
#include "engine/QueryRecords.h"
#include "mainwindow/ControlSupport.h"

class QPushButton;
class QToolButton;

namespace qora {

class QueryPage : public QWidget {
    Q_OBJECT

public:
    explicit QueryPage(ControlsHost& host, QWidget* parent = nullptr);

    // Shows the query mode, the word source, set (B) (the bag the settings
    // count probabilities from) and set ($) (`scores`).
    void ShowSettings(const Settings& settings, const LetterCounts& scores);
    // Fills the word-source and user-set lists anew (after every command).
    void RefreshLists();

    // The number of the set chosen in UserSets; -1 when none is.
    std::int32_t ChosenUserSet() const;

    CommitComboBox* QueryKind;
    CommitComboBox* WordSource;
    QPushButton* QueryCharacter;
    QPushButton* RackCharacter;
    QPushButton* QueryWord;
    CommitComboBox* UserSets;
    QPushButton* NewSet;
    QPushButton* LabelSet;
    DialogBox* SetB;
    QToolButton* SetBButton;
    DialogBox* LetterScoresValues;
    QToolButton* LetterScoresButton;

private:
    void QueryKindCommitted(int item);
    void WordSourceCommitted(int item);
    void ShowWordSource();

    std::vector<std::int32_t> wordSources_;  // the source of each WordSource item
    std::int32_t shownWordSource_ = WordSourceLexicon;
};

}  // namespace qora
