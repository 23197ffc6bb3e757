#include "dialogs/SetFilterEditor.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/FilterText.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"
#include "processor/Settings.h"
#include "widgets/TileControls.h"

namespace qora {

namespace {

const char* const RelationCaptions[SetRelationItemCount] = {" <  (a subset of)",           "<= (a subset or equal to)",
                                                            "!=  (not equal to)",          " = (equal to)",
                                                            ">= (a superset or equal to)", ">  (a superset of)"};

constexpr int ClientWidth = 707;
constexpr int ClientHeight = 199;
constexpr int BoxPitch = 50;

}  // namespace

SetFilterEditor::SetFilterEditor(std::string_view caption, const char* homeText, const char* datum, QWidget* parent)
    : QoraDialog(caption, ClientWidth, ClientHeight, parent) {
    Home = new TileTypingMemo(this);
    Home->SetLines({homeText});
    Home->setFixedHeight(Home->fontMetrics().lineSpacing() + Home->frameWidth() * 2 + 8);
    Datum = new QLabel(FromCodePage(datum), this);
    Relop = new CommitComboBox(this);
    for (const char* item : RelationCaptions) Relop->addItem(FromCodePage(item));
    Relop->SetNextControl(Home);
    Label2 = new QLabel(QStringLiteral("the following base set:"), this);
    Letters = new TileControlRows(TileControlKind::CheckBox, BoxPitch, this);
    ClearAll = new QPushButton(QStringLiteral("Clear All"), this);
    SetAll = new QPushButton(QStringLiteral("Set All"), this);

    auto* layout = new QVBoxLayout(this);
    homeRow_ = new QHBoxLayout;
    homeRow_->addWidget(Home, 1);
    layout->addLayout(homeRow_);
    auto* relation = new QHBoxLayout;
    relation->addWidget(Datum);
    relation->addWidget(Relop);
    relation->addWidget(Label2);
    relation->addStretch(1);
    layout->addLayout(relation);
    layout->addWidget(Letters);
    layout->addStretch(1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(ClearAll);
    foot->addWidget(SetAll);
    layout->addLayout(foot);
    AddCommandButtons(*this, *foot);

    connect(Home, &TileTypingMemo::tileTyped, Letters, [this](int tile) { Letters->ToggleTile(tile); });
    connect(Home, &TileTypingMemo::confirmed, this, &SetFilterEditor::OKClick);
    connect(Letters, &TileControlRows::tileClicked, this, &SetFilterEditor::FocusHome);
    for (const bool checked : {false, true})
        connect(checked ? SetAll : ClearAll, &QPushButton::clicked, this, [this, checked] {
            Letters->SetAllChecked(checked);
            FocusHome();
        });
    connect(OK, &QPushButton::clicked, this, &SetFilterEditor::OKClick);
}

void SetFilterEditor::FormActivate() {
    const SetFilter& filter = Filter();
    initialItem_ = SetRelationItem(filter.Relation);
    Relop->setCurrentIndex(initialItem_);
    Relop->SetCommittedIndex(initialItem_);
    openingLetters_ = filter.Letters.Counts;
    Letters->SetLanguage(ActiveLanguage());
    Letters->CheckTiles(openingLetters_);
    Home->setFocus();
}

void SetFilterEditor::FocusHome() { MoveFocus(*Home); }

void SetFilterEditor::OKClick() {
    Relop->CommitShown();
    const int item = Relop->CommittedIndex();
    const LetterCounts letters = Letters->CheckedTiles();
    if (item != initialItem_ || !LetterCountsEqual(letters, openingLetters_) || !ExtrasAsOpened())
        Append(item, letters);
    CloseWithResult(mrOk);
}

}  // namespace qora
