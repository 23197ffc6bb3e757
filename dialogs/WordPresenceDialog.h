// The Word Presence dialog, TWordPresenceDlg: where to look for the word on
// the command line - in the primary (and secondary) lexicon, on the slate, in
// one named lexicon or in a wordlist (and where) - typed as "/-?", "/?",
// "/-\"name\"?" or "/7?". The texts are in dialogs/texts/WordlistTexts.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace qora {

class CommitComboBox;
struct PresenceChoice;

class TWordPresenceDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TWordPresenceDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* TheWord;
    QRadioButton* InLexicon;
    QRadioButton* InNamedLexicon;
    CommitComboBox* Lexicons;
    QRadioButton* OnSlate;
    QRadioButton* InWordlist;
    CommitComboBox* Wordlist;

    PresenceChoice Choice() const;
    // InLexicon names the lexicons that "/-?" asks about.
    void ShowLexiconCaption();

protected:
    void FormActivate() override;

private:
    void UpdateOK();
    void OKClick();
};

extern QPointer<TWordPresenceDlg> WordPresenceDlg;

// After every choice of lexicons: InLexicon names the lexicons that "/-?"
// asks about (the primary, and the secondary when one is chosen).
void ShowInLexiconCaption();

}  // namespace qora
