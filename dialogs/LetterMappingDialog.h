// The letter-mapping dialog: shows the letter mapping that "[M" word
// references use (LetterMapping) as two rows, each tile above the tile it
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
#include <string_view>

#include "engine/Tiles.h"
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

// The command for a mapping: " /M\"...\" ". Spanish writes each tile's text,
// the single C, L and R followed by a blank ("C ") so that they cannot join
// the next letter, and "?" for a code outside the alphabet.
std::string MappingCommand(std::string_view mapping);

// The text a cell shows for a code: the letter (a blank stays a blank), or
// the Spanish tile's text ("?" outside the alphabet).
std::string MappingEntryText(unsigned char code);

// The code `step` (+1 or -1) places on in the alphabet, wrapping; a code
// outside the alphabet counts as lying just before the first tile.
unsigned char StepMappingCode(unsigned char code, int step);

// The mapping that starts at tile `startTile` and moves by `step` (+1 in
// alphabetical order, -1 in reverse), wrapping.
std::string SteppedMapping(int startTile, int step);

// A key in the mapping row with the cell of `column` selected: the mapping
// and the selected column after it, or what the key asks of the dialog.
enum class MappingKeyEffect { Unused, Used, Confirm, Close };
struct MappingKey {
    MappingKeyEffect Effect = MappingKeyEffect::Unused;
    int Column = 0;
};
MappingKey MappingGridKey(std::string& mapping, int column, KeyStroke stroke, Language language);

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

class TMappingDlg : public QoraDialog {
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
    QPushButton* OK;
    QPushButton* Cancel;
    QPushButton* Help;

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
