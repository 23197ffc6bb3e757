// The wordlist commands: item copies, moves and deletes, wordlists computed
// from two others, and random racks.
#include <limits>

#include "engine/RandomRacks.h"
#include "processor/CommandParser.h"

namespace qora {

// After "/D" with the ":" here: "D:P=S:I[,N]c" or, for the current
// flashcard, "D:P=c" (c "C" copy or "M" move).
bool CommandParser::ParseItemCommand(std::int32_t destination, std::int32_t start) {
    Advance();  // ":"
    std::int32_t item = 0;
    if (!ReadNumber(item) || !Expect('=')) return false;
    const unsigned char disposition = PeekUpper();
    if (disposition == 'C' || disposition == 'M') {
        Advance();
        CommandAction& action =
            AddAction(disposition == 'C' ? ActionKind::CopyFlashcard : ActionKind::MoveFlashcard, start);
        action.Arguments = {destination, item, 0, 0, 0};
        return true;
    }
    std::int32_t source = 0;
    std::int32_t sourceItem = 0;
    std::int32_t count = 1;
    if (!ReadWordlistNumber(source, true) || !Expect(':') || !ReadNumber(sourceItem) || !ReadItemCount(count))
        return false;
    const unsigned char copyOrMove = PeekUpper();
    if (copyOrMove != 'C' && copyOrMove != 'M') return FailHere();
    Advance();
    CommandAction& action = AddAction(copyOrMove == 'C' ? ActionKind::CopyItems : ActionKind::MoveItems, start);
    action.Arguments = {destination, item, source, sourceItem, count};
    return true;
}

// An optional ",N" item count (1 or more).
bool CommandParser::ReadItemCount(std::int32_t& count) {
    count = 1;
    if (Peek() != ',') return true;
    Advance();
    return ReadNumberInRange(count, 1, std::numeric_limits<std::int32_t>::max(), "item count");
}

// After "/=": "S:I[,N]D".
bool CommandParser::ParseDeleteItems(std::int32_t start) {
    std::int32_t source = 0;
    std::int32_t item = 0;
    std::int32_t count = 1;
    if (!ReadWordlistNumber(source, true) || !Expect(':') || !ReadNumber(item) || !ReadItemCount(count) || !Expect('D'))
        return false;
    AddAction(ActionKind::DeleteItems, start).Arguments = {source, item, count, 0, 0};
    return true;
}

// After "/Y": "n=a" copies wordlist a into n; "n=a|b", "n=a&b", "n=a-b"
// combine two wordlists (0 is the slate).
bool CommandParser::ParseWordlistCombination(std::int32_t start) {
    std::int32_t target = 0;
    std::int32_t first = 0;
    if (!ReadWordlistNumber(target, true) || !Expect('=') || !ReadWordlistNumber(first, true)) return false;
    if (!IsSetOperator(Peek())) {
        AddAction(ActionKind::CopyWordlist, start).Arguments = {target, first, 0, 0, 0};
        return true;
    }
    const std::int32_t setOperator = Peek();
    Advance();
    std::int32_t second = 0;
    if (!ReadWordlistNumber(second, true)) return false;
    AddAction(ActionKind::CombineWordlists, start).Arguments = {target, first, setOperator, second, 0};
    return true;
}

// "/. count [> target [A]]": blanks between the parts are optional.
bool CommandParser::ParseRandomRacks(std::int32_t start) {
    if (!AtBlank() && !AtDigit()) return FailHere();
    SkipBlanks();
    std::int32_t count = 0;
    if (!ReadNumberInRange(count, 1, MaxRandomRacks, "number of racks")) return false;
    std::int32_t target = SlateNumber;
    bool targetGiven = false;
    bool append = false;
    const Checkpoint afterCount = Save();
    SkipBlanks();
    if (Peek() == '>') {
        Advance();
        SkipBlanks();
        const std::int32_t targetStart = Here();
        const bool negative = Peek() == '-';
        if (negative) Advance();
        if (!ReadNumber(target)) return false;
        if (negative) target = -target;
        if (!CheckWordlistNumber(target, true, targetStart)) return false;
        targetGiven = true;
        const Checkpoint afterTarget = Save();
        SkipBlanks();
        if (PeekUpper() == 'A' && (Peek(1) == 0 || Peek(1) == ' ' || Peek(1) == '\t')) {
            append = true;
            Advance();
        } else {
            Restore(afterTarget);
        }
    } else {
        Restore(afterCount);
    }
    if (!SetMainCommand(CommandKind::RandomRacks, start)) return false;
    command_.Arguments = {count, target, append ? 1 : 0, targetGiven ? 1 : 0, 0};
    return true;
}

}  // namespace qora
