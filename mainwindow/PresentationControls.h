// The presentation page of the main window, PresentationPage: the presentation
// kind with the word count of the counted kinds, the seven sort keys, and the
// boxes that show the layout, the maximum width and the rows per page.
#pragma once

#include <array>

#include <QWidget>

#include "engine/QueryRecords.h"
#include "mainwindow/ControlSupport.h"

class QLabel;
class QToolButton;

namespace qora {

class PresentationPage : public QWidget {
    Q_OBJECT

public:
    explicit PresentationPage(ControlsHost& host, QWidget* parent = nullptr);

    void ShowSettings(const Settings& settings);

    // Choosing a kind types it; the two counted kinds type their count
    // ("25~", "25'") and show the count box. A probe kind is stored in
    // DisplayedSettings and opens the probe dialog; when that types nothing
    // (cancelled, refused or not available) the kind shown before comes back.
    void PresentationKindChosen(std::int32_t kind);
    // The SlateWordCount box shows the count ("%5d", also as its hint when it
    // is too wide for the box); it is visible for the counted kinds only.
    void ShowSlateWordCount(std::int32_t kind, std::int32_t count);

    CommitComboBox* WordPresentation;
    DialogBox* SlateWordCount;
    QToolButton* SlateWordCountButton;
    CommitComboBox* OrderBy1;
    CommitComboBox* OrderBy2;
    CommitComboBox* OrderBy3;
    CommitComboBox* OrderBy4;
    CommitComboBox* OrderBy5;
    CommitComboBox* OrderBy6;
    CommitComboBox* OrderBy7;
    DialogBox* Layout;
    QToolButton* LayoutButton;
    DialogBox* MaxWidth;
    QToolButton* MaxWidthButton;
    DialogBox* RowsPerPage;
    QToolButton* RowsPerPageButton;

private:
    void ShowKind(std::int32_t kind);
    void SortKeyChosen();

    std::array<QWidget*, 3> SlateWordCountControls() const;  // shown only for the counted kinds

    ControlsHost& host_;
    QLabel* slateWordCountLabel_;
};

}  // namespace qora
