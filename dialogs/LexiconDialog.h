// The lexicon dialog, TLexiconDlg: chooses the primary, the secondary (or
// none) and the challenge lexicon among the lexicon files found at start-up,
// by their short names. OK makes the choice (ChooseLexicons, which runs
// ShowLexiconStatus); a lexicon that fails its check when first chosen is
// reported and nothing changes.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;

namespace qora {

class CommitComboBox;

class TLexiconDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TLexiconDlg(QWidget* parent = nullptr);

    // The lists hold the short names in table order; Secondary has "(none)"
    // first. Below each list stands the chosen lexicon's long name.
    CommitComboBox* Primary;
    CommitComboBox* Secondary;
    CommitComboBox* Challenge;
    QLabel* PrimaryName;
    QLabel* SecondaryName;
    QLabel* ChallengeName;

protected:
    void FormActivate() override;

private:
    void OKClick();
};

extern QPointer<TLexiconDlg> LexiconDlg;

// Opens the lexicon dialog modally, centred on `parent`'s window.
void ShowLexiconDialog(QWidget* parent);

}  // namespace qora
