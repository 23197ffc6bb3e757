// The filter page of the main window, FilterPage: one row per query filter,
// each with a check box that switches the filter on or off by typing its
// sub-command, a value box that shows the filter's relation and values, and a
// button; the box's drop-down and the button open the filter's editor.
#pragma once

#include <QWidget>

#include "engine/QueryRecords.h"
#include "mainwindow/ControlSupport.h"

class QCheckBox;
class QToolButton;

namespace qora {

class FilterPage : public QWidget {
    Q_OBJECT

public:
    explicit FilterPage(ControlsHost& host, QWidget* parent = nullptr);

    // Shows each filter's switch, relation and values.
    void ShowSettings(const Settings& settings);

    // Ticking a box types the filter with the relation and values it shows
    // (from DisplayedSettings); clearing it types the filter's switch-off
    // ("/|- ", ...). Either way the workspace then has the focus.
    void FilterClicked(int filter, bool ticked);

    QCheckBox* FilteringLength;
    DialogBox* FilteringLengthValue;
    QToolButton* FilteringLengthButton;
    QCheckBox* FilteringScore;
    DialogBox* FilteringScoreValue;
    QToolButton* FilteringScoreButton;
    QCheckBox* FilteringProbability;
    DialogBox* FilteringProbabilityValue;
    QToolButton* FilteringProbabilityButton;
    QCheckBox* FilteringWordCount;
    DialogBox* FilteringWordCountValue;
    QToolButton* FilteringWordCountButton;
    QCheckBox* FilteringAnagramCount;
    DialogBox* FilteringAnagramCountValue;
    QToolButton* FilteringAnagramCountButton;
    QCheckBox* FilteringFrontHooks;
    DialogBox* FilteringFrontHooksValue;
    QToolButton* FilteringFrontHooksButton;
    QCheckBox* FilteringBackHooks;
    DialogBox* FilteringBackHooksValue;
    QToolButton* FilteringBackHooksButton;
    QCheckBox* FilteringBlank;
    DialogBox* FilteringBlankValue;
    QToolButton* FilteringBlankButton;
    QCheckBox* FilteringDefn;
    DialogBox* FilteringDefnValue;
    QToolButton* FilteringDefnButton;

    static constexpr int FilterCount = 9;
};

}  // namespace qora
