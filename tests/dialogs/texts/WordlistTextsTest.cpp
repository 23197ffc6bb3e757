// What the wordlist dialogs type and when they may: presence questions,
// labels, new wordlists, item moves and random racks.
#include "dialogs/texts/WordlistTexts.h"

#include <gtest/gtest.h>

#include <climits>

namespace qora {
namespace {

TEST(WordlistTexts, ChoiceLinesNameTheirWordlistOrNothing) {
    const std::pair<const char*, std::optional<std::int32_t>> choices[] = {
        {"the slate", 0},
        {"wordlist  7 Nouns", 7},
        {"wordlist 99", 99},
        {"wordlist 100", std::nullopt},
        {"wordlist x", std::nullopt},
        {"wordlist 99999999999", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [line, number] : choices) EXPECT_EQ(WordlistOfChoice(line), number) << line;
    const std::pair<const char*, std::optional<std::int32_t>> listLines[] = {
        {"  0 (unlabeled):      12 words", 0}, {" 7 Nouns: 3 strings", 7}, {"x 7", std::nullopt}, {"", std::nullopt}};
    for (const auto& [line, number] : listLines) EXPECT_EQ(WordlistOfListLine(line), number) << line;
}

TEST(WordlistTexts, ThePresenceWordIsTheLinesLettersWithoutSubCommands) {
    const std::pair<std::string, std::string> lines[] = {
        {"quixotic", "QUIXOTIC"},
        {"CAT/Z DOG", "CATDOG"},
        {"CAT /-Z", "CATZ"},  // only the "/" and the "-" after it are skipped
        {"3(+E)?,R\xC9", "ER"},
        {"CAT/", "CAT"},  // a "/" at the end skips nothing beyond the line
        {"/", ""},
        {"12 ..", ""},
        {std::string(70, 'a'), std::string(PresenceWordLimit, 'A')},
    };
    for (const auto& [line, word] : lines) EXPECT_EQ(PresenceWord(line), word) << line;
}

TEST(WordlistTexts, PresenceQuestions) {
    struct Case {
        PresenceChoice choice;
        bool composable;
        const char* text;
    };
    const Case cases[] = {
        {{PresencePlace::InLexicon, "CLUB", 7}, true, "/-?"},
        {{PresencePlace::OnSlate, std::nullopt, std::nullopt}, true, "/?"},
        {{PresencePlace::InNamedLexicon, "WORLDWIDE", 7}, true, "/-\"WORLDWIDE\"?"},
        {{PresencePlace::InNamedLexicon, "A\"B", 7}, false, ""},
        {{PresencePlace::InNamedLexicon, std::nullopt, 7}, false, ""},
        {{PresencePlace::InWordlist, "CLUB", 7}, true, "/7?"},
        {{PresencePlace::InWordlist, "CLUB", 0}, true, "/0?"},
        {{PresencePlace::InWordlist, "CLUB", std::nullopt}, false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PresenceComposable(c.choice), c.composable) << c.text;
        if (c.composable) {
            EXPECT_EQ(PresenceCommand(c.choice), c.text);
        }
    }
}

TEST(WordlistTexts, LabelsGoInQuotesExactlyAsTyped) {
    EXPECT_EQ(LabelWordlistCommand(3, "Nouns"), "/3L\"Nouns\"");
    EXPECT_EQ(LabelWordlistCommand(3, ""), "/3L\"\"");
    EXPECT_EQ(LabelWordlistCommand(3, " two words "), "/3L\" two words \"");
    const std::tuple<std::int32_t, const char*, bool> labels[] = {
        {3, "Nouns", true},
        {99, "12345678901234567890", true},
        {3, "123456789012345678901", false},
        {0, "Nouns", false},
        {-1, "", false},
        {100, "", false},
        {3, "a\"b", false},
        {3, "a\tb", false},
    };
    for (const auto& [wordlist, label, composable] : labels)
        EXPECT_EQ(LabelComposable(wordlist, label), composable) << wordlist << " " << label;
}

// What the pages type is pinned by the dialog's tests; here the rules.
TEST(WordlistTexts, ANewWordlistNeedsATargetTheCommandsTakeAndAQuotableLabel) {
    const std::pair<NewWordlistTarget, bool> targets[] = {
        {{5, std::nullopt}, true},    {{0, std::nullopt}, true}, {{0, "Nouns"}, false},
        {{100, std::nullopt}, false}, {{5, "a\"b"}, false},      {{5, std::string(21, 'x')}, false}};
    for (const auto& [target, composable] : targets) EXPECT_EQ(NewWordlistComposable(target), composable);
    EXPECT_EQ(ImportWordlistCommand({5, std::string(25, 'x')}, "a.wds"),
              "/FR5W\"a.wds\"/5L\"" + std::string(20, 'x') + "\"");
    EXPECT_TRUE(IsImportablePath("/home/q/my words.wds"));
    EXPECT_FALSE(IsImportablePath("/home/q/a\"b.wds"));
    EXPECT_FALSE(IsImportablePath("/home/q/a\nb.wds"));
    EXPECT_FALSE(IsImportablePath(""));
}

TEST(WordlistTexts, TheMoveSourceAndDestinationResolveAsTheCommandsDo) {
    struct Case {
        std::optional<std::int32_t> items;
        std::int32_t item, count;
        MoveItemPreview preview;
    };
    const Case cases[] = {
        {10, 8, 5, {true, 10, 8, 3, 10}},  // runs to the end: 3 items, the last is item 10
        {10, 0, 1, {true, 10, 10, 1, 10}},      {10, 25, 1, {true, 10, 10, 1, 10}}, {10, 3, 0, {true, 10, 3, 0, 0}},
        {10, 3, INT_MAX, {true, 10, 3, 8, 10}}, {0, 1, 1, {true, 0, 0, 0, 0}},      {std::nullopt, 1, 1, {}},
    };
    for (const Case& c : cases) {
        const MoveItemPreview preview = PreviewMoveSource(c.items, c.item, c.count);
        EXPECT_EQ(preview.HasSource, c.preview.HasSource);
        EXPECT_EQ(preview.ActualItem, c.preview.ActualItem) << c.item;
        EXPECT_EQ(preview.ActualCount, c.preview.ActualCount) << c.item << "," << c.count;
        EXPECT_EQ(preview.LastItem, c.preview.LastItem) << c.item << "," << c.count;
    }
    EXPECT_EQ(PreviewMoveDestination(6, 0, false), 7);
    EXPECT_EQ(PreviewMoveDestination(6, 3, false), 3);
    EXPECT_EQ(PreviewMoveDestination(6, 9, false), 7);
    EXPECT_EQ(PreviewMoveDestination(6, 3, true), 1);
    EXPECT_EQ(PreviewMoveDestination(std::nullopt, 3, true), 1);
    EXPECT_EQ(PreviewMoveDestination(std::nullopt, 3, false), std::nullopt);
}

TEST(WordlistTexts, ItemCommandsCarryTheNumbersAsSpecified) {
    const auto choice = [](bool flashcard, std::int32_t s, std::int32_t i, std::int32_t n, int disposition,
                           std::int32_t d = -1, std::int32_t p = 0) {
        MoveItemChoice c;
        c.FromFlashcard = flashcard;
        c.Source = s, c.Item = i, c.Count = n, c.Disposition = disposition;
        c.DestinationWordlist = d, c.DestinationItem = p;
        return c;
    };
    const std::pair<MoveItemChoice, const char*> cases[] = {
        {choice(false, 3, 5, 1, DispositionDelete), "/=3:5D"},
        {choice(false, 3, 5, 4, DispositionDelete), "/=3:5,4D"},
        {choice(false, 3, 5, 1, DispositionCopy, 7, 0), "/7:0=3:5C"},
        {choice(false, 0, 1, 10, DispositionMove, 7, 2), "/7:2=0:1,10M"},
        {choice(true, 4, 12, 3, DispositionDelete), "/=4:12D"},  // a flashcard is one item
    };
    for (const auto& [c, text] : cases) EXPECT_EQ(MoveItemCommand(c), text);
}

TEST(WordlistTexts, RandomRacks) {
    EXPECT_EQ(RandomRacksCommand(100, 3), "/. 100 > 3 A");
    EXPECT_EQ(RandomRacksCommand(2500, 0), "/. 2500 > 0 A");
    const std::tuple<std::int64_t, std::int32_t, bool> cases[] = {
        {100, 1, true},      {1, 0, true},     {1000000, 99, true}, {0, 3, false},
        {1000001, 3, false}, {100, -1, false}, {100, 100, false},
    };
    for (const auto& [count, target, composable] : cases)
        EXPECT_EQ(RandomRacksComposable(count, target), composable) << count << " > " << target;
}

}  // namespace
}  // namespace qora
