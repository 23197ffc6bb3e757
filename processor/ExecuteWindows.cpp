// The commands that open windows: the challenge window ("C", "/C"), the
// 5 x 5 game ("G", "/G"), the timer ("T") and the Word-Building Game ("W").
#include "engine/Listings.h"
#include "processor/ExecutorParts.h"
#include "processor/Recording.h"
#include "processor/Threads.h"

namespace qora::execution {

namespace {

bool NotAvailable(std::string_view what) { return Failed(std::string(what) + " is not available"); }

// Arguments: [1] the lock number (0 none), [2] the recording option of a
// locked window, [3] 1 when the line's words are carried in. A locked
// window opens again whenever it closes until its number unlocks it.
bool OpenChallenge(const ParsedCommand& command) {
    if (!ExecutorHandlers.OpenChallengeWindow) return NotAvailable("The challenge window");
    ChallengeByCommand = command.Arguments[1];
    ChallengeRecordingOption = command.Arguments[2];
    ChallengeFromPromptLine = command.Arguments[3] != 0;
    SyncBridge().Run([] {
        do ExecutorHandlers.OpenChallengeWindow();
        while (ChallengeByCommand != 0 && !ProgramStopping);
    });
    return true;
}

bool StartTimer() {
    if (!ExecutorHandlers.StartTimer) return NotAvailable("The timer");
    CallOnMainThread(ExecutorHandlers.StartTimer);
    WriteMessage("Timer is running - see the Timer tab at the upper right.");
    return true;
}

}  // namespace

bool OpenWindow(const ParsedCommand& command) {
    switch (command.Kind) {
        case CommandKind::ChallengeWindow: return OpenChallenge(command);
        case CommandKind::Timer: return StartTimer();
        case CommandKind::GridWindow: {
            if (!ExecutorHandlers.OpenGridGame) return NotAvailable("The 5 x 5 game");
            const bool fromCommand = command.Arguments[0] != 0;
            SyncBridge().Run([fromCommand] {
                GridGameFromCommand = fromCommand;
                ExecutorHandlers.OpenGridGame();
            });
            return true;
        }
        case CommandKind::WordBuildingGame:
            if (!ExecutorHandlers.OpenWordBuildingGame) return NotAvailable("The Word-Building Game");
            CallOnMainThread(ExecutorHandlers.OpenWordBuildingGame);
            return true;
        default: return true;
    }
}

}  // namespace qora::execution
