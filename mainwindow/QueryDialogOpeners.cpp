// The openers of the query page's dialogs: the query constituent, the rack
// letter or blank and the word reference.
#include <QAction>

#include "dialogs/DialogParts.h"
#include "dialogs/QueryConstituentDialog.h"
#include "dialogs/RackCharacterDialog.h"
#include "dialogs/WordReferenceDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"

namespace qora {

void PlugQueryDialogs(TForm2& form) {
    const MainMenus& menus = form.Menus();
    TAddQueryCharacter& constituent = FormOf(AddQueryCharacter, &form);
    form.PlugDialog(
        ControlDialog::QueryCharacter, {menus.MenuAugmentLetter},
        {&constituent, [&form](QWidget& dialog) { return form.RightEdgeOneCaptionAbove(dialog); }, nullptr});
    form.AddLanguageSwitch([&constituent] { constituent.ApplyLexiconLanguage(); });
    form.AddListTabsRefresh([&constituent] { constituent.RefreshListTabs(); });

    TAddRackCharacter& rack = FormOf(AddRackCharacter, &form);
    form.PlugDialog(ControlDialog::RackCharacter, {menus.MenuRackLetter},
                    {&rack, [&form](QWidget& dialog) { return form.RightEdgeOneCaptionAbove(dialog); }, nullptr});
    form.AddLanguageSwitch([&rack] { rack.ApplyLexiconLanguage(); });

    form.PlugDialog(ControlDialog::QueryWord, {menus.MenuAugmentWord},
                    {&FormOf(AddWordReference, &form),
                     [&form](QWidget& dialog) { return form.RightEdgeOneCaptionAbove(dialog); }, nullptr});
}

}  // namespace qora
