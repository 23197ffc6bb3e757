#include "QueryReference.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>

#include "engine/Search.h"
#include "engine/Tiles.h"
#include "engine/UserSets.h"

namespace qora::test {

namespace {

constexpr int Unbounded = INT_MAX / 64;

// One constituent: a one-tile test, or a block of tiles taken in copies.
struct Piece {
    TileMask Tiles = 0;
    char Presence = 0;
    int SameLetter = 0;
    bool Blank = false;
    std::vector<int> Block;
    bool InOrder = false;
    int Min = 1;
    int Max = 1;
    bool InRack = false;
    int Chain = -1;  // the piece whose tile this "(Sk)" piece repeats, or its own index when repeated
};

using Word = std::vector<int>;

bool Preferred(BlankMarkBits a, BlankMarkBits b, int length, bool fromEnd);

Word TilesOf(const std::string& word) {
    Word tiles;
    for (unsigned char c : word) tiles.push_back(c > '`' ? c - '`' : c - '@');
    return tiles;
}

std::string Sorted(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
}

TileMask MaskOf(const LetterCounts& counts) {
    TileMask mask = 0;
    for (int t = 1; t <= ActiveTileCount(); ++t)
        if (counts[t - 1] > 0) mask |= TileBit(t);
    return mask;
}

LetterCounts MembersOf(const SetSpec& set, const ReferenceContext& context) {
    LetterCounts members{};
    switch (set.Kind) {
        case SetKind::BuiltIn:
            return set.Argument == BuiltInBlankMatches ? context.PreviousBlankMatches : set.Letters.Counts;
        case SetKind::UserDefined: return FindUserSet(set.Argument)->Letters.Counts;
        case SetKind::WordPattern:
        case SetKind::WordAnagram:
            for (int t = 1; t <= ActiveTileCount(); ++t) {
                std::string text = set.Text;
                const std::size_t mark = text.find_first_of(".?");
                text[mark] = static_cast<char>('@' + t);
                for (const std::string& word : context.Lexicon) {
                    const bool fits = set.Kind == SetKind::WordPattern ? word == text : Sorted(word) == Sorted(text);
                    if (fits) members[t - 1] = 1;
                }
            }
            return members;
        default: return set.Letters.Counts;
    }
}

// The pieces of the query for one reference word; nothing when a reference
// names letters the word lacks.
std::optional<std::vector<Piece>> Pieces(const ParsedCommand& command, const ReferenceContext& context,
                                         const std::string& referenceWord) {
    std::vector<Piece> pieces;
    std::vector<int> constituents;
    const TileMask all = AllTilesMask(ActiveTileCount());
    for (const QueryElement& element : command.QueryElements) {
        Piece piece;
        const int n = element.RepeatCount;
        piece.InRack = element.InRack;
        if (element.InRack) {
            piece.Min = element.Required ? n : 0;
            piece.Max = n;
        } else if (n == 0) {
            piece.Min = element.Required ? 1 : 0;
            piece.Max = Unbounded;
        } else {
            piece.Min = piece.Max = n;
        }
        const SetSpec& set = element.Set;
        // A wild card is a blank of count 0 (set kind Blank, count 0).
        if (element.Kind == ElementKind::WordReference) {
            const WordReference& r = element.Reference;
            std::string letters = referenceWord;
            if (r.Mapped)
                for (char& c : letters) c = context.LetterMapping[c - '@' - 1];
            if (r.Reversed) std::reverse(letters.begin(), letters.end());
            if (!r.Whole) {
                const int size = static_cast<int>(letters.size());
                const int a = r.FirstFromEnd ? size + 1 - r.First : r.First;
                const int b = r.LastFromEnd ? size + 1 - r.Last : r.Last;
                if (a < 1 || b > size || a > b) return std::nullopt;
                letters = letters.substr(a - 1, b - a + 1);
            }
            piece.Block = TilesOf(letters);
            piece.InOrder = true;
        } else if (set.Kind == SetKind::SameConstituent) {
            const int k = set.Argument;
            const int named = constituents[k > 0 ? k - 1 : static_cast<int>(constituents.size()) + k];
            piece.Tiles = all;
            piece.Chain = pieces[named].Chain >= 0 ? pieces[named].Chain : named;
            pieces[piece.Chain].Chain = piece.Chain;
        } else {
            const LetterCounts members = MembersOf(set, context);
            piece.Presence = set.Presence;
            piece.Tiles = MaskOf(members);
            if (set.Kind == SetKind::Blank || set.Kind == SetKind::PatternBlank || set.Kind == SetKind::AnyLetter) {
                piece.Tiles = all;
                piece.Blank = true;
            }
            if (set.Kind == SetKind::SameLetter) {
                piece.Tiles = all;
                piece.SameLetter = set.Argument;
            }
            if (set.AllMembers) {
                for (int t = 1; t <= ActiveTileCount(); ++t)
                    for (int c = 0; c < members[t - 1]; ++c) piece.Block.push_back(t);
                if (element.InRack) {  // each tile of a rack may be left out
                    for (int t : piece.Block) {
                        Piece tile = piece;
                        tile.Block.clear();
                        tile.Tiles = TileBit(t);
                        pieces.push_back(tile);
                    }
                    continue;
                }
            }
        }
        if (!element.InRack) constituents.push_back(static_cast<int>(pieces.size()));
        pieces.push_back(piece);
    }
    return pieces;
}

// Whether the tile at `p` of `word` may go to `piece`.
bool Fits(const Piece& piece, const Word& word, int p) {
    const int tile = word[p];
    if (!piece.Block.empty()) return std::find(piece.Block.begin(), piece.Block.end(), tile) != piece.Block.end();
    if ((piece.Tiles & TileBit(tile)) == 0) return false;
    if (piece.Presence != 0) {
        const bool before = std::find(word.begin(), word.begin() + p, tile) != word.begin() + p;
        if (before != (piece.Presence == '-')) return false;
    }
    if (piece.SameLetter != 0) {
        const long named = piece.SameLetter > 0 ? piece.SameLetter - 1L : p + static_cast<long>(piece.SameLetter);
        if (named < 0 || named >= static_cast<long>(word.size()) || word[named] != tile) return false;
    }
    return true;
}

// The tiles that pieces were given, by piece.
using Given = std::vector<std::vector<int>>;

// Every "(Sk)" piece and the piece it repeats hold one and the same tile, one
// that the repeated piece can stand for.
bool ChainsHold(const std::vector<Piece>& pieces, const Given& given) {
    for (std::size_t root = 0; root < pieces.size(); ++root) {
        if (pieces[root].Chain != static_cast<int>(root)) continue;
        TileMask values = pieces[root].Tiles & AllTilesMask(ActiveTileCount());
        if (!pieces[root].Block.empty()) {
            const auto& block = pieces[root].Block;
            values =
                std::all_of(block.begin(), block.end(), [&](int t) { return t == block[0]; }) ? TileBit(block[0]) : 0;
        }
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (pieces[i].Chain == static_cast<int>(root))
                for (int tile : given[i]) values &= TileBit(tile);
        if (values == 0) return false;
    }
    return true;
}

// Whether the tiles given to a block are whole copies of it, within its counts.
bool WholeCopies(const Piece& piece, const std::vector<int>& tiles) {
    const int size = static_cast<int>(piece.Block.size());
    const int copies = static_cast<int>(tiles.size()) / size;
    if (static_cast<int>(tiles.size()) % size != 0 || copies < piece.Min || copies > piece.Max) return false;
    for (int t : piece.Block)
        if (std::count(tiles.begin(), tiles.end(), t) != copies * std::count(piece.Block.begin(), piece.Block.end(), t))
            return false;
    return true;
}

// Anagram matching: every way of giving each position to a piece, keeping
// the way whose marks show named pieces from the first tile on. A way whose
// first marks are already worse than the best found is not followed.
class AnagramWays {
public:
    AnagramWays(const std::vector<Piece>& pieces, const Word& word)
        : pieces_(pieces), word_(word), given_(pieces.size()) {}

