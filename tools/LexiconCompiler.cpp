#include "tools/LexiconCompiler.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <unordered_map>

#include "engine/LexiconFormat.h"
#include "engine/Lexicons.h"
#include "engine/TextFiles.h"
#include "platform/Files.h"

namespace qora {

namespace {

// ---- Reading a line -------------------------------------------------------

// Longer lines are no words: they are skipped without being folded.
constexpr std::size_t MaxWordListLineLength = 1000;

std::string_view Trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// The plain vowel of an accented vowel (either case) in code page 1252, or 0.
char PlainVowel(unsigned char c) {
    if (c >= 0xE0 && c <= 0xFC) c = static_cast<unsigned char>(c - 32);
    if (c >= 0xC0 && c <= 0xC5) return 'A';
    if (c >= 0xC8 && c <= 0xCB) return 'E';
    if (c >= 0xCC && c <= 0xCF) return 'I';
    if (c >= 0xD2 && c <= 0xD6) return 'O';
    if (c >= 0xD9 && c <= 0xDC) return 'U';
    return 0;
}

// The plain capital letters that a code page 1252 letter stands for in the
// language, or an empty string when it is no letter of the language.
std::string FoldLetter(unsigned char c, Language language) {
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
    if (c >= 'A' && c <= 'Z') return std::string(1, static_cast<char>(c));
    if (language == Language::English) return {};
    if (const char vowel = PlainVowel(c)) return std::string(1, vowel);
    const bool enye = c == UpperEnye || c == LowerEnye;
    if (language == Language::Spanish) return enye ? std::string(1, static_cast<char>(UpperEnye)) : std::string();
    // French also folds the other letters with marks and the ligatures.
    if (enye) return "N";
    switch (c) {
        case 0xC7:
        case 0xE7: return "C";
        case 0xDD:
        case 0xFD:
        case 0x9F:
        case 0xFF: return "Y";
        case 0xC6:
        case 0xE6: return "AE";
        case 0x8C:
        case 0x9C: return "OE";
        default: return {};
    }
}

// A word list line without the blanks around it and every byte-order mark
// at its start, in any mix with blanks (lists joined from files that each
// began with one, or indented).
std::string_view LineContent(std::string_view line) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    line = Trim(line);
    while (line.starts_with(ByteOrderMark)) line = Trim(line.substr(ByteOrderMark.size()));
    return line;
}

// The text of a word list line's content in the code page; nothing when it
// is empty or holds a character that the code page lacks.
std::optional<std::string> WordListLineText(std::string_view line) {
    bool lostCharacter = false;
    std::string text = LineToCodePage(LineContent(line), &lostCharacter);
    if (lostCharacter || text.empty()) return std::nullopt;
    return text;
}

// The tile string of a word list line's text, or nothing when it is no word
// of the language.
std::optional<std::string> FoldWordListText(const std::string& text, Language language) {
    std::string letters;
    for (unsigned char c : text) {
        const std::string folded = FoldLetter(c, language);
        if (folded.empty()) return std::nullopt;
        letters += folded;
    }
    if (language != Language::Spanish) return letters;
    if (letters.find_first_of("KW") != std::string::npos) return std::nullopt;
    // Every remaining letter is a Spanish tile, so the whole text converts.
    return TextToTiles(letters);
}

// ---- Building the graph ---------------------------------------------------

struct GraphEntry {
    unsigned char letter;
    bool endOfWord;
    std::uint32_t childList;  // 0: no children
};

struct VectorHash {
    std::size_t operator()(const std::vector<std::uint64_t>& key) const {
        std::uint64_t h = 1469598103934665603ull;
        for (std::uint64_t v : key) h = (h ^ v) * 1099511628211ull;
        return static_cast<std::size_t>(h);
    }
};

// Interns sibling lists so that equal sub-graphs are stored once.
class GraphBuilder {
public:
    GraphBuilder() { lists_.emplace_back(); }  // list 0 is the empty list

    // Builds the sibling list of the words in [lo, hi), which all share their
    // first `depth` tiles; returns its list id.
    std::uint32_t Build(const std::vector<std::string>& words, std::size_t lo, std::size_t hi, std::size_t depth) {
        std::vector<GraphEntry> entries;
        std::size_t i = lo;
        while (i < hi && words[i].size() == depth) ++i;  // the prefix itself
        while (i < hi) {
            const unsigned char letter = static_cast<unsigned char>(words[i][depth]);
            std::size_t j = i;
            while (j < hi && static_cast<unsigned char>(words[j][depth]) == letter) ++j;
            const bool endOfWord = words[i].size() == depth + 1;
            entries.push_back({letter, endOfWord, Build(words, i, j, depth + 1)});
            i = j;
        }
        return Intern(std::move(entries));
    }

