// Function-key macros: F1 to F12 (F10 excepted, it opens the menu) replace or
// extend the command line with their text, and may perform it at once. The
// initialization file keeps them; the function-key dialog edits them.
#pragma once

#include <array>
#include <string>

namespace qora {

constexpr int FunctionKeyCount = 12;
constexpr int MenuFunctionKey = 10;  // F10 holds no macro

struct FunctionKey {
    std::string Macro;     // command text, code page 1252
    bool Replace = false;  // replaces the command line; else appends to it
    bool Run = false;      // performs the line at once
};

// Entry n - 1 for key Fn.
extern std::array<FunctionKey, FunctionKeyCount> FunctionKeys;

void ResetFunctionKeys();

}  // namespace qora
