// Choosing a board square by typing it: a row number and a column letter in
// either order. A square typed row first ("8H") is horizontal, one typed
// letter first ("H8") vertical. A "1" may be the first digit of rows 10 to
// 15, so it stays pending until the next digit; rows above 15 cannot be
// typed. The board dialogs and the board play dialog type squares this way.
#pragma once

namespace qora {

struct BoardSquare {
    int Row = 0;     // 0-based: row 0 is row 1
    int Column = 0;  // 0-based: column 0 is column A
    bool Horizontal = true;

    bool operator==(const BoardSquare&) const = default;
};

class BoardSquareTyping {
public:
    explicit BoardSquareTyping(int boardSize) : size_(boardSize) {}

    // A fresh start: the next character begins a square.
    void Start();
    // A square chosen otherwise (the mouse, the arrow keys) is complete.
    void SquareChosen() { Start(); }

    // Takes a typed character into the square; false when it changed nothing
    // (not a letter or digit, a column beyond the board, a 0 alone).
    bool Type(char c, BoardSquare& square);

    // The next character begins a new square (its first character chooses
    // the orientation).
    bool NextCharStartsSquare() const { return nextCharStartsSquare_; }
    // A "1" was typed that a digit 0 to 5 turns into rows 10 to 15.
    bool RowTensPending() const { return rowTensPending_; }

private:
    bool TypeLetter(int column, BoardSquare& square);
    bool TypeDigit(int digit, BoardSquare& square);
    void BeginSquareIfDue(BoardSquare& square, bool horizontal);

    int size_;
    bool nextCharStartsSquare_ = true;
    bool rowTensPending_ = false;
    bool letterIn_ = false;  // the square being typed has its column
    bool rowIn_ = false;     // and its row
};

}  // namespace qora
