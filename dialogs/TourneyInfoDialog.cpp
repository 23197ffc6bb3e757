#include "dialogs/TourneyInfoDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/HelpDialog.h"
#include "platform/qt/Text.h"

namespace qora {

QPointer<TInfoDlg> InfoDlg;

const char* const TourneyInstructions =
    "Using QORA as the word judge of a tournament\n"
    "\n"
    "1. Close every other word program on this computer before play begins, so that only QORA rules on "
    "challenges.\n"
    "\n"
    "2. Make sure that no shortcut key or desktop button of this computer starts a word program.\n"
    "\n"
    "3. Choose the lexicon that rules on challenges with Settings > Lexicons (the challenge lexicon). The "
    "challenge window has an aqua background while the challenge lexicon is the one chosen when QORA started, "
    "and a fuchsia background when another one has been chosen since.\n"
    "\n"
    "4. Lock the challenge window before the players use it: type /C followed by a number of your own choice "
    "at the prompt, for example /C4711, and press Enter. The window then covers the whole screen and cannot be "
    "closed. Challenged words are recorded in the day's recording file; write a minus sign before the number "
    "(/C-4711) to judge without recording. Only the first 8 digits of the number count.\n"
    "\n"
    "5. Check that the lexicon named in the challenge window is the one the tournament plays with.\n"
    "\n"
    "6. To unlock the window after the tournament, type your number in it.\n"
    "\n"
    "7. The button below opens the document \"QORA Tourney Adjudications\", which tells the rest: the rulings, "
    "the time limits, recording the challenged words, and lexicon transition challenges.\n";

TInfoDlg::TInfoDlg(QWidget* parent) : QoraDialog(" Tourney Adjudications with QORA", 790, 548, parent) {
    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(FromCodePage(TourneyInstructions));
    layout->addWidget(Memo1, 1);
    LocalVersion =
        new QPushButton(QStringLiteral("Browse the \"QORA Tourney Adjudications\" Document on this Computer"), this);
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    AddCentred(*layout, {LocalVersion, Cancel});
    connect(LocalVersion, &QPushButton::clicked, this, &TInfoDlg::LocalVersionClick);
    SetModalResult(*Cancel, mrCancel);
}

void TInfoDlg::LocalVersionClick() { OpenPageAndClose(*this, TourneyAdjudicationsPage); }

}  // namespace qora
