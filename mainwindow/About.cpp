#include "mainwindow/About.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "engine/Lexicons.h"
#include "platform/qt/Text.h"

namespace qora {

QPointer<TAboutBox> AboutBox;

namespace {

// "primary, challenge": what the lexicon at `index` is used as now.
std::string RolesOf(int index) {
    std::string roles;
    auto add = [&roles](bool holds, const char* role) {
        if (!holds) return;
        if (!roles.empty()) roles += ", ";
        roles += role;
    };
    add(index == PrimaryLexicon, "primary");
    add(index == SecondaryLexiconIndex, "secondary");
    add(index == ChallengeLexicon, "challenge");
    return roles;
}

std::string LexiconLine(int index) {
    const LexiconRecord& lexicon = LexiconTable[index];
    std::string line =
        lexicon.ShortName + " - " + lexicon.LongName + " (" + LanguageName(lexicon.LexiconLanguage) + ")";
    const std::string roles = RolesOf(index);
    return roles.empty() ? line : line + ": " + roles;
}

}  // namespace

std::string ProgramVersionText() { return std::string("Version ") + QORA_VERSION; }

TAboutBox::TAboutBox(QWidget* parent) : QoraDialog(" About QORA", 560, 380, parent) {
    auto* layout = new QVBoxLayout(this);
    ProductName = new QLabel(QStringLiteral("QORA"), this);
    QFont large = ProductName->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    ProductName->setFont(large);
    Version = new QLabel(FromCodePage(ProgramVersionText()), this);
    Comments = new QLabel(QStringLiteral("Word study, anagram search and word judging for players of tile-based "
                                         "crossword word games and the judges at their tournaments."),
                          this);
    Comments->setWordWrap(true);
    Lexicons = new QPlainTextEdit(this);
    Lexicons->setReadOnly(true);
    Lexicons->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(ProductName);
    layout->addWidget(Version);
    layout->addWidget(Comments);
    layout->addWidget(new QLabel(QStringLiteral("Lexicons found at start-up:"), this));
    layout->addWidget(Lexicons, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setDefault(true);
    SetModalResult(*OK, mrOk);
    row->addWidget(OK);
    layout->addLayout(row);
}

void TAboutBox::FormActivate() {
    std::string lines;
    for (int i = 0; i < static_cast<int>(LexiconTable.size()); ++i) lines += LexiconLine(i) + "\n";
    Lexicons->setPlainText(FromCodePage(lines));
    OK->setFocus();
}

void ShowAboutDialog(QWidget* parent) { OpenCentred(AboutBox, parent); }

}  // namespace qora
