// The Timer tab of the main window: the time left with its progress bar, the
// time period and the warning time set with up-down arrows, the sound
// buttons and the Reset / Start, Stop / Pause and Resume buttons. The
// countdown itself and the sounds drive these controls; until they are
// wired, the buttons stay disabled.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qora {

class SpinField;
class UpDown;

class TimerPage : public QWidget {
    Q_OBJECT

public:
    explicit TimerPage(QWidget* parent = nullptr);

    QLineEdit* TimerDisplay;
    QProgressBar* TimerProgress;
    QLineEdit* PeriodMin;
    UpDown* PeriodMinUpDown;
    QLineEdit* PeriodSec;
    UpDown* PeriodSecUpDown;
    QLineEdit* WarningMin;
    UpDown* WarningMinUpDown;
    QLineEdit* WarningSec;
    UpDown* WarningSecUpDown;
    QCheckBox* TimerWarningEnabled;
    QPushButton* TimerPeriodSound;
    QPushButton* TimerWarningSound;
    QPushButton* TimerStart;
    QPushButton* TimerStop;
    QPushButton* TimerResume;

private:
    SpinField* NewTimeField(int maximum, int position, QLineEdit*& field, UpDown*& arrows);
};

}  // namespace qora
