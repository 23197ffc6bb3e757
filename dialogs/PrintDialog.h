// The print dialog and the printing of the workspace.
//
// The dialog (TQoraPrintDlg) takes the page title and whether copies are
// collated and pages printed last first (PrintTitle, PrintCollate,
// PrintReverseOrder), and types "/PW \"title\" " onto the command line;
// performing that command prints the workspace (PrintWorkspace). The dialog
// also chooses the printing font (kept as the initialization file's printer
// font) and opens the page setup.
#pragma once

#include <QFont>
#include <QPointer>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/FontDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qora {

class PagePrinter;

// The printing font: the initialization file's printer font and size, else
// a fixed-pitch font of 10 points.
QFont PrintingFont();

// Prints the workspace lines on a printer that has begun its document, in
// the printing font, laid out as CurrentPageSettings asks, lines wider than
// the page wrapped, every page headed (or footed) with the title and its
// page number.
void PrintPages(PagePrinter& printer, const std::vector<std::string>& lines, std::string_view title);

// The command "/PW": lets the user choose the printer and prints the
// workspace on it. Returns "" when printed or when the user cancelled, else
// why nothing was printed.
std::string PrintWorkspace(const std::string& title);

class TQoraPrintDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TQoraPrintDlg(QWidget* parent = nullptr);

    QPushButton* FontButton;
    QPushButton* PageSetupButton;
    QLabel* LineCountLabel;
    QLabel* Label1;
    QLabel* Label5;
    QLineEdit* Title;
    QCheckBox* Collate;
    QCheckBox* ReverseOrder;
    QLabel* Label4;
    FontDialog PrinterFontDialog;  // fixed-pitch fonts only

    // Opens the page-setup dialog with its right edge 6 pixels inside the
    // main window's right edge and its bottom on the workspace's bottom: from
    // this dialog, the page-setup menu item and the new-initialization-file
    // dialog.
    static ModalResult PageSetupButtonClick();

protected:
    void FormActivate() override;

private:
    void FontButtonClick();
    void OKClick();
};

extern QPointer<TQoraPrintDlg> QoraPrintDlg;

}  // namespace qora
