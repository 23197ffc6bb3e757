// The Label a Set and Label a Wordlist dialogs: one form, TLabelDlg,
// configured by what it labels, as the forms TLabelSetDlg and
// TLabelWordlistDlg. Each asks for the label of one numbered set or wordlist,
// typed afresh at every showing (the present label is not shown), and OK
// types the labelling command: the set's redefinition as a copy of itself
// carrying the label ("/4U\"vowels\"=(4)") or the wordlist's label
// ("/3L\"Nouns\""). The label takes effect when the line is performed. The
// main window sets LabelSetNumber or LabelWordlistNumber before it opens the
// dialog.
#pragma once

#include <QPointer>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;

namespace qora {

// The set to label: the one chosen in the main window's list of sets.
extern std::int32_t LabelSetNumber;
// The wordlist to label: the one chosen in the main window's Wordlists list.
extern std::int32_t LabelWordlistNumber;

// What a label dialog labels.
struct LabelledKind {
    const char* FormCaption;
    const char* FirstCaption;   // of the label field, until the first showing
    const char* NumberCaption;  // of the label field at each showing: "Label set %d:"
    int MaxLabelLength;
    const std::int32_t* Number;  // the one the opener sets
    // Whether OK may type the label for the number; OK is disabled at the
    // showing when it may not type an empty one.
    bool (*Composable)(std::int32_t number, std::string_view label);
    std::string (*Command)(std::int32_t number, std::string_view label);
};

class TLabelDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    TLabelDlg(const LabelledKind& kind, QWidget* parent);

    QLabel* Caption;   // names what is labelled
    QLineEdit* Field;  // takes the label

protected:
    void FormActivate() override;

private:
    void OKClick();

    const LabelledKind& kind_;
};

// Label a Set: any set may be labelled.
class TLabelSetDlg : public TLabelDlg {
    Q_OBJECT

public:
    explicit TLabelSetDlg(QWidget* parent = nullptr);

    QLabel* const LabelSetLabel = Caption;
    QLineEdit* const SetLabel = Field;
};

// Label a Wordlist: the slate takes no label, so OK stays disabled for it
// (and when no wordlist is chosen).
class TLabelWordlistDlg : public TLabelDlg {
    Q_OBJECT

public:
    explicit TLabelWordlistDlg(QWidget* parent = nullptr);

    QLabel* const LabelWordlistLabel = Caption;
    QLineEdit* const WordlistLabel = Field;
};

extern QPointer<TLabelSetDlg> LabelSetDlg;
extern QPointer<TLabelWordlistDlg> LabelWordlistDlg;

}  // namespace qora
