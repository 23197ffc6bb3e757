#include "support/qt/WidgetLayout.h"
#include "widgets/TileControls.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace qora {
namespace {

TEST(TileSlots, NamesSlotsAndTilesAgree) {
    EXPECT_EQ(SlotOfName('1'), 13);
    EXPECT_EQ(SlotOfName('N'), 14);
    EXPECT_EQ(SlotOfName('2'), 27);
    for (Language language : {Language::English, Language::French, Language::Spanish})
        for (int tile = 1; tile <= LanguageTileCount(language); ++tile)
            EXPECT_EQ(TileOfSlot(language, SlotOfTile(language, tile)), tile);
    EXPECT_EQ(TileOfSlot(Language::English, SlotOfName('1')), 0);
    EXPECT_EQ(TileOfSlot(Language::English, SlotOfName('N')), 14);
    EXPECT_EQ(TileOfSlot(Language::Spanish, SlotOfName('1')), 14);  // M
    EXPECT_EQ(TileOfSlot(Language::Spanish, SlotOfName('O')), SpanishTileEnye);
}

std::vector<std::string> Captions(const TileControlRows& rows) {
    std::vector<std::string> captions;
    for (int slot = 0; slot < TileControlCount; ++slot) {
        const QAbstractButton* button = rows.Button(slot);
        const QLabel* label = rows.CounterLabel(slot);
        const QWidget* control = button != nullptr ? static_cast<const QWidget*>(button) : label;
        if (!control->isVisibleTo(rows.window())) continue;
        captions.push_back((button != nullptr ? button->text() : label->text()).toLatin1().toStdString());
    }
    return captions;
}

const std::vector<std::string> SpanishOrder = {"A",  "B", "C",  "CH", "D", "E",    "F", "G", "H", "I",
                                               "J",  "L", "LL", "M",  "N", "\xD1", "O", "P", "Q", "R",
                                               "RR", "S", "T",  "U",  "V", "X",    "Y", "Z"};

TEST(TileControlRows, CaptionsAndExtrasFollowTheLanguage) {
    for (TileControlKind kind : {TileControlKind::RadioButton, TileControlKind::CheckBox, TileControlKind::Counter}) {
        QWidget window;
        auto* rows = new TileControlRows(kind, 53, &window);
        rows->SetLanguage(Language::Spanish);
        EXPECT_EQ(Captions(*rows), SpanishOrder);
        rows->SetLanguage(Language::French);
        std::vector<std::string> alphabet;
        for (char c = 'A'; c <= 'Z'; ++c) alphabet.emplace_back(1, c);
        EXPECT_EQ(Captions(*rows), alphabet);
        EXPECT_EQ(rows->TileCount(), 26);
    }
}

TEST(TileControlRows, ControlsAreReachedByTileNumber) {
    QWidget window;
    auto* radios = new TileControlRows(TileControlKind::RadioButton, 53, &window);
    radios->SetLanguage(Language::Spanish);
    std::vector<int> clicked;
    QObject::connect(radios, &TileControlRows::tileClicked, [&](int tile) { clicked.push_back(tile); });
    radios->ButtonOfTile(SpanishTileCH)->click();
    EXPECT_TRUE(radios->Button(SlotOfName('D'))->isChecked());
    radios->Button(SlotOfName('2'))->click();
    EXPECT_EQ(radios->CheckedTile(), 28);
    EXPECT_EQ(clicked, (std::vector<int>{SpanishTileCH, 28}));

    auto* boxes = new TileControlRows(TileControlKind::CheckBox, 50, &window);
    boxes->SetAllChecked(true);  // English: the hidden extras are checked too
    EXPECT_TRUE(boxes->Button(SlotOfName('2'))->isChecked());

    auto* counters = new TileControlRows(TileControlKind::Counter, 53, &window);
    counters->SetLanguage(Language::Spanish);
    int counted = 0;
    QObject::connect(counters, &TileControlRows::counterClicked, [&](int tile, UpDownButton) { counted = tile; });
    counters->Counter(SlotOfName('1'))->Arrows()->Click(UpDownButton::Up);
    EXPECT_EQ(counted, 14);  // M
}

// Checks and counts are letters: a change of language keeps them on the tiles
// of the same letters, not on the controls of the same places.
TEST(TileControlRows, ChecksAndCountsKeepTheirLettersAcrossAChangeOfLanguage) {
    const auto stateOf = [](const TileControlRows& rows, char letter) {
        int tile = 0;
        for (int candidate = 1; candidate <= rows.TileCount(); ++candidate)
            if (TileCaptionIn(rows.CurrentLanguage(), candidate) == std::string(1, letter)) tile = candidate;
        if (const SpinField* counter = rows.CounterOfTile(tile)) return counter->Position();
        return rows.TileChecked(tile) ? 1 : 0;
    };
    for (TileControlKind kind : {TileControlKind::RadioButton, TileControlKind::CheckBox, TileControlKind::Counter}) {
        QWidget window;
        auto* rows = new TileControlRows(kind, 53, &window);
        const std::string letters = kind == TileControlKind::RadioButton ? "Z" : "DMZK";
        for (char letter : letters) {
            const int tile = letter - 'A' + 1;
            if (SpinField* counter = rows->CounterOfTile(tile))
                counter->SetPosition(2);
            else
                rows->SetTileChecked(tile, true);
        }
        rows->SetLanguage(Language::Spanish);
        for (char letter : std::string("DMZ").substr(kind == TileControlKind::RadioButton ? 2 : 0))
            EXPECT_NE(stateOf(*rows, letter), 0) << letter << " in Spanish";
        for (int tile : {SpanishTileCH, SpanishTileLL, 26, 27})  // CH, LL, X, Y: the places of D, M, Z, K
            EXPECT_EQ(rows->CounterOfTile(tile) ? rows->CounterOfTile(tile)->Position() : rows->TileChecked(tile), 0)
                << tile;
        if (SpinField* counter = rows->CounterOfTile(SpanishTileCH))
            counter->SetPosition(1);
        else
            rows->SetTileChecked(SpanishTileCH, true);
        rows->SetLanguage(Language::English);
        const std::string kept = kind == TileControlKind::RadioButton ? "" : "DMZ";
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            EXPECT_EQ(stateOf(*rows, letter) != 0, kept.find(letter) != std::string::npos)
                << letter << ": K has no Spanish tile, CH no English one";
    }
}

class MemoTyping : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(memo = new TileTypingMemo);
        QObject::connect(memo, &TileTypingMemo::tileTyped, [this](int tile, KeyStroke) { tiles.push_back(tile); });
        QObject::connect(memo, &TileTypingMemo::confirmed, [this] { ++confirmations; });
    }
    void TearDown() override { SetLanguageTables(Language::English); }

    QDialog dialog;
    TileTypingMemo* memo = nullptr;
    std::vector<int> tiles;
    int confirmations = 0;
};

