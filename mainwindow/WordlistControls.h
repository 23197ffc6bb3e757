// The wordlists page of the main window, WordlistsPage: the list of wordlists
// (the slate first) with the words of the one chosen, and the buttons that
// label a wordlist, make a new one and move items.
#pragma once

#include <cstdint>

#include <QWidget>

#include "mainwindow/ControlSupport.h"

class QListWidget;
class QPushButton;

namespace qora {

class WordlistsPage : public QWidget {
    Q_OBJECT

public:
    explicit WordlistsPage(ControlsHost& host, QWidget* parent = nullptr);

    // Lists the wordlists anew and shows the words of the one chosen (the
    // same as before when it still exists, else the slate). Reads the
    // wordlists, so it runs only while no query does.
    void RefreshLists();

    // The number of the wordlist chosen in Wordlists; -1 when none is.
    std::int32_t ChosenWordlist() const;
    // The position (from 1) of the word selected in Wordlist; 0 when none is.
    std::int32_t SelectedItem() const;

    CommitComboBox* Wordlists;
    QListWidget* Wordlist;
    QPushButton* LabelWordlist;
    QPushButton* NewWordlist;
    QPushButton* MoveItem;

private:
    void ShowWords();
};

}  // namespace qora
