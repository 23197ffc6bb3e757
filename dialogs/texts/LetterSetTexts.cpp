#include "dialogs/texts/LetterSetTexts.h"

#include "engine/Listings.h"

namespace qora {

namespace {

constexpr const char* BuiltInBodies[] = {"V", "V+", "C", "C-", "A", "B", "=", "", ""};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The Spanish single L or R just before its double tile would be read
// together with it ("LLL" is LL and L): lower case keeps it apart, as "c"
// keeps the single C apart from an H.
std::string SetBodyTileText(int tile, int nextWrittenTile) {
    if (!SpanishLexiconActive) return TileCaption(tile);
    if (tile == SpanishTileC) return "c";
    if ((tile == SpanishTileL && nextWrittenTile == SpanishTileLL) ||
        (tile == SpanishTileR && nextWrittenTile == SpanishTileRR))
        return std::string(1, static_cast<char>(TileCaption(tile)[0] - 'A' + 'a'));
    return TileCaption(tile);
}

// The tiles marked above 0, each written by `write` with the tile written
// right after it (0 when a count stands between them or none follows).
template <class Write>
std::string WriteTiles(const LetterCounts& counts, Write write) {
    std::string text;
    const int tiles = ActiveTileCount();
    for (int tile = 1; tile <= tiles; ++tile) {
        if (counts[tile - 1] < 1) continue;
        int next = tile + 1;
        while (next <= tiles && counts[next - 1] < 1) ++next;
        write(text, tile, next <= tiles ? next : 0);
    }
    return text;
}

}  // namespace

// Unsigned, so that the code-page letters above 0x7F are looked up, never
// sign-extended.
bool IsTileLetter(unsigned char c) {
    if (SpanishLexiconActive) return SpanishTileCodes[c] != 0;
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

const char* BuiltInSetBody(int choice) {
    return choice >= 0 && choice < BuiltInSetChoiceCount ? BuiltInBodies[choice] : "";
}

const std::vector<std::string>& ScoreRelationItems() {
    static const std::vector<std::string> items = {"x - y", "x < y", "   <", "  <=", "   !=", "   =", "  >=", "   >"};
    return items;
}

const std::vector<std::string>& CountRelationItems() {
    static const std::vector<std::string> items = {"x - y", "x < y", "  <", " <=", "  !=", "   =", "  >=", "   >"};
    return items;
}

std::string ScoreOrCountBody(bool score, int item, std::int64_t x, std::int64_t y) {
    return (score ? "$" : "#") + NumericRelationText(item, std::to_string(x), std::to_string(y));
}

bool RelationSetComposable(int item, const FieldNumber& x, const FieldNumber& y, std::int32_t maximum) {
    switch (RelationOrAtLeast(item)) {
        case 0: return x.valid && y.valid && x.value <= y.value;
        case 1: return x.valid && y.valid && x.value < y.value;
        case 2: return x.valid && x.value > 0;
        case 3: return x.valid && x.value >= 2;
        case 4: return true;
        case 7: return x.valid && x.value < maximum;
        default: return x.valid && x.value <= maximum;  // "=" and ">="
    }
}

bool WordBasedComposable(std::string_view text, bool pattern) {
    const std::string_view body = Trimmed(text);
    int periods = 0;
    for (const char c : body) {
        if (c == '.' && pattern) {
            ++periods;
        } else if (!IsTileLetter(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return body.size() >= 2 && periods == (pattern ? 1 : 0);
}

std::string WordBasedBody(std::string_view text, bool pattern) {
    std::string body(Trimmed(text));
    if (!pattern) body += '?';
    return body;
}

std::string SpecifiedSetTiles(const LetterCounts& counts) {
    const bool singleTile = LetterCountTotal(counts) == 1;
    return WriteTiles(counts, [&](std::string& text, int tile, int next) {
        const int count = counts[tile - 1];
        if (count > 1 || singleTile) text += std::to_string(count);
        // A count written before the next tile keeps the two apart.
        const bool nextWrittenAlone = next != 0 && counts[next - 1] == 1;
        text += SetBodyTileText(tile, nextWrittenAlone ? next : 0);
    });
}

std::string AllButSetTiles(const LetterCounts& leftOut) {
    return WriteTiles(leftOut, [](std::string& text, int tile, int next) { text += SetBodyTileText(tile, next); });
}

bool AnyTileCounted(const LetterCounts& counts) {
    for (int tile = 1; tile <= ActiveTileCount(); ++tile)
        if (counts[tile - 1] > 0) return true;
    return false;
}

bool EveryTileCounted(const LetterCounts& counts) {
    for (int tile = 1; tile <= ActiveTileCount(); ++tile)
        if (counts[tile - 1] < 1) return false;
    return true;
}

std::optional<std::int32_t> SetNumberOfLine(std::string_view line) {
    const std::size_t first = line.find_first_of("0123456789");
    if (first == std::string_view::npos) return std::nullopt;
    std::int32_t number = 0;
    for (std::size_t at = first; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
        if (number > 99999999) return std::nullopt;
        number = number * 10 + (line[at] - '0');
    }
    return number;
}

const char* LettersWord(Language language) { return language == Language::Spanish ? "Tiles" : "Letters"; }

SetPageCaptions SetPageCaptionsOf(Language language) {
    const bool spanish = language == Language::Spanish;
    const std::string letters = spanish ? "tiles" : "letters";
    const std::string word = LettersWord(language);
    const TileTable& bag = language == Language::Spanish  ? SpanishTileCounts
                           : language == Language::French ? FrenchTileCounts
                                                          : EnglishTileCounts;
    int bagSize = 0;
    for (int tile = 1; tile <= LanguageTileCount(language); ++tile) bagSize += bag[tile - 1];
    return {
        FormatText("Bag of %s (%d of them)", word.c_str(), bagSize),
        word + " matched by the blank in the previous query",
        "Score-based " + word + " - score is",
        "Count-based " + word + " - count is",
        FormatText("This kind of set is based on those %s found in words at a particular position. Provide one "
                   "period within a string of %s. The set consists of those %s which can be at the position of "
                   "the period.",
                   letters.c_str(), letters.c_str(), letters.c_str()),
        "Word-based set, based on a blank plus these " + letters + ":",
        FormatText("This kind of set is based on those %s found in words. Provide a string of %s. The set "
                   "consists of those %s which can be combined with your given string to form at least one word.",
                   letters.c_str(), letters.c_str(), letters.c_str()),
    };
}

std::vector<std::string> AllButSetHomeLines(Language language) {
    if (language == Language::Spanish)
        return {"Either click a tile check box or indicate a tile by typing.",
                "Use CTRL-letter: C,L,N,R for CH,LL,\xD1,RR."};
    return {"Either click a letter check box or type a letter.", ""};
}

}  // namespace qora
