// The openers of the query page's set dialogs: a new set, labelling a set,
// set (B) and set ($).
#include <QAction>

#include "dialogs/BagAndScoresDialog.h"
#include "dialogs/DialogParts.h"
#include "dialogs/LabelDialog.h"
#include "dialogs/NewSetDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QueryControls.h"
#include "platform/qt/Screen.h"

namespace qora {

namespace {

// The right edge on the main window's outer right edge, the top one caption
// height above the client area's top.
QPoint OuterRightEdgeOneCaptionAbove(TForm2& form, QWidget& dialog) {
    return RightEdgeAt(dialog, form.frameGeometry().right() + 1, ScreenRectOf(form).top() - CaptionHeight());
}

}  // namespace

void PlugSetDialogs(TForm2& form) {
    const MainMenus& menus = form.Menus();
    TDefineNewSet& newSet = FormOf(DefineNewSet, &form);
    form.PlugDialog(ControlDialog::NewSet, {menus.MenuDefineSet},
                    {&newSet, [&form](QWidget& dialog) { return form.RightEdgeOneCaptionAbove(dialog); }, nullptr});
    form.AddLanguageSwitch([&newSet] { newSet.ApplyLexiconLanguage(); });

    // The set chosen in the query page's list (the Label Set button names it
    // in its request, the menu item does not); nothing opens without a set.
    QueryPage& page = *form.Controls->QueryTab;
    DialogOpener label{nullptr, [&form](QWidget& dialog) { return form.RightEdgeAtWorkspaceTop(dialog); },
                       [&page](const DialogRequest& request) {
                           LabelSetNumber = request.Number >= 1 ? request.Number : page.ChosenUserSet();
                       }};
    FormOf(LabelSetDlg, &form);
    label.DialogNow = [&page]() -> QoraDialog* { return page.ChosenUserSet() >= 1 ? LabelSetDlg.data() : nullptr; };
    form.PlugDialog(ControlDialog::LabelSet, {menus.MenuLabelSet}, label);

    // One form for set (B), from the SetB box and its button, and set ($),
    // from the LetterScoresValues box and its button.
    TDefineNewSetB& values = FormOf(DefineNewSetB, &form);
    const auto place = [&form](QWidget& dialog) { return OuterRightEdgeOneCaptionAbove(form, dialog); };
    form.PlugDialog(ControlDialog::SetB, {}, {&values, place, [](const DialogRequest&) { SetBDialogIsBag = true; }});
    form.PlugDialog(ControlDialog::LetterScores, {},
                    {&values, place, [](const DialogRequest&) { SetBDialogIsBag = false; }});
}

}  // namespace qora
