// Random queries of every mode, in every language, evaluated by the engine and
// by the brute-force reference over the same generated word list.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "QueryReference.h"
#include "QueryTestSetup.h"
#include "engine/PatternMatcher.h"
#include "engine/QueryConstituents.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"

namespace qora::test {
namespace {

// Query lines made from the list's own words, so that queries find something.
class QueryMaker {
public:
    QueryMaker(const std::vector<std::string>& words, const std::vector<std::string>& pairWords, std::uint32_t seed)
        : words_(words), pairWords_(pairWords), random_(seed) {}

    std::string Line(std::int32_t mode) {
        line_ = "/Q" + std::to_string(mode) + " ";
        constituents_ = 0;
        std::string model = Word(words_);
        if (mode == QueryModeTwoWord) model = Word(pairWords_).substr(0, 4) + Word(pairWords_).substr(0, 3);
        if (mode == QueryModeSteal && model.size() > 2) model.erase(1 + random_() % (model.size() - 2), 1);
        if (model.size() > 6) model.resize(6);
        const bool anagrams = mode != QueryModePattern && mode != QueryModeImbeddedWord;
        if (mode != QueryModeTwoWord && One(8))
            Add(std::to_string(random_() % 3) + "[" + (One(3) ? "M" : "") + (One(3) ? "~" : "") + Range() + "]");
        for (unsigned char tile : model) {
            if (mode == QueryModeTwoWord)
                PairConstituent(tile - TileBase);
            else
                Constituent(tile - TileBase);
        }
        if (mode != QueryModeTwoWord && One(4)) Add("*");
        if (anagrams && One(3)) {
            line_ += " ,";
            for (int n = 1 + random_() % 3; n > 0; --n) {
                if (One(4))
                    line_ += "?";
                else
                    AppendTile(1 + random_() % ActiveTileCount());
                if (One(3)) line_ += "!";
            }
        }
        return line_;
    }

private:
    bool One(int in) { return random_() % in == 0; }
    const std::string& Word(const std::vector<std::string>& words) { return words[random_() % words.size()]; }

    void Add(const std::string& text) {
        line_ += text;
        ++constituents_;
    }

    std::string Range() {
        switch (random_() % 4) {
            case 0: return "1";
            case 1: return "2-1|";
            case 2: return "1|";
            default: return "";
        }
    }

    // A tile as the parser reads it: a Spanish letter that would pair with
    // the letter before it (C and H, L and L, R and R) is written in the
    // other case.
    void AppendTile(int tile) {
        std::string caption = TileCaption(tile);
        if (!line_.empty()) {
            const unsigned char last = static_cast<unsigned char>(line_.back());
            bool pair = false;
            if (SpanishLexiconActive) TileCodeOfChar(last, static_cast<unsigned char>(caption[0]), pair);
            if (pair && last >= 'A' && last <= 'Z')
                for (char& c : caption) c = static_cast<char>(static_cast<unsigned char>(c) | 0x20);
        }
        line_ += caption;
    }

    std::string Count() {
        switch (random_() % 12) {
            case 0: return "0";
            case 1: return "2";
            default: return "";
        }
    }

    // Two-word queries: tiles, blanks and sets (the reference tries every
    // pair of words, so their constituents stay simple).
    void PairConstituent(int tile) {
        switch (random_() % 6) {
            case 0: line_ += "?"; break;
            case 1: line_ += IsVowelTile(tile) ? "(V)" : "(C)"; break;
            default: AppendTile(tile); break;
        }
        ++constituents_;
    }

