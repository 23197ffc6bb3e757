#include "dialogs/RecordingPeriodsDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "dialogs/DialogParts.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/IniFile.h"

namespace qora {

QPointer<TTimePeriodsDlg> TimePeriodsDlg;

namespace {

struct WeekItem {
    RecordingWeek Week;
    const char* Caption;
};

constexpr WeekItem WeekItems[] = {
    {RecordingWeek::Always, "ALWAYS"},
    {RecordingWeek::Daily, "DAILY"},
    {RecordingWeek::First, "FIRST week (days 1-7)"},
    {RecordingWeek::Second, "SECOND week (days 8-14)"},
    {RecordingWeek::Third, "THIRD week (days 15-21)"},
    {RecordingWeek::Fourth, "FOURTH week (days 22-28)"},
    {RecordingWeek::Fifth, "FIFTH week (days 29-31)"},
    {RecordingWeek::Last, "LAST week (the last 7 days)"},
    {RecordingWeek::All, "ALL weeks"},
};

constexpr const char* WeekdayItems[] = {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};

constexpr int MaxStartHour = 23;
constexpr int MaxDurationHours = 24;

int WeekItemOf(RecordingWeek week) {
    for (int i = 0; i < static_cast<int>(std::size(WeekItems)); ++i)
        if (WeekItems[i].Week == week) return i;
    return 0;
}

bool HasWeekday(RecordingWeek week) { return week != RecordingWeek::Always && week != RecordingWeek::Daily; }

QLabel* Caption(QWidget* form, const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromLatin1(text), form);
    label->setBuddy(buddy);
    return label;
}

QPushButton* AddButton(QWidget* form, QBoxLayout& row, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), form);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

}  // namespace

TTimePeriodsDlg::TTimePeriodsDlg(QWidget* parent) : QoraDialog(" Recording Time Periods", 500, 470, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Challenged words are recorded from start-up when one of these periods "
                                           "covers the moment QORA starts. Each recording day runs from 06:00 to 06:00 "
                                           "the next morning; a start hour below 6 counts as 6. The periods are kept "
                                           "in the initialization file."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    Periods = new QListWidget(this);
    layout->addWidget(Periods, 1);

    Week = new CommitComboBox(this);
    for (const WeekItem& item : WeekItems) Week->addItem(QString::fromLatin1(item.Caption));
    Weekday = new CommitComboBox(this);
    for (const char* day : WeekdayItems) Weekday->addItem(QString::fromLatin1(day));
    StartHour = new SpinField(2, this);
    StartHour->SetRange(0, MaxStartHour);
    StartHour->SetPosition(19);
    Duration = new SpinField(2, this);
    Duration->SetRange(1, MaxDurationHours);
    Duration->SetPosition(4);
    Week->SetNextControl(Weekday);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(Caption(this, "&Week:", Week), 0, 0);
    grid->addWidget(Week, 0, 1);
    grid->addWidget(Caption(this, "Week&day:", Weekday), 0, 2);
    grid->addWidget(Weekday, 0, 3);
    grid->addWidget(Caption(this, "&Start hour:", StartHour->Arrows()), 1, 0);
    grid->addWidget(StartHour, 1, 1, Qt::AlignLeft);
    grid->addWidget(Caption(this, "&Hours:", Duration->Arrows()), 1, 2);
    grid->addWidget(Duration, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* editRow = new QHBoxLayout;
    layout->addLayout(editRow);
    AddPeriod = AddButton(this, *editRow, "&Add");
    ReplacePeriod = AddButton(this, *editRow, "&Replace");
    DeletePeriod = AddButton(this, *editRow, "&Delete");
    editRow->addStretch(1);

    AddConfirmButtons(*this, *layout);

    connect(Periods, &QListWidget::currentRowChanged, this, &TTimePeriodsDlg::PeriodsClick);
    connect(Week, &CommitComboBox::committed, this, &TTimePeriodsDlg::WeekChange);
    connect(AddPeriod, &QPushButton::clicked, this, &TTimePeriodsDlg::AddClick);
    connect(ReplacePeriod, &QPushButton::clicked, this, &TTimePeriodsDlg::ReplaceClick);
    connect(DeletePeriod, &QPushButton::clicked, this, &TTimePeriodsDlg::DeleteClick);
    connect(OK, &QPushButton::clicked, this, &TTimePeriodsDlg::OKClick);
    WeekChange();
}

RecordingPeriod TTimePeriodsDlg::ChosenPeriod() const {
    RecordingPeriod period;
    period.Week = WeekItems[Week->currentIndex()].Week;
    if (period.Week == RecordingWeek::Always) return period;
    if (HasWeekday(period.Week)) period.Weekday = Weekday->currentIndex();
    period.StartHour = StartHour->Position();
    period.DurationHours = Duration->Position();
    return period;
}

void TTimePeriodsDlg::FormActivate() {
    periods_ = RecordingPeriods;
    ShowPeriods(-1);
    Week->setFocus();
}

void TTimePeriodsDlg::ShowPeriods(int selectedRow) {
    Periods->clear();
    for (const RecordingPeriod& period : periods_) Periods->addItem(FromCodePage(FormatRecordingPeriod(period)));
    Periods->setCurrentRow(selectedRow);
    PeriodsClick();
}

// A chosen period is shown in the controls, ready to be changed.
void TTimePeriodsDlg::PeriodsClick() {
    const int row = Periods->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(periods_.size());
    ReplacePeriod->setEnabled(chosen);
    DeletePeriod->setEnabled(chosen);
    if (!chosen) return;
    const RecordingPeriod& period = periods_[row];
    Week->setCurrentIndex(WeekItemOf(period.Week));
    Week->SetCommittedIndex(Week->currentIndex());
    if (HasWeekday(period.Week)) Weekday->setCurrentIndex(period.Weekday);
    if (period.Week != RecordingWeek::Always) {
        StartHour->SetPosition(period.StartHour);
        Duration->SetPosition(period.DurationHours);
    }
    WeekChange();
}

// The weekday belongs to the weeks of the month, the hours to every period
// but ALWAYS.
void TTimePeriodsDlg::WeekChange() {
    const RecordingWeek week = WeekItems[Week->currentIndex()].Week;
    Weekday->setEnabled(HasWeekday(week));
    StartHour->setEnabled(week != RecordingWeek::Always);
    Duration->setEnabled(week != RecordingWeek::Always);
}

void TTimePeriodsDlg::AddClick() {
    periods_.push_back(ChosenPeriod());
    ShowPeriods(static_cast<int>(periods_.size()) - 1);
}

void TTimePeriodsDlg::ReplaceClick() {
    const int row = Periods->currentRow();
    if (row < 0) return;
    periods_[row] = ChosenPeriod();
    ShowPeriods(row);
}

void TTimePeriodsDlg::DeleteClick() {
    const int row = Periods->currentRow();
    if (row < 0) return;
    periods_.erase(periods_.begin() + row);
    ShowPeriods(std::min(row, static_cast<int>(periods_.size()) - 1));
}

void TTimePeriodsDlg::OKClick() {
    RecordingPeriods = periods_;
    CloseWithResult(mrOk);
}

void ShowTimePeriodsDialog(QWidget* parent) { OpenCentred(TimePeriodsDlg, parent); }

}  // namespace qora
