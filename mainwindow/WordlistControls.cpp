#include "mainwindow/WordlistControls.h"

#include "engine/Tiles.h"
#include "engine/WordlistListings.h"
#include "engine/Wordlists.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Text.h"

#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <string>
#include <vector>

namespace qora {

namespace {

constexpr int WordlistsColumns = 12;

}  // namespace

WordlistsPage::WordlistsPage(ControlsHost& host, QWidget* parent) : QWidget(parent) {
    Wordlists = new CommitComboBox;
    LimitListWidth(*Wordlists, WordlistsColumns);
    Wordlists->SetElideMode(Qt::ElideMiddle);  // the number and the item count stay in sight
    Wordlist = new QListWidget;
    Wordlist->setUniformItemSizes(true);
    LabelWordlist = new QPushButton("Label");
    MarkDialogButton(*LabelWordlist, ControlDialog::LabelWordlist);
    NewWordlist = NewDialogButton(host, ControlDialog::NewWordlist, "New Wordlist");
    MoveItem = new QPushButton("Move Item");
    MarkDialogButton(*MoveItem, ControlDialog::MoveItem);

    PageRows rows(*this);
    rows.AddAcross(Wordlists, LabelWordlist);
    rows.AddAcross(SideBySide({NewWordlist, MoveItem}));
    rows.AddFilling(Wordlist);

    connect(Wordlists, &CommitComboBox::committed, this, &WordlistsPage::ShowWords);
    connect(LabelWordlist, &QPushButton::clicked, this, [this, &host] {
        host.OpenDialog({ControlDialog::LabelWordlist, ChosenWordlist()});
    });
    connect(MoveItem, &QPushButton::clicked, this, [this, &host] {
        host.OpenDialog({ControlDialog::MoveItem, ChosenWordlist(), SelectedItem()});
    });
}

void WordlistsPage::RefreshLists() {
    const std::int32_t chosen = ChosenWordlist();
    std::vector<std::string> lines;
    const int line = ListWordlists(lines, false, chosen);
    Wordlists->SetItems(lines, line < 0 ? 0 : line);
    ShowWords();
}

std::int32_t WordlistsPage::ChosenWordlist() const {
    int number = -1;
    if (Wordlists->currentIndex() < 0) return -1;
    return std::sscanf(ToCodePage(Wordlists->currentText()).c_str(), " %d", &number) == 1 ? number : -1;
}

std::int32_t WordlistsPage::SelectedItem() const {
    const int row = Wordlist->currentRow();
    return row < 0 || !Wordlist->currentItem()->isSelected() ? 0 : row + 1;
}

// The box's hint holds the whole line of the wordlist chosen, which the box
// may show cut.
void WordlistsPage::ShowWords() {
    Wordlists->setToolTip(Wordlists->currentText());
    QStringList words;
    if (const qora::Wordlist* list = FindWordlist(ChosenWordlist()); list != nullptr) {
        words.reserve(list->Count());
        for (const WordlistItem& item : list->Items()) words.append(FromCodePage(WordToDisplay(item.Text)));
    }
    Wordlist->clear();
    Wordlist->addItems(words);
}

}  // namespace qora
