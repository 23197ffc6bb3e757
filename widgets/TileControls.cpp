#include "widgets/TileControls.h"

#include "engine/TileKeys.h"
#include "platform/Scaling.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qora {

namespace {

constexpr int SlotsPerRow = 14;
constexpr int FirstExtraSlot = 13;
constexpr int SecondExtraSlot = 27;

bool IsExtraSlot(int slot) { return slot == FirstExtraSlot || slot == SecondExtraSlot; }

void MakeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

}  // namespace

int SlotOfName(char name) {
    if (name >= 'A' && name <= 'M') return name - 'A';
    if (name >= 'N' && name <= 'Z') return name - 'A' + 1;
    if (name == '1') return FirstExtraSlot;
    if (name == '2') return SecondExtraSlot;
    return -1;
}

int SlotOfTile(Language language, int tile) {
    if (language == Language::Spanish) return tile - 1;
    return tile <= 13 ? tile - 1 : tile;
}

int TileOfSlot(Language language, int slot) {
    if (language == Language::Spanish) return slot + 1;
    if (IsExtraSlot(slot)) return 0;
    return slot < FirstExtraSlot ? slot + 1 : slot;
}

TileControlRows::TileControlRows(TileControlKind kind, int pitch, QWidget* parent)
    : QWidget(parent), kind_(kind), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(0);
    if (kind_ == TileControlKind::RadioButton) {
        radioGroup_ = new QButtonGroup(this);
        radioGroup_->setExclusive(true);
    }
    for (int slot = 0; slot < TileControlCount; ++slot) {
        cells_[static_cast<std::size_t>(slot)] = NewControl(slot);
        PlaceCell(slot, pitch);
    }
    SetLanguage(Language::English);
}

QWidget* TileControlRows::NewControl(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    if (kind_ == TileControlKind::Counter) {
        auto* cell = new QWidget(this);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(Scaled(2));
        labels_[index] = new QLabel(cell);
        counters_[index] = new SpinField(2, cell);
        counters_[index]->Field()->setFocusPolicy(Qt::NoFocus);
        column->addWidget(labels_[index]);
        column->addWidget(counters_[index]);
        connect(counters_[index], &SpinField::clicked, this,
                [this, slot](UpDownButton button) { emit counterClicked(TileOfSlot(language_, slot), button); });
        return cell;
    }
    QAbstractButton* button = kind_ == TileControlKind::RadioButton
                                  ? static_cast<QAbstractButton*>(new QRadioButton(this))
                                  : new QCheckBox(this);
    MakeBold(*button);
    if (radioGroup_ != nullptr) radioGroup_->addButton(button, slot);
    connect(button, &QAbstractButton::clicked, this, [this, slot] { emit tileClicked(TileOfSlot(language_, slot)); });
    buttons_[index] = button;
    return button;
}

void TileControlRows::PlaceCell(int slot, int pitch) {
    const int row = slot / SlotsPerRow;
    const int column = slot % SlotsPerRow;
    grid_->addWidget(Cell(slot), row, column, Qt::AlignLeft | Qt::AlignTop);
    grid_->setColumnMinimumWidth(column, Scaled(pitch));
}

void TileControlRows::SetLanguage(Language language) {
    if (language != language_) CarryStateOver(language);
    language_ = language;
    const bool extrasShown = language == Language::Spanish;
    for (int slot = 0; slot < TileControlCount; ++slot) {
        const int tile = TileOfSlot(language, slot);
        if (tile != 0) {
            const QString caption = FromCodePage(TileCaptionIn(language, tile));
            if (QAbstractButton* button = Button(slot)) button->setText(caption);
            if (QLabel* label = CounterLabel(slot)) label->setText(caption);
        }
        if (IsExtraSlot(slot)) Cell(slot)->setVisible(extrasShown);
    }
    // A hidden extra leaves no empty column behind.
    const int extraColumnWidth = extrasShown ? grid_->columnMinimumWidth(0) : 0;
    grid_->setColumnMinimumWidth(FirstExtraSlot, extraColumnWidth);
}

