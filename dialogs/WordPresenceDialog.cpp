#include "dialogs/WordPresenceDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/WordlistTexts.h"
#include "engine/Lexicons.h"
#include "engine/WordlistListings.h"
#include "engine/Wordlists.h"
#include "platform/Scaling.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

QPointer<TWordPresenceDlg> WordPresenceDlg;

namespace {

constexpr int ListIndent = 20;

std::optional<std::string> SelectedText(const CommitComboBox& list) {
    if (list.currentIndex() < 0) return std::nullopt;
    return ToCodePage(list.currentText());
}

}  // namespace

TWordPresenceDlg::TWordPresenceDlg(QWidget* parent) : QoraDialog(" Word Presence", 404, 258, parent) {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Check whether "), this);
    TheWord = new QLineEdit(QStringLiteral("(this will show the word)"), this);
    TheWord->setReadOnly(true);
    TheWord->setFocusPolicy(Qt::ClickFocus);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(Label1);
    wordRow->addWidget(TheWord, 1);
    layout->addLayout(wordRow);

    InLexicon = new QRadioButton(this);
    InNamedLexicon = new QRadioButton(QStringLiteral("is in lexicon"), this);
    Lexicons = new CommitComboBox(this);
    OnSlate = new QRadioButton(QStringLiteral("is on the slate, but don't indicate where"), this);
    InWordlist = new QRadioButton(QStringLiteral("is in wordlist, and where"), this);
    Wordlist = new CommitComboBox(this);
    InLexicon->setChecked(true);
    auto* places = new QGridLayout;
    places->addWidget(InLexicon, 0, 0, 1, 2);
    places->addWidget(InNamedLexicon, 1, 0);
    places->addWidget(Lexicons, 1, 1);
    places->addWidget(OnSlate, 2, 0, 1, 2);
    places->addWidget(InWordlist, 3, 0, 1, 2);
    // The wordlist lines are long: the list takes a row of its own below its
    // button, indented.
    auto* listRow = new QHBoxLayout;
    listRow->addSpacing(Scaled(ListIndent));
    listRow->addWidget(Wordlist, 1);
    places->addLayout(listRow, 4, 0, 1, 2);
    places->setColumnStretch(1, 1);
    layout->addLayout(places);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    ShowLexiconCaption();

    for (CommitComboBox* list : {Lexicons, Wordlist}) {
        list->SetNextControl(OK);
        connect(list, &QComboBox::currentIndexChanged, this, &TWordPresenceDlg::UpdateOK);
    }
    for (QRadioButton* place : {InLexicon, InNamedLexicon, OnSlate, InWordlist})
        connect(place, &QRadioButton::toggled, this, &TWordPresenceDlg::UpdateOK);
    connect(OK, &QPushButton::clicked, this, &TWordPresenceDlg::OKClick);
}

PresenceChoice TWordPresenceDlg::Choice() const {
    PresenceChoice choice;
    if (OnSlate->isChecked())
        choice.Place = PresencePlace::OnSlate;
    else if (InNamedLexicon->isChecked())
        choice.Place = PresencePlace::InNamedLexicon;
    else if (InWordlist->isChecked())
        choice.Place = PresencePlace::InWordlist;
    choice.LexiconName = SelectedText(*Lexicons);
    if (const auto line = SelectedText(*Wordlist)) choice.Wordlist = WordlistOfChoice(*line);
    return choice;
}

// The lists anew, and the word from the command line; the place chosen stays.
void TWordPresenceDlg::FormActivate() {
    std::vector<std::string> lines;
    FillWordlistChoices(lines, true);
    Wordlist->SetItems(lines, 0);
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < LexiconCount; ++i)
        names.push_back(LexiconTable[static_cast<std::size_t>(i)].ShortName);
    Lexicons->SetItems(names, names.empty() ? -1 : 0);
    TheWord->setText(FromCodePage(PresenceWord(CommandLine())));
    UpdateOK();
    for (QRadioButton* place : {InLexicon, InNamedLexicon, OnSlate, InWordlist})
        if (place->isChecked()) place->setFocus();
}

void TWordPresenceDlg::UpdateOK() { OK->setEnabled(PresenceComposable(Choice())); }

void TWordPresenceDlg::OKClick() {
    const PresenceChoice choice = Choice();
    if (!PresenceComposable(choice)) return;
    AppendToCommandLine(PresenceCommand(choice));
    CloseWithResult(mrOk);
}

void TWordPresenceDlg::ShowLexiconCaption() {
    InLexicon->setText(QString::fromLatin1(InLexiconCaption(SecondaryLexiconIndex != -1)));
}

void ShowInLexiconCaption() {
    if (WordPresenceDlg) WordPresenceDlg->ShowLexiconCaption();
}

}  // namespace qora