    std::optional<BlankMarkBits> Best() {
        Try(0);
        return found_ ? std::optional(best_) : std::nullopt;
    }

private:
    // The marks of the first `p` positions are worse than the best way's.
    bool Worse(int p) const { return found_ && Preferred(best_, marks_, p, false); }

    void Try(int p) {
        if (Worse(p)) return;
        if (p == static_cast<int>(word_.size())) {
            if (Complete()) {
                best_ = marks_;
                found_ = true;
            }
            return;
        }
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            const Piece& piece = pieces_[i];
            const long room = piece.Block.empty() ? piece.Max : static_cast<long>(piece.Max) * piece.Block.size();
            if (static_cast<long>(given_[i].size()) >= room || !Fits(piece, word_, p)) continue;
            given_[i].push_back(word_[p]);
            const BlankMarkBits bit = piece.Blank ? BlankMarkBits{1} << p : 0;
            marks_ |= bit;
            Try(p + 1);
            marks_ &= ~bit;
            given_[i].pop_back();
        }
    }

    bool Complete() const {
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            const Piece& piece = pieces_[i];
            const int count = static_cast<int>(given_[i].size());
            if (piece.Block.empty() ? count < piece.Min || count > piece.Max : !WholeCopies(piece, given_[i]))
                return false;
        }
        return ChainsHold(pieces_, given_);
    }

