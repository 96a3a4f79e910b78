#include "cli/number_commands.h"

#include "cli/commands.h"
#include "cli/console_prompts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "numbers/number_check.h"
#include "numbers/number_list.h"
#include "numbers/number_packing.h"
#include "numbers/number_texts.h"
#include "numbers/sheet_import.h"
#include "qtcore/text_codec.h"
#include "round/block_list.h"

#include <algorithm>
#include <cctype>

namespace mervadin::cli {

namespace {

bool IsWorkbookName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.size() >= 5 && name.compare(name.size() - 5, 5, ".xlsx") == 0;
}

// The numbers never to call of the working folder; throws FileError or
// BlockListError (bad input).
BlockedNumbers Blocked(const WorkFolder& folder) {
    return BlockList::Load(folder.File(file::kBlockList)).Blocked();
}

void TellBlocked(std::size_t lines, Streams io) {
    if (lines > 0)
        io.err << FillIn(texts::numbers::kBlockedLeftOut, {std::to_string(lines)}) << '\n';
}

int ImportText(const WorkFolder& folder, const std::string& source, Streams io) {
    const BlockedNumbers blocked = Blocked(folder);
    const TextImport import = ImportTextFile(source, TextCodec::Chosen(), blocked);
    if (!PrepareFolder(folder, io))
        return kFailure;
    StoreNumberList(folder.File(file::kLoadNumber), import.stored);
    TellBlocked(import.blockedLines, io);
    if (import.atMax)
        io.out << texts::numbers::kMaxNumbersLine << '\n';
    io.out << "Total: " << import.sourceLines << '\n';
    return kSuccess;
}

int ImportWorkbook(const WorkFolder& folder, const std::string& source, Streams io) {
    const BlockedNumbers blocked = Blocked(folder);
    Lines lines;
    try {
        SheetImport import(source);
        while (import.ReadRow()) {
        }
        lines = import.Result(TextCodec::Chosen());
    } catch (const XlsxError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput;
    }
    const std::size_t left = LeaveOutBlocked(lines, blocked);
    if (!PrepareFolder(folder, io))
        return kFailure;
    StoreNumberList(folder.File(file::kLoadNumber), lines);
    TellBlocked(left, io);
    io.out << "Total: " << lines.size() << '\n';
    ConsolePrompts(io.out).Inform(texts::numbers::kNumbersLoadedCaption,
                                  texts::numbers::kNumbersLoaded);
    return kSuccess;
}

} // namespace

int ImportNumbers(const WorkFolder& folder, const std::string& source, SourceFormat format,
                  Streams io) {
    const bool workbook = format == SourceFormat::Workbook ||
                          (format == SourceFormat::ByName && IsWorkbookName(source));
    return Guarded(io, [&] {
        try {
            return workbook ? ImportWorkbook(folder, source, io) : ImportText(folder, source, io);
        } catch (const FileError& e) {
            if (e.path() != std::filesystem::path(source))
                throw;
            // The file named on the command line: a bad argument.
            io.err << "mervadin-cli: " << e.what() << '\n';
            return static_cast<int>(kBadInput);
        }
    });
}

int ClearNumbers(const WorkFolder& folder, Streams io) {
    return Guarded(io, [&] {
        if (!PrepareFolder(folder, io))
            return kFailure;
        StoreNumberList(folder.File(file::kLoadNumber), {});
        ConsolePrompts(io.out).Inform(texts::numbers::kNumbersClearedCaption,
                                      texts::numbers::kNumbersCleared);
        return kSuccess;
    });
}

int PackNumbers(const WorkFolder& folder, Streams io) {
    return Guarded(io, [&] {
        PackedNumbers packed;
        try {
            const NumberListLines read = ReadNumberList(folder.File(file::kLoadNumber));
            packed = PackNumberList(read.lines, TextCodec::Chosen(), Blocked(folder), read.total);
        } catch (const NumberListError& e) {
            io.err << "mervadin-cli: " << e.what() << '\n';
            return static_cast<int>(kBadInput);
        }
        for (const auto& warning : packed.warnings)
            io.err << warning.Text() << '\n';
        for (const auto& block : packed.blocks)
            PrintHexLines(io.out, block);
        return static_cast<int>(kSuccess);
    });
}

// The lines a check reads: the folder's list as the write reads it, or a
// file named as the import would store it (a byte-order mark dropped,
// UTF-8 and UTF-16 text in the chosen encoding).
Lines CheckedLines(const std::filesystem::path& file, bool asImported) {
    const std::string bytes = ReadFileBytes(file);
    if (!asImported)
        return SplitLines(bytes);
    std::optional<std::string> text;
    try {
        text = ImportedText(bytes, TextCodec::Chosen());
    } catch (const TextImportError& e) {
        throw FileReadError(file, e.what());
    }
    if (!text)
        throw FileReadError(file,
                            "holds characters that " + TextCodec::Chosen().Name() + " cannot hold");
    return SplitLines(*text);
}

int CheckNumbers(const WorkFolder& folder, const std::string& file, Streams io) {
    return Guarded(io, [&] {
        const Lines lines = CheckedLines(
            file.empty() ? folder.File(file::kLoadNumber) : PathFromUtf8(file), !file.empty());
        const auto findings = CheckNumberList(lines, SIZE_MAX, Blocked(folder), lines.size());
        for (const auto& finding : findings)
            io.out << finding.Text() << '\n';
        const std::string summary = FindingsSummary(findings, AsWritten, lines.size());
        io.err << lines.size() << (lines.size() == 1 ? " line checked" : " lines checked")
               << (summary.empty() ? ", nothing found" : ". " + summary) << '\n';
        return findings.empty() ? kSuccess : kFailure;
    });
}

int ShowNumbers(const WorkFolder& folder, Streams io) {
    return Guarded(io, [&] {
        // Printed as UTF-8, whatever the list's encoding, as show-records does.
        for (const auto& line : ShownNumberLines(ReadFileBytes(folder.File(file::kLoadNumber))))
            io.out << TextCodec::Chosen().ToUtf8(line) << '\n';
        return kSuccess;
    });
}

} // namespace mervadin::cli
