#include "cli/round_commands.h"

#include "cli/record_commands.h"
#include "files/path_text.h"
#include "numbers/number_texts.h"
#include "qtcore/text_codec.h"
#include "round/block_list.h"
#include "round/next_list.h"
#include "round/outcome_files.h"
#include "round/outcome_table.h"
#include "round/round_texts.h"

namespace mervadin::cli {

namespace {

namespace fs = std::filesystem;

// The list's own bytes (number, name, group) as UTF-8 for the terminal.
std::vector<Row> RowsOf(const RoundOutcome& round) {
    std::vector<Row> rows{OutcomeHeader()};
    for (const auto& number : round.outcome.Numbers()) {
        Row cells = OutcomeCells(number, round.list);
        for (const auto column : {OutcomeColumn::Number, OutcomeColumn::Name, OutcomeColumn::Group})
            cells[static_cast<std::size_t>(column)] =
                TextCodec::Chosen().ToUtf8(cells[static_cast<std::size_t>(column)]);
        rows.push_back(std::move(cells));
    }
    return rows;
}

void TellOutcome(const RoundOutcome& round, Streams io) {
    for (const auto& unread : round.outcome.UnreadLines())
        io.err << unread.list << " line " << unread.line << ": " << unread.reason << '\n';
    io.err << TotalsText(round.outcome.Totals()) << '\n';
    if (const std::string apart = SetApartText(round.outcome); !apart.empty())
        io.err << apart << '\n';
}

// Writes the next list to `file`: LoadNumber.txt only while it still holds
// the list the outcome was made of.
int WriteNext(const WorkFolder& folder, const RoundOutcome& round, const OutcomeOptions& options,
              Streams io) {
    const fs::path file = PathFromUtf8(*options.notReached);
    const NextList next = NotReachedLines(round.list, round.outcome,
                                          options.failedOnly ? NotReached::FailedOnly
                                                             : NotReached::FailedAndNeverDialled,
                                          BlockList::Load(folder.File(file::kBlockList)).Blocked());
    if (next.lines.empty()) {
        io.err << texts::round::kNothingLeft << '\n';
        return kSuccess;
    }
    if (!IsWorkingList(folder, file)) {
        SaveNumberListFile(file, next.lines);
    } else if (!ReplaceWorkingList(folder, round.list, next.lines)) {
        io.err << "mervadin-cli: " << texts::round::kListChanged << '\n';
        return kFailure;
    }
    io.err << FillIn(texts::round::kNextListWritten,
                     {std::to_string(next.lines.size()), *options.notReached})
           << '\n';
    if (next.blockedLines > 0)
        io.err << FillIn(texts::numbers::kBlockedLeftOut, {std::to_string(next.blockedLines)})
               << '\n';
    return kSuccess;
}

// The numbers given, each as the block list takes it; nothing, with the
// first that is none named, when one is not a number.
std::optional<std::vector<std::string>> NumbersOf(const std::vector<std::string>& given,
                                                  Streams io) {
    std::vector<std::string> numbers;
    for (const auto& text : given) {
        const auto number = BlockableNumber(text);
        if (!number) {
            io.err << "mervadin-cli: \"" << text << "\" is not a number: digits only\n";
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    return numbers;
}

int ShowBlocked(const fs::path& file, const std::vector<std::string>& numbers, Streams io) {
    const BlockList list = BlockList::Load(file);
    if (numbers.empty()) {
        for (const auto& number : list.Numbers())
            io.out << number << '\n';
        return kSuccess;
    }
    bool all = true;
    for (const auto& number : numbers) {
        const auto line = list.LineOf(number);
        io.out << number
               << (line ? ": blocked (line " + std::to_string(*line) + ")" : ": not blocked")
               << '\n';
        all = all && line;
    }
    return all ? kSuccess : kFailure;
}

void TellChange(const BlockChange& change, const char* done, const char* unchanged, Streams io) {
    for (const auto& number : change.done)
        io.out << done << number << '\n';
    for (const auto& number : change.unchanged)
        io.err << number << unchanged << '\n';
}

} // namespace

int Outcome(const WorkFolder& folder, const OutcomeOptions& options, Streams io) {
    const auto range = DaysOf(options.from, options.to, io);
    if (!range)
        return kBadInput;
    if (options.notReached && options.notReached->empty()) {
        io.err << "mervadin-cli: --not-reached names no file\n";
        return kBadInput;
    }
    return Guarded(io, [&] {
        const fs::path list = PathFromUtf8(options.list);
        std::optional<RoundOutcome> round;
        try {
            round.emplace(ComputeOutcome(folder, list, *range, TextCodec::Chosen()));
        } catch (const FileError& e) {
            if (list.empty() || e.path() != list)
                throw;
            io.err << "mervadin-cli: " << e.what() << '\n'; // the file named: a bad argument
            return static_cast<int>(kBadInput);
        }
        const auto rows = RowsOf(*round);
        if (options.csv)
            PrintCsv(io.out, rows);
        else
            PrintTable(io.out, rows);
        TellOutcome(*round, io);
        return options.notReached ? WriteNext(folder, *round, options, io)
                                  : static_cast<int>(kSuccess);
    });
}

int Block(const WorkFolder& folder, const std::string& action,
          const std::vector<std::string>& arguments, Streams io) {
    const fs::path file = folder.File(file::kBlockList);
    if (action == "import")
        return Guarded(io, [&] {
            const fs::path source = PathFromUtf8(arguments.at(0));
            std::vector<std::string> numbers;
            try {
                numbers = NumbersToBlock(source);
            } catch (const FileError& e) {
                if (e.path() != source)
                    throw;
                io.err << "mervadin-cli: " << e.what() << '\n'; // the file named: a bad argument
                return static_cast<int>(kBadInput);
            }
            if (!PrepareFolder(folder, io))
                return static_cast<int>(kFailure);
            const BlockChange change = AddBlocked(file, numbers);
            io.out << change.done.size() << " added, " << change.unchanged.size()
                   << " on the block list already\n";
            return static_cast<int>(kSuccess);
        });
    const auto numbers = NumbersOf(arguments, io);
    if (!numbers)
        return kBadInput;
    return Guarded(io, [&] {
        if (action == "show")
            return ShowBlocked(file, *numbers, io);
        if (!PrepareFolder(folder, io))
            return static_cast<int>(kFailure);
        if (action == "add")
            TellChange(AddBlocked(file, *numbers), "added ", " is on the block list already", io);
        else
            TellChange(RemoveBlocked(file, *numbers), "removed ", " is not on the block list", io);
        return static_cast<int>(kSuccess);
    });
}

} // namespace mervadin::cli
