#include "dialogs/LexiconDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "engine/Lexicons.h"
#include "platform/Scaling.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

QPointer<TLexiconDlg> LexiconDlg;

namespace {

constexpr int NoneItems = 1;  // "(none)" before the lexicons of the secondary list
constexpr int LongNameIndent = 16;

// One row of the dialog: the caption, the list, and below the list the long
// name of the lexicon shown in it.
CommitComboBox* AddLexiconRow(QWidget* form, QGridLayout& grid, int row, const char* caption, QLabel*& longName) {
    auto* list = new CommitComboBox(form);
    auto* label = new QLabel(QString::fromLatin1(caption), form);
    label->setBuddy(list);
    longName = new QLabel(form);
    longName->setWordWrap(true);
    longName->setIndent(Scaled(LongNameIndent));
    longName->setMinimumHeight(2 * longName->fontMetrics().lineSpacing());  // room for a name that wraps
    grid.addWidget(label, 2 * row, 0);
    grid.addWidget(list, 2 * row, 1);
    grid.addWidget(longName, 2 * row + 1, 0, 1, 2);  // the whole width: a long name has up to 63 characters
    return list;
}

void FillLexiconList(CommitComboBox& list, bool withNone) {
    list.clear();
    if (withNone) list.addItem(QStringLiteral("(none)"));
    for (const LexiconRecord& lexicon : LexiconTable) list.addItem(FromCodePage(lexicon.ShortName));
}

// Shows the long name of the lexicon at the list's item (none for "(none)").
void FollowLongName(CommitComboBox& list, QLabel& longName, int firstLexiconItem) {
    auto show = [&list, &longName, firstLexiconItem](int item) {
        const int index = item - firstLexiconItem;
        const bool known = index >= 0 && index < static_cast<int>(LexiconTable.size());
        longName.setText(known ? FromCodePage(LexiconTable[index].LongName) : QString());
    };
    QObject::connect(&list, &QComboBox::currentIndexChanged, &longName, show);
}

}  // namespace

TLexiconDlg::TLexiconDlg(QWidget* parent) : QoraDialog(" Choose the Lexicons", 580, 260, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    Primary = AddLexiconRow(this, *grid, 0, "&Primary lexicon:", PrimaryName);
    Secondary = AddLexiconRow(this, *grid, 1, "&Secondary lexicon:", SecondaryName);
    Challenge = AddLexiconRow(this, *grid, 2, "&Challenge lexicon:", ChallengeName);
    grid->setColumnStretch(1, 1);
    FollowLongName(*Primary, *PrimaryName, 0);
    FollowLongName(*Secondary, *SecondaryName, NoneItems);
    FollowLongName(*Challenge, *ChallengeName, 0);
    layout->addStretch(1);
    AddConfirmButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TLexiconDlg::OKClick);
}

void TLexiconDlg::FormActivate() {
    FillLexiconList(*Primary, false);
    FillLexiconList(*Secondary, true);
    FillLexiconList(*Challenge, false);
    Primary->setCurrentIndex(PrimaryLexicon);
    Secondary->setCurrentIndex(SecondaryLexiconIndex + NoneItems);
    Challenge->setCurrentIndex(ChallengeLexicon);
    Primary->setFocus();
}

void TLexiconDlg::OKClick() {
    std::string error;
    if (!ChooseLexicons(Primary->currentIndex(), Secondary->currentIndex() - NoneItems, Challenge->currentIndex(),
                        error)) {
        ShowError(error);
        return;
    }
    // The line may mean something else with the new lexicons' language.
    CheckCommandLineSilently();
    CloseWithResult(mrOk);
}

void ShowLexiconDialog(QWidget* parent) { OpenCentred(LexiconDlg, parent); }

}  // namespace qora
