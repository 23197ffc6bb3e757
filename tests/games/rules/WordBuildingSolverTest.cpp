#include "games/rules/WordBuildingSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "engine/RandomRacks.h"
#include "platform/Random.h"
#include "support/EngineDataFixture.h"
#include "support/TestLexicon.h"
#include "support/WordBuildingGrids.h"

namespace qora {
namespace {

using Heights = std::array<int, WordBuildingColumns>;

int Value(const WordBuildingSolverInput& input, unsigned char tile) {
    return input.scores[static_cast<std::size_t>(tile - TileBase - 1)];
}

int WordValue(const WordBuildingSolverInput& input, std::string_view tiles) {
    int sum = 0;
    for (unsigned char tile : tiles) sum += Value(input, tile);
    return sum * static_cast<int>(tiles.size());
}

unsigned char TopOf(const WordBuildingSolverInput& input, const Heights& heights, int column) {
    return static_cast<unsigned char>(input.letters[static_cast<std::size_t>(
        heights[static_cast<std::size_t>(column)] * WordBuildingColumns + column)]);
}

// A word that can be formed, by the columns its tiles come from.
struct FormableWord {
    std::vector<int> columns;
    std::string tiles;
};

// Every word of 3 to 12 tiles of the list that the column tops can form,
// found by trying every sequence of columns (cut where no word begins so).
std::vector<FormableWord> FormableWords(const WordBuildingSolverInput& input, const std::set<std::string>& words,
                                        Heights heights) {
    std::set<std::string> prefixes;
    for (const std::string& word : words)
        for (std::size_t n = 1; n <= word.size(); ++n) prefixes.insert(word.substr(0, n));
    std::vector<FormableWord> found;
    FormableWord path;
    const std::function<void()> extend = [&] {
        if (path.tiles.size() >= 3 && words.contains(path.tiles)) found.push_back(path);
        if (path.tiles.size() == MaximumBuiltWordLength) return;
        for (int column = 0; column < WordBuildingColumns; ++column) {
            int& height = heights[static_cast<std::size_t>(column)];
            if (height == WordBuildingRows) continue;
            path.tiles += static_cast<char>(TopOf(input, heights, column));
            if (prefixes.contains(path.tiles)) {
                path.columns.push_back(column);
                ++height;
                extend();
                --height;
                path.columns.pop_back();
            }
            path.tiles.pop_back();
        }
    };
    extend();
    return found;
}

// Whether the solver meets word a before word b: it walks the columns from
// the left, depth first, and scores a word after the words that extend it.
bool FoundBefore(const std::vector<int>& a, const std::vector<int>& b) {
    const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (inA == a.end()) return false;  // a is b or leads to it
    if (inB == b.end()) return true;   // a extends b
    return *inA < *inB;
}

// Replays a solution on the grid: every word a word of the list with 3 tiles
// or more (8 under `narrow` until 75 tiles are used), the columns never
// emptied, the score and word count those of the words. Returns what is wrong.
std::string CheckLegalGame(const WordBuildingSolverInput& input, const std::set<std::string>& words,
                           const WordBuildingSolution& solution, bool narrow) {
    if (solution.columns.size() != solution.letters.size()) return "paths of different lengths";
    Heights heights{};
    std::vector<std::string> played;
    for (std::size_t i = 0; i < solution.columns.size(); ++i) {
        const int column = solution.columns[i];
        if (heights[static_cast<std::size_t>(column)] == WordBuildingRows) return "an empty column taken";
        const unsigned char tile = TopOf(input, heights, column);
        ++heights[static_cast<std::size_t>(column)];
        const auto letter = static_cast<unsigned char>(solution.letters[i]);
        if (letter == tile + ('a' - 'A'))
            played.emplace_back();
        else if (letter != tile || played.empty())
            return "letters unlike the tiles taken";
        played.back() += static_cast<char>(tile);
        const bool wordEnds =
            i + 1 == solution.columns.size() || static_cast<unsigned char>(solution.letters[i + 1]) > '`';
        if (!wordEnds) continue;
        const std::size_t length = played.back().size();
        if (!words.contains(played.back())) return played.back() + " is no word";
        if (length < 3 || (narrow && length < 8 && i + 1 <= 74)) return played.back() + " is too short";
    }
    int score = 0;
    for (const std::string& word : played) score += WordValue(input, word);
    if (score != solution.score) return "score " + std::to_string(solution.score) + ", words " + std::to_string(score);
    if (static_cast<int>(played.size()) != solution.wordCount) return "word count";
    return "";
}

// The whole-game search written plainly, step by step: linear scans for an
// equal state and for the first lowest score.
class ReferenceSolver {
public:
    ReferenceSolver(const WordBuildingSolverInput& input, SolverBeam level) : input_(input), level_(level) {}

