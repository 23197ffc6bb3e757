// The set (B) and set ($) dialog, TDefineNewSetB: one value per tile of the
// primary lexicon's language, the bag's tile counts (set (B)) or the tile
// scores (set ($)), changed with the up-down arrows or by typing a tile (lower
// case raises, upper case lowers). OK types the whole redefinition,
// "/(B)=(9A2B...)" or "/($)=(A3B...)".
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "engine/LetterCounts.h"
#include "platform/qt/Dialogs.h"

class QPushButton;

namespace qora {

class TileControlRows;
class TileTypingMemo;

// Which set the next showing edits: set (B) when true, set ($) when false.
// The opener sets it.
extern bool SetBDialogIsBag;

class TDefineNewSetB : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TDefineNewSetB(QWidget* parent = nullptr);

    // The labels QCSSLabelA..2, the values SSValueA..2 and the arrows
    // SSUpDownA..2, by tile.
    TileControlRows* Tiles;
    TileTypingMemo* SpecifiedSetHome;
    QPushButton* DefaultValues;
    QPushButton* OneAllValues;

    // The values shown, tile n of the language at entry n - 1.
    LetterCounts Values() const;

protected:
    void FormActivate() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowValues(const LetterCounts& values);
    void SpecifiedSetHomeKeyDown(int tile, bool lowering);
    void DefaultValuesClick();
    void OneAllValuesClick();
    void OKClick();
};

extern QPointer<TDefineNewSetB> DefineNewSetB;

}  // namespace qora
