// Bad input: random lines and valid lines mutated byte by byte never crash
// the parser, never make it read past the line, never make it loop, and every
// message names a character of the line (or the place just past its end).
// Lines are copied into buffers of their exact size, so that a read past the
// end is caught by the address sanitizer (-DQORA_SANITIZE=ON).
#include <memory>
#include <random>
#include <vector>

#include "ParserFixture.h"

namespace qora::testing {
namespace {

const std::vector<std::string>& SeedLines() {
    static const std::vector<std::string> lines = {
        "3A!(+A!)2(+E)0(-S!)(+)2(-)?2?!.3.!*?/Z",
        "ABC,DE 2?/-Z F (V) 2(@C-)!(+=)($3-5)(@$>4)!(#<=2)3(#9)",
        "(AB.DE)2(RE.AIN)!(A2EI)(-3S)!(!QXZ)(+!AEIOU)(!)(3)2(@12)!AB(R-1)(R2)2(S-1)(1A)(+1A)(AB?)",
        "AEIRST,QE! ,Z ,?/Z ,?! []! [M~]! 0[] 3[] [2-1|] [3|] [M~1-2|]",
        "QUIXOTIC/Z DOG /-\"CLUB\"?",
        "CAT/7?",
        "/4U\"vowels\"=(V+)/4U=($2-4)/2U=(CA.T)/7U=(1A)/9U=(!QXZ)/6U=(1)&(3)/4U=A",
        "/(B)=(9A2B2C4D12E2F3G2H9IJK4L2M6N8O2PQ6R4S6T4U2V2WX2YZ)",
        "/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P10QRSTU4V4W8X4Y10Z)",
        "/3L\"Nouns\"/5~W\"Nouns\"/7R/Y5=7/Y5=0|3/FR5W\"n.wds\"/5L\"Nouns\"",
        "/=3:5,4D/7:0=3:5C/7:2=0:1,10M/7:0=M 25~ 25' /12 2/3 1/ ",
        "/|=7 /$3-9 /%100-200 /&<5 /#!=2 /<<=(AES) />=(1S) /:<=(-AEIOU) /\"!|plural\" ",
        "/|- /$- /%- /#- /&- /<- />- /:- /\"- ",
        "/SD \"noun\" &! \"plural\" ",
        "/.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"/;\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"",
        "/O1/OR,2S/ORC12W/OC8X/OWA/OW80C/OC8C/OR0C /M\"BCDEFGHIJKLMNOPQRSTUVWXYZA\" ",
        "/. 100 > 3 A",
        "/PW \"Anagrams\" /@8H./@=21/@#2/@|",
        "ABCDEFGHIJKLMNOPQRSTUVWXY/B/@|",
        "/Q3/KL-S/P4/T2/N1/V+S/W5/[3/H5/R+/FWS/FAG\"g\"/X\"f.cmd\"/EXIT",
        "/C-12345678",
        "/Z! ABC /|5 !",
    };
    return lines;
}

// Parses `line` from a buffer of exactly its size and checks the outcome.
void ParseExactly(std::string_view line) {
    std::unique_ptr<char[]> buffer(new char[line.size() + 1]);
    std::copy(line.begin(), line.end(), buffer.get());
    const std::string_view exact(buffer.get(), line.size());
    ParsedCommand first;
    const ParseResult result = ParseLine(exact, StandingSettings, false, first);
    if (result.Message) {
        ASSERT_FALSE(result.Message->Text.empty()) << "[" << line << "]";
        ASSERT_GE(result.Message->Position, 0) << "[" << line << "]";
        ASSERT_LE(result.Message->Position, static_cast<int>(line.size())) << "[" << line << "]";
    }
    ParsedCommand second;
    const ParseResult again = ParseLine(exact, StandingSettings, false, second);
    ASSERT_EQ(again.HasError(), result.HasError()) << "[" << line << "]";
    ASSERT_EQ(second.QueryElements, first.QueryElements) << "[" << line << "]";
    ASSERT_EQ(second.Actions, first.Actions) << "[" << line << "]";
}

// The characters that matter to the language, plus some that do not.
const std::string& Alphabet() {
    static const std::string alphabet = [] {
        std::string a = " !\"#$%&'()*+,-./0123456789:;<=>?@[]^|~{}ABCDEHLMOQRSUVWXYZabchlrz\t\xD1\xF1\x01\xFF";
        return a;
    }();
    return alphabet;
}

class ParserFuzzTest : public ParserTest {
protected:
    void SetUp() override {
        ParserTest::SetUp();
        LexiconTable.resize(1);
        LexiconTable[0].ShortName = "CLUB";
    }
};

TEST_F(ParserFuzzTest, RandomLines) {
    for (Language language : {Language::English, Language::Spanish}) {
        UseLanguage(language);
        std::mt19937 random(20240611);
        const std::string& alphabet = Alphabet();
        for (int i = 0; i < 30000; ++i) {
            const std::size_t length = random() % 60;
            std::string line;
            for (std::size_t k = 0; k < length; ++k) line += alphabet[random() % alphabet.size()];
            ParseExactly(line);
            if (HasFatalFailure()) return;
        }
    }
}

TEST_F(ParserFuzzTest, ValidLinesMutatedByteByByte) {
    const std::string& alphabet = Alphabet();
    for (const std::string& seed : SeedLines()) {
        {
            ParsedCommand command;
            const ParseResult clean = ParseLine(seed, StandingSettings, false, command);
            EXPECT_FALSE(clean.HasError()) << seed << ": " << clean.Message->Text;
        }
        for (std::size_t at = 0; at <= seed.size(); ++at) {
            ParseExactly(seed.substr(0, at));  // cut short
            if (at == seed.size()) break;
            ParseExactly(seed.substr(0, at) + seed.substr(at + 1));  // one byte dropped
            for (char c : alphabet) {
                std::string replaced = seed;
                replaced[at] = c;
                ParseExactly(replaced);
                ParseExactly(seed.substr(0, at) + c + seed.substr(at));  // one byte added
            }
            if (HasFatalFailure()) return;
        }
    }
}

TEST_F(ParserFuzzTest, LongAndHugeInput) {
    ParseExactly(std::string(100000, 'A'));
    ParseExactly(std::string(100000, '('));
    ParseExactly(std::string(100000, '9'));
    ParseExactly("/|" + std::string(5000, '9') + " ");
    ParseExactly("/3L\"" + std::string(100000, 'x'));
    ParseExactly(std::string(50000, '!'));
    std::string manySettings;
    for (int i = 0; i < 5000; ++i) manySettings += "/Z!";
    ParseExactly(manySettings);
}

TEST_F(ParserFuzzTest, ExpansionOfRandomLines) {
    std::mt19937 random(7);
    const std::string& alphabet = Alphabet();
    const std::vector<std::string> history = {"ABC,D", "/|5 XY?", "\"^\""};
    for (int i = 0; i < 5000; ++i) {
        std::string line;
        for (std::size_t k = random() % 20; k > 0; --k) line += alphabet[random() % alphabet.size()];
        const ExpandedLine expanded = ExpandCommandLine(line, history);
        if (!expanded.Error) ParseExactly(expanded.Text);
        ASSERT_FALSE(HasFatalFailure());
    }
}

}  // namespace
}  // namespace qora::testing
