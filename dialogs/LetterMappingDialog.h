// The letter-mapping dialog, TMappingDlg: shows the letter mapping that "[M"
// word references use (LetterMapping) as two rows, each tile above the tile it
// maps to, lets the user change it tile by tile or set it to the alphabet in
// order or in reverse from a chosen tile, and types the "/M" command onto the
// command line. Edits change only the dialog's copy (MappingWork).
//
// A mapping is one code per tile of the active language in tile order: the
// letters A to Z, or for Spanish '@' + tile number.
#pragma once

#include <QPointer>
#include <QTableWidget>
#include <string>

#include "dialogs/DialogParts.h"
#include "platform/KeyCodes.h"
#include "platform/qt/Dialogs.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qora {

// The dialog's copy of the mapping.
extern std::string MappingWork;

// The two rows: the tiles above, the mapping below; only the mapping row can
// be selected, and every key goes to the dialog.
class MappingGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit MappingGrid(QWidget* parent = nullptr);

signals:
    void keyDown(KeyStroke stroke);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TMappingDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TMappingDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* SpanishLabel;
    QLabel* Label3;  // "Letter"
    QLabel* Label4;  // "Maps to"
    MappingGrid* Grid;
    QGroupBox* GroupBox1;
    QRadioButton* AlphabeticalOrder;
    QRadioButton* ReverseAlphabeticalOrder;
    QLabel* Label2;
    QComboBox* StartingWith;
    QPushButton* SetMap;

    // The width the dialog is opened with (unscaled): wider for the 28
    // Spanish tiles.
    static int FormWidth();

protected:
    void FormActivate() override;

private:
    void LayOutGrid(bool fromActivation);
    void ShowMappingCell(int column);
    void GridKeyDown(KeyStroke stroke);
    void SetMapClick();
    void OKClick();
};

extern QPointer<TMappingDlg> MappingDlg;

}  // namespace qora
