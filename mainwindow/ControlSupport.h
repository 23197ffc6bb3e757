// What the main window's control pages share: the dialogs their buttons and
// boxes open, what they need of the main window (ControlsHost), the value
// boxes whose drop-down opens a dialog, and showing an item in a list without
// it counting as the user's choice.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include <QComboBox>

#include "dialogs/DialogParts.h"
#include "platform/qt/CommitComboBox.h"

class QAbstractButton;
class QGridLayout;
class QLayout;
class QPushButton;
class QToolButton;
class QWidget;

namespace qora {

// The command-building dialogs that the controls open.
enum class ControlDialog {
    QueryCharacter,
    RackCharacter,
    QueryWord,
    NewSet,
    LabelSet,
    NewWordlist,
    LabelWordlist,
    MoveItem,
    SetB,          // set (B): the SetB box and SetBButton
    LetterScores,  // set ($): the LetterScoresValues box and LetterScoresButton
    SlateWordCount,
    LengthFilter,
    ScoreFilter,
    ProbabilityFilter,
    WordCountFilter,
    AnagramCountFilter,
    FrontHooksFilter,
    BackHooksFilter,
    BlankFilter,
    DefinitionFilter,
    Layout,
    MaxWidth,
    RowsPerPage,
    ProbeSlate,
    NewRandomRackOrder,
    NewCanonicalOutputOrder,
    RandomRacksToWordlist,
    BoardPosition,
};

// A control's request to open a dialog, with what the control knows for it.
struct DialogRequest {
    ControlDialog Dialog = ControlDialog::QueryCharacter;
    // LabelSet: the set chosen in the UserSets list; LabelWordlist and
    // MoveItem: the wordlist chosen in the Wordlists list; -1 when none.
    std::int32_t Number = -1;
    // MoveItem: the position (from 1) of the word selected in the Wordlist
    // list, 0 when none.
    std::int32_t Item = 0;
};

// What the control pages need of the main window.
class ControlsHost {
public:
    virtual ~ControlsHost() = default;
    // Opens a dialog through the main window's openers (which refuse while
    // the command line has an error, and ignore dialogs not yet built).
    virtual void OpenDialog(const DialogRequest& request) = 0;
    // Performs the command line at once, as Enter in the workspace does.
    virtual void PerformCommandLine() = 0;
};

// Marks a button as one that opens `dialog`; it stays disabled until the
// dialog is available.
void MarkDialogButton(QAbstractButton& button, ControlDialog dialog);
// Marked buttons whose click asks the host for the dialog: a captioned one,
// and a "..." button beside a value box.
QPushButton* NewDialogButton(ControlsHost& host, ControlDialog dialog, const char* caption);
QToolButton* NewValueButton(ControlsHost& host, ControlDialog dialog);
// Enables or disables every button under `root` that opens `dialog`.
void SetDialogButtonsEnabled(QWidget& root, ControlDialog dialog, bool enabled);

// A box that shows one value; its drop-down asks for the dialog that edits
// the value instead of opening a list.
class DialogBox : public QComboBox {
    Q_OBJECT

public:
    // `columns`: how many characters wide the box is laid out. The drop-down
    // asks the host for `dialog`.
    DialogBox(ControlsHost& host, ControlDialog dialog, int columns, QWidget* parent = nullptr);
    // Shows the value (code-page text), also as the box's hint.
    void SetText(std::string_view text);
    void showPopup() override;

signals:
    void dropDown();
};

// Shows an item of a list as the one chosen (or, for -1, no item with
// `absentText` in its place), so that leaving the list does not take it as
// the user's new choice.
void ShowChoice(CommitComboBox& list, int item, std::string_view absentText = {});

// A list whose choice is typed onto the command line, `columns` characters
// wide: picking the item it shows already gives the workspace the focus, as
// typing a new choice does.
CommitComboBox* NewTypingList(int columns);

// Lays out a page as rows from top to bottom: a caption beside its control
// (and the control's button), or a control across the page. The rows scroll
// when the page is shorter than they are (ScrollingContent).
class PageRows {
public:
    explicit PageRows(QWidget& page);
    void Add(const char* caption, QWidget* control, QWidget* button = nullptr);
    // A control in place of the caption (a check box that goes with the row).
    void Add(QWidget* lead, QWidget* control, QWidget* button = nullptr);
    void AddAcross(QWidget* control, QWidget* button = nullptr);
    void AddAcross(QLayout* layout);
    // A control across the page that takes the height left over.
    void AddFilling(QWidget* control);
    // The rows end here; the space below them stays empty.
    void End();

private:
    void AddControl(int column, QWidget* control, QWidget* button);

    QGridLayout* grid_;
    int row_ = 0;
};

}  // namespace qora
