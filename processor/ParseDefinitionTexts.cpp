// The commands that carry definition text: the definition filter and the
// definition search.
#include "processor/CommandParser.h"

namespace qora {

namespace {

// Typed definition text -> stored form: a blank at each end that is not
// marked with "|" ("noun" -> " noun ", "|noun" -> "noun ").
std::string StoredSearchText(std::string_view typed) {
    const bool openStart = !typed.starts_with('|');
    if (!openStart) typed.remove_prefix(1);
    const bool openEnd = !typed.ends_with('|');
    if (!openEnd) typed.remove_suffix(1);
    if (typed.empty()) return {};
    return (openStart ? " " : "") + std::string(typed) + (openEnd ? " " : "");
}

}  // namespace

// At the quote after "/": "-" and a blank (or the end) switch the filter off; otherwise
// an optional "!" and the text up to the closing quote. An empty text also
// switches it off.
bool CommandParser::ParseDefinitionFilter() {
    const bool off = Peek(1) == '-' && (pos_ + 2 == line_.size() || Peek(2) == ' ' || Peek(2) == '\t');
    if (off) {
        Advance(2);
        ChangeSetting([](Settings& s) { s.DefinitionFilter.Active = 0; });
        return true;
    }
    std::string typed;
    if (!ReadQuotedText(typed)) return false;
    const std::uint8_t sense = typed.starts_with('!') ? 0 : 1;
    const std::string text = StoredSearchText(sense == 0 ? std::string_view(typed).substr(1) : typed);
    ChangeSetting([sense, text](Settings& s) {
        s.DefinitionFilter.Active = text.empty() ? 0 : 1;
        s.DefinitionFilter.Sense = sense;
        s.DefinitionFilter.Text = text;
    });
    return true;
}

// "/SD \"text\"" with an optional connective ("&", "&!", "|") and a second text.
bool CommandParser::ParseDefinitionSearch(std::int32_t start) {
    if (!Expect('D')) return false;
    SkipBlanks();
    const std::int32_t firstStart = Here();
    std::string first;
    if (!ReadQuotedText(first)) return false;
    if (StoredSearchText(first).empty()) return Fail(messages::EmptySearchText, firstStart);
    std::int32_t connective = ConnectiveNone;
    std::string second;
    const Checkpoint afterFirst = Save();
    SkipBlanks();
    if (Peek() == '&' || Peek() == '|') {
        connective = Peek() == '|' ? ConnectiveOr : ConnectiveAnd;
        Advance();
        if (connective == ConnectiveAnd && Peek() == '!') {
            connective = ConnectiveAndNot;
            Advance();
        }
        SkipBlanks();
        const std::int32_t secondStart = Here();
        if (!ReadQuotedText(second)) return false;
        if (StoredSearchText(second).empty()) return Fail(messages::EmptySearchText, secondStart);
    } else {
        Restore(afterFirst);
    }
    if (!SetMainCommand(CommandKind::DefinitionSearch, start)) return false;
    command_.Arguments[0] = connective;
    command_.Text = StoredSearchText(first);
    command_.SecondText = StoredSearchText(second);
    return true;
}

}  // namespace qora
