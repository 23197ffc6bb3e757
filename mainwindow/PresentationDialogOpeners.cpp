// The openers of the presentation page's dialogs: the word count, the layout,
// the maximum width, the rows per page and the slate probes.
#include "dialogs/DialogParts.h"
#include "dialogs/WordCountDialog.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/PresentationControls.h"
#include "platform/qt/Screen.h"
#include "processor/Settings.h"

namespace qora {

namespace {

// The top-left corner just below a control of the main window.
QPoint BelowControl(const QWidget& control) { return ScreenRectOf(control).bottomLeft() + QPoint(0, 1); }

}  // namespace

void PlugPresentationDialogs(TForm2& form) {
    PresentationPage& page = *form.Controls->PresentationTab;

    TEditWordCountValue& wordCount = FormOf(EditWordCountValue, &form);
    wordCount.ShowSlateWordCount = [&page](std::int32_t count) {
        page.ShowSlateWordCount(DisplayedSettings.PresentationKind, count);
    };
    form.PlugDialog(ControlDialog::SlateWordCount, {},
                    {&wordCount, [&page](QWidget&) { return BelowControl(*page.SlateWordCount); }, nullptr});
}

}  // namespace qora
