#include "mainwindow/PresentationControls.h"

#include "dialogs/texts/ControlTexts.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "processor/Settings.h"

#include <QLabel>
#include <QToolButton>
#include <string>
#include <vector>

namespace qora {

namespace {

constexpr int ListColumns = 12;
// A count above this does not fit the box and is also shown as its hint.
constexpr std::int32_t LargestCountShown = 99999;

// The sort-key lists in key order.
const std::array<CommitComboBox * PresentationPage::*, MaxSortKeys> OrderByLists = {
    &PresentationPage::OrderBy1, &PresentationPage::OrderBy2, &PresentationPage::OrderBy3, &PresentationPage::OrderBy4,
    &PresentationPage::OrderBy5, &PresentationPage::OrderBy6, &PresentationPage::OrderBy7,
};

bool IsCountedKind(std::int32_t kind) { return kind == PresentationCountQuestion || kind == PresentationCountWith; }

void KeepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

}  // namespace

PresentationPage::PresentationPage(ControlsHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    WordPresentation = NewTypingList(ListColumns);
    for (const char* caption : PresentationKindCaptions) WordPresentation->addItem(caption);
    SlateWordCount = new DialogBox(host, ControlDialog::SlateWordCount, ListColumns);
    SlateWordCountButton = NewValueButton(host, ControlDialog::SlateWordCount);
    for (CommitComboBox* PresentationPage::*member : OrderByLists) {
        CommitComboBox* list = this->*member = NewTypingList(ListColumns);
        for (int item = 0; item < SortKeyItemCount; ++item) list->addItem(SortKeyItemCaption(item).c_str());
        connect(list, &CommitComboBox::committed, this, &PresentationPage::SortKeyChosen);
    }
    Layout = new DialogBox(host, ControlDialog::Layout, ListColumns);
    LayoutButton = NewValueButton(host, ControlDialog::Layout);
    MaxWidth = new DialogBox(host, ControlDialog::MaxWidth, ListColumns);
    MaxWidthButton = NewValueButton(host, ControlDialog::MaxWidth);
    RowsPerPage = new DialogBox(host, ControlDialog::RowsPerPage, ListColumns);
    RowsPerPageButton = NewValueButton(host, ControlDialog::RowsPerPage);

    PageRows rows(*this);
    rows.AddAcross(new QLabel("Presentation:"));
    rows.AddAcross(WordPresentation);
    slateWordCountLabel_ = new QLabel("Words:");
    rows.Add(slateWordCountLabel_, SlateWordCount, SlateWordCountButton);
    for (QWidget* widget : SlateWordCountControls()) KeepPlaceWhenHidden(*widget);
    rows.AddAcross(new QLabel("Order by:"));
    for (int k = 0; k < MaxSortKeys; ++k) rows.Add(std::to_string(k + 1).c_str(), this->*OrderByLists[k]);
    rows.AddAcross(new QLabel("Layout:"));
    rows.AddAcross(Layout, LayoutButton);
    rows.AddAcross(new QLabel("Maximum width:"));
    rows.AddAcross(MaxWidth, MaxWidthButton);
    rows.AddAcross(new QLabel("Rows per page:"));
    rows.AddAcross(RowsPerPage, RowsPerPageButton);
    rows.End();

    connect(WordPresentation, &CommitComboBox::committed, this, [this](int item) { PresentationKindChosen(item + 1); });
}

void PresentationPage::ShowSettings(const Settings& settings) {
    ShowKind(settings.PresentationKind);
    ShowSlateWordCount(settings.PresentationKind, settings.PresentationCount);
    for (int k = 0; k < MaxSortKeys; ++k)
        ShowChoice(*(this->*OrderByLists[k]), k < settings.SortKeyCount ? SortKeyItem(settings.SortKeys[k]) : 0);
    Layout->SetText(LayoutText(settings));
    MaxWidth->SetText(MaxWidthText(settings));
    RowsPerPage->SetText(RowsPerPageText(settings));
}

std::array<QWidget*, 3> PresentationPage::SlateWordCountControls() const {
    return {slateWordCountLabel_, SlateWordCount, SlateWordCountButton};
}

void PresentationPage::ShowKind(std::int32_t kind) { ShowChoice(*WordPresentation, kind - 1); }

void PresentationPage::ShowSlateWordCount(std::int32_t kind, std::int32_t count) {
    const bool shown = IsCountedKind(kind);
    for (QWidget* widget : SlateWordCountControls()) widget->setVisible(shown);
    const std::string text = SlateWordCountText(count);
    SlateWordCount->SetText(text);
    SlateWordCount->setToolTip(count > LargestCountShown ? FromCodePage(text) : QString());
}

void PresentationPage::PresentationKindChosen(std::int32_t kind) {
    if (IsProbeKind(kind)) {
        const PresentationKind shownBefore = DisplayedSettings.PresentationKind;
        const std::string lineBefore = CommandLine();
        DisplayedSettings.PresentationKind = static_cast<PresentationKind>(kind);
        host_.OpenDialog({ControlDialog::ProbeSlate});
        if (CommandLine() == lineBefore) {
            DisplayedSettings.PresentationKind = shownBefore;
            ShowKind(shownBefore);
        }
        return;
    }
    if (IsCountedKind(kind)) ShowSlateWordCount(kind, DisplayedSettings.PresentationCount);
    AppendToCommandLine(PresentationKindCommand(kind, DisplayedSettings.PresentationCount));
    FocusWorkspace();
}

void PresentationPage::SortKeyChosen() {
    std::vector<SortKey> keys;
    for (CommitComboBox* PresentationPage::*member : OrderByLists)
        if (std::optional<SortKey> key = SortKeyOfItem((this->*member)->currentIndex())) keys.push_back(*key);
    AppendToCommandLine(SortKeysCommand(keys));
    FocusWorkspace();
}

}  // namespace qora
