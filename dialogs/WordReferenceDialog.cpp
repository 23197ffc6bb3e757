#include "dialogs/WordReferenceDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/Text.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"

namespace qora {

QPointer<TAddWordReference> AddWordReference;

namespace {

SubwordPosition NewPositionGroup(QWidget* parent, const char* caption, const char* start, const char* end,
                                 bool endChecked) {
    SubwordPosition group;
    group.Box = new QGroupBox(QString::fromLatin1(caption), parent);
    group.Value = new CommitComboBox(group.Box);
    group.Start = new QRadioButton(QString::fromLatin1(start), group.Box);
    group.End = new QRadioButton(QString::fromLatin1(end), group.Box);
    (endChecked ? group.End : group.Start)->setChecked(true);
    auto* layout = new QVBoxLayout(group.Box);
    layout->addWidget(group.Value, 0, Qt::AlignLeft);
    layout->addWidget(group.Start);
    layout->addWidget(group.End);
    // A hidden group keeps its place, so that the kinds stay put.
    QSizePolicy policy = group.Box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    group.Box->setSizePolicy(policy);
    return group;
}

}  // namespace

int SubwordPosition::Position() const { return Value->currentIndex() + 1; }

bool SubwordPosition::FromEnd() const { return End->isChecked(); }

TAddWordReference::TAddWordReference(QWidget* parent)
    : QoraDialog(" Add a Word or Subword Reference to the Query", 740, 373, parent) {
    auto* layout = new QVBoxLayout(this);
    RepetitionCount = new RepetitionCountBox(this);
    Requirement = new RadioGroup("Required to be included in the result", {"no", "yes"}, this);
    Requirement->SetItemIndex(0);
    Mapping = new RadioGroup("Map Letters", {"no", "yes"}, this);
    Mapping->SetItemIndex(0);
    auto* frame = new QHBoxLayout;
    frame->addWidget(RepetitionCount, 0, Qt::AlignTop);
    frame->addWidget(Requirement, 0, Qt::AlignTop);
    frame->addWidget(Mapping, 0, Qt::AlignTop);
    frame->addStretch(1);
    layout->addLayout(frame);

    auto* kinds = new QWidget(this);
    EntireWord = new QRadioButton(QStringLiteral("Entire word"), kinds);
    EntireWordReversed = new QRadioButton(QStringLiteral("Entire word reversed"), kinds);
    SubwordFromWord = new QRadioButton(QStringLiteral("Subword from word:"), kinds);
    SubwordFromReversedWord = new QRadioButton(QStringLiteral("Subword from reversed word:"), kinds);
    // One group: the position groups' buttons inside the same widget must
    // not count as the kinds' neighbours.
    auto* kindGroup = new QButtonGroup(kinds);
    for (QRadioButton* kind : {EntireWord, EntireWordReversed, SubwordFromWord, SubwordFromReversedWord})
        kindGroup->addButton(kind);
    EntireWord->setChecked(true);
    SubwordFrom = NewPositionGroup(kinds, "From", "from word start", "from word end", false);
    SubwordThru = NewPositionGroup(kinds, "Through", "from word start", "from word end", true);
    SubwordRevFrom = NewPositionGroup(kinds, "From", "from start", "from end", false);
    SubwordRevThru = NewPositionGroup(kinds, "Through", "from start", "from end", true);
    // The kinds in a column; beside them the two position groups of the
    // subword kind chosen (both pairs take the same place).
    auto* grid = new QGridLayout(kinds);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(EntireWord, 0, 0);
    grid->addWidget(EntireWordReversed, 1, 0);
    grid->addWidget(SubwordFromWord, 2, 0);
    grid->addWidget(SubwordFromReversedWord, 3, 0);
    constexpr int kindRows = 4;
    grid->addWidget(SubwordFrom.Box, 0, 1, kindRows, 1);
    grid->addWidget(SubwordThru.Box, 0, 2, kindRows, 1);
    grid->addWidget(SubwordRevFrom.Box, 0, 1, kindRows, 1);
    grid->addWidget(SubwordRevThru.Box, 0, 2, kindRows, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(kinds);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);

    FillPositions();
    // A pick moves on: From to Through to OK.
    SubwordFrom.Value->SetNextControl(SubwordThru.Value);
    SubwordThru.Value->SetNextControl(OK);
    SubwordRevFrom.Value->SetNextControl(SubwordRevThru.Value);
    SubwordRevThru.Value->SetNextControl(OK);
    for (QRadioButton* kind : {EntireWord, EntireWordReversed, SubwordFromWord, SubwordFromReversedWord})
        connect(kind, &QRadioButton::clicked, this, &TAddWordReference::KindClick);
    connect(OK, &QPushButton::clicked, this, &TAddWordReference::OKClick);
}

void TAddWordReference::FillPositions() {
    for (const SubwordPosition* group : {&SubwordFrom, &SubwordThru, &SubwordRevFrom, &SubwordRevThru}) {
        CommitComboBox& list = *group->Value;
        list.clear();
        for (std::int32_t position = 1; position <= MaxWordLength; ++position)
            list.addItem(FromCodePage(FormatText("%6d", position)));
        list.setCurrentIndex(list.count() > 0 ? 0 : -1);
        list.SetCommittedIndex(list.currentIndex());
    }
    const bool positions = MaxWordLength > 0;
    SubwordFromWord->setEnabled(positions);
    SubwordFromReversedWord->setEnabled(positions);
    if (!positions && Kind() != EntireWordReversedKind) EntireWord->setChecked(true);
    ShowPositionGroups(Kind());
}

WordReferenceKind TAddWordReference::Kind() const {
    if (EntireWordReversed->isChecked()) return EntireWordReversedKind;
    if (SubwordFromWord->isChecked()) return SubwordKind;
    if (SubwordFromReversedWord->isChecked()) return SubwordReversedKind;
    return EntireWordKind;
}

WordReferenceChoice TAddWordReference::Reference() const {
    const WordReferenceKind kind = Kind();
    const bool reversed = kind == SubwordReversedKind;
    const SubwordPosition& from = reversed ? SubwordRevFrom : SubwordFrom;
    const SubwordPosition& thru = reversed ? SubwordRevThru : SubwordThru;
    return {kind, Mapping->ItemIndex() == 1, from.Position(), from.FromEnd(), thru.Position(), thru.FromEnd()};
}

// The count starts at 1 again; everything else stays as it was.
void TAddWordReference::FormActivate() {
    afterRackPart_ = RackMode != 0;
    RepetitionCount->Restart();
    ShowPositionGroups(Kind());
}

void TAddWordReference::KindClick() {
    const WordReferenceKind kind = Kind();
    ShowPositionGroups(kind);
    if (kind == SubwordKind)
        MoveFocus(*SubwordFrom.Value);
    else if (kind == SubwordReversedKind)
        MoveFocus(*SubwordRevFrom.Value);
    else
        MoveFocus(*OK);
}

void TAddWordReference::ShowPositionGroups(WordReferenceKind kind) {
    SubwordFrom.Box->setVisible(kind == SubwordKind);
    SubwordThru.Box->setVisible(kind == SubwordKind);
    SubwordRevFrom.Box->setVisible(kind == SubwordReversedKind);
    SubwordRevThru.Box->setVisible(kind == SubwordReversedKind);
}

void TAddWordReference::OKClick() {
    const ConstituentMarks marks{afterRackPart_, RepetitionCount->Count(), Requirement->ItemIndex() == 1};
    AppendToCommandLine(WordReferenceText(marks, Reference()));
    CloseWithResult(mrOk);
}

void FillWordReferencePositions() {
    if (AddWordReference) AddWordReference->FillPositions();
}

}  // namespace qora
