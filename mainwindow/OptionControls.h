// The random-racks, canonical-output and board tabs of the main window
// (RandomRacksPage, CanonicalOutputPage, BoardPage): the two canonical
// orderings as lists that type the ordering chosen, the random-rack entry that
// draws racks at once, and the board square with the board's coordinate help.
#pragma once

#include <string>

#include <QWidget>

#include "engine/QueryRecords.h"
#include "mainwindow/ControlSupport.h"

class QLabel;
class QPushButton;

namespace qora {

class NumberField;

class RandomRacksPage : public QWidget {
    Q_OBJECT

public:
    explicit RandomRacksPage(ControlsHost& host, QWidget* parent = nullptr);

    void ShowSettings(const Settings& settings);
    // Fills the ordering list for the active language: "(random)" and the
    // alphabetical ordering.
    void FillOrderings();
    // Types "/. n " with the number of racks in the entry and performs it.
    void DrawRacks();

    CommitComboBox* RandomRackOrder;
    QPushButton* NewRandomRackOrder;
    NumberField* RandomRackEntry;
    QPushButton* RandomRackEntryButton;
    QPushButton* RandomRacksToWordlist;

private:
    ControlsHost& host_;
};

class CanonicalOutputPage : public QWidget {
    Q_OBJECT

public:
    explicit CanonicalOutputPage(ControlsHost& host, QWidget* parent = nullptr);

    void ShowSettings(const Settings& settings);
    // Fills the ordering list for the active language: the alphabetical one.
    void FillOrderings();

    CommitComboBox* CanonicalOutputOrder;
    QPushButton* NewCanonicalOutputOrder;
};

class BoardPage : public QWidget {
    Q_OBJECT

public:
    explicit BoardPage(ControlsHost& host, QWidget* parent = nullptr);

    // Shows the square on which board scoring places or finds a word.
    void ShowSettings(const Settings& settings);

    DialogBox* BoardPosition;
    QLabel* BoardPositionLabel;
};

}  // namespace qora
