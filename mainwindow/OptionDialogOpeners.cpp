// The openers of the option tabs' dialogs (the random-rack and word-output
// orderings, the board square) and of the menus' letter mapping, print and
// page setup.
#include <QAction>

#include "dialogs/BoardSquareDialog.h"
#include "dialogs/CanonicalOrderDialog.h"
#include "dialogs/DialogParts.h"
#include "dialogs/LetterMappingDialog.h"
#include "dialogs/PrintDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/OptionControls.h"
#include "mainwindow/Workspace.h"
#include "platform/Scaling.h"
#include "platform/qt/Screen.h"
#include "processor/Settings.h"

namespace qora {

namespace {

// At the main window's right edge, inside its frame, the bottom on the
// workspace's bottom.
QPoint RightEdgeAtWorkspaceBottom(TForm2& form, QWidget& dialog) {
    return LowerRightAt(dialog, QPoint(ScreenRectOf(form).right() + 1, ScreenRectOf(*form.Workspace).bottom() + 1));
}

// As wide as the language's tiles need, right-aligned at the top of the
// main window's client area.
QPoint PlaceMappingDialog(TForm2& form, QWidget& dialog) {
    dialog.setFixedWidth(Scaled(TMappingDlg::FormWidth()));
    const QRect client = ScreenRectOf(form);
    return RightEdgeAt(dialog, client.right() + 1, client.top());
}

}  // namespace

void PlugOptionDialogs(TForm2& form) {
    const MainMenus& menus = form.Menus();
    const auto atWorkspaceTop = [&form](QWidget& dialog) { return form.RightEdgeAtWorkspaceTop(dialog); };

    FormOf(RandomOutputDlg, &form).SetOrderingList(form.Controls->RandomRacksTab->RandomRackOrder);
    form.PlugDialog(ControlDialog::NewRandomRackOrder, {}, {RandomOutputDlg, atWorkspaceTop, nullptr});
    FormOf(CanonOutputDlg, &form).SetOrderingList(form.Controls->CanonicalOutputTab->CanonicalOutputOrder);
    form.PlugDialog(ControlDialog::NewCanonicalOutputOrder, {}, {CanonOutputDlg, atWorkspaceTop, nullptr});

    form.PlugDialog(
        {menus.MenuLetterMapping},
        {&FormOf(MappingDlg, &form), [&form](QWidget& dialog) { return PlaceMappingDialog(form, dialog); }, nullptr});

    form.PlugDialog(
        {menus.MenuPrint},
        {&FormOf(QoraPrintDlg, &form), [&form](QWidget& dialog) { return form.CentredOnMainWindow(dialog); }, nullptr});
    form.PlugAction({menus.MenuPageSetup}, [] { TQoraPrintDlg::PageSetupButtonClick(); });

    // The dialog of the board in use.
    FormOf(BoardDlg, &form);
    FormOf(SuperBoardDlg, &form);
    DialogOpener board{nullptr, [&form](QWidget& dialog) { return RightEdgeAtWorkspaceBottom(form, dialog); }, nullptr};
    board.DialogNow = []() -> QoraDialog* {
        if (CurrentBoardSize == SmallBoardSize) return BoardDlg;
        return SuperBoardDlg;
    };
    // In the scoring modes without a square the dialog types nothing, but
    // the square it chose is the one shown.
    board.Closed = [&form] { form.Controls->BoardTab->ShowSettings(DisplayedSettings); };
    form.PlugDialog(ControlDialog::BoardPosition, {}, board);
}

}  // namespace qora
