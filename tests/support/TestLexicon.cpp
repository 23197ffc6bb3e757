#include "support/TestLexicon.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "engine/LexiconFormat.h"
#include "engine/Lexicons.h"
#include "engine/Search.h"

namespace qora {

namespace {

// No lexicon and the English tiles, as before the first lexicon was loaded.
void ForgetLexicons() {
    ResetLexicons();
    SetLanguageTables(Language::English);
}

}  // namespace

TestLexiconFolder::TestLexiconFolder() {
    ForgetLexicons();
    const std::filesystem::path base = std::filesystem::temp_directory_path() / "qora-lexicons-XXXXXX";
    std::string pattern = base.string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder " << pattern;
    path_ = pattern;
}

TestLexiconFolder::~TestLexiconFolder() {
    ForgetLexicons();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<unsigned char> TestLexiconImage(const std::vector<std::string>& lines, Language language,
                                            LexiconBuildOptions options) {
    std::vector<std::string> words;
    for (const auto& line : lines) {
        const auto word = FoldWordListLine(line, language);
        if (word)
            words.push_back(*word);
        else
            ADD_FAILURE() << "\"" << line << "\" is no word of the language";
    }
    options.language = language;
    if (options.shortName.empty()) options.shortName = "TEST";
    std::vector<unsigned char> image;
    LexiconBuildReport report;
    std::string error;
    if (!BuildLexiconImage(words, options, image, report, error)) ADD_FAILURE() << error;
    return image;
}

std::vector<unsigned char> EveryWordLexiconImage(int length) {
    constexpr int Letters = 26;
    auto image = TestLexiconImage({"AB"});  // for its header
    image.resize(LexiconHeaderSize + sizeof(LexiconNode) * (1 + Letters * length));
    image[LexiconMaxLengthOffset] = static_cast<unsigned char>(length);
    for (int layer = 0; layer < length; ++layer)
        for (int letter = 0; letter < Letters; ++letter) {
            const bool last = layer + 1 == length;
            const LexiconNode node = MakeNode(static_cast<unsigned char>('A' + letter), letter == Letters - 1, true,
                                              last ? 0 : 1 + Letters * (layer + 1));
            for (std::size_t k = 0; k < sizeof node; ++k)
                image[LexiconHeaderSize + sizeof node * (1 + Letters * layer + letter) + k] =
                    static_cast<unsigned char>(node >> (8 * k));
        }
    return image;
}

std::vector<std::string> LexiconWords(const LexiconRecord& lexicon, int tileCount) {
    AnagramConstraint everything(LetterCounts{}, 0, true, AnagramFit::AtMost, tileCount);
    std::vector<std::string> words;
    SearchLexicon(lexicon, everything, [&](const SearchMatch& match) {
        words.emplace_back(match.Word);
        return true;
    });
    return words;
}

void TestLexiconFolder::Add(const std::string& fileName, const std::vector<std::string>& lines, Language language,
                            LexiconBuildOptions options) {
    if (options.shortName.empty()) options.shortName = std::filesystem::path(fileName).stem().string().substr(0, 15);
    AddFile(fileName, TestLexiconImage(lines, language, options));
}

void TestLexiconFolder::AddFile(const std::string& fileName, const std::vector<unsigned char>& bytes) {
    std::string error;
    if (!WriteFileBytes((std::filesystem::path(path_) / fileName).string(), bytes, error)) ADD_FAILURE() << error;
}

void TestLexiconFolder::Load(int primary, int secondary, int challenge) {
    std::string error;
    if (!FindLexiconFiles(path_, error) || !ChooseLexicons(primary, secondary, challenge, error))
        ADD_FAILURE() << error;
}

const LexiconRecord& TestLexiconFolder::LoadWords(const std::vector<std::string>& lines, Language language) {
    Add("LEX.QLX", lines, language);
    Load();
    static const LexiconRecord none;
    const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole);
    return lexicon != nullptr ? *lexicon : none;
}

std::vector<std::string> RandomWordLines(std::uint32_t seed, Language language, int count, int minLength,
                                         int maxLength) {
    const TileTable& bag = language == Language::Spanish  ? SpanishTileCounts
                           : language == Language::French ? FrenchTileCounts
                                                          : EnglishTileCounts;
    const int tileCount = LanguageTileCount(language);
    std::mt19937 random(seed);
    std::discrete_distribution<int> tileOf(bag.begin(), bag.begin() + tileCount);
    std::uniform_int_distribution<int> lengthOf(minLength, maxLength);
    std::vector<std::string> lines;
    for (int k = 0; k < count; ++k) {
        std::string tiles;
        for (int n = lengthOf(random); n > 0; --n) tiles += static_cast<char>(TileBase + 1 + tileOf(random));
        lines.push_back(language == Language::Spanish ? TilesToText(tiles) : tiles);
    }
    return lines;
}

std::vector<std::string> FoldedWords(const std::vector<std::string>& lines, Language language) {
    std::vector<std::string> words;
    for (const auto& line : lines) {
        const auto word = FoldWordListLine(line, language);
        if (word && word->size() >= LexiconMinWordLength && word->size() <= LexiconMaxWordLength)
            words.push_back(*word);
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

namespace {

std::vector<std::string> DisplayLines(const std::vector<std::string>& words, Language language) {
    std::vector<std::string> lines;
    for (const auto& word : words) lines.push_back(language == Language::Spanish ? TilesToText(word) : word);
    return lines;
}

}  // namespace

// Words that came out of folding show as text that folds back to them.
RandomLexicon::RandomLexicon(std::uint32_t seed, Language language, int count, int minLength, int maxLength)
    : Words(FoldedWords(RandomWordLines(seed, language, count, minLength, maxLength), language)),
      Record(Folder.LoadWords(DisplayLines(Words, language), language)) {}

std::string LanguageParamName(const testing::TestParamInfo<Language>& info) {
    switch (info.param) {
        case Language::Spanish: return "Spanish";
        case Language::French: return "French";
        case Language::English: break;
    }
    return "English";
}

}  // namespace qora
