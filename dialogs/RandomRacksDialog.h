// The random racks dialog, TRandomRacksDlg: how many random racks to draw and
// which wordlist they are appended to, an existing one or a new one with a
// free number; OK types "/. 100 > 3 A". The count and the wordlist chosen stay
// from one showing to the next.
#pragma once

#include <QPointer>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QGroupBox;
class QRadioButton;

namespace qora {

class CommitComboBox;
class FreeNumberField;
class NumberField;

extern std::int32_t RandomRackCount;      // the racks to draw
extern std::int32_t RandomRackTarget;     // the existing wordlist chosen; -1 none
extern std::int32_t RandomRackListIndex;  // its line in the list, as last committed

class TRandomRacksDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TRandomRacksDlg(QWidget* parent = nullptr);

    QGroupBox* CountBox;
    NumberField* SpecifiedCount;
    QGroupBox* DestinationBox;
    QRadioButton* ToExistingWordlist;
    CommitComboBox* Wordlist;
    QRadioButton* ToNewWordlist;
    FreeNumberField* NewWordlistNumber;

    // The wordlist the racks go to; -1 none.
    std::int32_t Target() const;

protected:
    void FormActivate() override;

private:
    void SpecifiedCountKeyUp();
    void DestinationClick();
    void WordlistCommitted(int line);
    void UpdateOK();
    void OKClick();
};

extern QPointer<TRandomRacksDlg> RandomRacksDlg;

}  // namespace qora
