// The large-output question, TLargeOutput: before a presentation of more than
// 500 slate items (not from a command file) the user chooses to see the first
// 25, the first 250, a typed number or all of them, or none. The answer is the
// engine's ItemsToShow. The question runs on the main thread while the query
// thread waits in its synchronous bridge (AskLargeOutputQuestion is the
// bridge's hook).
#pragma once

#include <QPointer>
#include <cstdint>

#include "platform/qt/Dialogs.h"

class QLabel;
class QPushButton;

namespace qora {

class NumberField;

// The count typed into Value; 500 at every showing.
extern std::int32_t TypedItemCount;

class TLargeOutput : public QoraDialog {
    Q_OBJECT

public:
    explicit TLargeOutput(QWidget* parent = nullptr);

    QLabel* Label1;  // "You are requesting a presentation of %d items."
    QLabel* Label2;
    QPushButton* Show25;
    QPushButton* Show250;
    NumberField* Value;
    QPushButton* ShowThisMany;
    QPushButton* ShowAll;
    QPushButton* Cancel;
    QPushButton* Help;

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ValueKeyUp();
    void Show25Click();
    void Show250Click();
    void ShowThisManyClick();
    void ShowAllClick();
};

extern QPointer<TLargeOutput> LargeOutput;

// On the main thread, with LargeOutputLock held by the bridge: writes the
// request line for `itemCount` items, places the question with its lower
// right corner on the workspace's, sets ItemsToShow to 0, shows the question
// modally, gives the workspace the focus and returns ItemsToShow. Cancel,
// Esc and the frame's close button leave the 0.
std::int32_t AskLargeOutputQuestion(std::int32_t itemCount);

}  // namespace qora
