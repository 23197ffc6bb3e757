// What the dialogs of the program share: each is one form, made once and kept
// until the program ends (so that it keeps its state between showings). The
// small dialogs are made the first time they are opened, opened centred on
// the window that opens them and closed by an OK and a Cancel button at their
// foot; the command-building dialogs are made by the main window's openers
// and have a Help button beside those two.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QPointer>
#include <QWidget>
#include <concepts>
#include <initializer_list>

#include "platform/qt/Dialogs.h"
#include "platform/qt/Screen.h"

class QAbstractButton;
class QBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

#include "engine/Tiles.h"

namespace qora {

class TileControlRows;
class TileTypingMemo;
class UpDown;

// The one form of a dialog, made on first use with `parent`.
template <class Form>
Form& FormOf(QPointer<Form>& form, QWidget* parent) {
    if (form.isNull()) form = new Form(parent);
    return *form;
}

// Shows the form modally, centred on the window of `parent` when one is given.
template <class Form>
ModalResult OpenCentred(QPointer<Form>& form, QWidget* parent) {
    Form& dialog = FormOf(form, parent);
    if (parent != nullptr) PlaceWindow(dialog, CenteredOn(dialog, ScreenRectOf(*parent->window())));
    return dialog.ShowModal();
}

// The row of buttons at a dialog's foot: OK and Cancel at the right, and on
// the command-building dialogs a Help button after them. A dialog with the row
// derives from ConfirmButtons (as a form derives from the class of its
// designed controls), so that the buttons are its own members OK, Cancel and
// Help.
struct ConfirmButtons {
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Help = nullptr;  // none on the small dialogs
};

// A form that has the row.
template <class Form>
concept ConfirmedForm = std::derived_from<Form, QoraDialog> && std::derived_from<Form, ConfirmButtons>;

// Adds the row to `layout` with the form's buttons: OK is the default button,
// Cancel closes the form with mrCancel, Help (when `withHelp`) shows the help
// window (ShowHelpWindow) and the form stays open. What OK does is the form's
// own.
ConfirmButtons AddButtonRow(QoraDialog& dialog, QBoxLayout& layout, const char* okText, bool withHelp);

// The row of the small dialogs: OK, named `okText`, and Cancel.
template <ConfirmedForm Form>
void AddConfirmButtons(Form& form, QBoxLayout& layout, const char* okText = "OK") {
    static_cast<ConfirmButtons&>(form) = AddButtonRow(form, layout, okText, false);
}

// The row of the command-building dialogs: OK, Cancel and Help.
template <ConfirmedForm Form>
void AddCommandButtons(Form& form, QBoxLayout& layout) {
    static_cast<ConfirmButtons&>(form) = AddButtonRow(form, layout, "OK", true);
}

// A Help button: it shows the help window and the dialog stays open.
QPushButton* NewHelpButton(QoraDialog& dialog);

// Clicks the button only while it is enabled: Enter in a tile-typing memo
// confirms its page as the page's OK button would.
void ClickIfEnabled(QAbstractButton& button);

// A page of a command-building dialog's page control: its controls above,
// its own OK and Help buttons at its foot. What OK types is the dialog's.
class CommandPage : public QWidget {
    Q_OBJECT

public:
    explicit CommandPage(QoraDialog& dialog);

    QVBoxLayout* Body() const { return body_; }  // the page's controls go here
    QPushButton* OK;
    QPushButton* Help;

    // Whether the page's choices make a text that OK may type.
    virtual bool Composable() const { return true; }
    // OK is enabled exactly when `allowed` and the page is composable.
    void UpdateOK(bool allowed = true);

    // Where the focus goes when the page comes up and when the mouse is
    // released on the page's free area: the control set here (a tile page's
    // memo), or else its OK button, when it is enabled.
    void SetHomeControl(QWidget* control) { homeControl_ = control; }
    virtual QWidget* Home() const;
    void FocusHome();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QVBoxLayout* body_;
    QWidget* homeControl_ = nullptr;
};

// The Letter page of the query-constituent and rack-letter dialogs: one tile
// chosen among 28 bold radio buttons (LetterA..Letter2) or typed in the memo
// LetterHome, which keeps the focus (a click on a tile gives it back); Enter
// in the memo confirms the page while its OK is enabled.
class LetterPage : public CommandPage {
    Q_OBJECT

public:
    // pitch: from one tile to the next at 96 pixels per inch.
    LetterPage(QoraDialog& dialog, int pitch);

    TileTypingMemo* LetterHome;
    TileControlRows* Letters;  // by slot (SlotOfName)

    // The tiles and the typing hint of the language; the first tile is
    // checked when the one checked is a Spanish extra that it hides.
    void SetLanguage(Language language);
    // The caption of the tile checked, which is the text it adds ("CH").
    std::string CheckedCaption() const;
};

// The "Repetition Count" group of the query dialogs: how many times a
// constituent stands in the query, 0 (zero or more) to RepeatCountMaximum,
// shown in a read-only field ("%11d", " 0 or more") beside up-down arrows.
// The count is the box's own: each click of an arrow moves it by one within
// the range, and every showing of the dialog restarts it at 1.
class RepetitionCountBox : public QGroupBox {
    Q_OBJECT

public:
    explicit RepetitionCountBox(QWidget* parent = nullptr);

    QLineEdit* Value;  // RepetitionCountValue
    UpDown* Arrows;    // RepetitionCountUpDown

    int Count() const { return count_; }
    void Restart();

private:
    void Click(bool up);
    void ShowCount();

    int count_ = 1;
};

// A word-wrapped label of code-page text.
QLabel* NewWrappedLabel(const char* text, QWidget& parent);

// Runs the form's handler whenever the button becomes checked, by a click or
// by the program (as checking a radio button from code runs its handler).
template <class Form>
void OnChecked(QAbstractButton& button, Form* form, void (Form::*handler)()) {
    QObject::connect(&button, &QAbstractButton::toggled, form, [form, handler](bool on) {
        if (on) (form->*handler)();
    });
}

// Widgets side by side at their own widths, from the left.
QLayout* SideBySide(std::initializer_list<QWidget*> widgets);

// Adds the widgets side by side, centred, as one row of `layout`.
void AddCentred(QBoxLayout& layout, std::initializer_list<QWidget*> widgets);

}  // namespace qora