    WordBuildingSolution Solve() {
        Extend(0);
        for (int word = 1; word <= 30; ++word) {
            word_ = word + 1;
            const int high = std::min(12 * word, 94);
            const int low = !level_.narrow ? 3 * word : word < 8 ? 8 * word : 60;
            for (int tiles = high; tiles >= low; --tiles) {
                auto& bucket = buckets_[static_cast<std::size_t>(tiles)];
                for (std::size_t i = 0; i < bucket.size(); ++i) {
                    if (bucket[i].processed) continue;
                    bucket[i].processed = true;
                    const State state = bucket[i];
                    taken_ = state.taken;
                    base_ = state.score;
                    std::copy(state.columns.begin(), state.columns.end(), columns_.begin());
                    std::copy(state.letters.begin(), state.letters.end(), letters_.begin());
                    Extend(tiles);
                }
            }
        }
        return best_;
    }

private:
    struct State {
        Heights taken;
        int score;
        std::vector<std::uint8_t> columns;
        std::string letters;
        bool processed;
    };

    void Extend(int tiles) {
        depth_ = tiles;
        for (int c = 0; c < 12; ++c) {
            if (taken_[static_cast<std::size_t>(c)] >= 8) continue;
            const unsigned char tile = TopOf(input_, taken_, c);
            ++taken_[static_cast<std::size_t>(c)];
            columns_[static_cast<std::size_t>(depth_++)] = static_cast<std::uint8_t>(c);
            Search(tile, 0, 1);
            --depth_;
            --taken_[static_cast<std::size_t>(c)];
        }
    }

    void Search(unsigned char tile, int n, std::uint32_t index) {
        LexiconNode node = 0;
        for (;; ++index) {
            node = input_.nodes[index];
            if (NodeLetter(node) > tile) return;
            if (NodeLetter(node) == tile) break;
            if (NodeIsLastSibling(node)) return;
        }
        letters_[static_cast<std::size_t>(depth_ - 1)] = static_cast<char>(n == 0 ? tile + 32 : tile);
        sums_[static_cast<std::size_t>(n + 1)] = sums_[static_cast<std::size_t>(n)] + Value(input_, tile);
        ++n;
        if (NodeChild(node) != 0 && n != 12)
            for (int c = 0; c < 12; ++c) {
                if (taken_[static_cast<std::size_t>(c)] >= 8) continue;
                const unsigned char next = TopOf(input_, taken_, c);
                ++taken_[static_cast<std::size_t>(c)];
                columns_[static_cast<std::size_t>(depth_++)] = static_cast<std::uint8_t>(c);
                Search(next, n, NodeChild(node));
                --depth_;
                --taken_[static_cast<std::size_t>(c)];
            }
        if (!NodeIsEndOfWord(node) || n < 3 || (level_.narrow && n < 8 && depth_ <= 74)) return;
        const int total = base_ + n * sums_[static_cast<std::size_t>(n)];
        const State state{taken_,
                          total,
                          {columns_.begin(), columns_.begin() + depth_},
                          {letters_.begin(), letters_.begin() + depth_},
                          false};
        auto& bucket = buckets_[static_cast<std::size_t>(depth_)];
        const auto same = std::find_if(bucket.begin(), bucket.end(), [&](const State& s) { return s.taken == taken_; });
        if (same != bucket.end()) {
            if (same->score < total) *same = state;
        } else if (static_cast<int>(bucket.size()) < level_.keep) {
            bucket.push_back(state);
        } else {
            const auto lowest = std::min_element(bucket.begin(), bucket.end(),
                                                 [](const State& a, const State& b) { return a.score < b.score; });
            if (total <= lowest->score) return;
            *lowest = state;
        }
        if (total > best_.score) best_ = {state.columns, state.letters, total, word_};
    }

