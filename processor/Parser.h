// The command-language parser: one command line into a ParsedCommand.
// docs/command-language.md is the reference of the language it reads.
#pragma once

#include <optional>
#include <string_view>

#include "engine/QueryRecords.h"
#include "processor/ReportError.h"

namespace qora {

struct ParseResult {
    std::optional<CommandMessage> Message;  // the error, or else the first warning
    bool RackMode = false;                  // the line ends inside a rack part
    bool HasError() const { return Message.has_value() && !Message->Warning; }
};

// Parses `line` into `command`, whose settings start from a copy of
// `standing`. `expanded` tells that the line holds "!" or "^" insertions, for
// the wording of messages. Reads the language tables and the lexicon table but
// changes no global. Stops at the first error; the command then holds what
// was read before it.
ParseResult ParseLine(std::string_view line, const Settings& standing, bool expanded, ParsedCommand& command);

}  // namespace qora
