// The recording time periods dialog, TTimePeriodsDlg: edits RecordingPeriods,
// the periods of the initialization file in which challenged words are
// recorded from start-up. A period is ALWAYS, DAILY from a start hour for some
// hours, or one weekday of a week of the month (or of every week) from a start
// hour for some hours. The periods only decide at start-up, so a change takes
// effect once it has been written to the initialization file and the program
// starts again.
#pragma once

#include <QPointer>
#include <vector>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"
#include "processor/Recording.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qora {

class CommitComboBox;
class SpinField;

class TTimePeriodsDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TTimePeriodsDlg(QWidget* parent = nullptr);

    QListWidget* Periods;     // the periods as the file writes them
    CommitComboBox* Week;     // ALWAYS, DAILY, FIRST ... LAST, ALL
    CommitComboBox* Weekday;  // SUNDAY to SATURDAY; weeks of the month only
    SpinField* StartHour;     // 0 to 23
    SpinField* Duration;      // 1 to 24 hours
    QPushButton* AddPeriod;
    QPushButton* ReplacePeriod;
    QPushButton* DeletePeriod;

    // The period the controls describe.
    RecordingPeriod ChosenPeriod() const;

protected:
    void FormActivate() override;

private:
    void ShowPeriods(int selectedRow);
    void PeriodsClick();
    void WeekChange();
    void AddClick();
    void ReplaceClick();
    void DeleteClick();
    void OKClick();

    std::vector<RecordingPeriod> periods_;  // the list being edited
};

extern QPointer<TTimePeriodsDlg> TimePeriodsDlg;

// Opens the recording time periods dialog modally, centred on `parent`'s window.
void ShowTimePeriodsDialog(QWidget* parent);

}  // namespace qora