    const WordBuildingSolverInput& input_;
    SolverBeam level_;
    std::array<std::vector<State>, 97> buckets_;
    Heights taken_{};
    std::array<std::uint8_t, 96> columns_{};
    std::array<char, 96> letters_{};
    std::array<int, 13> sums_{};
    int depth_ = 0;
    int base_ = 0;
    int word_ = 1;
    WordBuildingSolution best_;
};

std::string RandomGrid(std::uint32_t seed) {
    RuntimeSeed(seed);
    return ShuffleWordBuildingBag();
}

class WordBuildingSolverTest : public test::EngineDataTest {
protected:
    static std::set<std::string> WordSet(const std::vector<std::string>& words) { return {words.begin(), words.end()}; }
};

// The highest word agrees with trying every sequence of columns, ties going
// to the word the solver meets first; with a word being built, the result
// begins with that word's own columns.
TEST_F(WordBuildingSolverTest, TheHighestWordIsTheBestOfEveryFormableWord) {
    for (const Language language : {Language::English, Language::Spanish}) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            const RandomLexicon lexicon(seed, language, 1500, 3, 7);
            const WordBuildingSolverInput input = SolverInputOfPrimaryLexicon(RandomGrid(seed));
            const std::vector<FormableWord> formable = FormableWords(input, WordSet(lexicon.Words), {});
            ASSERT_FALSE(formable.empty());
            for (const auto& built : {std::vector<int>{}, formable.back().columns}) {
                // Building the first two tiles of a formable word (or none).
                const std::vector<int> prefix(built.begin(), built.begin() + std::min<std::size_t>(built.size(), 2));
                const FormableWord* expected = nullptr;
                for (const FormableWord& word : formable) {
                    if (!std::equal(prefix.begin(), prefix.end(), word.columns.begin())) continue;
                    const int score = WordValue(input, word.tiles);
                    if (expected == nullptr || score > WordValue(input, expected->tiles) ||
                        (score == WordValue(input, expected->tiles) && FoundBefore(word.columns, expected->columns)))
                        expected = &word;
                }
                Heights taken{};
                for (int column : prefix) ++taken[static_cast<std::size_t>(column)];
                const std::vector<std::uint8_t> wordColumns(prefix.begin(), prefix.end());
                ASSERT_NE(expected, nullptr);
                EXPECT_EQ(FindHighestWord(input, taken, wordColumns), expected->columns)
                    << LanguageName(language) << " seed " << seed << " built " << prefix.size();
            }
        }
    }
}

TEST_F(WordBuildingSolverTest, TheHighestWordCases) {
    TestLexiconFolder folder;
    folder.Add("LEX.QLX", {"CAT", "ACT", "CATSUP", "DOG", "DOGS"});
    folder.Load();
    struct Case {
        const char* name;
        std::vector<std::string> columns;  // top to bottom; the rest all Q
        std::vector<std::uint8_t> built;   // the word being built's columns
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"no word of 3 tiles can be formed", {"CQ", "AQ", "QQ"}, {}, {}},
        {"equal scores: the word found first", {"CQ", "AQ", "TQ"}, {}, {0, 1, 2}},
        {"equal scores: from the leftmost column", {"AQ", "CQ", "TQ"}, {}, {0, 1, 2}},
        {"the same word from the column further left", {"CQ", "AQ", "QQ", "TQ", "TQ"}, {}, {0, 1, 3}},
        {"a longer word scores more", {"DQ", "OQ", "GS", "CAT"}, {}, {0, 1, 2, 2}},
        {"only words that begin with the word built", {"DQ", "OQ", "GS", "CAT"}, {3, 3}, {3, 3, 3}},
        {"the word built kept in its columns", {"CQ", "AQ", "TQ", "CQ"}, {3}, {3, 1, 2}},
        {"never shorter than the word built", {"CQ", "AQ", "TS"}, {0, 1, 2, 2}, {}},
    };
    for (const Case& c : cases) {
        const WordBuildingSolverInput input = SolverInputOfPrimaryLexicon(test::GridOfColumns(c.columns));
        Heights taken{};
        for (std::uint8_t column : c.built) ++taken[column];
        EXPECT_EQ(FindHighestWord(input, taken, c.built), c.expected) << c.name;
    }
}

