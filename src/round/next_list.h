#pragma once
// The next list of a calling round: the lines of the list whose numbers were
// not reached, each as it stood (group, name and every byte kept), ready to
// be saved as a number list file or to replace LoadNumber.txt.

#include "files/text_lines.h"
#include "files/work_folder.h"
#include "numbers/number_packing.h"
#include "round/list_outcome.h"

#include <cstddef>
#include <filesystem>

namespace mervadin {

// Which numbers count as not reached: the operator's choice.
enum class NotReached { FailedOnly, FailedAndNeverDialled };

struct NextList {
    Lines lines;                 // in the order of the list
    std::size_t failedLines = 0; // of numbers dialled and not reached
    std::size_t neverDialledLines = 0;
    std::size_t blockedLines = 0; // left out: their numbers are never to be called
};

// The lines of `list` (whose outcome is `outcome`) whose numbers are not
// reached by `choice`, less the blocked ones. Blank lines hold no number
// and are left out.
NextList NotReachedLines(const Lines& list, const ListOutcome& outcome, NotReached choice,
                         const BlockedNumbers& blocked = {});

// Saves `lines` as the number list file `target`, CR LF after each, under
// its folder's lock and through the atomic replace. Throws FileError.
void SaveNumberListFile(const std::filesystem::path& target, const Lines& lines);

// Replaces the folder's LoadNumber.txt by `lines`, under the folder's lock,
// only when it still holds `expected` (the list the outcome was made of);
// false, writing nothing, when it changed meanwhile. Throws FileError.
bool ReplaceWorkingList(const WorkFolder& folder, const Lines& expected, const Lines& lines);

} // namespace mervadin
