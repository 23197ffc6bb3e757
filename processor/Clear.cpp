#include "processor/Clear.h"

#include <functional>
#include <string>

#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "processor/Console.h"
#include "processor/Executor.h"

namespace qora {

namespace {

void ClearWorkspaceKeepingCommandLine() {
    const std::string commandLine = CommandLine();
    ClearWorkspace();
    if (!commandLine.empty()) SetCommandLine(commandLine);
}

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

void ClearSelected(const ClearChoice& choice) {
    if (choice.Workspace) ClearWorkspaceKeepingCommandLine();
    if (choice.Slate) ClearWordlist(Slate);
    if (choice.Wordlists) DeleteNumberedWordlists();
    if (choice.UserSets) ResetUserSets();
    if (choice.CommandHistory) ClearCommandHistory();
    if (choice.InitialSettings) RevertToInitialSettings();
    if (choice.Slate || choice.Wordlists || choice.UserSets) Call(ExecutorHandlers.RefreshListTabs);
    if (choice.Wordlists) Call(ExecutorHandlers.ShowFlashcardState);
    CheckCommandLineSilently();
}

}  // namespace qora
