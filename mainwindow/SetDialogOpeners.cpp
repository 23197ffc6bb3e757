// The openers of the query page's set dialogs: labelling a set.
#include <QAction>

#include "dialogs/DialogParts.h"
#include "dialogs/LabelSetDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QueryControls.h"

namespace qora {

void PlugSetDialogs(TForm2& form) {
    // The set chosen in the query page's list (the Label Set button names it
    // in its request, the menu item does not); nothing opens without a set.
    QueryPage& page = *form.Controls->QueryTab;
    DialogOpener label{nullptr, [&form](QWidget& dialog) { return form.RightEdgeAtWorkspaceTop(dialog); },
                       [&page](const DialogRequest& request) {
                           LabelSetNumber = request.Number >= 1 ? request.Number : page.ChosenUserSet();
                       }};
    FormOf(LabelSetDlg, &form);
    label.DialogNow = [&page]() -> QoraDialog* { return page.ChosenUserSet() >= 1 ? LabelSetDlg.data() : nullptr; };
    form.PlugDialog(ControlDialog::LabelSet, {form.MenuLabelSet}, label);
}

}  // namespace qora
