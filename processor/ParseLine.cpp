// The parser's top level: the items of a line, the lasting "!", what the line
// asks for as a whole, and the checks that need the whole line.
#include "processor/Parser.h"

#include <algorithm>

#include "engine/Lexicons.h"
#include "engine/Tiles.h"
#include "processor/CommandParser.h"

namespace qora {

namespace {

constexpr int GridLetterCount = 25;

// A letter without count or marks; commas (rack parts) may separate the
// challenge command's words.
bool IsPlainLetter(const QueryElement& element, bool commasAllowed) {
    return element.Kind == ElementKind::Constituent && element.Set.Kind == SetKind::Letter &&
           element.Set.Presence == 0 && element.RepeatCount == 1 && !element.Required &&
           (commasAllowed || !element.InRack);
}

}  // namespace

CommandParser::CommandParser(std::string_view line, const Settings& standing, bool expanded, ParsedCommand& command)
    : line_(line), expanded_(expanded), command_(command), query_(command.QuerySettings) {
    Settings start = standing;  // `standing` may be part of `command`
    command_ = ParsedCommand{};
    command_.QuerySettings = std::move(start);
    command_.QuerySettings.LetterDistribution = BagDistribution();
    command_.PendingSettings = command_.QuerySettings;
}

ParseResult CommandParser::Parse() {
    if (!ParseSingleLetterCommand()) {
        while (!AtEnd() && ParseItem()) {
        }
        if (!error_) Finish();
    }
    ParseResult result;
    result.RackMode = rackMode_;
    if (error_)
        result.Message = error_;
    else if (warning_)
        result.Message = warning_;
    return result;
}

bool CommandParser::ParseSingleLetterCommand() {
    const std::size_t first = line_.find_first_not_of(" \t");
    if (first == std::string_view::npos || line_.find_first_not_of(" \t", first + 1) != std::string_view::npos)
        return false;
    CommandKind kind;
    switch (ToUpperAscii(static_cast<unsigned char>(line_[first]))) {
        case 'C': kind = CommandKind::ChallengeWindow; break;
        case 'G': kind = CommandKind::GridWindow; break;
        case 'T': kind = CommandKind::Timer; break;
        case 'W': kind = CommandKind::WordBuildingGame; break;
        default: return false;
    }
    command_.Kind = kind;
    command_.Position = static_cast<std::int32_t>(first) + 1;
    return true;
}

bool CommandParser::ParseItem() {
    switch (Peek()) {
        case ' ':
        case '\t':
            SkipBlanks();
            preceding_ = Preceding::Nothing;
            return true;
        case '/': return ParseSlashCommand();
        case ',': return ParseRackStart();
        case '!': return ParseExclamation();
        default:
            if (AtDigit()) return ParseCountedItem();
            return ParseConstituent(1, Here());
    }
}

void CommandParser::ChangeSetting(std::function<void(Settings&)> change, bool alwaysLasting) {
    change(query_);
    changes_.push_back({std::move(change), alwaysLasting});
    preceding_ = Preceding::Setting;
}

CommandAction& CommandParser::AddAction(ActionKind kind, std::int32_t start) {
    CommandAction& action = command_.Actions.emplace_back();
    action.Kind = kind;
    action.Position = start;
    preceding_ = Preceding::Other;
    return action;
}

bool CommandParser::SetMainCommand(CommandKind kind, std::int32_t start) {
    preceding_ = Preceding::Other;
    if (mainGiven_) return Fail(messages::SecondMainCommand, start);
    mainGiven_ = true;
    command_.Kind = kind;
    command_.Position = start;
    return true;
}

bool CommandParser::ParseExclamation() {
    switch (preceding_) {
        case Preceding::Constituent: {
            QueryElement& element = command_.QueryElements.back();
            if (element.Required) return FailHere();
            element.Required = true;
            if (queryTextEnd_ == pos_) {
                command_.QueryText += '!';
                ++queryTextEnd_;
            }
            break;
        }
        case Preceding::Setting: changes_.back().Lasting = true; break;
        case Preceding::Nothing: lineLasting_ = true; break;
        case Preceding::LastingAction: break;
        case Preceding::Other: return FailHere();
    }
    Advance();
    preceding_ = Preceding::Other;  // a second "!" is an error
    return true;
}

bool CommandParser::Finish() {
    const bool hasElements = !command_.QueryElements.empty();
    const std::int32_t firstElement = hasElements ? command_.QueryElements.front().Position : 0;
    switch (command_.Kind) {
        case CommandKind::Empty:
            if (hasElements) {
                command_.Kind = CommandKind::Query;
                command_.Position = firstElement;
            } else if (!changes_.empty()) {
                command_.Kind = CommandKind::PresentSlate;
            } else if (!command_.Actions.empty()) {
                command_.Kind = CommandKind::ActionsOnly;
            }
            break;
        case CommandKind::WordPresence:
            if (!hasElements) return Fail(std::string(messages::PresenceNeedsWord), command_.Position);
            if (!CheckPlainLetters("a word presence question")) return false;
            for (const QueryElement& element : command_.QueryElements)
                command_.Word += static_cast<char>(TileBase + element.Set.Argument);
            break;
        case CommandKind::GridWindow:
            if (!CheckPlainLetters("the grid command")) return false;
            break;
        case CommandKind::ChallengeWindow:
            if (command_.Arguments[3] != 0) {
                if (!CheckPlainLetters("the challenge command")) return false;
                break;
            }
            [[fallthrough]];
        default:
            if (hasElements) return Fail(messages::SecondMainCommand, std::max(firstElement, command_.Position));
            break;
    }
    if (command_.Kind == CommandKind::Query && !CheckQuery()) return false;
    ApplyLastingSettings();
    return true;
}

// A "." implies a pattern query when the line gives no query mode; then the
// checks of the query mode and of the query-based sets.
bool CommandParser::CheckQuery() {
    const bool hasPatternBlank =
        std::any_of(command_.QueryElements.begin(), command_.QueryElements.end(), [](const QueryElement& e) {
            return e.Kind == ElementKind::Constituent && e.Set.Kind == SetKind::PatternBlank;
        });
    if (hasPatternBlank && !queryModeGiven_ && query_.QueryMode == QueryModeAnagrams)
        query_.QueryMode = QueryModePattern;
    if (query_.QueryMode == QueryModeGrid && !CheckGridQuery()) return false;
    if (query_.QueryMode == QueryModePattern) {
        for (const QueryElement& element : command_.QueryElements)
            if (element.InRack) return Fail(messages::RackInPatternQuery, element.Position);
    }
    return CheckQueryBasedSets();
}

bool CommandParser::CheckPlainLetters(std::string_view what) {
    const bool commasAllowed = command_.Kind == CommandKind::ChallengeWindow;
    for (const QueryElement& element : command_.QueryElements)
        if (!IsPlainLetter(element, commasAllowed))
            return Fail(messages::OnlyPlainLetters, element.Position, 0, 0, what);
    return true;
}

bool CommandParser::CheckGridQuery() {
    if (!CheckPlainLetters("a 5 x 5 grid query")) return false;
    if (command_.QueryElements.size() < GridLetterCount)
        return Fail(std::string(messages::GridNeedsLetters), queryModePosition_);
    return true;
}

// "(Sk)" must name a constituent before its own; "(Rk)" a letter the query
// can reach: within the letters its constituents cover, or within the
// longest word when a count of 0 or a wild card leaves the length open.
bool CommandParser::CheckQueryBasedSets() {
    std::int64_t reach = 0;
    bool open = false;
    for (const QueryElement& element : command_.QueryElements) {
        if (element.InRack) continue;
        if (element.RepeatCount == 0 || element.Kind != ElementKind::Constituent) open = true;
        reach += element.RepeatCount;
    }
    if (open) reach = std::max<std::int64_t>(reach, MaxWordLength - 1);
    std::int32_t index = 0;
    for (const QueryElement& element : command_.QueryElements) {
        if (element.InRack) continue;
        ++index;
        const SetSpec& set = element.Set;
        if (element.Kind != ElementKind::Constituent) continue;
        if (set.Kind != SetKind::SameLetter && set.Kind != SetKind::SameConstituent) continue;
        const std::int64_t k = set.Argument;
        const std::int64_t magnitude = k < 0 ? -k : k;
        if (set.Kind == SetKind::SameConstituent && magnitude >= index)
            return Fail(messages::SameConstituentNotEarlier, element.Position);
        if (set.Kind == SetKind::SameLetter && magnitude > reach)
            return Fail(messages::SameLetterBeyondQuery, element.Position);
    }
    return true;
}

void CommandParser::ApplyLastingSettings() {
    for (const SettingChange& change : changes_)
        if (change.Lasting || lineLasting_) change.Apply(command_.PendingSettings);
}

ParseResult ParseLine(std::string_view line, const Settings& standing, bool expanded, ParsedCommand& command) {
    return CommandParser(line, standing, expanded, command).Parse();
}

}  // namespace qora
