#include "round/next_list.h"

#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"

namespace mervadin {

NextList NotReachedLines(const Lines& list, const ListOutcome& outcome, NotReached choice,
                         const BlockedNumbers& blocked) {
    NextList next;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const NumberOutcome* number = outcome.OfLine(i + 1);
        if (!number)
            continue;
        const Reach reach = number->Outcome();
        if (reach == Reach::Reached ||
            (reach == Reach::NeverDialled && choice == NotReached::FailedOnly))
            continue;
        if (blocked.HoldsDigits(number->digits)) {
            ++next.blockedLines;
            continue;
        }
        ++(reach == Reach::NotReached ? next.failedLines : next.neverDialledLines);
        next.lines.push_back(list[i]);
    }
    return next;
}

void SaveNumberListFile(const std::filesystem::path& target, const Lines& lines) {
    const auto lock = FolderLock::Beside(target);
    WriteLines(target, lines);
}

bool ReplaceWorkingList(const WorkFolder& folder, const Lines& expected, const Lines& lines) {
    const auto file = folder.File(file::kLoadNumber);
    const auto lock = FolderLock::Beside(file);
    if (ReadLines(file) != expected)
        return false;
    WriteLines(file, lines);
    return true;
}

} // namespace mervadin
