// What the small dialogs of the program share: each is one form, made the
// first time it is opened and kept until the program ends (so that it keeps
// its state between showings), opened centred on the window that opens it,
// and closed by an OK and a Cancel button at its foot.
#pragma once

#include <QPointer>

#include "platform/qt/Dialogs.h"
#include "platform/qt/Screen.h"

class QBoxLayout;
class QPushButton;
class QWidget;

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
};

// Adds a row with the OK button (the default button, named `okText`) and the
// Cancel button at the right. Cancel closes the form with mrCancel; what OK
// does is the dialog's own.
ConfirmButtons AddConfirmButtons(QoraDialog& dialog, QBoxLayout& layout, const char* okText = "OK");

}  // namespace qora