// The controls keep their state between showings: a change of language
// moves each tile's check or count to the control of the same letters, so
// that a D stays a D rather than becoming the tile of its slot (CH).
void TileControlRows::CarryStateOver(Language to) {
    std::array<int, TileControlCount> states{};
    for (int tile = 1; tile <= TileCount(); ++tile) {
        const int target = TileOfSameLetters(language_, tile, to);
        if (target == 0) continue;
        const SpinField* counter = CounterOfTile(tile);
        const QAbstractButton* button = ButtonOfTile(tile);
        states[static_cast<std::size_t>(SlotOfTile(to, target))] = counter != nullptr ? counter->Position()
                                                                   : button != nullptr && button->isChecked() ? 1
                                                                                                              : 0;
    }
    if (radioGroup_ != nullptr) radioGroup_->setExclusive(false);  // so that no tile may stay checked
    for (int slot = 0; slot < TileControlCount; ++slot) {
        const int state = states[static_cast<std::size_t>(slot)];
        if (SpinField* counter = Counter(slot)) counter->SetPosition(state);
        if (QAbstractButton* button = Button(slot)) button->setChecked(state != 0);
    }
    if (radioGroup_ != nullptr) radioGroup_->setExclusive(true);
}

QAbstractButton* TileControlRows::Button(int slot) const {
    return slot >= 0 && slot < TileControlCount ? buttons_[static_cast<std::size_t>(slot)] : nullptr;
}

SpinField* TileControlRows::Counter(int slot) const {
    return slot >= 0 && slot < TileControlCount ? counters_[static_cast<std::size_t>(slot)] : nullptr;
}

QLabel* TileControlRows::CounterLabel(int slot) const {
    return slot >= 0 && slot < TileControlCount ? labels_[static_cast<std::size_t>(slot)] : nullptr;
}

int TileControlRows::CheckedTile() const {
    for (int tile = 1; tile <= TileCount(); ++tile)
        if (TileChecked(tile)) return tile;
    return 0;
}

bool TileControlRows::TileChecked(int tile) const {
    const QAbstractButton* button = ButtonOfTile(tile);
    return button != nullptr && button->isChecked();
}

void TileControlRows::SetTileChecked(int tile, bool checked) {
    if (QAbstractButton* button = ButtonOfTile(tile)) button->setChecked(checked);
}

void TileControlRows::SetAllChecked(bool checked) {
    for (QAbstractButton* button : buttons_)
        if (button != nullptr) button->setChecked(checked);
}

void TileControlRows::ToggleTile(int tile) { SetTileChecked(tile, !TileChecked(tile)); }

LetterCounts TileControlRows::CheckedTiles() const {
    LetterCounts counts{};
    for (int tile = 1; tile <= TileCount(); ++tile)
        counts[static_cast<std::size_t>(tile - 1)] = TileChecked(tile) ? 1 : 0;
    return counts;
}

void TileControlRows::CheckTiles(const LetterCounts& counts) {
    for (int tile = 1; tile <= TileCount(); ++tile)
        SetTileChecked(tile, counts[static_cast<std::size_t>(tile - 1)] != 0);
}

TileTypingMemo::TileTypingMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus);
    QPalette face = palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    setPalette(face);
}

void TileTypingMemo::SetLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text << FromCodePage(line);
    setPlainText(text.join('\n'));
}

bool TileTypingMemo::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !(static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)) {
        event->accept();  // Ctrl+letter keys are the memo's own; Alt+letter still reaches the buttons
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TileTypingMemo::keyPressEvent(QKeyEvent* event) {
    const KeyStroke stroke = KeyStrokeOf(*event);
    const TileKey key = FoldTileKey(stroke, ActiveLanguage());
    switch (key.action) {
        case TileKeyAction::Tile: emit tileTyped(key.tile, stroke); break;
        case TileKeyAction::Confirm: emit confirmed(); break;
        case TileKeyAction::Close:
            emit closing();
            if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->reject();
            break;
        case TileKeyAction::Ignore: break;
    }
}

}  // namespace qora
