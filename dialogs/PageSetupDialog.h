// The page-setup dialog, TQoraPageSetupDlg: edits the page layout of printing
// (CurrentPageSettings) directly: the margins, the spacing between lines,
// whether pages have a header or a footer and its distance from the text.
// After OK the new-initialization-file dialog offers to write the settings
// when they differ from the file's.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace qora {

class SpinField;

class TQoraPageSetupDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TQoraPageSetupDlg(QWidget* parent = nullptr);

    QGroupBox* Margins;
    SpinField* TopValue;
    SpinField* LeftValue;
    SpinField* BottomValue;
    QGroupBox* LineSpacing;
    SpinField* SpacingValue;
    QGroupBox* HeaderFooter;
    QRadioButton* Header;
    QRadioButton* Footer;
    QRadioButton* Neither;
    QGroupBox* HeaderSpacing;
    QLabel* HeaderSpacingLabel;
    SpinField* HeaderSpacingValue;

protected:
    void FormActivate() override;

private:
    int CheckedMode() const;
    void ModeClick();
    void OKClick();
};

extern QPointer<TQoraPageSetupDlg> QoraPageSetupDlg;

}  // namespace qora