    void Constituent(int tile) {
        const std::string count = Count();
        const int other = 1 + static_cast<int>(random_() % ActiveTileCount());
        line_ += count;
        switch (random_() % 30) {
            case 0: line_ += "?"; break;
            case 1: line_ += IsVowelTile(tile) ? "(V)" : "(C)"; break;
            case 2:
                line_ += "(";
                AppendTile(tile);
                AppendTile(other);
                line_ += ")";
                break;
            case 3:
                line_ += "(!";
                AppendTile(other == tile ? tile % ActiveTileCount() + 1 : other);
                line_ += ")";
                break;
            case 4:
                line_ += One(2) ? "(+" : "(-";
                AppendTile(tile);
                line_ += ")";
                break;
            case 5: line_ += One(2) ? "(+)" : "(-)"; break;
            case 6: line_ += One(2) ? "(R-1)" : "(R1)"; break;
            case 7:
                if (constituents_ == 0)
                    AppendTile(tile);
                else
                    line_ += "(S" + std::to_string(One(2) ? -1 : 1 + static_cast<int>(random_() % constituents_)) + ")";
                break;
            case 8: line_ += One(2) ? "(3)" : "(@3)"; break;
            case 9: line_ += "(=)"; break;
            case 10:
                line_ += "(";
                AppendTile(tile);
                line_ += One(2) ? ".)" : "?)";
                break;
            default: AppendTile(tile); break;
        }
        if (count == "0" && One(2)) line_ += "!";
        ++constituents_;
    }

    const std::vector<std::string>& words_;
    const std::vector<std::string>& pairWords_;
    std::mt19937 random_;
    std::string line_;
    int constituents_ = 0;
};

// `count` constituents `unit` and a "(Sk)" set for each, in order or from
// the last back.
std::string Bindings(const std::string& mode, const std::string& unit, int count, bool backwards = false) {
    std::string line = mode;
    for (int k = 0; k < count; ++k) line += unit;
    for (int k = 1; k <= count; ++k) line += "(S" + std::to_string(backwards ? count + 1 - k : k) + ")";
    return line;
}

class QueryAgreement : public QueryTest, public testing::WithParamInterface<Language> {
protected:
    // A lexicon of the words (random words in the language when none are
    // given), user set 3, wordlist 1 holding the lexicon's words and wordlist
    // 2 a few of them (pairs of the whole list are too many for the reference
    // to try).
    void SetUpWords(std::vector<std::string> lines = {}) {
        const Language language = GetParam();
        if (lines.empty()) lines = RandomWordLines(5, language, 2000, 2, 6);
        words_ = FoldedWords(lines, language);
        UseLexicon(lines, language);
        LetterCountRecord set3;
        for (int tile = 1; tile <= ActiveTileCount(); ++tile)
            if (IsVowelTile(tile) && tile <= 6) set3.Counts[tile - 1] = 1;
        DefineUserSet(3, "", set3);
        few_.assign(words_.begin(), words_.begin() + std::min<std::size_t>(words_.size(), 150));
        for (const std::string& word : words_) AppendWordlistItem(*ObtainWordlist(1), word, false);
        for (const std::string& word : few_) AppendWordlistItem(*ObtainWordlist(2), word, false);
    }

    // Evaluates the line (a two-word query on wordlist 2) and compares with
    // the reference; returns whether the reference finds anything.
    bool Agrees(const std::string& line, bool pairs, std::mt19937& random) {
        SCOPED_TRACE(line);
        ReferenceContext context;
        context.Words = pairs ? few_ : words_;
        context.Lexicon = words_;
        for (int n = 0; n < 3; ++n) context.ReferenceWords.push_back(words_[random() % words_.size()]);
        context.LetterMapping = Mapping;
        context.PreviousBlankMatches = PreviousBlankMatches();
        SetSlate(context.ReferenceWords);
        const std::vector<std::string> expected = ReferenceResults(Parse(line), context);
        const std::vector<std::string> found = Query(line);
        std::vector<std::string> onlyFound, onlyExpected;
        std::set_difference(found.begin(), found.end(), expected.begin(), expected.end(),
                            std::back_inserter(onlyFound));
        std::set_difference(expected.begin(), expected.end(), found.begin(), found.end(),
                            std::back_inserter(onlyExpected));
        EXPECT_EQ(onlyFound, onlyExpected);
        return !expected.empty();
    }

