#pragma once
// The calling round from the command line: what became of each number of a
// list, the next list of the numbers not reached, the numbers never to call.

#include "cli/commands.h"

#include <optional>
#include <string>
#include <vector>

namespace mervadin::cli {

struct OutcomeOptions {
    std::string list; // a number list file; empty: LoadNumber.txt
    std::optional<std::string> from, to;
    std::optional<std::string> notReached; // the next list's file
    bool failedOnly = false;               // else failed and never dialled
    bool csv = false;
};

// Prints a row per number of the list (a table or CSV) and the totals on
// standard error; writes the next list when asked.
int Outcome(const WorkFolder& folder, const OutcomeOptions& options, Streams io);

// `action` is "add", "remove", "show" or "import" (whose one argument is a
// text file of numbers).
int Block(const WorkFolder& folder, const std::string& action,
          const std::vector<std::string>& arguments, Streams io);

} // namespace mervadin::cli
