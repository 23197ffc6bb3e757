// The rows of 28 tile controls of the tile pages, and the memo that takes the
// keystrokes of such a page.
//
// The controls stand in two rows of fourteen: thirteen letter controls and
// one extra control at the end of each row. A control has a slot number and a
// name, the last character of its component names:
//   slots 0..12 = A..M, slot 13 = "1", slots 14..26 = N..Z, slot 27 = "2".
// English and French show A to Z on the letter controls and hide the extras.
// Spanish shows its 28 tiles in tile order on all of them:
//   A B C CH D E F G H I J L LL M / N Ñ O P Q R RR S T U V X Y Z
// so that the control named D carries CH, the extra "1" carries M, and so on.
// The controls are bold radio buttons (one group), bold check boxes, or
// counters: a label with a spin field below it.
#pragma once

#include "engine/LetterCounts.h"
#include "engine/Tiles.h"
#include "platform/KeyCodes.h"
#include "platform/qt/SpinField.h"

#include <QPlainTextEdit>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QLabel;

namespace qora {

constexpr int TileControlCount = 28;

int SlotOfName(char name);                    // 'A'..'Z', '1', '2'; -1 for any other name
int SlotOfTile(Language language, int tile);  // tile 1..26 (1..28 for Spanish)
int TileOfSlot(Language language, int slot);  // 0 for an extra that the language hides

enum class TileControlKind { RadioButton, CheckBox, Counter };

class TileControlRows : public QWidget {
    Q_OBJECT

public:
    // pitch: the distance from one control to the next at 96 pixels per inch;
    // a control that needs more room widens its column.
    explicit TileControlRows(TileControlKind kind, int pitch = 53, QWidget* parent = nullptr);

    TileControlKind Kind() const { return kind_; }

    // Captions for the language, and the extras shown only for Spanish; a
    // change of language carries each check and count over to the tile of
    // the same letters (tiles the new language lacks lose theirs).
    void SetLanguage(Language language);
    Language CurrentLanguage() const { return language_; }
    int TileCount() const { return LanguageTileCount(language_); }

    // The controls by slot (SlotOfName('D')) or by tile of the language shown.
    QAbstractButton* Button(int slot) const;  // radio buttons and check boxes
    SpinField* Counter(int slot) const;       // counters
    QLabel* CounterLabel(int slot) const;
    QAbstractButton* ButtonOfTile(int tile) const { return Button(SlotOfTile(language_, tile)); }
    SpinField* CounterOfTile(int tile) const { return Counter(SlotOfTile(language_, tile)); }

    int CheckedTile() const;  // radio buttons: the tile checked, 0 for none
    bool TileChecked(int tile) const;
    void SetTileChecked(int tile, bool checked);
    void SetAllChecked(bool checked);  // all 28 controls, the hidden extras too
    void ToggleTile(int tile);

    // Check boxes as a letter set: a count of 1 for each tile of the language
    // shown whose box is checked (a hidden extra never counts), and back: a
    // box is checked when its tile's count is not 0 (the hidden extras keep
    // their state).
    LetterCounts CheckedTiles() const;
    void CheckTiles(const LetterCounts& counts);

signals:
    void tileClicked(int tile);                          // a button was clicked
    void counterClicked(int tile, UpDownButton button);  // a counter's arrow was clicked

private:
    QWidget* NewControl(int slot);
    QWidget* Cell(int slot) const { return cells_[static_cast<std::size_t>(slot)]; }
    void PlaceCell(int slot, int pitch);
    void CarryStateOver(Language to);

    TileControlKind kind_;
    Language language_ = Language::English;
    QGridLayout* grid_;
    QButtonGroup* radioGroup_ = nullptr;
    std::array<QWidget*, TileControlCount> cells_{};
    std::array<QAbstractButton*, TileControlCount> buttons_{};
    std::array<SpinField*, TileControlCount> counters_{};
    std::array<QLabel*, TileControlCount> labels_{};
};

// The read-only, borderless memo of a tile page: it shows a typing hint and
// turns keystrokes into tiles of the primary lexicon's language
// (FoldTileKey). Enter emits confirmed(); Esc emits closing() and then closes
// the dialog that holds the memo. Ctrl+letter keys reach the memo rather than
// any shortcut; TAB still moves the focus and Alt+letter still presses a
// button.
class TileTypingMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TileTypingMemo(QWidget* parent = nullptr);

    void SetLines(const std::vector<std::string>& lines);  // code-page text

signals:
    void tileTyped(int tile, KeyStroke stroke);
    void confirmed();
    void closing();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qora
