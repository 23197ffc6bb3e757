// The openers of the query page's dialogs: the query constituent.
#include <QAction>

#include "dialogs/DialogParts.h"
#include "dialogs/QueryConstituentDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainWindow.h"

namespace qora {

void PlugQueryDialogs(TForm2& form) {
    TAddQueryCharacter& constituent = FormOf(AddQueryCharacter, &form);
    form.PlugDialog(
        ControlDialog::QueryCharacter, {form.MenuAugmentLetter},
        {&constituent, [&form](QWidget& dialog) { return form.RightEdgeOneCaptionAbove(dialog); }, nullptr});
    form.AddLanguageSwitch([&constituent] { constituent.ApplyLexiconLanguage(); });
    form.AddListTabsRefresh([&constituent] { constituent.RefreshListTabs(); });
}

}  // namespace qora
