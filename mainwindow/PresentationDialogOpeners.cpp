// The openers of the presentation page's dialogs: the word count, the layout,
// the maximum width, the rows per page and the slate probes.
#include "dialogs/DialogParts.h"
#include "dialogs/LayoutDialog.h"
#include "dialogs/MaxWidthDialog.h"
#include "dialogs/ProbeSlateDialog.h"
#include "dialogs/WordCountDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/PresentationControls.h"
#include "mainwindow/Workspace.h"
#include "platform/qt/Screen.h"
#include "processor/Settings.h"

namespace qora {

namespace {

// The top-left corner just below a control of the main window.
QPoint BelowControl(const QWidget& control) { return ScreenRectOf(control).bottomLeft() + QPoint(0, 1); }

// The left edge on the workspace's left edge, the bottom on its top edge.
QPoint AboveWorkspace(const TForm2& form, QWidget& dialog) {
    const QRect workspace = ScreenRectOf(*form.Workspace);
    return {workspace.left(), workspace.top() - OuterSizeOf(dialog).height()};
}

}  // namespace

void PlugPresentationDialogs(TForm2& form) {
    PresentationPage& page = *form.Controls->PresentationTab;

    TEditWordCountValue& wordCount = FormOf(EditWordCountValue, &form);
    wordCount.ShowSlateWordCount = [&page](std::int32_t count) {
        page.ShowSlateWordCount(DisplayedSettings.PresentationKind, count);
    };
    form.PlugDialog(ControlDialog::SlateWordCount, {},
                    {&wordCount, [&page](QWidget&) { return BelowControl(*page.SlateWordCount); }, nullptr});

    // The layout dialogs open below the presentation controls, whose last
    // is the rows-per-page box.
    const auto belowPresentationControls = [&page](QWidget&) { return BelowControl(*page.RowsPerPage); };
    form.PlugDialog(ControlDialog::Layout, {}, {&FormOf(EditLayoutDlg, &form), belowPresentationControls, nullptr});
    form.PlugDialog(ControlDialog::MaxWidth, {}, {&FormOf(EditMaxWidthDlg, &form), belowPresentationControls, nullptr});
    form.PlugDialog(ControlDialog::RowsPerPage, {},
                    {&FormOf(EditRowsPerPageDlg, &form), belowPresentationControls, nullptr});

    // The presentation list has stored the probe kind in DisplayedSettings;
    // when the dialog types nothing, the list shows the line's kind again.
    form.PlugDialog(
        ControlDialog::ProbeSlate, {},
        {&FormOf(ProbeSlateDlg, &form), [&form](QWidget& dialog) { return AboveWorkspace(form, dialog); }, nullptr});
}

}  // namespace qora
