// The definitions of letter sets: user-defined sets, set (B) and set ($).
#include "engine/Tiles.h"
#include "processor/CommandParser.h"

namespace qora {

// After "/nU": an optional label, "=", then one set in parentheses, two sets
// in parentheses joined by "|", "&" or "-", or a single letter. Each set is
// written as in a query, without count or marks.
bool CommandParser::ParseSetDefinition(std::int32_t number, std::int32_t start) {
    std::string label;
    const bool labelled = Peek() == '"' && !AtEnd();
    if (labelled && !ReadLabel(label, MaxSetLabelLength)) return false;
    if (!Expect('=')) return false;
    SetSpec set;
    SetSpec second;
    std::int32_t setOperator = 0;
    std::size_t length = 1;
    if (Peek() == '(') {
        if (!ParseDefinedSet(set)) return false;
        if (IsSetOperator(Peek())) {
            setOperator = Peek();
            Advance();
            if (Peek() != '(') return FailHere();
            if (!ParseDefinedSet(second)) return false;
        }
    } else if (const int tile = TileAt(pos_, length); tile != 0) {
        set.Kind = SetKind::Specified;
        set.Letters.Counts[tile - 1] = 1;
        set.Letters.Kind = static_cast<std::int32_t>(set.Kind);
        Advance(length);
    } else {
        return FailHere();
    }
    CommandAction& action = AddAction(ActionKind::DefineUserSet, start);
    action.Arguments = {number, setOperator, 0, 0, labelled ? 1 : 0};
    action.Text = std::move(label);
    action.Set = std::move(set);
    action.SecondSet = std::move(second);
    return true;
}

// One set of a definition, "(" to ")".
bool CommandParser::ParseDefinedSet(SetSpec& set) {
    const std::int32_t open = Here();
    Advance();
    if (!ParseSetBody(set, 0, 0, open, SetContext::Definition)) return false;
    set.Letters.Kind = static_cast<std::int32_t>(set.Kind);
    set.Letters.Argument = set.Argument;
    return true;
}

// After "/(": "B)=(" or "$)=(", count-and-tile pairs (a count of 1 left
// out), ")". Set (B) needs every tile at least once.
bool CommandParser::ParseBagOrScores(std::int32_t start) {
    const bool bag = PeekUpper() == 'B';
    if (!bag && Peek() != '$') return FailHere();
    Advance();
    if (!ExpectWord(")=")) return false;
    const std::int32_t open = Here();
    if (!Expect('(')) return false;
    if (line_.find(')', pos_) == std::string_view::npos) return Fail(messages::UnclosedParenthesis, open);
    LetterCounts counts{};
    if (!ReadLetterCounts(counts, MaxCountInSet, bag ? "count" : "score") || !Expect(')')) return false;
    if (bag) {
        for (int tile = 1; tile <= ActiveTileCount(); ++tile)
            if (counts[tile - 1] < 1) return Fail(std::string(messages::SetBNeedsEachLetter), start);
        command_.SetBDefined = 1;
        command_.SetB = LetterCountRecord{counts, static_cast<std::int32_t>(SetKind::Specified), 0};
        query_.LetterDistribution = counts;
        command_.PendingSettings.LetterDistribution = counts;
    } else {
        command_.SetDollarDefined = 1;
        command_.SetDollar = LetterCountRecord{counts, static_cast<std::int32_t>(SetKind::Specified), 0};
    }
    CommandAction& action = AddAction(bag ? ActionKind::DefineBag : ActionKind::DefineScores, start);
    action.Set.Kind = SetKind::Specified;
    action.Set.Letters = bag ? command_.SetB : command_.SetDollar;
    preceding_ = Preceding::LastingAction;
    return true;
}

}  // namespace qora
