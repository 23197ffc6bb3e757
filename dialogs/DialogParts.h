// What the dialogs of the program share: each is one form, made once and kept
// until the program ends (so that it keeps its state between showings). The
// small dialogs are made the first time they are opened, opened centred on
// the window that opens them and closed by an OK and a Cancel button at their
// foot; the command-building dialogs are made by the main window's openers
// and have a Help button beside those two.
#pragma once

#include <QPointer>
#include <QWidget>
#include <initializer_list>

#include "platform/qt/Dialogs.h"
#include "platform/qt/Screen.h"

class QAbstractButton;
class QBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace qora {

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

struct ConfirmButtons {
    QPushButton* OK;
    QPushButton* Cancel;
    QPushButton* Help = nullptr;
};

// Adds a row with the OK button (the default button, named `okText`) and the
// Cancel button at the right. Cancel closes the form with mrCancel; what OK
// does is the dialog's own.
ConfirmButtons AddConfirmButtons(QoraDialog& dialog, QBoxLayout& layout, const char* okText = "OK");

// The same row for the command-building dialogs, with a Help button after
// Cancel: Help shows the help window (ShowHelpWindow) and the dialog stays
// open. The buttons go into the form's own members.
void AddCommandButtons(QoraDialog& dialog, QBoxLayout& layout, QPushButton*& ok, QPushButton*& cancel,
                       QPushButton*& help);

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
    // released on the page's free area: by default its OK button, when it is
    // enabled.
    virtual QWidget* Home() const;
    void FocusHome();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QVBoxLayout* body_;
};

// A word-wrapped label of code-page text.
QLabel* NewWrappedLabel(const char* text, QWidget& parent);

// Adds the widgets side by side, centred, as one row of `layout`.
void AddCentred(QBoxLayout& layout, std::initializer_list<QWidget*> widgets);

}  // namespace qora