    // Each line agrees with the reference (a line with "/W2" on pairs of
    // wordlist 2), and most of them find words.
    void ExpectEachAgrees(std::uint32_t seed, std::initializer_list<const char*> lines) {
        std::mt19937 random(seed);
        int answered = 0;
        for (const char* line : lines) {
            answered += Agrees(line, std::string(line).starts_with("/W2"), random);
            if (HasFailure()) break;
        }
        EXPECT_GT(answered, static_cast<int>(lines.size()) * 3 / 4) << "too few queries find words";
    }

    // The pattern matcher of the line's table (for a reference word from the
    // middle of the list) walks the list as it walks a lexicon, again
    // matching every word on its own from its end, again doing so below each
    // prefix that reaches more than two states, and again trying each word's
    // ways one by one: all find the same words, with the same marks.
    void ExpectMatchedFromTheEndAsInTheWalk(const std::string& line) {
        SCOPED_TRACE(line);
        const ParsedCommand command = Parse(line);
        QueryConstituents constituents;
        std::string error;
        ASSERT_TRUE(constituents.Resolve(command, PreviousBlankMatches(), error)) << error;
        const std::optional<SearchTable> table = constituents.TableFor(words_[words_.size() / 2], Mapping);
        if (!table) return;
        const bool imbedded = command.QuerySettings.QueryMode == QueryModeImbeddedWord;
        const SearchTable runs = imbedded ? Imbedded(*table) : *table;
        const auto found = [&](std::size_t boundStates, std::size_t wordStates) {
            PatternMatcher matcher(runs, nullptr, {boundStates, wordStates});
            std::vector<std::pair<std::string, BlankMarkBits>> matches;
            SearchLexicon(std::span<const std::string>(words_), matcher, [&](const SearchMatch& match) {
                matches.emplace_back(match.Word, match.Blanks);
                return true;
            });
            return matches;
        };
        const std::size_t all = ~std::size_t{0};
        const auto walked = found(all, all);
        EXPECT_EQ(found(0, all), walked);
        EXPECT_EQ(found(2, all), walked);
        EXPECT_EQ(found(0, 0), walked);
    }