// The search keeps the results of the plain search (linear scans of the
// buckets) at every kind of level, also with tile values far above 9999.
TEST_F(WordBuildingSolverTest, TheWholeGameIsThatOfThePlainSearch) {
    struct Case {
        Language language;
        std::uint32_t seed;
        SolverBeam level;
        std::int16_t scale;  // tile values multiplied
    };
    const Case cases[] = {
        {Language::English, 1, {8, true}, 1},    {Language::English, 2, {8, false}, 1},
        {Language::English, 3, {32, true}, 1},   {Language::English, 4, {32, false}, 1},
        {Language::Spanish, 5, {16, false}, 1},  {Language::French, 6, {64, true}, 1},
        {Language::English, 7, {8, false}, 900},
    };
    for (const Case& c : cases) {
        const RandomLexicon lexicon(c.seed, c.language, 2500, 3, 9);
        WordBuildingSolverInput input = SolverInputOfPrimaryLexicon(RandomGrid(c.seed));
        for (auto& value : input.scores) value = static_cast<std::int16_t>(value * c.scale);
        const WordBuildingSolution solution = SolveWholeGame(input, c.level);
        const WordBuildingSolution expected = ReferenceSolver(input, c.level).Solve();
        const std::string name = std::string(LanguageName(c.language)) + " seed " + std::to_string(c.seed);
        EXPECT_GT(solution.wordCount, 3) << name;
        EXPECT_EQ(solution.score, expected.score) << name;
        EXPECT_EQ(solution.letters, expected.letters) << name;
        EXPECT_EQ(solution.columns, expected.columns) << name;
        EXPECT_EQ(solution.wordCount, expected.wordCount) << name;
        EXPECT_EQ(CheckLegalGame(input, WordSet(lexicon.Words), solution, c.level.narrow), "") << name;
    }
}

// With room for every state, the beam search finds the best game there is.
TEST_F(WordBuildingSolverTest, WithRoomForEveryStateTheBestGameIsFound) {
    TestLexiconFolder folder;
    const std::vector<std::string> lines = {"CAT", "ACT", "TACT", "CATS", "SCAT", "TAT", "AT", "SAT", "TACTS"};
    folder.Add("LEX.QLX", lines);
    folder.Load();
    const std::set<std::string> words = WordSet(lines);
    const WordBuildingSolverInput input =
        SolverInputOfPrimaryLexicon(test::GridOfColumns({"CATSQ", "ATCQ", "TSAQ", "SCTAQ", "TTAQ", "ACTSQ"}));
    std::map<Heights, int> known;
    const std::function<int(const Heights&)> best = [&](const Heights& heights) {
        if (const auto it = known.find(heights); it != known.end()) return it->second;
        int score = 0;
        for (const FormableWord& word : FormableWords(input, words, heights)) {
            Heights after = heights;
            for (int column : word.columns) ++after[static_cast<std::size_t>(column)];
            score = std::max(score, WordValue(input, word.tiles) + best(after));
        }
        return known[heights] = score;
    };
    const WordBuildingSolution solution = SolveWholeGame(input, {1024, false});
    EXPECT_EQ(solution.score, best({}));
    EXPECT_EQ(CheckLegalGame(input, words, solution, false), "");
}