    const std::vector<Piece>& pieces_;
    const Word& word_;
    Given given_;
    BlankMarkBits marks_ = 0;
    BlankMarkBits best_ = 0;
    bool found_ = false;
};

// Pattern matching of positions [from, to) of a word: every way the pieces
// take their repetitions in order; positions outside the range are marked as
// blank-matched.
class PatternWays {
public:
    PatternWays(const std::vector<Piece>& pieces, const Word& word)
        : pieces_(pieces), word_(word), given_(pieces.size()) {}

    std::vector<BlankMarkBits> All(int from, int to) {
        ways_.clear();
        neededFrom_.assign(pieces_.size() + 1, 0);
        for (std::size_t i = pieces_.size(); i-- > 0;)
            neededFrom_[i] = neededFrom_[i + 1] + static_cast<long>(pieces_[i].Min) * SizeOf(pieces_[i]);
        to_ = to;
        BlankMarkBits outside = 0;
        for (int p = 0; p < static_cast<int>(word_.size()); ++p)
            if (p < from || p >= to) outside |= BlankMarkBits{1} << p;
        Piece_(0, 0, from, outside);
        return ways_;
    }

private:
    static int SizeOf(const Piece& piece) { return piece.Block.empty() ? 1 : static_cast<int>(piece.Block.size()); }

    void Piece_(std::size_t i, int copies, int p, BlankMarkBits marks) {
        // The pieces still to come need more tiles than are left: no way on.
        if (i < pieces_.size() &&
            p + std::max(pieces_[i].Min - copies, 0) * static_cast<long>(SizeOf(pieces_[i])) + neededFrom_[i + 1] > to_)
            return;
        if (i == pieces_.size()) {
            if (p == to_ && ChainsHold(pieces_, given_)) ways_.push_back(marks);
            return;
        }
        const Piece& piece = pieces_[i];
        if (copies >= piece.Min) Piece_(i + 1, 0, p, marks);
        if (copies >= piece.Max) return;
        const int size = SizeOf(piece);
        if (p + size > to_) return;
        std::vector<int> copy(word_.begin() + p, word_.begin() + p + size);
        bool fits = true;
        if (piece.Block.empty())
            fits = Fits(piece, word_, p);
        else if (piece.InOrder)
            fits = copy == piece.Block;
        else
            fits = std::is_permutation(copy.begin(), copy.end(), piece.Block.begin(), piece.Block.end());
        if (!fits) return;
        given_[i].insert(given_[i].end(), copy.begin(), copy.end());
        Piece_(i, copies + 1, p + size, piece.Blank ? marks | BlankMarkBits{1} << p : marks);
        given_[i].resize(given_[i].size() - copy.size());
    }

    const std::vector<Piece>& pieces_;
    const Word& word_;
    Given given_;
    int to_ = 0;
    std::vector<long> neededFrom_;  // the fewest tiles that the pieces from each one on take
    std::vector<BlankMarkBits> ways_;
};

// Whether marks `a` show a tile matched by a named piece at the first
// position, counted from the start or from the end, where they differ from
// `b`. (Written with plain values: GCC 12 at -O2 miscompiles the same loop
// over a std::optional.)
bool Preferred(BlankMarkBits a, BlankMarkBits b, int length, bool fromEnd) {
    for (int k = 0; k < length; ++k) {
        const int p = fromEnd ? length - 1 - k : k;
        const bool x = (a >> p) & 1, y = (b >> p) & 1;
        if (x != y) return !x;
    }
    return false;
}

