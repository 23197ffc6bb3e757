// The board commands: the board size and scoring mode, and the board
// square of a word.
#include "processor/CommandParser.h"

namespace qora {

// "/@|" grid scoring, "/@=15" board size, "/@#n" scoring mode 1 to 3, or a
// square ("8H" horizontal, "H8" vertical) followed by "." (starting there)
// or "~" (including it).
bool CommandParser::ParseBoard() {
    switch (Peek()) {
        case '|':
            Advance();
            ChangeSetting([](Settings& s) { s.ScoringMode = ScoringModeGrid; });
            return true;
        case '=': {
            Advance();
            const std::int32_t sizeStart = Here();
            std::int32_t size = 0;
            if (!ReadNumber(size)) return false;
            if (size != SmallBoardSize && size != LargeBoardSize) return Fail(messages::BoardSizeRange, sizeStart);
            ChangeSetting(
                [size](Settings& s) {
                    s.BoardSize = size;
                    if (s.BoardRow >= size || s.BoardColumn >= size) s.BoardRow = s.BoardColumn = size / 2;
                },
                true);
            return true;
        }
        case '#': {
            Advance();
            std::int32_t mode = 0;
            if (!ReadNumberInRange(mode, ScoringModePlain, ScoringModeCentreRow, "scoring mode")) return false;
            ChangeSetting([mode](Settings& s) { s.ScoringMode = static_cast<ScoringMode>(mode); });
            return true;
        }
        default: return ParseBoardSquare();
    }
}

bool CommandParser::ParseBoardSquare() {
    const std::int32_t size = query_.BoardSize;
    const bool horizontal = AtDigit();
    std::int32_t row = 0;
    std::int32_t column = 0;
    auto readRow = [&] {
        const std::int32_t rowStart = Here();
        return ReadNumber(row) && CheckRange(row, 1, size, "row", rowStart);
    };
    auto readColumn = [&] {
        const unsigned char letter = PeekUpper();
        if (letter < 'A' || letter > 'Z') return FailHere();
        column = letter - 'A' + 1;
        const std::string lastColumn(1, static_cast<char>('A' + size - 1));
        if (column > size) return Fail(messages::ColumnRange, Here(), 0, 0, lastColumn);
        Advance();
        return true;
    };
    if (horizontal ? !(readRow() && readColumn()) : !(readColumn() && readRow())) return false;
    if (Peek() != '.' && Peek() != '~') return FailHere();
    const ScoringMode mode = Peek() == '.' ? ScoringModeStartingAtSquare : ScoringModeIncludingSquare;
    Advance();
    ChangeSetting([=](Settings& s) {
        s.ScoringMode = mode;
        s.BoardRow = static_cast<std::int16_t>(row - 1);
        s.BoardColumn = static_cast<std::int16_t>(column - 1);
        s.BoardOrientation = static_cast<std::int16_t>(horizontal ? BoardHorizontal : BoardVertical);
    });
    return true;
}

}  // namespace qora
