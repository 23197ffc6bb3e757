// The state the challenge tests start from: two lexicons that have names but
// no words (the tests give their own word test), English, nothing locked,
// recording off, and a recording folder that does not exist.
#pragma once

#include "engine/Lexicons.h"
#include "games/rules/ChallengeRules.h"
#include "platform/ProgramState.h"
#include "processor/Recording.h"

namespace qora {

inline LexiconRecord NamedLexicon(const char* shortName, const char* longName) {
    LexiconRecord record;
    record.ShortName = shortName;
    record.LongName = longName;
    record.MaxWordLength = 20;
    return record;
}

inline void SetUpChallengeState() {
    ResetProgramState();
    LexiconTable.push_back(NamedLexicon("NEWLEX", "New Tournament Lexicon"));
    LexiconTable.push_back(NamedLexicon("OLDLEX", "Old Tournament Lexicon"));
    LexiconCount = 2;
    MaxWordLength = 15;
    RecordingFolder = "/nonexistent-qora-folder";
}

inline void TearDownChallengeState() { ResetProgramState(); }

}  // namespace qora