// The preferred of several ways of a pattern: tiles matched by named pieces
// from the last tile back.
std::optional<BlankMarkBits> PreferredFromEnd(const std::vector<BlankMarkBits>& ways, int length) {
    if (ways.empty()) return std::nullopt;
    BlankMarkBits best = ways[0];
    for (BlankMarkBits way : ways)
        if (Preferred(way, best, length, true)) best = way;
    return best;
}

std::optional<BlankMarkBits> Imbedded(const std::vector<Piece>& pieces, const Word& word) {
    PatternWays ways(pieces, word);
    std::vector<BlankMarkBits> all;
    for (int from = 0; from <= static_cast<int>(word.size()); ++from)
        for (int to = from; to <= static_cast<int>(word.size()); ++to) {
            const auto some = ways.All(from, to);
            all.insert(all.end(), some.begin(), some.end());
        }
    return PreferredFromEnd(all, static_cast<int>(word.size()));
}

// The fewest tiles the pieces take, and the most.
std::pair<long, long> Lengths(const std::vector<Piece>& pieces) {
    long least = 0, most = 0;
    for (const Piece& piece : pieces) {
        const long size = piece.Block.empty() ? 1 : static_cast<long>(piece.Block.size());
        least += piece.Min * size;
        most += piece.Max * size;
    }
    return {least, most};
}

std::optional<BlankMarkBits> Match(std::int32_t mode, const std::vector<Piece>& pieces, const Word& word) {
    const int length = static_cast<int>(word.size());
    const auto [least, most] = Lengths(pieces);
    const bool anagram = mode != QueryModePattern && mode != QueryModeImbeddedWord;
    if (length < least || (anagram && mode != QueryModeSteal && length > most)) return std::nullopt;
    switch (mode) {
        case QueryModePattern: return PreferredFromEnd(PatternWays(pieces, word).All(0, length), length);
        case QueryModeImbeddedWord: return Imbedded(pieces, word);
        case QueryModeSteal: {
            std::vector<Piece> runs;
            for (const Piece& piece : pieces)
                if (!piece.InRack) runs.push_back(piece);
            if (Imbedded(runs, word)) return std::nullopt;
            std::vector<Piece> more = pieces;
            Piece extra;
            extra.Tiles = AllTilesMask(ActiveTileCount());
            extra.Blank = true;
            extra.Max = Unbounded;
            more.push_back(extra);
            return AnagramWays(more, word).Best();
        }
        default: return AnagramWays(pieces, word).Best();
    }
}

std::string Marked(const std::string& item, BlankMarkBits marks) {
    std::string marked = item;
    int position = 0;
    for (char& c : marked) {
        if (c == ' ') continue;
        if (marks >> position++ & 1) c = static_cast<char>(c + 32);
    }
    return marked;
}

}  // namespace

std::vector<std::string> ReferenceResults(const ParsedCommand& command, const ReferenceContext& context) {
    const std::int32_t mode = command.QuerySettings.QueryMode;
    const bool references = std::any_of(command.QueryElements.begin(), command.QueryElements.end(),
                                        [](const QueryElement& e) { return e.Kind == ElementKind::WordReference; });
    const std::vector<std::string> referenceWords = references ? context.ReferenceWords : std::vector<std::string>{""};
    std::map<std::string, BlankMarkBits> found;  // marks of every reference word merged
    for (const std::string& referenceWord : referenceWords) {
        const auto pieces = Pieces(command, context, referenceWord);
        if (!pieces) continue;
        auto note = [&](const std::string& item, const Word& tiles) {
            if (tiles.size() > static_cast<std::size_t>(MaxSearchLength)) return;
            if (const auto marks = Match(mode, *pieces, tiles)) found[item] |= *marks;
        };
        if (mode != QueryModeTwoWord) {
            for (const std::string& word : context.Words) note(word, TilesOf(word));
            continue;
        }
        for (const std::string& first : context.Words)
            for (const std::string& second : context.Words)
                if (first <= second) note(first + " " + second, TilesOf(first + second));
    }
    std::vector<std::string> results;
    for (const auto& [item, marks] : found) results.push_back(Marked(item, marks));
    return results;
}

}  // namespace qora::test