    const std::vector<std::vector<GraphEntry>>& Lists() const { return lists_; }

private:
    std::uint32_t Intern(std::vector<GraphEntry> entries) {
        if (entries.empty()) return 0;
        std::vector<std::uint64_t> key;
        key.reserve(entries.size());
        for (const auto& e : entries)
            key.push_back((std::uint64_t{e.letter} << 40) | (std::uint64_t{e.endOfWord} << 39) | e.childList);
        auto [it, inserted] = ids_.try_emplace(std::move(key), static_cast<std::uint32_t>(lists_.size()));
        if (inserted) lists_.push_back(std::move(entries));
        return it->second;
    }

    std::vector<std::vector<GraphEntry>> lists_;
    std::unordered_map<std::vector<std::uint64_t>, std::uint32_t, VectorHash> ids_;
};

using SiblingLists = std::vector<std::vector<GraphEntry>>;

// The lists reachable from the root, each once, in depth-first order.
std::vector<std::uint32_t> DepthFirstOrder(const SiblingLists& lists, std::uint32_t root) {
    std::vector<std::uint32_t> order;
    std::vector<bool> placed(lists.size(), false);
    const std::function<void(std::uint32_t)> visit = [&](std::uint32_t id) {
        placed[id] = true;
        order.push_back(id);
        for (const auto& e : lists[id])
            if (e.childList != 0 && !placed[e.childList]) visit(e.childList);
    };
    visit(root);
    return order;
}

// The height of each list: the most tiles on a path from it down. A list's
// children were interned before it, so they have smaller ids.
std::vector<int> ListHeights(const SiblingLists& lists) {
    std::vector<int> height(lists.size(), 0);
    for (std::size_t id = 1; id < lists.size(); ++id)
        for (const auto& e : lists[id]) height[id] = std::max(height[id], 1 + height[e.childList]);
    return height;
}

void PutU32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) out[at + k] = static_cast<unsigned char>(v >> (8 * k));
}

void PutU16(std::vector<unsigned char>& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<unsigned char>(v);
    out[at + 1] = static_cast<unsigned char>(v >> 8);
}

// Whether the program's loader takes the image, as it checks every lexicon
// file it opens; when not, the image is dropped and `error` gives the
// loader's reason.
bool LoaderTakes(std::vector<unsigned char>& image, const LexiconBuildOptions& options, std::string& error) {
    ValidLexicon loaded;
    std::string reason;
    if (ValidateLexiconImage(image.data(), image.size(), loaded, reason, options.maxWordBeginnings)) return true;
    image.clear();
    error = "the program would refuse this lexicon, so none is written. " + reason;
    return false;
}

}  // namespace

std::optional<std::string> FoldWordListLine(std::string_view line, Language language) {
    const std::optional<std::string> text = WordListLineText(line);
    return text ? FoldWordListText(*text, language) : std::nullopt;
}