TEST_F(MemoTyping, KeysBecomeTilesOfThePrimaryLanguage) {
    SetLanguageTables(Language::Spanish);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(memo, 'w');
    QTest::keyClick(memo, Qt::Key_Eacute);
    QTest::keyClick(memo, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(tiles, (std::vector<int>{SpanishTileCH, 6, SpanishTileEnye}));
    EXPECT_EQ(confirmations, 1);
    SetLanguageTables(Language::English);
    QTest::keyClick(memo, 'w');
    EXPECT_EQ(tiles.back(), 23);
    EXPECT_TRUE(memo->toPlainText().isEmpty());  // keys never change the text
}

TEST_F(MemoTyping, TabLeavesTheMemo) {
    auto* next = new QLineEdit(&dialog);
    dialog.layout()->addWidget(next);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(MemoTyping, EscClosesTheDialog) {
    dialog.show();
    int closings = 0;
    QObject::connect(memo, &TileTypingMemo::closing, [&] { ++closings; });
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Tile rows of every kind with a hint memo, as the tile pages show them.
class TileRowsLayout : public LayoutTest {};

TEST_F(TileRowsLayout, NothingOverlapsOrIsCutOffInEitherLanguage) {
    for (Language language : {Language::English, Language::Spanish}) {
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* memo = new TileTypingMemo;
        memo->SetLines({"Either click a tile button or indicate a tile by typing.",
                        "Use CTRL-letter: C,L,N,R for CH,LL,\xD1,RR."});
        memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 2 + 12);
        layout->addWidget(memo);
        for (TileControlKind kind :
             {TileControlKind::RadioButton, TileControlKind::CheckBox, TileControlKind::Counter}) {
            auto* rows = new TileControlRows(kind, 53);
            rows->SetLanguage(language);
            layout->addWidget(rows);
        }
        page.show();
        EXPECT_EQ(LayoutFaults(page), std::vector<std::string>{});
        SaveGrab(page, language == Language::Spanish ? "tile-rows-spanish" : "tile-rows-english");
    }
}

}  // namespace
}  // namespace qora
