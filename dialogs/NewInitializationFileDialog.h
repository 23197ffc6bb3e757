// The new-initialization-file dialog, TNewIniFileDlg: writes the program's
// configuration into an initialization file (processor/IniFile.h) that a later
// start reads.
//
// The dialog edits the values that no other window sets: the definitions
// file, the default folder of the file dialogs and the prefix of recording
// file names. They become the program's own values when the file is written
// (the folder and the prefix take effect at once, the definitions file at the
// next start). It shows the other sections as they will be written and opens
// the dialogs that edit the recording periods and the function keys. The
// "Printer Page Settings" choice (NewIniPrinterPage) decides whether the page
// settings of the file stay as they are or become the current ones; the
// page-setup dialog, which "Adjust Printer Page Settings" opens, sets it
// after its OK.
#pragma once

#include <QPointer>
#include <string>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qora {

class TNewIniFileDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TNewIniFileDlg(QWidget* parent = nullptr);

    QLineEdit* FileName;
    QPushButton* BrowseButton;
    QLineEdit* DefinitionsFile;
    QLineEdit* DefaultDirectory;
    QLineEdit* RecordingPrefix;
    QListWidget* RecordingPeriodsList;
    QPushButton* TimePeriodsButton;
    QListWidget* FunctionKeysList;
    QPushButton* FunctionKeysButton;
    QGroupBox* NewIniPrinterPage;  // "Printer Page Settings"
    QRadioButton* LeaveAsIs;
    QRadioButton* UpdateWithCurrent;
    QPushButton* AdjustPrinterPageSettings;
    QLabel* OtherSections;  // lexicons, revert to challenge, fonts

protected:
    void FormActivate() override;

private:
    void ShowSections();
    void FieldChange();
    void BrowseClick();
    void TimePeriodsClick();
    void FunctionKeysClick();
    void OKClick();
};

extern QPointer<TNewIniFileDlg> NewIniFileDlg;

// Opens the dialog modally, centred on `parent`'s window.
void ShowNewIniFileDialog(QWidget* parent);

// The "Printer Page Settings" choice: the page-setup dialog's OK chooses
// "Update with current settings" when the page settings differ from the
// file's, else "Leave as is". It holds until the user changes it or a file
// is written with the current settings.
void SetNewIniPrinterPage(bool updateWithCurrentSettings);
bool NewIniPrinterPageUpdates();

}  // namespace qora