bool BuildLexiconImage(const std::vector<std::string>& input, const LexiconBuildOptions& options,
                       std::vector<unsigned char>& image, LexiconBuildReport& report, std::string& error) {
    if (options.edition > 999) {
        error = "the edition must be 0 to 999";
        return false;
    }
    if (options.shortName.empty() || options.shortName.size() > LexiconShortNameField - 1 ||
        options.shortName.find('\0') != std::string::npos) {
        error = "the short name must have 1 to 15 characters";
        return false;
    }
    const std::string longName = options.longName.empty() ? options.shortName : options.longName;
    if (longName.size() > LexiconLongNameField - 1 || longName.find('\0') != std::string::npos) {
        error = "the long name must have at most 63 characters";
        return false;
    }
    const auto hasControlCharacter = [](const std::string& name) {
        return std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    };
    if (hasControlCharacter(options.shortName) || hasControlCharacter(longName)) {
        error = "the names may not hold control characters";
        return false;
    }
    if (options.maxLength != 0 &&
        (options.maxLength < LexiconMinWordLength || options.maxLength > LexiconMaxWordLength)) {
        error = "the maximum word length must be 2 to 32";
        return false;
    }
    if (options.longWordLimit < 0 || options.longWordLimit > 0xFFFF) {
        error = "the long-word limit must be 0 to 65535";
        return false;
    }

    const int lengthCap = options.maxLength != 0 ? options.maxLength : LexiconMaxWordLength;
    const unsigned char highestTile = static_cast<unsigned char>(TileBase + LanguageTileCount(options.language));
    std::vector<std::string> words;
    words.reserve(input.size());
    for (const auto& w : input) {
        const auto notTile = [highestTile](unsigned char c) { return c <= TileBase || c > highestTile; };
        if (std::any_of(w.begin(), w.end(), notTile)) {
            error = "\"" + w + "\" is no tile string of the language";
            return false;
        }
        if (static_cast<int>(w.size()) < LexiconMinWordLength || static_cast<int>(w.size()) > lengthCap) {
            ++report.tooShortOrLong;
            continue;
        }
        words.push_back(w);
    }
    std::sort(words.begin(), words.end());
    const auto uniqueEnd = std::unique(words.begin(), words.end());
    report.duplicates += static_cast<int>(std::distance(uniqueEnd, words.end()));
    words.erase(uniqueEnd, words.end());
    report.kept = static_cast<int>(words.size());
    if (words.empty()) {
        error = "no word of 2 to " + std::to_string(lengthCap) + " tiles is left to store";
        return false;
    }
    std::size_t longest = 0;
    for (const auto& w : words) longest = std::max(longest, w.size());

    GraphBuilder builder;
    const std::uint32_t root = builder.Build(words, 0, words.size(), 0);
    const auto& lists = builder.Lists();

    // Lay the lists out by height (the most tiles below them), highest first,
    // and among equal heights depth first from the root. The root comes
    // first, at index 1, and every child list stands after its parent, so a
    // reader can tell from a list's index how deep words below it may go.
    std::vector<std::uint32_t> order = DepthFirstOrder(lists, root);
    const std::vector<int> height = ListHeights(lists);
    std::stable_sort(order.begin(), order.end(),
                     [&height](std::uint32_t a, std::uint32_t b) { return height[a] > height[b]; });
    std::vector<std::uint32_t> offset(lists.size(), 0);
    std::size_t next = 1;
    for (std::uint32_t id : order) {
        offset[id] = static_cast<std::uint32_t>(next);
        next += lists[id].size();
    }
    if (next > LexiconMaxNodeCount) {
        error = "the word graph has " + std::to_string(next) + " nodes, more than a lexicon file can hold";
        return false;
    }
    report.nodes = next;

    image.assign(LexiconHeaderSize + 4 * next, 0);
    PutU32(image, LexiconMagicOffset, LexiconMagic);
    const std::uint32_t languageBase = options.language == Language::Spanish  ? TreeNumberSpanish
                                       : options.language == Language::French ? TreeNumberFrench
                                                                              : TreeNumberEnglish;
    PutU32(image, LexiconTreeNumberOffset, languageBase + options.edition);
    PutU16(image, LexiconMaxLengthOffset,
           static_cast<std::uint16_t>(options.maxLength != 0 ? options.maxLength : static_cast<int>(longest)));
    PutU16(image, LexiconLongWordLimitOffset, static_cast<std::uint16_t>(options.longWordLimit));
    std::memcpy(&image[LexiconShortNameOffset], options.shortName.data(), options.shortName.size());
    std::memcpy(&image[LexiconLongNameOffset], longName.data(), longName.size());
    for (std::uint32_t id : order) {
        const auto& entries = lists[id];
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const auto& e = entries[k];
            const LexiconNode node = MakeNode(e.letter, k + 1 == entries.size(), e.endOfWord, offset[e.childList]);
            PutU32(image, LexiconHeaderSize + 4 * (offset[id] + k), node);
        }
    }
    return LoaderTakes(image, options, error);
}

bool CompileWordList(const std::string& wordListPath, const LexiconBuildOptions& options,
                     std::vector<unsigned char>& image, LexiconBuildReport& report, std::string& error) {
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(wordListPath, bytes, reason)) {
        error = "cannot read word list " + wordListPath + ": " + reason;
        return false;
    }
    std::vector<std::string> words;
    // Lines may end with LF, CR LF or a lone CR.
    ForEachTextLine(bytes, MaxWordListLineLength, [&](const TextLine& line) {
        if (LineContent(line.Text).empty()) return;
        const std::optional<std::string> text = line.Cut ? std::nullopt : WordListLineText(line.Text);
        std::optional<std::string> word = text ? FoldWordListText(*text, options.language) : std::nullopt;
        if (!word)
            ++report.skipped;
        else if (options.skipCapitalised && IsCapital1252(static_cast<unsigned char>(text->front())))
            ++report.capitalised;
        else
            words.push_back(std::move(*word));
    });
    return BuildLexiconImage(words, options, image, report, error);
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error) {
    const std::string reason =
        WriteWholeFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (reason.empty()) return true;
    error = "cannot write " + path + ": " + reason;
    return false;
}

}  // namespace qora
