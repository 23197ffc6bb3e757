// The openers of the filter page's editors and of the Show Definitions
// dialog.
#include "dialogs/BlankFilterDialog.h"
#include "dialogs/DefinitionFilterDialog.h"
#include "dialogs/DialogParts.h"
#include "dialogs/HooksFilterDialog.h"
#include "dialogs/NumericFilterDialogs.h"
#include "dialogs/ProbabilityFilterDialog.h"
#include "dialogs/ShowDefinitionsDialog.h"
#include "dialogs/texts/FilterText.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/FilterControls.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Workspace.h"
#include "platform/qt/Screen.h"

namespace qora {

void PlugFilterDialogs(TForm2& form) {
    const MainMenus& menus = form.Menus();
    // The editors open on the workspace's left edge, just below the filter
    // controls, whose last row is the definition filter's.
    const DialogBox& lastRow = *form.Controls->FiltersTab->FilteringDefnValue;
    const auto belowFilters = [&form, &lastRow](QWidget&) {
        return QPoint(ScreenRectOf(*form.Workspace).left(), ScreenRectOf(lastRow).bottom() + 1);
    };
    const auto plug = [&](ControlDialog control, QoraDialog& dialog) {
        form.PlugDialog(control, {}, {&dialog, belowFilters, nullptr});
    };
    plug(ControlDialog::LengthFilter, FormOf(EditQFWordLength, &form));
    plug(ControlDialog::ScoreFilter, FormOf(EditQFWordScore, &form));
    plug(ControlDialog::ProbabilityFilter, FormOf(EditQFProbability, &form));
    plug(ControlDialog::WordCountFilter, FormOf(EditQFWordCount, &form));
    plug(ControlDialog::AnagramCountFilter, FormOf(EditQFAnagramCount, &form));
    plug(ControlDialog::BlankFilter, FormOf(EditQFBlank, &form));
    plug(ControlDialog::DefinitionFilter, FormOf(EditQFDefn, &form));
    // One form edits both hooks filters; the opener says which.
    for (const ControlDialog hooks : {ControlDialog::FrontHooksFilter, ControlDialog::BackHooksFilter})
        form.PlugDialog(hooks, {}, {&FormOf(EditQFHooks, &form), belowFilters, [](const DialogRequest& request) {
                                        HooksDialogFront = request.Dialog == ControlDialog::FrontHooksFilter;
                                    }});

    form.PlugDialog({menus.MenuShowDefns},
                    {&FormOf(ShowDefnsDlg, &form),
                     [&form](QWidget& dialog) { return form.RightEdgeAtWorkspaceTop(dialog); }, nullptr});
}

}  // namespace qora
