// The notes mervadin-cli's help prints after each command's options, and after
// the whole tool's: what a command's one line has no room for.

#include "cli/cli_start.h"

#include <sstream>
#include <string>

namespace mervadin::cli {

namespace {

struct CommandNote {
    const char* path; // the command's words after the tool's name, "" for the tool
    const char* note;
};

// Paragraphs are separated by a blank line.
constexpr const char* kFilterNote =
    "FILTER: a line must pass every option given. --type takes the name in any case. --group "
    "takes the whole group, as a number: 01 is group 1. --from and --to include both days; a "
    "line whose date cannot be read is then left out, and --from after --to is refused (exit "
    "2). Every field of a call line is read at its place (the seven fields always stand in one "
    "order), so a name the device sent may hold a field's key, ] or ; without moving another "
    "field; a line break in a stored field becomes a blank.";

constexpr CommandNote kNotes[] = {
    {"", "An operation prints each line of its progress memo on standard output as the window "
         "would hold it (a carriage return inside a line stays), error memo lines on standard "
         "error, message boxes as \"[Caption] text\", and a progress bar on standard error when "
         "that is a terminal.\n\n"
         "--timeout also bounds the wait for another Mervadin's lock of the working folder (60 s "
         "without it, in the windows too). SIGINT and SIGTERM stop a waiting command the same "
         "way (exit 130 or 143; a second one ends it at once). A stop is honoured before the "
         "work is stored or not at all: once read-cdr replaces its lists (or a write has stored "
         "its last block) the command finishes whatever comes, and exits 0.\n\n"
         "Every write ends by itself, whatever the device answers: after each data block, every "
         "answer that does not store it (silence until the block is sent again, a damaged answer, "
         "a rejection, anything else) counts towards the block's limit, and the 51st "
         "ends the write with its message box and exit 1.\n\n"
         "An encoding that is not an 8-bit superset of ASCII (UTF-16, UTF-32, ISO-2022-JP, "
         "UTF-7) cannot be the data files' encoding and is refused with the reason, as is an "
         "empty --encoding. --device is checked when a command is to use the device.\n\n"
         "Environment: MERVADIN_WORKDIR, MERVADIN_ENCODING and MERVADIN_LANGUAGE stand in for "
         "their options; MERVADIN_TICK_MS sets the period of the 10-ms clock that every device "
         "time-out counts (default 10).\n\n"
         "Exit status: 0 success; 1 the operation failed (a file that cannot be written and a "
         "lock of the working folder given up included); 2 bad usage or bad input (an unknown "
         "command, option, device, encoding or language, a value missing, an empty --workdir, a "
         "trace file that cannot be opened, a file that cannot be read, in every command); 130 "
         "and 143 stopped by SIGINT or SIGTERM."},
    {"status", "Prints \"USB Connected\" or \"USB No Connect\"."},
    {"list-devices",
     "Prints each attached device's hidraw path, maker, product and serial; with none, says "
     "so on standard error. A path printed here is what --device hid:PATH takes."},
    {"write-settings",
     "Writes the settings block built from Config.txt; exit 0 only after \"Write Setting "
     "OK!\". A Config.txt that is empty, holds none of the keys or lacks its header line or "
     "end line is refused before anything is sent (exit 2), as in the download window, and so "
     "is a number field holding letters or a host number of more than 16 digits (named by "
     "its key)."},
    {"settings-block",
     "Prints the block as 32 lines of 16 hex bytes, stamped with the given date and time "
     "(else now)."},
    {"read-cdr", "Writes ReadFile.txt, CallOutList.txt and CallInList.txt, with their backups, and "
                 "carries the remarks over to the same calls."},
    {"rebuild-kinds", "Refills them from the two lists and ReadFile.txt."},
    {"stats",
     "Prints calls per type, the success and answer rates and the talking time, as a table or "
     "CSV; lines whose type, date or duration cannot be read are named on standard error and "
     "not counted. The PDF is the statistics window's report, in the language of the "
     "windows."},
    {"outcome",
     "A row a number: its lines, calls, connected and failed calls, the last call and its "
     "result, the talking time and whether it was reached. A record belongs to each line whose "
     "NUMBER packs to the digits it dialled. --not-reached writes the next list, each line as "
     "it stood. Exit 2 when LIST cannot be read or --from is after --to."},
    {"block add",
     "A NUMBER holding anything but digits is refused (exit 2). Imports and the number write "
     "leave the numbers on the list out."},
    {"export-records",
     "A CSV file is UTF-8 starting with a byte-order mark; a text cell that begins with =, "
     "+, -, @, TAB or CR is written after a ' so that a spreadsheet shows it as text (numbers "
     "stay numbers). A workbook has typed cells and fitted columns, and a list longer than a "
     "sheet goes on over further sheets. Remarks are cut at their 126 bytes, and those cut "
     "are counted on standard error."},
    {"show-records", "Prints the lines as UTF-8 text, and \"n of N lines\" on standard error."},
    {"monitor",
     "Prints the status line of each status frame. spk sets the speaker level (0-9), mic "
     "the microphone level (0-15). Ends on off, after N frames, or when the device goes away "
     "(exit 1), and without --timeout after 30 s without an intact status frame (exit 1)."},
    {"encoding",
     "Without a choice remembered it prints the system's (UTF-8 on Linux, the code page on "
     "Windows). An unknown NAME is refused (exit 2)."},
    {"init",
     "Existing files are never touched; a Config.txt of fewer than 5 lines is filled with the "
     "default settings, as the tool does at start."},
    {"config get", "A KEY names the same setting with or without its closing =."},
    {"config set",
     "A key the file does not hold is added before its end line (the settings editor's Save "
     "does the same)."},
    {"verify", "Exit 0 when the checksum is intact, 1 when it is damaged."},
    {"import-numbers",
     "A text file holds GROUP, NAME and NUMBER a line, separated by TAB or comma; UTF-8 and "
     "UTF-16 with a byte-order mark are converted into the chosen encoding. A workbook's "
     "active sheet is read from row 3: column B the group, C the name, D the number. A "
     "workbook that cannot be read, or a result the write would refuse (a group that is not a "
     "number, a blank line, an empty B3), is refused naming the line or cell (exit 2), and the "
     "list stays as it was. Numbers on the block list are left out, and counted."},
    {"write-voice", "A file that cannot be loaded is refused (exit 2)."},
    {"pack-numbers",
     "16 bytes a line, 32 lines a block. A line whose GROUP is not a number is refused (exit "
     "2)."},
    {"write-numbers",
     "Exit 0 only after \"Write Number OK!\". A list with a GROUP that is not a number is "
     "refused before anything is sent (exit 2); what will not reach the device as it reads "
     "is warned of on standard error (see check-numbers)."},
    {"show-numbers", "Prints it as UTF-8 text."},
    {"check-numbers",
     "A line each (\"line 2: the NUMBER is also on line 1\"), and a count of each kind on "
     "standard error. It finds numbers with other characters than digits, numbers over 13 "
     "digits, names over 16 bytes, empty numbers and names, groups out of range, NUL bytes, a "
     "third field after the number, control characters in a name, lines beyond the 9000 "
     "numbers the device holds, numbers an earlier line holds and numbers on the block list. "
     "Exit 0 when nothing is found, 1 when something is, 2 when the list cannot be read."},
    {"password change", "Prints the window's messages as \"[Caption] text\"."},
};

// The command the words name, below `app`.
CLI::App& CommandAt(CLI::App& app, const std::string& path) {
    std::istringstream words(path);
    CLI::App* command = &app;
    for (std::string word; words >> word;)
        command = command->get_subcommand(word);
    return *command;
}

} // namespace

void AddCommandNotes(CLI::App& app) {
    for (const auto& [path, note] : kNotes) {
        auto& command = CommandAt(app, path);
        command.footer(note);
    }
    for (const char* path : {"stats", "export-records", "show-records"})
        CommandAt(app, path).footer(CommandAt(app, path).get_footer() + "\n\n" + kFilterNote);
}

} // namespace mervadin::cli
