// Every message of the parser, produced where it belongs, naming and marking
// the right character.
#include <vector>

#include "ParserFixture.h"

namespace qora::testing {
namespace {

struct MessageCase {
    std::string Line;
    std::string Message;  // with its prefix
    int Position;         // the character to colour, 0 none
};

class ParserMessagesTest : public ParserTest {
protected:
    void Run(const std::vector<MessageCase>& cases) {
        for (const MessageCase& c : cases) {
            SCOPED_TRACE("line [" + c.Line + "]");
            const auto [message, position] = MessageOf(c.Line);
            EXPECT_EQ(message, c.Message);
            EXPECT_EQ(position, c.Position);
        }
    }
    static std::string Illegal(std::string c, int at) {
        return "Error - \"" + c + "\" (at character " + std::to_string(at) + ") is illegal in this command";
    }
    static std::string Incomplete(int at) {
        return "Error - The command is incomplete: something is missing at character " + std::to_string(at);
    }
    static std::string Range(std::string noun, int at, long low, long high) {
        return "Error - The " + noun + " at character " + std::to_string(at) + " must be from " + std::to_string(low) +
               " to " + std::to_string(high);
    }
};

TEST_F(ParserMessagesTest, IllegalCharactersInQueries) {
    Run({
        {"A#", Illegal("#", 2), 2},
        {"3 A", Illegal(" ", 2), 2},
        {"A\x01", Illegal("\\x01", 2), 2},
        {"A\"B", "Error - The \" at character 2 cannot stand here: a quoted text ends at its second \"", 2},
        {"/3L\"Ver\"bs\"", "Error - The \" at character 11 cannot stand here: a quoted text ends at its second \"", 11},
        {"A^", Illegal("^", 2), 2},
        {"(A B)", Illegal(" ", 3), 3},
        {"A!!", Illegal("!", 3), 3},
        {"3*", Illegal("*", 2), 2},
        {"(@AB)", Illegal("@", 2), 2},
        {"(+3)", Illegal("+", 2), 2},
        {"(@R1)", Illegal("@", 2), 2},
        {"(+AB.C)", Illegal("+", 2), 2},
        {"(A..B)", Illegal(".", 4), 4},
        {"(A.?)", Illegal("?", 4), 4},
        {"(.)", Illegal(".", 2), 2},
        {"(A2)", Illegal(")", 4), 4},
        {"((A))", Illegal("(", 2), 2},
        {"[3-]", Illegal("]", 4), 4},
        {"[X]", Illegal("X", 2), 2},
        {"[M~M]", Illegal("M", 4), 4},
    });
}

TEST_F(ParserMessagesTest, RackParts) {
    Run({
        {",,A", Illegal(",", 2), 2},
        {"AB,C,D", Illegal(",", 5), 5},
        {", A", Illegal(",", 1), 1},
        {"AB,", Illegal(",", 3), 3},
        {"ABC,D.E", Illegal(".", 6), 6},
        {",*", Illegal("*", 2), 2},
        {",[]", Illegal("[", 2), 2},
        {",0A", Illegal("0", 2), 2},
        {",(+A)", Illegal("+", 3), 3},
        {",(-)", Illegal("-", 3), 3},
        {",(R1)", Illegal("R", 3), 3},
        {",(AB.)", Illegal(".", 5), 5},
        {"AB.,CD", "Error - A pattern query cannot have a rack part (at character 5)", 5},
        {"/Q2 AB,CD", "Error - A pattern query cannot have a rack part (at character 8)", 8},
    });
}

TEST_F(ParserMessagesTest, NumbersLimitsAndUnclosedTexts) {
    Run({
        {"3", Incomplete(2), 0},
        {"/", Incomplete(2), 0},
        {"99999999999A", "Error - The number at character 1 is too large", 1},
        {"(3000000000A)", "Error - The number at character 2 is too large", 2},
        {"/|2147483648 ", "Error - The number at character 3 is too large", 3},
        {"/$2147483647 ", "", 0},
        {"(AB", "Error - The \"(\" at character 1 has no matching \")\"", 1},
        {"A (B", "Error - The \"(\" at character 3 has no matching \")\"", 3},
        {"[3", "Error - The \"[\" at character 1 has no matching \"]\"", 1},
        {"/3L\"unclosed", "Error - The quoted text that begins at character 4 has no closing \"", 4},
        {"/\"noun", "Error - The quoted text that begins at character 2 has no closing \"", 2},
        {"/SD \"noun", "Error - The quoted text that begins at character 5 has no closing \"", 5},
        {"/3L\"123456789012345678901\"", "Error - The label at character 4 is longer than 20 characters", 4},
        {"/3L\"12345678901234567890\"", "", 0},
        {"/0L\"x\"", "Error - The slate (wordlist 0, at character 2) takes no label", 2},
        {"/4U\"123456789012345678901\"=(V)", "Error - The label at character 4 is longer than 20 characters", 4},
    });
}

TEST_F(ParserMessagesTest, LetterSets) {
    Run({
        {"()", "Error - The letter set at character 1 is empty", 1},
        {"(0A)", "Error - The letter set at character 1 is empty", 1},
        {"(!ABCDEFGHIJKLMNOPQRSTUVWXYZ)", "Error - The letter set at character 1 is empty", 1},
        {"/4U=()", "Error - The letter set at character 5 is empty", 5},
        {"(X)", "Error - Precede the letter with a count of 1 for a single-char set", 2},
        {"A (x)", "Error - Precede the letter with a count of 1 for a single-char set", 4},
        {"(100A)", Range("count", 2, 0, 99), 2},
        {"(50A50A)", Range("count", 5, 0, 99), 5},
        {"(50A2147483647A)", Range("count", 5, 0, 99), 5},
        {"(100)", Range("set number", 2, 1, 99), 2},
        {"(0)", Range("set number", 2, 1, 99), 2},
        {"/4U=(@V)", Illegal("@", 6), 6},
        {"/4U=(+A)", Illegal("+", 6), 6},
        {"/4U=(R1)", Illegal("R", 6), 6},
        {"/0U=(V)", Range("set number", 2, 1, 99), 2},
        {"/6U=(1)&(100)", Range("set number", 10, 1, 99), 10},
        {"/6U=(1)&(3", "Error - The \"(\" at character 9 has no matching \")\"", 9},
        {"/6U=(1)&3", Illegal("3", 9), 9},
        {"/6U=?", Illegal("?", 5), 5},
    });
}

TEST_F(ParserMessagesTest, QueryBasedSetsAndWordReferences) {
    Run({
        {"(S-)", Illegal("-", 3), 3},
        {"(R0)", "Error - The query-based set at character 1 needs a number other than 0", 1},
        {"(S1)", "Error - The query-based set at character 1 must name a constituent before it", 1},
        {"A(S2)", "Error - The query-based set at character 2 must name a constituent before it", 2},
        {"A(S1)", "", 0},
        {"(S-1)", "Error - The query-based set at character 1 must name a constituent before it", 1},
        {"AB(S-3)", "Error - The query-based set at character 3 must name a constituent before it", 3},
        {"AB(R4)", "Error - The query-based set at character 3 names a letter beyond the query", 3},
        {"AB(R-4)", "Error - The query-based set at character 3 names a letter beyond the query", 3},
        {"A2B(R3)", "", 0},
        {"0A(R14)", "", 0},
        {"[0]", Range("position", 2, 1, 15), 2},
        {"[2-0|]", Range("position", 4, 1, 15), 4},
    });
}

TEST_F(ParserMessagesTest, WordlistItemAndFileCommands) {
    Run({
        {"/100W", Range("wordlist number", 2, 1, 99), 2},
        {"/0W", Range("wordlist number", 2, 1, 99), 2},
        {"/0~W", Range("wordlist number", 2, 1, 99), 2},
        {"/0R", Range("wordlist number", 2, 1, 99), 2},
        {"CAT/100?", Range("wordlist number", 5, 0, 99), 5},
        {"/Y100=1", Range("wordlist number", 3, 0, 99), 3},
        {"/Y1=2+3", Illegal("+", 6), 6},
        {"/=3:5,0D", Range("item count", 7, 1, 2147483647), 7},
        {"/=3:5X", Illegal("X", 6), 6},
        {"/7:0=3:5X", Illegal("X", 9), 9},
        {"/7:0=100:5C", Range("wordlist number", 6, 0, 99), 6},
        {"/100:0=3:5C", Range("wordlist number", 2, 0, 99), 2},
        {"/5W!", Illegal("!", 4), 4},
        {"/X\"\"", "Error - The file name at character 3 is empty", 3},
        {"/X", Incomplete(3), 0},
        {"/FR0W\"x\"", Range("wordlist number", 4, 1, 99), 4},
        {"/FW5W", Incomplete(6), 0},
        {"/FW100W\"x\"", Range("wordlist number", 4, 0, 99), 4},
        {"/FAH", Illegal("H", 4), 4},
        {"/FAS", Illegal("S", 4), 4},
        {"/FQ", Illegal("Q", 3), 3},
        {"/EXTRA", Illegal("T", 4), 4},
        {"/H0", Range("wordlist number", 3, 1, 99), 3},
        {"/R", Incomplete(3), 0},
        {"/C-", Incomplete(4), 0},
        {"/J", Illegal("J", 2), 2},
    });
}

TEST_F(ParserMessagesTest, SettingsCommands) {
    Run({
        {"/Q7", "Error - The query mode at character 3 must be from 1 to 5 or 10", 3},
        {"/Q0", "Error - The query mode at character 3 must be from 1 to 5 or 10", 3},
        {"/@=16", "Error - The board size at character 4 must be 15 or 21", 4},
        {"/@P8.", "Error - The column at character 3 must be from A to O", 3},
        {"/@=21/@U8.", "", 0},
        {"/@16H.", Range("row", 3, 1, 15), 3},
        {"/@8H", Incomplete(5), 0},
        {"/@8H!", Illegal("!", 5), 5},
        {"/@#4", Range("scoring mode", 4, 1, 3), 4},
        {"/OR5C", "Error - The rows per page at character 4 must be 0 or from 8 to 256", 4},
        {"/OR257C", "Error - The rows per page at character 4 must be 0 or from 8 to 256", 4},
        {"/OR0S", Range("layout parameter", 4, 1, 80), 4},
        {"/OC81W", Range("layout parameter", 4, 1, 80), 4},
        {"/OW7C", Range("maximum width", 4, 8, 255), 4},
        {"/OC31C", Range("maximum width", 4, 1, 30), 4},
        {"/ORX", Illegal("X", 4), 4},
        {"/OR,2C", Illegal("C", 6), 6},
        {"/O2", Illegal("2", 3), 3},
        {"/P12", Range("presentation kind", 3, 1, 11), 3},
        {"/T3", Range("result kind", 3, 0, 2), 3},
        {"/N4", Range("slate update", 3, 0, 3), 3},
        {"/KALSPNHCW", "Error - At most 7 sort keys can be given (at character 10)", 10},
        {"/KX", Illegal("X", 3), 3},
        {"/KSCAT", Illegal("T", 6), 6},
        {"/K", Incomplete(3), 0},
        {"/V+Q", Illegal("Q", 4), 4},
        {"/W100", Range("wordlist number", 3, 0, 99), 3},
        {"/[100", Range("wordlist number", 3, 0, 99), 3},
        {" /0 ", Range("word number", 3, 1, 2147483647), 3},
        {" 0/3 ", Range("letter position", 2, 1, 2147483647), 2},
        {" 2/0 ", Range("word number", 4, 1, 2147483647), 4},
        {" 2/X", Illegal("X", 4), 4},
        {"/12X", Illegal("X", 4), 4},
        {"/Z!!", Illegal("!", 4), 4},
    });
}

TEST_F(ParserMessagesTest, FiltersAndDefinitionSearch) {
    Run({
        {"/|", Incomplete(3), 0},
        {"/|-5", Illegal("5", 4), 4},
        {"/|=", Incomplete(4), 0},
        {"/|5-", Incomplete(5), 0},
        {"/|!7", Illegal("!", 3), 3},
        {"/%{QI", Incomplete(6), 0},
        {"/%{Q1} ", Illegal("1", 5), 5},
        {"/%{Q?} ", Illegal("?", 5), 5},
        {"/%>{AAAAEEEEEEIIIIOOOONNNRRRTTT} ",
         "Error - The number of ways to draw the letters at character 4 is too large", 4},
        {"/%100-{QI} ", "Warning - The relation at character 3 can never hold", 3},
        {"/<<(AES", "Error - The \"(\" at character 4 has no matching \")\"", 4},
        {"/<(AES)", Illegal("(", 3), 3},
        {"/:<=(-A", "Error - The \"(\" at character 5 has no matching \")\"", 5},
        {"/:<=(A1)", Illegal(")", 8), 8},
        {"/SD \"\"", "Error - The search text at character 5 is empty", 5},
        {"/SD \"||\"", "Error - The search text at character 5 is empty", 5},
        {"/SD \"noun\" & ", Incomplete(14), 0},
        {"/SD \"noun\" & \"\"", "Error - The search text at character 14 is empty", 14},
        {"/SD noun", Illegal("n", 5), 5},
        {"/S", Incomplete(3), 0},
        {"/SX", Illegal("X", 3), 3},
    });
}

TEST_F(ParserMessagesTest, OrderingsMappingAndSetB) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    Run({
        {"/.\"ABC\"", "Error - Each letter must be included in a canonical ordering", 7},
        {"/.\"" + alphabet + "\"", "Error - This random rack output canonical ordering is missing a '?'", 30},
        {"/;\"" + alphabet + "?\"", "Error - Word output canonical ordering cannot include a '?'", 30},
        {"/.\"?" + alphabet + "?\"", "Error - A \"?\" must be given only once in a canonical ordering", 31},
        {"/;\"ABCa" + alphabet.substr(3) + "\"", "Error - A letter must be given only once in a canonical ordering", 7},
        {"/;\"A B C D E F" + alphabet.substr(6) + "\"",
         "Error - A canonical ordering may have at most 4 spaces and plus signs", 13},
        {"/;\"A1" + alphabet.substr(1) + "\"", Illegal("1", 5), 5},
        {"/;" + alphabet, Illegal("A", 3), 3},
        {"/M\"ABC\"", "Error - A mapping must give exactly 26 letters", 3},
        {" /M\"BCDEFGHIJKLMNOPQRST VWXYZA\" ", "Error - A mapping must give exactly 26 letters", 4},
        {"/M\"BCDEFGHIJKLMNOPQRSTUVWXYZ?\"", Illegal("?", 29), 29},
        {"/(B)=(ABCDEFGHIJKLMNOPQRSTUVWXY)", "Error - Set (B) must have at least 1 of each letter", 1},
        {"/(B)=(0ABCDEFGHIJKLMNOPQRSTUVWXYZ)", "Error - Set (B) must have at least 1 of each letter", 1},
        {"/(B)=(100ABCDEFGHIJKLMNOPQRSTUVWXYZ)", Range("count", 7, 0, 99), 7},
        {"/($)=(100A)", Range("score", 7, 0, 99), 7},
        {"/(X)=(A)", Illegal("X", 3), 3},
        {"/(B)=(A", "Error - The \"(\" at character 6 has no matching \")\"", 6},
        {"/(B)=(A2)", Illegal(")", 9), 9},
    });
}

TEST_F(ParserMessagesTest, RandomRacksAndTheLineAsAWhole) {
    Run({
        {"/. 100 > -1 A", Range("wordlist number", 10, 0, 99), 10},
        {"/. 100 > 100 A", Range("wordlist number", 10, 0, 99), 10},
        {"/. 0 > 3 A", Range("number of racks", 4, 1, 1000000), 4},
        {"/. 1000001", Range("number of racks", 4, 1, 1000000), 4},
        {"/.X", Illegal("X", 3), 3},
        {"/. 100 > ", Incomplete(10), 0},
        {"ABC/-?/?",
         "Error - A line can hold only one query, search or presentation; another one begins at character 7", 7},
        {"ABC/SD \"x\"",
         "Error - A line can hold only one query, search or presentation; another one begins at character 4", 4},
        {"/SD \"x\" ABC",
         "Error - A line can hold only one query, search or presentation; another one begins at character 9", 9},
        {"/. 100 > 3 ABC",
         "Error - A line can hold only one query, search or presentation; another one begins at character 12", 12},
        {"/C1234 ABC",
         "Error - A line can hold only one query, search or presentation; another one begins at character 8", 8},
        {"/G/. 5", "Error - A line can hold only one query, search or presentation; another one begins at character 3",
         3},
        {"/-?", "Error - A word presence question needs a word on its line", 1},
        {"C?T/-?", "Error - Only plain letters can go with a word presence question (at character 2)", 2},
        {"CAT,S/-?", "Error - Only plain letters can go with a word presence question (at character 5)", 5},
        {"A2BC/G", "Error - Only plain letters can go with the grid command (at character 2)", 2},
        {"AB?/C", "Error - Only plain letters can go with the challenge command (at character 3)", 3},
        {"ABC/B", "Error - A 5 x 5 grid query needs at least 25 letters", 4},
        {"ABCDEFGHIJKLMNOPQRSTUVWX?/B", "Error - Only plain letters can go with a 5 x 5 grid query (at character 25)",
         25},
        {"/-\"CLUB\"?", "Error - There is no lexicon named \"CLUB\" (at character 3)", 3},
        {"CAT/-\"1234567890123456\"?", "Error - The lexicon name at character 6 is longer than 15 characters", 6},
    });
}

TEST_F(ParserMessagesTest, WarningsLeaveTheLineUsable) {
    Run({
        {"/|<0 ", "Warning - The relation at character 3 can never hold", 3},
        {"/|5-3 ", "Warning - The relation at character 3 can never hold", 3},
        {"/$4<4 ", "Warning - The relation at character 3 can never hold", 3},
        {"/|=16 ", "Warning - The word length at character 3 is beyond the longest word of the lexicon", 3},
        {"/|>15 ", "Warning - The word length at character 3 is beyond the longest word of the lexicon", 3},
        {"/|>14 ", "", 0},
        {"ABC($>10)", "Warning - The letter set at character 5 holds no letter", 5},
        {"[16]", "Warning - The position at character 2 is beyond the longest word of the lexicon", 2},
        {" 16/ ", "Warning - The position at character 2 is beyond the longest word of the lexicon", 2},
        {"/|<0 A#", Illegal("#", 7), 7},
    });
    Parse("/|5-3 ABC");
    EXPECT_FALSE(result_.HasError());
    EXPECT_EQ(command_.Kind, CommandKind::Query);
}

TEST_F(ParserMessagesTest, SpanishLetters) {
    UseLanguage(Language::Spanish);
    Run({
        {"KAT", Illegal("K", 1), 1},
        {"(AW)", Illegal("W", 3), 3},
        {"(CH)", "Error - Precede the letter with a count of 1 for a single-char set", 2},
        {"/M\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"", Illegal("K", 14), 14},
        {"/;\"ABCDEFGHIJLMN\xD1OPQRSTUVXYZ\"", "Error - Each letter must be included in a canonical ordering", 29},
    });
}

TEST_F(ParserMessagesTest, ExpandedLinesSayWhere) {
    ParsedCommand command;
    const ParseResult result = ParseLine("ABC#", StandingSettings, true, command);
    ASSERT_TRUE(result.Message.has_value());
    EXPECT_EQ(result.Message->Text, "\"#\" (at character 4 of the expanded command) is illegal in this command");
    const ParseResult range = ParseLine("/100W", StandingSettings, true, command);
    EXPECT_EQ(range.Message->Text, "The wordlist number at character 2 of the expanded command must be from 1 to 99");
}

}  // namespace
}  // namespace qora::testing
