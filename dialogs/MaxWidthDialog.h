// The maximum-width dialog, TEditMaxWidthDlg (the workspace's width, a number
// of characters or a number of columns: "/OWA", "/OW80C", "/OC8C") and the
// rows-per-page dialog, TEditRowsPerPageDlg ("/OR55C", "/OR0C" for no paging),
// which lives beside it. The texts and the reading of the settings are in
// dialogs/texts/PresentationTexts.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/PresentationTexts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace qora {

class SpinField;
class UpDown;

class TEditMaxWidthDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TEditMaxWidthDlg(QWidget* parent = nullptr);

    QRadioButton* WorkspaceWidth;
    QRadioButton* NumCharacters;
    SpinField* NumCharactersValue;  // its arrows are NumCharactersUpDown
    UpDown* NumCharactersUpDown;
    QPushButton* WorkspaceSize;
    QRadioButton* NumColumns;
    SpinField* NumColumnsValue;
    UpDown* NumColumnsUpDown;

    MaxWidthChoice Choice() const;
    void ShowChoice(const MaxWidthChoice& choice);
    void ResetSpins();

protected:
    void FormActivate() override;

private:
    void WorkspaceSizeClick();
    void OKClick();
};

class TEditRowsPerPageDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TEditRowsPerPageDlg(QWidget* parent = nullptr);

    QRadioButton* NumRows;
    SpinField* NumRowsValue;  // its arrows are NumRowsUpDown
    UpDown* NumRowsUpDown;
    QLabel* Label1;
    QRadioButton* Unlimited;

    RowsChoice Choice() const;
    void ShowChoice(const RowsChoice& choice);
    void ResetSpins();

protected:
    void FormActivate() override;

private:
    void OKClick();
};

extern QPointer<TEditMaxWidthDlg> EditMaxWidthDlg;
extern QPointer<TEditRowsPerPageDlg> EditRowsPerPageDlg;

}  // namespace qora
