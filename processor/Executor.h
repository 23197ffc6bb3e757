// The command executor: what a performed command line does.
//
// ExecuteCommand runs the actions of a parsed line left to right (set
// definitions, wordlist, item, file and window commands), then makes the
// line's lasting settings the standing ones, then does its search or
// presentation. Commands that search or present (queries, a line of settings
// that presents the slate again, definition searches, random racks) are
// handed to SlateThread; everything else runs at once on the calling thread
// (the main thread for a typed line, ExecuteThread for a command-file line)
// and ends with a blank line and a new prompt. docs/command-language.md
// tells what each command does and which messages it writes.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/QueryRecords.h"

namespace qora {

// Where a performed line came from: the end command ends the command file
// that holds it, and acts as the exit command on a typed line.
enum class CommandSource { Typed, CommandFile };

void ExecuteCommand(const ParsedCommand& command, CommandSource source);

// What the executor needs of the windows. Each runs on the main thread; an
// empty function means the window or feature is not there, and the command
// that needs it answers that it is not available.
struct ExecutorHooks {
    // Opens the challenge window modally and returns when it closes; the
    // executor opens it again while ChallengeByCommand stays non-zero.
    std::function<void()> OpenChallengeWindow;
    // Shows the 5 x 5 game (GridGameFromCommand tells how it was asked for).
    std::function<void()> OpenGridGame;
    std::function<void()> OpenWordBuildingGame;
    // The 5 x 5 game's grid files. The first gives the text of a grid file
    // of the grid history and the number of grids in it; the second adds the
    // grids of a file's bytes to the history and returns how many, with the
    // number of lines it refused in `unreadable`.
    std::function<std::int32_t(std::string& text)> SaveGridHistory;
    std::function<std::int32_t(std::string_view bytes, std::int32_t& unreadable)> LoadGridHistory;
    // The Word-Building Game's grid files. The first gives the text of a grid
    // file of every known grid and their number; the second forms the grids
    // of a file's bytes (showing the warning of a bad record) and returns how
    // many it read, or leaves why grids cannot be imported now in `refusal`.
    std::function<std::int32_t(std::string& text)> WriteWordBuildingGrids;
    std::function<std::int32_t(std::string_view bytes, std::string& refusal)> ReadWordBuildingGrids;
    // Selects the Timer tab and starts the countdown.
    std::function<void()> StartTimer;
    // The countdown's period back to its start-up value (InitSettings).
    std::function<void()> ResetTimerPeriod;
    // Prints the workspace with the title; returns "" or why it could not.
    std::function<std::string(const std::string& title)> PrintWorkspace;
    // The caption of the bag set in the set dialogs, "Bag of letters (98 of
    // them)", after set (B) was redefined.
    std::function<void(const std::string& caption)> ShowBagCaption;
    // The user-defined sets or the wordlists changed: the lists that show
    // them are filled again.
    std::function<void()> RefreshListTabs;
    // Flashcarding started, moved on or stopped (the status indicator).
    std::function<void()> ShowFlashcardState;
    // The progress of a long search, "WORKING: " and more, for the status
    // bar; "" clears it.
    std::function<void(const std::string& text)> ShowProgress;
    // Restoring the initial settings also resets the layout dialogs.
    std::function<void()> ResetLayoutDialogs;
};
extern ExecutorHooks ExecutorHandlers;

// Set by the grid command (letters and "/G") before it shows the 5 x 5
// game, cleared by the command "G" and the menu item; the game window then
// types the command line's letters into a new grid, and clears it.
extern bool GridGameFromCommand;

// How long a search runs before it shows its progress, and the least time
// between two of its progress texts: a search that ends sooner shows none
// and clears nothing.
struct ProgressPace {
    std::chrono::milliseconds FirstAfter{250};
    std::chrono::milliseconds Between{250};
};
extern ProgressPace SearchProgressPace;

// The largest grid file that the grid commands and the game windows read.
constexpr std::size_t MaxGridFileSize = 16u << 20;

// The settings of a program that has just started: the built-in defaults,
// the timer's period, the 15 x 15 board.
void InitSettings();

// Restoring the initial settings (the Clear dialog): as InitSettings, and
// the layout dialogs' own values go back to theirs.
void RevertToInitialSettings();

// The parts of a performed line that reach beyond its settings: a
// redefined set (B) or set ($) becomes the active bag or scores (a new bag
// writes the "Bag of %ss (%d of them)" caption), and a new board size sets
// up that board.
void ApplyRackSettings(const ParsedCommand& command);

// "Bag of letters (98 of them)" ("tiles" for Spanish) for the active bag.
std::string BagCaption();

// Connects the command processor's parts: the parser's perform hook to the
// executor, the command-file line runner to the parser and the executor, the
// query thread's work to the evaluation and presentation, the wordlist
// progress to the status text, and a change of the primary lexicon's language
// to that language's orderings and letter mapping (LoadLanguageDefaults). The
// main window and the headless runner call it once at start-up, after
// StartProcessorThreads; the main window before it chooses the lexicons.
void ConnectCommandProcessor();

// Performs the command line as Enter does: the line with its insertions
// joins the history, is parsed and, without error, executed. A line that
// fails to parse gets its error, an empty line and a new prompt.
void PerformCommandLine();

// Back to no hooks, no waiting requests and the usual progress pace (tests).
void ResetExecutor();

}  // namespace qora
