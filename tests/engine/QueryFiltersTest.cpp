#include <gtest/gtest.h>

#include "QueryTestSetup.h"
#include "engine/Definitions.h"
#include "engine/QueryFilters.h"

namespace qora::test {
namespace {

class QueryFilters : public QueryTest {
protected:
    void SetUp() override {
        QueryTest::SetUp();
        UseLexicon({"AT", "TA", "CAT", "ACT", "SCAT", "CATS", "ACTS", "TACO", "COAT", "TACOS", "COATS", "QI", "XI"});
        settings = BuiltInSettings();
    }

    static LetterCounts Letters(std::string_view tiles) {
        LetterCounts counts{};
        for (unsigned char c : tiles) ++counts[c - TileBase - 1];
        return counts;
    }

    static void Set(NumericFilter& filter, std::int32_t relation, std::int32_t value1, std::int32_t value2 = 0) {
        filter = {1, relation, value1, value2};
    }

    static void Set(SetFilter& filter, std::int32_t relation, std::string_view letters) {
        filter.Active = 1;
        filter.Relation = relation;
        filter.Letters.Counts = Letters(letters);
    }

    bool Passes(std::string_view word) const {
        return PassesQueryFilters(settings, word, static_cast<int>(word.size()));
    }

    Settings settings;
};

TEST_F(QueryFilters, EveryNumericRelationOnTheWordLength) {
    struct Case {
        std::int32_t relation, value1, value2;
        bool three, four, five;  // whether words of 3, 4 and 5 tiles pass
    };
    const Case cases[] = {
        {RelationEqual, 4, 0, false, true, false},  {RelationNotEqual, 4, 0, true, false, true},
        {RelationAbove, 4, 0, false, false, true},  {RelationBelow, 4, 0, true, false, false},
        {RelationAtLeast, 4, 0, false, true, true}, {RelationAtMost, 4, 0, true, true, false},
        {RelationRange, 3, 4, true, true, false},   {RelationHalfOpen, 3, 5, true, true, false},
        {RelationRange, 5, 3, false, false, false}, {99, 4, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relation);
        Set(settings.LengthFilter, c.relation, c.value1, c.value2);
        EXPECT_EQ(Passes("CAT"), c.three);
        EXPECT_EQ(Passes("SCAT"), c.four);
        EXPECT_EQ(Passes("COATS"), c.five);
    }
    settings.LengthFilter.Active = 0;  // switched off, the relation stays but passes all
    EXPECT_TRUE(Passes("CAT"));
}

TEST_F(QueryFilters, TheLengthIsTheOneGivenNotTheWordsOwn) {
    Set(settings.LengthFilter, RelationEqual, 5);
    EXPECT_TRUE(PassesQueryFilters(settings, "QUIT", 5));  // the grid counts QU as two
    EXPECT_FALSE(PassesQueryFilters(settings, "QUIT", 4));
}

TEST_F(QueryFilters, ScoreCountsBlanksAsTheirLettersUnlessTheyScoreZero) {
    Set(settings.ScoreFilter, RelationEqual, 5);  // C3 A1 T1
    EXPECT_TRUE(Passes("CAT"));
    EXPECT_TRUE(Passes("cAT"));
    settings.ZeroScoringBlanks = 1;
    EXPECT_TRUE(Passes("CAT"));
    EXPECT_FALSE(Passes("cAT"));
    Set(settings.ScoreFilter, RelationEqual, 2);
    EXPECT_TRUE(Passes("cAT"));
}

TEST_F(QueryFilters, ProbabilityCountsTheDrawsFromTheSettingsBag) {
    // English bag: C2 A9 T6 -> 2 * 9 * 6 ways; blank-matched tiles count as tiles.
    Set(settings.ProbabilityFilter, RelationEqual, 108);
    EXPECT_TRUE(Passes("CAT"));
    EXPECT_TRUE(Passes("CaT"));
    settings.LetterDistribution = Letters("CAT");
    EXPECT_FALSE(Passes("CAT"));
    Set(settings.ProbabilityFilter, RelationEqual, 1);
    EXPECT_TRUE(Passes("CAT"));
    Set(settings.ProbabilityFilter, RelationEqual, 0);  // a bag with too few of a tile
    EXPECT_TRUE(Passes("CAAT"));
    settings.LetterDistribution.fill(30000);  // a count beyond 64 bits is above any value
    Set(settings.ProbabilityFilter, RelationAbove, 2147483647);
    EXPECT_TRUE(Passes("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"));
}

TEST_F(QueryFilters, AnagramCountAndHooksAskThePrimaryLexicon) {
    Set(settings.AnagramCountFilter, RelationEqual, 3);  // SCAT CATS ACTS
    EXPECT_TRUE(Passes("CATS"));
    EXPECT_TRUE(Passes("cATs"));
    EXPECT_FALSE(Passes("CAT"));
    settings.AnagramCountFilter.Active = 0;

    // Front hooks of CAT: S; back hooks: S.
    const struct {
        std::int32_t relation;
        const char* letters;
        bool passes;
    } hooks[] = {
        {RelationEqual, "S", true},    {RelationEqual, "SX", false}, {RelationNotEqual, "SX", true},
        {RelationBelow, "SX", true},   {RelationBelow, "S", false},  {RelationAtMost, "S", true},
        {RelationAbove, "", true},     {RelationAbove, "S", false},  {RelationAtLeast, "S", true},
        {RelationAtLeast, "SS", true},  // counts are ignored
    };
    for (const auto& hook : hooks) {
        SCOPED_TRACE(std::string(hook.letters) + " " + std::to_string(hook.relation));
        Set(settings.FrontHooksFilter, hook.relation, hook.letters);
        EXPECT_EQ(Passes("CAT"), hook.passes);
        settings.FrontHooksFilter.Active = 0;
        Set(settings.BackHooksFilter, hook.relation, hook.letters);
        EXPECT_EQ(Passes("CAT"), hook.passes);
        settings.BackHooksFilter.Active = 0;
    }
    Set(settings.BackHooksFilter, RelationEqual, "");  // COATS has no back hook
    EXPECT_TRUE(Passes("COATS"));
    EXPECT_FALSE(Passes("COAT"));
}

TEST_F(QueryFilters, DefinitionTextIncludedOrNot) {
    WriteFile("defs.txt", "CAT a small domesticated feline\nCOAT an outer garment\n");
    ASSERT_TRUE(LoadDefinitions(PathOf("defs.txt")).Opened);
    settings.DefinitionFilter = {1, 1, StoredDefinitionText("feline")};
    EXPECT_TRUE(Passes("CAT"));
    EXPECT_TRUE(Passes("cAt"));
    EXPECT_FALSE(Passes("COAT"));
    EXPECT_FALSE(Passes("ACT"));  // no definition: it does not include the text
    settings.DefinitionFilter.Sense = 0;
    EXPECT_FALSE(Passes("CAT"));
    EXPECT_TRUE(Passes("COAT"));
    EXPECT_TRUE(Passes("ACT"));
    settings.DefinitionFilter.Text.clear();  // an empty text filters nothing
    EXPECT_TRUE(Passes("CAT"));
}

TEST_F(QueryFilters, EveryFilterMustPass) {
    Set(settings.LengthFilter, RelationAtLeast, 4);
    Set(settings.ScoreFilter, RelationAtMost, 6);
    EXPECT_TRUE(Passes("COAT"));    // 4 tiles, 6 points
    EXPECT_FALSE(Passes("CAT"));    // too short
    EXPECT_FALSE(Passes("TACOS"));  // 7 points
}

TEST_F(QueryFilters, BlankFilterComparesTheBlankMatchedTiles) {
    Set(settings.BlankFilter, RelationAtMost, "AEIOU");
    EXPECT_TRUE(PassesBlankFilter(settings, "CAT"));  // no blank: the empty set
    EXPECT_TRUE(PassesBlankFilter(settings, "CaT"));
    EXPECT_FALSE(PassesBlankFilter(settings, "Cat"));
    Set(settings.BlankFilter, RelationEqual, "SS");  // a multiset: two S's
    EXPECT_TRUE(PassesBlankFilter(settings, "CATss"));
    EXPECT_FALSE(PassesBlankFilter(settings, "CATSs"));
    Set(settings.BlankFilter, RelationAbove, "S");
    EXPECT_TRUE(PassesBlankFilter(settings, "CATss"));
    EXPECT_FALSE(PassesBlankFilter(settings, "CATSs"));

    // The ignore-vowels mark: with a set that names no vowel, blank vowels
    // are left out; with one that names a vowel they count.
    settings.BlankIgnoreVowels = 1;
    Set(settings.BlankFilter, RelationEqual, "S");
    EXPECT_TRUE(PassesBlankFilter(settings, "CoATs"));
    Set(settings.BlankFilter, RelationEqual, "OS");
    EXPECT_TRUE(PassesBlankFilter(settings, "CoATs"));
    EXPECT_FALSE(PassesBlankFilter(settings, "CoaTs"));
    settings.BlankIgnoreVowels = 0;
    Set(settings.BlankFilter, RelationEqual, "S");
    EXPECT_FALSE(PassesBlankFilter(settings, "CoATs"));
}

TEST_F(QueryFilters, WordCountAndSetRelations) {
    Set(settings.WordCountFilter, RelationEqual, 2);
    EXPECT_FALSE(PassesWordCountFilter(settings, 1));
    EXPECT_TRUE(PassesWordCountFilter(settings, 2));
    settings.WordCountFilter.Active = 0;
    EXPECT_TRUE(PassesWordCountFilter(settings, 1));

    const LetterCounts ab = Letters("AB"), abb = Letters("ABB"), c = Letters("C");
    EXPECT_TRUE(SetRelationHolds(RelationBelow, ab, abb));
    EXPECT_FALSE(SetRelationHolds(RelationBelow, ab, ab));
    EXPECT_TRUE(SetRelationHolds(RelationAtMost, ab, ab));
    EXPECT_TRUE(SetRelationHolds(RelationAbove, abb, ab));
    EXPECT_TRUE(SetRelationHolds(RelationAtLeast, ab, ab));
    EXPECT_TRUE(SetRelationHolds(RelationNotEqual, ab, c));
    EXPECT_FALSE(SetRelationHolds(RelationAtMost, ab, c));
    EXPECT_FALSE(SetRelationHolds(RelationAtLeast, ab, c));
    EXPECT_FALSE(SetRelationHolds(RelationRange, ab, ab));  // no set relation
}

}  // namespace
}  // namespace qora::test
