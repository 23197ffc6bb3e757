// The openers of the wordlist dialogs: word presence, labelling a wordlist,
// making a new wordlist, deleting, copying and moving items (also of the
// current flashcard) and appending random racks.
#include <QAction>

#include "dialogs/DialogParts.h"
#include "dialogs/LabelDialog.h"
#include "dialogs/MoveItemDialog.h"
#include "dialogs/NewWordlistDialog.h"
#include "dialogs/RandomRacksDialog.h"
#include "dialogs/WordPresenceDialog.h"
#include "engine/Flashcards.h"
#include "engine/Wordlists.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/WordlistControls.h"

namespace qora {

namespace {

DialogOpener MoveItemOpener(TForm2& form) {
    return {MoveItemDlg, [&form](QWidget& dialog) { return form.LowerRightOfClientArea(dialog); }, nullptr};
}

// The menu items that move items: a wordlist's (the dialog's own choice of
// wordlist and item) and the current flashcard's.
void PlugMoveItemMenus(TForm2& form) {
    const MainMenus& menus = form.Menus();
    const std::pair<QAction*, std::uint8_t> wordlistItems[] = {{menus.MenuWordlistsDeleteItem, DispositionDelete},
                                                               {menus.MenuWordlistsCopyItem, DispositionCopy},
                                                               {menus.MenuWordlistsMoveItem, DispositionMove}};
    for (const auto& [item, operation] : wordlistItems)
        form.PlugAction({item}, [&form, operation] { OpenMoveItemDialog(form, {0, -1, -1, operation}); });
    const std::pair<QAction*, std::uint8_t> flashcardItems[] = {{menus.MenuFlashcardDelete, DispositionDelete},
                                                                {menus.MenuFlashcardCopy, DispositionCopy},
                                                                {menus.MenuMoveToSomewhere, DispositionMove}};
    for (const auto& [item, operation] : flashcardItems)
        form.PlugAction({item}, [&form, operation] {
            OpenMoveItemDialog(form, {1, FlashcardWordlistNumber, -1, operation});
        });
}

}  // namespace

void OpenMoveItemDialog(TForm2& form, const MoveItemRequest& request) {
    DialogOpener opener = MoveItemOpener(form);
    opener.Prepare = [request](const DialogRequest&) { PendingMoveItem = request; };
    form.OpenDialog(opener);
}

void PlugWordlistDialogs(TForm2& form) {
    const MainMenus& menus = form.Menus();
    const auto atWorkspaceTop = [&form](QWidget& dialog) { return form.RightEdgeAtWorkspaceTop(dialog); };
    WordlistsPage& wordlists = *form.Controls->WordlistsTab;

    form.PlugDialog({menus.MenuWordPresence},
                    {&FormOf(WordPresenceDlg, &form),
                     [&form](QWidget& dialog) { return form.AtWorkspaceTopLeft(dialog); }, nullptr});

    form.PlugDialog(ControlDialog::LabelWordlist, {},
                    {&FormOf(LabelWordlistDlg, &form), atWorkspaceTop,
                     [](const DialogRequest& request) { LabelWordlistNumber = request.Number; }});
    form.PlugAction({menus.MenuLabelWordlist}, [&form, &wordlists] {
        form.OpenDialog(DialogRequest{ControlDialog::LabelWordlist, wordlists.ChosenWordlist()});
    });

    // File > Import Wordlist opens the dialog on its Import page.
    TMakeNewWordlist& newWordlist = FormOf(MakeNewWordlist, &form);
    form.PlugDialog(ControlDialog::NewWordlist, {}, {&newWordlist, atWorkspaceTop, nullptr});
    form.PlugDialog({menus.MenuImportWordlists}, {&newWordlist, atWorkspaceTop, [&newWordlist](const DialogRequest&) {
                                                      newWordlist.ShowImportPage();
                                                  }});

    // The MoveItem button moves the word selected in the wordlist chosen.
    FormOf(MoveItemDlg, &form);
    DialogOpener moveItem = MoveItemOpener(form);
    moveItem.Prepare = [](const DialogRequest& request) {
        PendingMoveItem = {0, request.Number, request.Item, DispositionMove};
    };
    form.PlugDialog(ControlDialog::MoveItem, {}, moveItem);
    PlugMoveItemMenus(form);

    form.PlugDialog(ControlDialog::RandomRacksToWordlist, {menus.MenuAppendRandomRacks},
                    {&FormOf(RandomRacksDlg, &form), atWorkspaceTop, nullptr});
}

}  // namespace qora
