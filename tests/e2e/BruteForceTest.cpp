// Queries of every mode, performed end to end on generated word lists, agree
// with a plain brute-force reading of what each mode means: the query is
// parsed, evaluated on the query thread, sorted, presented into the
// workspace and read back from there.
#include <algorithm>
#include <array>
#include <random>
#include <regex>
#include <set>

#include "e2e/HeadlessFixture.h"
#include "engine/Listings.h"

namespace qora::test {
namespace {

using Words = std::vector<std::string>;

using LetterTally = std::array<int, 26>;

LetterTally LettersOf(std::string_view text) {
    LetterTally letters{};
    for (char c : text)
        if (c >= 'A' && c <= 'Z') ++letters[c - 'A'];
    return letters;
}

// Whether `word` holds every letter of `letters` at least as often.
bool Contains(const LetterTally& word, const LetterTally& letters) {
    for (int i = 0; i < 26; ++i)
        if (word[i] < letters[i]) return false;
    return true;
}

int Blanks(std::string_view query) { return static_cast<int>(std::count(query.begin(), query.end(), '?')); }
bool HasWildCard(std::string_view query) { return query.find('*') != std::string_view::npos; }
int Letters(std::string_view query) {
    return static_cast<int>(query.size()) - Blanks(query) - (HasWildCard(query) ? 1 : 0);
}

bool IsAnagram(const std::string& word, const std::string& query) {
    const int length = Letters(query) + Blanks(query);
    const int size = static_cast<int>(word.size());
    if (HasWildCard(query) ? size < length : size != length) return false;
    return Contains(LettersOf(word), LettersOf(query));
}

// "REQUIRED,OPTIONAL": every required letter and any of the optional ones.
bool IsRackWord(const std::string& word, const std::string& query) {
    const LetterTally letters = LettersOf(word);
    return Contains(letters, LettersOf(query.substr(0, query.find(',')))) && Contains(LettersOf(query), letters);
}

// "?" is one letter, "*" any run.
std::regex PatternOf(const std::string& query) {
    std::string expression;
    for (char c : query) expression += c == '?' ? "[A-Z]" : c == '*' ? "[A-Z]*" : std::string(1, c);
    return std::regex(expression);
}

bool IsSteal(const std::string& word, const std::string& query) {
    return word.size() > query.size() && Contains(LettersOf(word), LettersOf(query)) &&
           word.find(query) == std::string::npos;
}

// The items that the brute force expects, in word order.
Words Expected(int mode, const std::string& query, const Words& words) {
    std::set<std::string> found;
    const std::regex pattern = PatternOf(query);
    for (const std::string& word : words) {
        switch (mode) {
            case 1:
                if (query.find(',') != std::string::npos ? IsRackWord(word, query) : IsAnagram(word, query))
                    found.insert(word);
                break;
            case 2:
                if (std::regex_match(word, pattern)) found.insert(word);
                break;
            case 3:
                if (std::regex_search(word, pattern)) found.insert(word);
                break;
            case 4:
                if (IsSteal(word, query)) found.insert(word);
                break;
            case 5:
                for (const std::string& second : words)
                    if (word <= second && word.size() + second.size() == query.size() &&
                        IsAnagram(word + second, query))
                        found.insert(word + " " + second);
                break;
        }
    }
    return {found.begin(), found.end()};
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A query of the mode made from words of the list, so that it finds some:
// some letters made blanks and perhaps a wild card after the first letters
// (anagrams and patterns) or a word's letters split into required ones and
// a rack part with two more (anagrams), a run of two tiles (imbedded words,
// steals), two words' letters (pairs).
std::string MakeQuery(int mode, const Words& words, std::mt19937& random) {
    const auto pick = [&] { return words[random() % words.size()]; };
    std::string query = pick();
    switch (mode) {
        case 3:
        case 4: {
            const std::size_t at = random() % (query.size() - 1);
            query = query.substr(at, 2);
            if (mode == 3 && random() % 2 == 0) query[random() % 2] = '?';
            return query;
        }
        case 5: return query + pick();
        case 1:
            if (random() % 3 == 0) {
                const std::size_t at = random() % query.size();
                return query.substr(0, at) + "," + query.substr(at) + pick().substr(0, 2);
            }
            [[fallthrough]];
        default:
            for (int blanks = static_cast<int>(random() % 3); blanks > 0; --blanks)
                query[random() % query.size()] = '?';
            if (random() % 3 == 0 && query.size() > 3) query = query.substr(0, 2) + "*";
            return query;
    }
}

class BruteForceTest : public HeadlessTest {};

TEST_F(BruteForceTest, EveryModeAgreesWithTheBruteForce) {
    const std::vector<std::string> lines = RandomWordLines(4711, Language::English, 1500, 2, 6);
    const Words words = FoldedWords(lines, Language::English);
    AddLexicon("ENGLISH.QLX", lines);
    Start();
    std::mt19937 random(99);
    const char* modeNames[] = {"", "anagram", "pattern", "imbedded", "steal", "two-word"};
    for (int mode = 1; mode <= 5; ++mode) {
        std::size_t found = 0;
        for (int round = 0; round < 12; ++round) {
            const std::string query = MakeQuery(mode, words, random);
            const std::string line = FormatText("%s/Q%d /O1 /P1", query.c_str(), mode);
            const std::string before = Workspace();
            const std::string after = RunCommands(line + "\n");
            std::istringstream output(after.substr(before.size() - std::string("QORA?: \n").size()));
            Words presented;
            std::string text;
            std::getline(output, text);  // the echo
            while (std::getline(output, text) && text != SeparatorLine()) presented.push_back(Upper(text));
            std::sort(presented.begin(), presented.end());
            EXPECT_EQ(presented, Expected(mode, query, words)) << modeNames[mode] << " query " << line;
            found += presented.size();
        }
        EXPECT_GE(found, 30u) << "the " << modeNames[mode] << " queries found too little to tell";
    }
}

}  // namespace
}  // namespace qora::test