// Two orders of the same words reach the same column heights with the same
// score: the state stored first is the one extended.
TEST_F(WordBuildingSolverTest, AnEqualStateKeepsTheOneStoredFirst) {
    TestLexiconFolder folder;
    folder.Add("LEX.QLX", {"CAT", "DOG", "PIN"});
    folder.Load();
    const WordBuildingSolverInput input =
        SolverInputOfPrimaryLexicon(test::GridOfColumns({"C", "A", "T", "D", "O", "G", "P", "I", "N"}));
    const WordBuildingSolution solution = SolveWholeGame(input, {64, false});
    EXPECT_EQ(solution.letters, "cATdOGpIN");
    EXPECT_EQ(solution.score, 45);
    EXPECT_EQ(solution.wordCount, 3);
    EXPECT_EQ(SolutionMoves(solution),
              (std::vector<std::uint8_t>{0, 1, 2, EndOfWordMove, 3, 4, 5, EndOfWordMove, 6, 7, 8, EndOfWordMove}));
}

// Every level gives the same legal game each time; levels 11 and 12 agree.
TEST_F(WordBuildingSolverTest, EveryLevelIsDeterministic) {
    const RandomLexicon lexicon(11, Language::English, 400, 3, 9);
    const WordBuildingSolverInput input = SolverInputOfPrimaryLexicon(RandomGrid(11));
    std::vector<WordBuildingSolution> solutions;
    for (int level = 1; level <= SolvingLevels; ++level) {
        solutions.push_back(SolveWholeGame(input, SolverBeamOfLevel(level)));
        EXPECT_EQ(CheckLegalGame(input, WordSet(lexicon.Words), solutions.back(), SolverBeamOfLevel(level).narrow), "")
            << level;
    }
    // Level 12 is level 11 run again.
    for (int level = 1; level <= SolvingLevels; ++level) {
        const WordBuildingSolution again =
            level < SolvingLevels - 1 ? SolveWholeGame(input, SolverBeamOfLevel(level)) : solutions[SolvingLevels - 2];
        EXPECT_EQ(solutions[static_cast<std::size_t>(level - 1)].letters, again.letters) << level;
        EXPECT_EQ(solutions[static_cast<std::size_t>(level - 1)].columns, again.columns) << level;
    }
}

// Stopped, the search ends with the best game found so far; it reports the
// word it works on and each better game.
TEST_F(WordBuildingSolverTest, AStoppedSearchKeepsTheBestSoFar) {
    const RandomLexicon lexicon(5, Language::English, 2000, 3, 8);
    const WordBuildingSolverInput input = SolverInputOfPrimaryLexicon(RandomGrid(5));
    std::atomic<bool> stop = false;
    std::vector<int> words;
    std::vector<std::pair<std::int32_t, int>> bests;
    WordBuildingSolverObserver observer;
    observer.stop = &stop;
    observer.WorkingOn = [&](int word) { words.push_back(word); };
    observer.NewBest = [&](std::int32_t score, int count) {
        bests.emplace_back(score, count);
        if (count == 3) stop = true;
    };
    const WordBuildingSolution solution = SolveWholeGame(input, {8, false}, observer);
    EXPECT_EQ(words, (std::vector<int>{1, 2, 3}));
    ASSERT_FALSE(bests.empty());
    EXPECT_EQ(bests.back(), std::make_pair(solution.score, solution.wordCount));
    EXPECT_TRUE(std::is_sorted(bests.begin(), bests.end()));
    EXPECT_EQ(CheckLegalGame(input, WordSet(lexicon.Words), solution, false), "");
    EXPECT_LT(solution.score, SolveWholeGame(input, {8, false}).score);
}

TEST_F(WordBuildingSolverTest, NoLexiconOrNoGridFindsNothing) {
    WordBuildingSolverInput input;
    input.letters = std::string(WordBuildingGridSize, 'A');
    EXPECT_EQ(SolveWholeGame(input, SolverBeamOfLevel(1)).score, 0);
    EXPECT_TRUE(FindHighestWord(input, {}, {}).empty());
    const RandomLexicon lexicon(5, Language::English, 100, 3, 5);
    input = SolverInputOfPrimaryLexicon("CAT");
    EXPECT_EQ(SolveWholeGame(input, SolverBeamOfLevel(1)).score, 0);
}

}  // namespace
}  // namespace qora