    std::vector<std::string> words_, few_;
};

TEST_P(QueryAgreement, EveryModeAgreesWithTheBruteForceReference) {
    SetUpWords();
    QueryMaker maker(words_, few_, 11);
    std::mt19937 random(23);
    const std::int32_t modes[] = {QueryModeAnagrams, QueryModePattern, QueryModeImbeddedWord, QueryModeSteal,
                                  QueryModeTwoWord};
    const int rounds = 600;
    int answered = 0;
    for (int round = 0; round < rounds && !HasFailure(); ++round) {
        const std::int32_t mode = modes[round % 5];
        const bool pairs = mode == QueryModeTwoWord;
        const std::string source = pairs ? "/W2 " : random() % 4 == 0 ? "/W1 " : "";
        answered += Agrees(source + maker.Line(mode), pairs, random);
    }
    EXPECT_GT(answered, rounds / 2) << "too few queries find words";
}

// The shapes that the search serves with its fastest matchers: patterns of
// single elements with at most one run, racks with optional tiles and
// required blanks, blanks bound to one tile by "(Sk)", and all the bindings
// of one "(Sk)" set in one walk (two sets: a walk per binding).
TEST_P(QueryAgreement, FastPathsAgreeWithTheBruteForceReference) {
    SetUpWords();
    ExpectEachAgrees(5, {"/Q2 ???", "/Q2 A??",   "/Q2 ?E?S",   "/Q2 *S",      "/Q2 E*",     "/Q2 ?*?",       "/Q2 A*E?",
                         "/Q2 *",   "/Q2 .(V)*", "/Q2 (C)0E?", "/Q2 T?*(V)?", "AE,RST",     "AE?,RST",       ",AERST?",
                         "A?,A",    "E,?!ES",    "ER?,?ST",    "?(S1)E",      "?(S1)*",     "E?(S2)S",       "(V)(S1)T",
                         "?(S1)??", "A2?(S2)*",  "?(S1)?(S3)", "/Q4 AE,S",    "/Q4 E?(S2)", "/W2 /Q5 AE?,ST"});
}

// "(Rk)" may name a position that the shorter words lack, at any place of
// the word: no tile of such a word meets it, not even its last one.
TEST_P(QueryAgreement, LettersNamedBeyondShortWordsAgreeWithTheBruteForceReference) {
    SetUpWords();
    std::mt19937 random(3);
    const char* lines[] = {"(R4)*", "?(R5)*", "/Q4 ?(R4)*", "/Q2 (R4)*", "/Q3 (R4)*", "?(S-1)(R4)*"};
    for (const char* line : lines) {
        Agrees(line, false, random);
        if (HasFailure()) break;
    }
}

// A required wild card takes at least one tile, in every mode that has one.
TEST_P(QueryAgreement, RequiredWildCardsAgreeWithTheBruteForceReference) {
    SetUpWords();
    ExpectEachAgrees(
        13, {"E*!", "AE*!", "*!", "?*!", "E*!,S", "(V)*!(S1)", "0[]*!", "/Q2 *!S", "/Q2 A*!", "/Q2 *!", "/Q2 ?*!E",
             "/Q2 (C)*!(S1)", "/Q3 E*!", "/Q3 *!ES", "/Q4 E*!", "/Q4 A*!,S", "/W2 /Q5 AE*!", "/W2 /Q5 E*!,S"});
}

// Constituents repeated by "(Sk)" sets again and again, over words full of
// repeated letters: the matchers keep the tiles of the bindings in their
// states and merge the states that are alike, which a wrong merge shows here.
TEST_P(QueryAgreement, RepeatedBindingsAgreeWithTheBruteForceReference) {
    SetUpWords({"AA",    "AAA",   "AB",    "ABA",    "ABBA",   "AABB",   "ABAB",   "BAAB",   "ABC",
                "ACT",   "CAT",   "TACT",  "TOOT",   "OTTO",   "SASS",   "TESS",   "ASSESS", "NOON",
                "ONTO",  "ROTOR", "LOLL",  "DEED",   "SEES",   "TREE",   "STREET", "BETTER", "TATTOO",
                "EASE",  "TEASE", "RADAR", "BANANA", "NANA",   "DODO",   "ODES",   "TOAD",   "SETTEE",
                "ERRED", "ABBOT", "SALSA", "LETTER", "REDDER", "ARREST", "ONE",    "TOE",    "STOAT"});
    ExpectEachAgrees(7, {"*(S-1)*(S-1)*(S-1)",
                         "?(S-1)?(S-1)*",
                         "?(S-1)?(S-1)?(S-1)",
                         "(V)0(S-1)(C)0(S-1)",
                         "0(A)(S-1)0(A)(S-1)?",
                         "(+)(S-1)(-)(S-1)*",
                         "?(S1)(S1)?(S4)*",
                         "(V)?(S-1)(S1)*",
                         "2?(S-1)*",
                         "(R1)?(S-1)*",
                         "(R3)?(S-1)?(S-1)",
                         "(AE)(S-1)(ST)(S-1)*",
                         "0[]?(S-1)*",
                         "/Q4 ?(S-1)?(S-1)",
                         "/W2 /Q5 ?(S-1)?(S-1)",
                         "/Q3 ?(S-1)(C)(S-1)",
                         "/Q3 .(S-1).(S-1)",
                         "/Q2 *(S-1)*(S-1)*(S-1)",
                         ".0(S-1).0(S-1).0(S-1)",
                         "/Q2 (V)*(S1)*(S1)",
                         "/Q2 ?(S-1)*?(S-1)*",
                         "/Q2 0(A)(S1)0(S1)*",
                         "/Q2 (+)(S-1)*(-)(S-1)*",
                         "/Q2 2?(S-1)*",
                         "/Q2 ?(V)(S-1)(S-3)*",
                         "/Q2 (R3)?(S-1)?(S-1)*",
                         "/Q2 *0(V)(S-1)*0(C)(S-1)*"});
}

// Bindings many more than the walk can keep apart, each bound where its
// first constituent, after runs of open length, takes a tile: long words
// bound in many ways (which runs took which tiles), matched on their own
// from the end, and short words that these queries cannot match.
TEST_P(QueryAgreement, ManyBindingsAgreeWithTheBruteForceReference) {
    SetUpWords({"ABCDEFGHIJLMNOPQR",
                "AABCDEFGHIJLMNOPQR",
                "BABCDEFGHIJLMNOPQR",
                "CBABCDEFGHIJLMNOPQR",
                "ABCDEFGHIJLMNOPQRS",
                "ABCDEFGHIJLMNOPQRQ",
                "ABCDEFGHIJLMNOPQRST",
                "DDDABCDEFGHIJLMNOPQR",
                "AAAAAAAAAAAAAAAAAAA",
                "ABABABABABABABABABAB",
                "QRSTUVXYZABCDEFGHIJL",
                "ZZABCDEFGHIJLMNOPQR",
                "BCDFGHJLMNPQRSTVX",
                "BBCDFGHJLMNPQRSTVX",
                "BCDFGHJLMNPQRSTVXZ",
                "AA",
                "ABBA",
                "TACT",
                "TATTOO",
                "BANANA",
                "STREET",
                "ASSESS",
                "SETTEE",
                "REDDER",
                "LETTER"});
    ExpectEachAgrees(
        9, {Bindings("/Q2 ", "*", 17).c_str(), Bindings("/Q2 ", "0?", 17).c_str(), Bindings("/Q3 ", "*", 17).c_str(),
            Bindings("/Q3 ", "0?", 17).c_str(), Bindings("/Q2 ", "0?", 18, true).c_str(),
            Bindings("/Q3 ", "0?", 18, true).c_str(), Bindings("/Q2 ", "0?", 16).c_str(),
            Bindings("/Q2 ", "0(C)", 17).c_str(), Bindings("/Q2 ", "0?", 6).c_str(), Bindings("/Q3 ", "0?", 5).c_str(),
            Bindings("/Q2 *", "0?", 4).c_str(), "/Q2 0?0?0(S1)0(S2)"});
}

// The pattern matcher matches a word on its own, from its last tile back,
// where the walk would keep too many states for its bindings; it matches
// the words that the walk matches, with the same marks: random pattern and
// imbedded-word lines with a binding added, and lines of many bindings.
TEST_P(QueryAgreement, WordsMatchedFromTheirEndAgreeWithTheWalk) {
    SetUpWords();
    QueryMaker maker(words_, few_, 17);
    for (int round = 0; round < 200 && !HasFailure(); ++round)
        ExpectMatchedFromTheEndAsInTheWalk(maker.Line(round % 2 == 0 ? QueryModePattern : QueryModeImbeddedWord) +
                                           "0?(S-1)");
    for (const std::string& line :
         {Bindings("/Q2 ", "0?", 4), Bindings("/Q3 ", "*", 5), Bindings("/Q2 ", "0(V)", 3, true),
          std::string("/Q2 ?(S-1)*(S1)(+)(S-1)*"), std::string("/Q3 0[]?(S-1)(R1)(@3)(S2)"),
          std::string("/Q3 [1-2]0?(S-1)"), std::string("/Q2 *0[~1-2]*?(S-1)"), std::string("/Q3 0(@3)?(S-1)*0(@3)(S2)"),
          std::string("/Q2 0?0(S1)0?0(S-1)(-)*(S2)"), std::string("/Q2 *0(V)(S-1)*0(C)(S-1)*")}) {
        if (HasFailure()) break;
        ExpectMatchedFromTheEndAsInTheWalk(line);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, QueryAgreement,
                         testing::Values(Language::English, Language::Spanish, Language::French), LanguageParamName);

}  // namespace
}  // namespace qora::test
