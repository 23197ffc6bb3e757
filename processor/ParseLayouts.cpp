// The presentation commands: the layout with its width and rows per page,
// printing or presenting the slate, and the presentation switches.
#include "processor/CommandParser.h"

namespace qora {

// "/O1", "/OR[,]pS", "/OR" rows "C", "/O[R]Cp" ("S" | "W" | "X"), "/OCnC",
// "/OWA", "/OWnC".
bool CommandParser::ParseLayout() {
    const unsigned char head = PeekUpper();
    if (head == '1' && !(Peek(1) >= '0' && Peek(1) <= '9')) {
        Advance();
        ChangeSetting([](Settings& s) { s.OutputLayout = LayoutOnePerLine; });
        return true;
    }
    if (head == 'W') {
        Advance();
        if (PeekUpper() == 'A') {
            Advance();
            // The workspace's width is a width in characters, also after "/OCnC".
            ChangeSetting([](Settings& s) {
                s.WorkspaceWidthSwitch = 1;
                s.CharactersSwitch = 1;
            });
            return true;
        }
        const std::int32_t start = Here();
        std::int32_t width = 0;
        if (!ReadNumber(width) || !Expect('C') || !CheckRange(width, 8, 255, "maximum width", start)) return false;
        ChangeSetting([width](Settings& s) {
            s.WorkspaceWidthSwitch = 0;
            s.CharactersSwitch = 1;
            s.MaximumWidth = width;
        });
        return true;
    }
    if (head != 'R' && head != 'C') return FailHere();
    Advance();
    const bool rows = head == 'R';
    bool columnated = !rows;  // "C" follows: columns, or columnated rows after "R"
    bool commas = false;
    if (rows && PeekUpper() == 'C') {
        columnated = true;
        Advance();
    } else if (rows && Peek() == ',') {
        commas = true;
        Advance();
    }
    const std::int32_t start = Here();
    std::int32_t parameter = 0;
    if (!ReadNumber(parameter)) return false;
    const unsigned char kind = PeekUpper();
    if (kind == 'C' && !columnated && !commas) {  // "/ORnC": rows per page
        Advance();
        if (parameter != 0 && (parameter < 8 || parameter > 256)) return Fail(messages::RowsPerPageRange, start);
        ChangeSetting([parameter](Settings& s) { s.RowsPerPage = parameter; });
        return true;
    }
    if (kind == 'C' && !rows) {  // "/OCnC": width in columns
        Advance();
        if (!CheckRange(parameter, 1, 30, "maximum width", start)) return false;
        ChangeSetting([parameter](Settings& s) {
            s.WorkspaceWidthSwitch = 0;
            s.CharactersSwitch = 0;
            s.MaximumWidth = parameter;
        });
        return true;
    }
    std::int32_t layout = 0;
    if (!columnated)
        layout = kind == 'S' ? (commas ? LayoutPackedRowsCommas : LayoutPackedRows) : 0;
    else if (kind == 'S' || kind == 'W' || kind == 'X')
        layout = (rows ? LayoutColumnatedRowsMinimal : LayoutColumnsMinimal) + (kind == 'S' ? 0 : kind == 'W' ? 1 : 2);
    if (layout == 0) return FailHere();
    Advance();
    if (!CheckRange(parameter, 1, 80, "layout parameter", start)) return false;
    ChangeSetting([layout, parameter](Settings& s) {
        s.OutputLayout = static_cast<OutputLayout>(layout);
        s.LayoutParameter = parameter;
    });
    return true;
}

bool CommandParser::ParsePrintOrPresentation(std::int32_t start) {
    if (AtDigit())
        return ParseSmallSetting(&Settings::PresentationKind, PresentationKindFirst, PresentationKindLast,
                                 "presentation kind");
    if (!Expect('W')) return false;
    SkipBlanks();
    std::string title;
    if (!ReadQuotedText(title)) return false;
    AddAction(ActionKind::PrintWorkspace, start).Text = std::move(title);
    return true;
}

// "/V+c" switches presentation switch c on, "/V-c" off.
bool CommandParser::ParsePresentationSwitch() {
    if (Peek() != '+' && Peek() != '-') return FailHere();
    const bool on = Peek() == '+';
    Advance();
    std::uint32_t bit = 0;
    switch (PeekUpper()) {
        case 'S': bit = SwitchScores; break;
        case 'P': bit = SwitchProbability; break;
        case 'H': bit = SwitchHooks; break;
        case 'D': bit = SwitchDefinitions; break;
        case 'N': bit = SwitchAnagramCount; break;
        default: return FailHere();
    }
    Advance();
    ChangeSetting([on, bit](Settings& s) {
        if (on)
            s.PresentationSwitches |= bit;
        else
            s.PresentationSwitches &= ~bit;
    });
    return true;
}

}  // namespace qora
