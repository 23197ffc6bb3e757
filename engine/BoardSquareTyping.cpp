#include "engine/BoardSquareTyping.h"

namespace qora {

void BoardSquareTyping::Start() {
    nextCharStartsSquare_ = true;
    rowTensPending_ = false;
    letterIn_ = false;
    rowIn_ = false;
}

bool BoardSquareTyping::Type(char c, BoardSquare& square) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return TypeLetter(c - 'A', square);
    if (c >= '0' && c <= '9') return TypeDigit(c - '0', square);
    return false;
}

// The first character of a square chooses its orientation; a pending "1" of
// the square before is dropped.
void BoardSquareTyping::BeginSquareIfDue(BoardSquare& square, bool horizontal) {
    if (!nextCharStartsSquare_) return;
    square.Horizontal = horizontal;
    rowTensPending_ = false;
    letterIn_ = false;
    rowIn_ = false;
}

bool BoardSquareTyping::TypeLetter(int column, BoardSquare& square) {
    if (column >= size_) return false;
    BeginSquareIfDue(square, false);
    square.Column = column;
    letterIn_ = true;
    // A pending "1" already names row 1, so "1H" is a whole square.
    nextCharStartsSquare_ = rowIn_;
    return true;
}

bool BoardSquareTyping::TypeDigit(int digit, BoardSquare& square) {
    BeginSquareIfDue(square, true);
    if (digit == 0 && !rowTensPending_) return false;
    int row = digit;
    if (rowTensPending_ && digit <= 5) {
        row = 10 + digit;
        rowTensPending_ = false;
    } else {
        rowTensPending_ = digit == 1;
    }
    square.Row = row - 1;
    rowIn_ = true;
    nextCharStartsSquare_ = letterIn_ && !rowTensPending_;
    return true;
}

}  // namespace qora
