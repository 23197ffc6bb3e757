#include "games/WordBuildingGameDialogs.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "games/WordBuildingControls.h"
#include "platform/Scaling.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

constexpr const char* HelpText =
    "The Word-Building Game is played alone on a grid of 96 tiles standing in 12 columns of 8.\n\n"
    "Build one word at a time from the tiles at the tops of the columns. Taking a tile moves the tiles below it "
    "up one row. A word of 3 to 12 tiles that is in the primary lexicon may be accepted; it scores the sum of its "
    "tile values times its number of tiles. The aim is the highest total score. After every tile the game tells "
    "you when no word can begin with the tiles chosen so far. Tiles left in the grid at the end do not count "
    "against you, and there is no time limit, but the time of each word is noted.\n\n"
    "To choose a tile: type its letter (the next column from the selected one whose top shows it), type its "
    "column's key (1 to 9, 0, - and = for the columns 1 to 12), click its column, or press the up-arrow for the "
    "selected column. The left and right arrows select another column. In Spanish, Ctrl+C, Ctrl+L, Ctrl+N and "
    "Ctrl+R type CH, LL, \xD1 and RR.\n\n"
    "To retract the last tile: press Space, Backspace or the down-arrow, or click Retract Last Tile. Typing the "
    "same letter again then takes it from the next column to the right that shows it.\n\n"
    "To accept the word: press Enter or click Accept Word. To take the last accepted word back into the word "
    "being built: press Delete or click Retract Last Word; its tiles can then be retracted one by one.\n\n"
    "Before playing, choose a grid: a new random grid, a previous or next grid of this session, the grid of the "
    "last game, one you type yourself (96 letters; Ctrl+V pastes them), one sought in the history of noted "
    "games, or grids imported from a file. Click Play Game to start and End Game when you are done. Esc closes "
    "the window; the game waits for you until you open it again.";

}  // namespace

TWordsmithDoneDlg::TWordsmithDoneDlg(QWidget* parent) : QoraDialog("Word-Building Game Completed", 520, 330, parent) {
    Indicated = MakeLabel(this, "You have indicated you want to end the current game.", Designed(12, 12, 496, 20));
    Question = MakeLabel(this, "Do you want to end the current game now?", Designed(12, 34, 496, 20));
    Notices = MakeLabel(this, "", Designed(12, 60, 496, 62));
    Notices->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Notices->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
    Choices =
        new RadioGroup("",
                       {"No, continue playing", "Yes, but don't make a note of it",
                        "Yes, and consider exporting or noting this game in saved history",
                        "Yes, and export/create just the game's grid", "Yes, and export/append just the game's grid"},
                       this);
    Choices->setGeometry(Scaled(12), Scaled(124), Scaled(496), Scaled(152));
    OKButton = MakeButton(this, "OK", Designed(230, 290, 86, 28));
    OKButton->setDefault(true);
    CancelButton = MakeButton(this, "Cancel", Designed(326, 290, 86, 28));
    HelpButton = MakeButton(this, "Help", Designed(422, 290, 86, 28));
    SetModalResult(*OKButton, mrOk);
    SetModalResult(*CancelButton, mrCancel);
    connect(HelpButton, &QPushButton::clicked, this, [this] {
        if (ShowHelp) ShowHelp();
    });
}

void TWordsmithDoneDlg::Prepare(const std::vector<std::string>& notices, bool notingAvailable) {
    std::string text;
    for (const std::string& notice : notices) text += (text.empty() ? "" : "\n") + notice;
    Notices->setText(FromCodePage(text));
    Choices->Item(static_cast<int>(EndGameChoice::EndAndNote))->setEnabled(notingAvailable);
}

void TWordsmithDoneDlg::FormActivate() {
    SetChoice(EndGameChoice::ContinuePlaying);
    OKButton->setFocus();
}

EndGameChoice TWordsmithDoneDlg::Choice() const {
    const int index = Choices->ItemIndex();
    return index < 0 ? EndGameChoice::ContinuePlaying : static_cast<EndGameChoice>(index);
}

void TWordsmithDoneDlg::SetChoice(EndGameChoice choice) { Choices->SetItemIndex(static_cast<int>(choice)); }

TWordsmithHelpDlg::TWordsmithHelpDlg(QWidget* parent) : QoraDialog("Word-Building Game Help", 560, 420, parent) {
    Text = new QPlainTextEdit(FromCodePage(HelpText), this);
    Text->setReadOnly(true);
    Text->setGeometry(Scaled(12), Scaled(12), Scaled(536), Scaled(356));
    OKButton = MakeButton(this, "OK", Designed(462, 380, 86, 28));
    OKButton->setDefault(true);
    SetModalResult(*OKButton, mrOk);
}

}  // namespace qora
