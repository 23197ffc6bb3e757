// SetFilterEditor, the form that the set-filter editors share (front and back
// hooks, blanks): a key-taking memo, the datum label, the relation list of six
// set relations, one check box per tile of the primary lexicon's language in
// two rows of fourteen (widgets/TileControls), and Clear All, Set All, OK,
// Cancel and Help.
//
// Each showing starts from the filter of DisplayedSettings: a box is checked
// when its tile's count is not 0. The memo keeps the focus: a letter typed
// there toggles its tile's box, Enter is OK and Esc closes the dialog. OK is
// always enabled: it commits the item shown and types the filter with each
// checked tile once, or nothing when the relation and the boxes (and the
// member's own extras) are as the dialog opened.
#pragma once

#include <string_view>

#include "dialogs/DialogParts.h"
#include "engine/LetterCounts.h"
#include "engine/QueryRecords.h"
#include "platform/qt/Dialogs.h"

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace qora {

class CommitComboBox;
class TileControlRows;
class TileTypingMemo;

class SetFilterEditor : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    TileTypingMemo* Home;
    QLabel* Datum;
    CommitComboBox* Relop;
    QLabel* Label2;
    // The boxes A..M, the first extra, N..Z, the second extra.
    TileControlRows* Letters;
    QPushButton* ClearAll;
    QPushButton* SetAll;

protected:
    // homeText: the memo's line; datum: the label before the relation list.
    SetFilterEditor(std::string_view caption, const char* homeText, const char* datum, QWidget* parent);

    // The row of the memo, where a member may add a control after it.
    QHBoxLayout& HomeRow() { return *homeRow_; }

    virtual const SetFilter& Filter() const = 0;
    virtual bool ExtrasAsOpened() const { return true; }
    virtual void Append(int item, const LetterCounts& letters) = 0;

    void FormActivate() override;
    void FocusHome();

private:
    void OKClick();

    QHBoxLayout* homeRow_;
    int initialItem_ = 0;
    LetterCounts openingLetters_{};
};

}  // namespace qora
