// The query filters: numeric filters (length, score, probability, word
// count, anagram count), the hooks filters and the blank filter.
#include "engine/Lexicons.h"
#include "processor/CommandParser.h"

namespace qora {

// The filter-off mark: "-" followed by a blank, "!" or the end of the line.
bool CommandParser::ReadFilterOff(bool& off) {
    off = Peek() == '-' && !AtEnd();
    if (!off) return true;
    Advance();
    return AtEndOfToken() || FailHere();
}

bool CommandParser::ParseNumericFilter(NumericFilter Settings::*filter, bool probability) {
    bool off = false;
    if (!ReadFilterOff(off)) return false;
    if (off) {
        ChangeSetting([filter](Settings& s) { (s.*filter).Active = 0; });
        return true;
    }
    const std::int32_t start = Here();
    Relation relation;
    if (!ReadRelation(relation, probability)) return false;
    WarnIfNeverHolds(relation, start);
    if (filter == &Settings::LengthFilter) {
        const bool needsLonger = relation.Code == RelationEqual || relation.Code == RelationAtLeast ||
                                 relation.Code == RelationRange || relation.Code == RelationHalfOpen;
        if ((needsLonger && relation.Value1 > MaxWordLength) ||
            (relation.Code == RelationAbove && relation.Value1 >= MaxWordLength))
            Warn(messages::LengthBeyondLexicon, start);
    }
    ChangeSetting([filter, relation](Settings& s) {
        NumericFilter& f = s.*filter;
        f.Active = 1;
        f.Relation = relation.Code;
        f.Value1 = relation.Value1;
        f.Value2 = relation.Value2;
    });
    return true;
}

// "(" letters ")" of a set filter; " " between the parentheses is the empty
// set. With `ignoreVowels`, a "-" may come first.
bool CommandParser::ReadFilterLetters(LetterCounts& counts, std::uint8_t* ignoreVowels) {
    const std::int32_t open = Here();
    if (!Expect('(')) return false;
    if (line_.find(')', pos_) == std::string_view::npos) return Fail(messages::UnclosedParenthesis, open);
    if (ignoreVowels != nullptr) {
        *ignoreVowels = Peek() == '-';
        if (*ignoreVowels) Advance();
    }
    if (Peek() == ' ' && Peek(1) == ')') Advance();
    return ReadLetterCounts(counts, MaxCountInSet, "count") && Expect(')');
}

bool CommandParser::ParseHooksFilter(SetFilter Settings::*filter) {
    bool off = false;
    if (!ReadFilterOff(off)) return false;
    if (off) {
        ChangeSetting([filter](Settings& s) { (s.*filter).Active = 0; });
        return true;
    }
    std::int32_t relation = 0;
    LetterCounts counts{};
    if (!ReadSetRelation(relation) || !ReadFilterLetters(counts, nullptr)) return false;
    ChangeSetting([filter, relation, counts](Settings& s) {
        SetFilter& f = s.*filter;
        f.Active = 1;
        f.Relation = relation;
        f.Letters = LetterCountRecord{counts, 0, 0};
    });
    return true;
}

bool CommandParser::ParseBlankFilter() {
    bool off = false;
    if (!ReadFilterOff(off)) return false;
    if (off) {
        ChangeSetting([](Settings& s) { s.BlankFilter.Active = 0; });
        return true;
    }
    std::int32_t relation = 0;
    LetterCounts counts{};
    std::uint8_t ignoreVowels = 0;
    if (!ReadSetRelation(relation) || !ReadFilterLetters(counts, &ignoreVowels)) return false;
    ChangeSetting([relation, counts, ignoreVowels](Settings& s) {
        s.BlankFilter.Active = 1;
        s.BlankFilter.Relation = relation;
        s.BlankFilter.Letters = LetterCountRecord{counts, 0, 0};
        s.BlankIgnoreVowels = ignoreVowels;
    });
    return true;
}

}  // namespace qora
